#include "loginsettingdialog.h"

#include "devicestate.h"

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

QLabel *label(QFrame *frame, const QString &text, int y)
{
    auto *l = new QLabel(text, frame);
    l->setGeometry(20, y, 100, 32);
    return l;
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
    setFrameSize(QSize(340, 236));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    disconnect(closeButton(), nullptr, this, nullptr);
    connect(closeButton(), &QPushButton::clicked, this, &LoginSettingDialog::on_btnClose_clicked);

    const DeviceState *state = DeviceState::instance();
    label(frame(), tr("Device IP:"), 52);
    m_ip = new QLineEdit(state->deviceAddress(), frame());
    m_ip->setObjectName(QStringLiteral("DeviceIP"));
    m_ip->setMaxLength(20);
    m_ip->setStyleSheet(fieldStyle());
    m_ip->setGeometry(124, 52, 196, 32);

    label(frame(), tr("Port:"), 96);
    m_port = new QLineEdit(QString::number(state->devicePort()), frame());
    m_port->setObjectName(QStringLiteral("DevicePort"));
    m_port->setStyleSheet(fieldStyle());
    m_port->setGeometry(124, 96, 196, 32);

    label(frame(), tr("OFFLINE:"), 140);
    m_type = new QComboBox(frame());
    m_type->setObjectName(QStringLiteral("cbb_type"));
    m_type->setView(new QListView(m_type));
    m_type->setStyleSheet(fieldStyle());
    const QStringList names = typeNames();
    for (int i = 0; i < names.size(); ++i)
        m_type->addItem(names.at(i), i);
    m_type->setCurrentIndex(state->deviceType());
    m_type->setEnabled(!lockType);
    m_type->setGeometry(124, 140, 196, 32);

    auto *ok = new QPushButton(tr("OK"), frame());
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setStyleSheet(DialogStyle::primaryButton());
    ok->setGeometry(244, 190, 76, 30);
    connect(ok, &QPushButton::clicked, this, &LoginSettingDialog::on_btnOK_clicked);
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
