#include "loginsettingdialog.h"

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
    return QStringLiteral("QLineEdit,QComboBox{border:1px solid #cfd8d4;border-radius:4px;padding:0 8px;"
                          "color:#2c3e50;font-size:13px;background:#ffffff;}"
                          "QLineEdit:focus,QComboBox:focus{border-color:#338c56;}");
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
    disconnect(closeButton(), nullptr, this, nullptr);
    connect(closeButton(), &QPushButton::clicked, this, &LoginSettingDialog::on_btnClose_clicked);

    Ui::LoginSettingDialog ui;
    ui.setupUi(frame());
    setFrameSize(QSize(340, 236));
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
}

void LoginSettingDialog::on_btnOK_clicked()
{
    DeviceState *state = DeviceState::instance();
    state->setDeviceAddress(m_ip->text());
    // Not a number reads as 0 here; config.ini turns it into 80 on the next start.
    state->setDevicePort(m_port->text().toInt());
    if (m_type->isEnabled())
        state->setDeviceType(m_type->currentIndex());
    accept();
}

void LoginSettingDialog::on_btnClose_clicked()
{
    reject();
}
