#include "loginsettingdialog.h"

#include "addressvalidator.h"
#include "devicestate.h"
#include "ui_loginsettingdialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {
QString fieldStyle()
{
    return QStringLiteral(
        "QLineEdit,QComboBox{border:1px solid #cfd8d4;border-radius:4px;padding:0 8px;"
        "color:#2c3e50;font-size:13px;background:#ffffff;}"
        "QLineEdit:focus,QComboBox:focus{border-color:#338c56;}"
        "QLineEdit[bad=\"true\"]{border:1px solid #d9534f;background:#fdf0ef;}");
}

void markBad(QLineEdit *field, bool bad)
{
    if (field->property("bad").toBool() == bad)
        return;
    field->setProperty("bad", bad);
    field->setStyleSheet(field->styleSheet()); // re-polishes for the property
}

} // namespace

QStringList LoginSettingDialog::typeNames()
{
    QStringList names;
    for (const char *model : {"0808", "0809", "0409_S", "0808_S", "0809_M"})
        names << QStringLiteral("%1%2").arg(QStringLiteral("ZEL"), QLatin1String(model));
    return names;
}

LoginSettingDialog::LoginSettingDialog(QWidget *parent, bool lockType)
    : FramelessDialog(parent, Kind::Tool, 35)
{
    setTitle(tr("Setting"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });

    Ui::LoginSettingDialog ui;
    ui.setupUi(frame());
    setFrameSize(QSize(340, 270));
    ui.btnOK->move(ui.btnOK->x(), 224);
    m_problem = new QLabel(frame());
    m_problem->setObjectName(QStringLiteral("problemLabel"));
    m_problem->setGeometry(20, 178, 300, 40);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color:#c0392b;font-size:12px;"));
    const DeviceState *state = DeviceState::instance();
    m_ip = ui.DeviceIP;
    m_ip->setText(state->deviceAddress());
    m_ip->setStyleSheet(fieldStyle());
    m_port = ui.DevicePort;
    m_port->setText(QString::number(state->devicePort()));
    m_port->setStyleSheet(fieldStyle());
    m_type = ui.cbb_type;
    m_type->setView(new QListView(m_type));
    m_type->setStyleSheet(fieldStyle());
    const QStringList names = typeNames();
    for (int i = 0; i < names.size(); ++i)
        m_type->addItem(names.at(i), i);
    m_type->setCurrentIndex(state->deviceType());
    m_type->setEnabled(!lockType);
    ui.btnOK->setStyleSheet(DialogStyle::primaryButton());
    connect(ui.btnOK, &QPushButton::clicked, this, &LoginSettingDialog::on_btnOK_clicked);
    for (QLineEdit *field : {m_ip, m_port}) {
        connect(field, &QLineEdit::textEdited, this, [this, field] {
            markBad(field, false);
            m_problem->clear();
        });
    }
}

QString LoginSettingDialog::problem() const
{
    return m_problem->text();
}

void LoginSettingDialog::on_btnOK_clicked()
{
    const QString host = m_ip->text().trimmed();
    const QString port = m_port->text().trimmed();
    const QString hostProblem = AddressValidator::problem(AddressValidator::Kind::Host, host);
    const QString portProblem = AddressValidator::problem(AddressValidator::Kind::Port, port);
    markBad(m_ip, !hostProblem.isEmpty());
    markBad(m_port, !portProblem.isEmpty());
    if (!hostProblem.isEmpty() || !portProblem.isEmpty()) {
        m_problem->setText(hostProblem.isEmpty() ? portProblem : hostProblem);
        (hostProblem.isEmpty() ? m_port : m_ip)->setFocus();
        return;
    }
    DeviceState *state = DeviceState::instance();
    state->setDeviceAddress(host);
    state->setDevicePort(port.toInt());
    if (m_type->isEnabled())
        state->setDeviceType(m_type->currentIndex());
    accept();
}

void LoginSettingDialog::on_btnClose_clicked()
{
    reject();
}
