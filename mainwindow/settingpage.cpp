#include "settingpage.h"
#include "ui_widget.h"

#include "addressvalidator.h"
#include "devicestate.h"
#include "dialogconfirm.h"
#include "messagedistance.h"
#include "networkguard.h"
#include "remoteaccess.h"
#include "remoteaccessswitch.h"
#include "userstore.h"
#include "windowcontext.h"

#include <QCoreApplication>

namespace {
// With its signals blocked a switch keeps its old image; this draws the state it has.
void showSwitchImage(SvgCheckBox *box)
{
    box->setImages(QStringLiteral(":/Images/on.svg"), QStringLiteral(":/Images/off.svg"));
}
} // namespace

SettingPage::SettingPage(WindowContext &context, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_context(context)
    , m_dialogParent(dialogParent)
{
    setUpFields();
    m_guard = new NetworkGuard(context, dialogParent, this);
    // The server belongs to the window, so it stops when the window goes, before the core.
    auto *remote = new RemoteAccess(dialogParent);
    m_remote = new RemoteAccessSwitch(
        [this, remote](quint16 port, QString *error) {
            return remote->start(m_context.core, port, error);
        },
        [remote] { remote->stop(); },
        context.ui->gb_general);
    context.ui->generalForm->insertRow(3, m_remote->title(), m_remote);
}

void SettingPage::setUpFields()
{
    Ui::Widget *ui = m_context.ui;
    for (SvgCheckBox *box : {ui->IsNotNeedLoginCheck, ui->DhcpSwitchCheck}) {
        showSwitchImage(box);
        box->setSvgIconSize(QSize(48, 24));
    }
    // Typing stops at what can never become an address; sending needs a complete one.
    auto *ipValidator = new AddressValidator(AddressValidator::Kind::IPv4, this);
    ui->IpEdit->setValidator(ipValidator);
    ui->GateWayEdit->setValidator(ipValidator);
    ui->SubnetEdit->setValidator(new AddressValidator(AddressValidator::Kind::SubnetMask, this));
    ui->MacEdit->setValidator(new AddressValidator(AddressValidator::Kind::Mac, this));
}

void SettingPage::connectControls()
{
    Ui::Widget *ui = m_context.ui;
    MessageDistance *link = MessageDistance::instance();
    connect(ui->factorResetBtn, &QPushButton::clicked, this, [this, link] {
        if (!m_guard->confirmFactoryReset())
            return;
        m_networkChangePending = true;
        link->sendDefault();
    });
    connect(ui->netWorkConfirmBtn, &QPushButton::clicked, this, [this, link] {
        const std::optional<NetworkForm::Values> values = m_guard->confirmedValues();
        if (!values)
            return;
        m_networkChangePending = true;
        link->sendSetNetwork(values->ip, values->gateway, values->subnet, values->mac);
    });
    connect(ui->DhcpSwitchCheck, &QCheckBox::toggled, this, [this, link](bool checked) {
        if (m_guard->refusedNow()) {
            setDhcpSwitch(!checked);
            return;
        }
        link->sendDhcp(checked);
        m_guard->applyDhcp(checked);
    });
    connect(ui->IsNotNeedLoginCheck, &QCheckBox::toggled, this, [](bool checked) {
        UserStore::setLoginModel(checked ? 1 : 0);
    });
}

void SettingPage::applyRights()
{
    Ui::Widget *ui = m_context.ui;
    const PermissionStore &rights = m_context.permissions;
    ui->factorResetBtn->setEnabled(rights.hasFunctionRight(PermissionStore::NetWork));
    ui->netWorkConfirmBtn->setEnabled(rights.hasFunctionRight(PermissionStore::NetWork));
    ui->DhcpSwitchCheck->setEnabled(rights.hasFunctionRight(PermissionStore::Dhcp));
    ui->IsNotNeedLoginCheck->setEnabled(rights.hasFunctionRight(PermissionStore::LoginFreeOption));
    m_remote->applyRights(m_context.actingUser().isAdministrator());
    m_guard->applyDhcp(ui->DhcpSwitchCheck->isChecked());
}

void SettingPage::showNetwork()
{
    Ui::Widget *ui = m_context.ui;
    DeviceState *state = DeviceState::instance();
    ui->IpEdit->setText(state->deviceAddress());
    ui->GateWayEdit->setText(state->gateway());
    ui->SubnetEdit->setText(state->subnetMask());
    ui->MacEdit->setText(state->macAddress());
}

void SettingPage::showLoginFree()
{
    SvgCheckBox *box = m_context.ui->IsNotNeedLoginCheck;
    {
        const QSignalBlocker blocker(box);
        box->setChecked(UserStore::loginModel() == 1);
    }
    showSwitchImage(box);
}

void SettingPage::setDhcpSwitch(bool on)
{
    SvgCheckBox *box = m_context.ui->DhcpSwitchCheck;
    const QSignalBlocker blocker(box);
    box->setChecked(on);
    showSwitchImage(box);
    m_guard->applyDhcp(on);
}

void SettingPage::confirmHttpOk()
{
    if (!m_networkChangePending)
        return;
    m_networkChangePending = false;
    DialogConfirm dialog(
        m_dialogParent,
        QCoreApplication::translate("Widget", "Network Changed"),
        QCoreApplication::translate(
            "Widget", "The network has changed, please reboot the device immediately"));
    m_context.run(dialog);
}
