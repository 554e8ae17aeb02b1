#include "networkguard.h"
#include "ui_widget.h"

#include "devicestate.h"
#include "dialogconfirm.h"
#include "windowcontext.h"

#include <QLineEdit>

NetworkGuard::NetworkGuard(WindowContext &context, QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_dialogParent(dialogParent)
{
    for (int f = NetworkForm::Ip; f < NetworkForm::FieldCount; ++f) {
        QLineEdit *edit = field(NetworkForm::Field(f));
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { markBad(edit, false); });
    }
}

QLineEdit *NetworkGuard::field(NetworkForm::Field f) const
{
    Ui::Widget *ui = m_context.ui;
    switch (f) {
    case NetworkForm::Gateway:
        return ui->GateWayEdit;
    case NetworkForm::Subnet:
        return ui->SubnetEdit;
    case NetworkForm::Mac:
        return ui->MacEdit;
    default:
        return ui->IpEdit;
    }
}

void NetworkGuard::markBad(QLineEdit *edit, bool bad)
{
    if (edit->property("bad").toBool() == bad)
        return;
    edit->setProperty("bad", bad);
    edit->setStyleSheet(
        bad ? QStringLiteral("QLineEdit{border:1px solid #d9534f;background:#fdf0ef;}")
            : QString());
}

bool NetworkGuard::ask(const QString &title, const QString &text)
{
    DialogConfirm dialog(m_dialogParent, title, text);
    return m_context.run(dialog) == QDialog::Accepted;
}

std::optional<NetworkForm::Values> NetworkGuard::confirmedValues()
{
    if (m_refuse && m_refuse())
        return std::nullopt;
    const NetworkForm::Values values{field(NetworkForm::Ip)->text().trimmed(),
                                     field(NetworkForm::Gateway)->text().trimmed(),
                                     field(NetworkForm::Subnet)->text().trimmed(),
                                     field(NetworkForm::Mac)->text().trimmed()};
    const QList<NetworkForm::Field> bad = NetworkForm::badFields(values);
    for (int f = NetworkForm::Ip; f < NetworkForm::FieldCount; ++f)
        markBad(field(NetworkForm::Field(f)), bad.contains(NetworkForm::Field(f)));
    if (!bad.isEmpty()) {
        field(bad.first())->setFocus();
        if (m_tell)
            m_tell(NetworkForm::problem(values));
        return std::nullopt;
    }
    const DeviceState *state = DeviceState::instance();
    const NetworkForm::Values before{
        state->deviceAddress(), state->gateway(), state->subnetMask(), state->macAddress()};
    if (!ask(tr("Network settings"), NetworkForm::confirmation(before, values)))
        return std::nullopt;
    return values;
}

bool NetworkGuard::confirmFactoryReset()
{
    if (m_refuse && m_refuse())
        return false;
    return ask(tr("Factory Reset"),
               tr("Reset the device to its factory settings? Routes, plans, wall groups and "
                  "the network settings are lost, and the device may be reachable only at its "
                  "factory address."));
}

void NetworkGuard::applyDhcp(bool on)
{
    // The device picks its own address under DHCP: typing one would only mislead.
    for (int f = NetworkForm::Ip; f < NetworkForm::FieldCount; ++f)
        field(NetworkForm::Field(f))->setReadOnly(on);
    m_context.ui->netWorkConfirmBtn->setEnabled(
        !on && m_context.permissions.hasFunctionRight(PermissionStore::NetWork));
    const QString hint = on ? tr("Set by DHCP; turn DHCP off to enter an address.") : QString();
    for (int f = NetworkForm::Ip; f < NetworkForm::FieldCount; ++f)
        field(NetworkForm::Field(f))->setToolTip(hint);
}
