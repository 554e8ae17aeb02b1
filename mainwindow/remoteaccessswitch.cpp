#include "remoteaccessswitch.h"

#include "svgwidgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// The server's documented port.
constexpr int DefaultPort = 8790;
} // namespace

RemoteAccessSwitch::RemoteAccessSwitch(Start start, Stop stop, QWidget *parent)
    : QWidget(parent)
    , m_start(std::move(start))
    , m_stop(std::move(stop))
    , m_title(new QLabel(this))
    , m_switch(new SvgCheckBox(this))
    , m_port(new QSpinBox(this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("remoteAccess"));
    m_switch->setObjectName(QStringLiteral("RemoteAccessCheck"));
    m_switch->setMinimumSize(60, 30);
    m_switch->setSvgIconSize(QSize(48, 24));
    m_port->setObjectName(QStringLiteral("RemoteAccessPort"));
    // Below 1024 needs root, which the client never has.
    m_port->setRange(1024, 65535);
    m_port->setValue(DefaultPort);
    m_port->setMinimumHeight(32);
    m_status->setObjectName(QStringLiteral("RemoteAccessStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addWidget(m_switch);
    row->addWidget(m_port);
    row->addStretch(1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addLayout(row);
    column->addWidget(m_status);

    showSwitch(false);
    connect(m_switch, &QCheckBox::toggled, this, &RemoteAccessSwitch::toggled);
    retranslate();
    applyRights(false);
}

void RemoteAccessSwitch::applyRights(bool administrator)
{
    m_switch->setEnabled(administrator);
    // The port cannot change under a running server.
    m_port->setEnabled(administrator && !isOn());
}

bool RemoteAccessSwitch::isOn() const
{
    return m_servingPort != 0;
}

void RemoteAccessSwitch::turnOff()
{
    if (isOn())
        m_stop();
    m_servingPort = 0;
    m_error.clear();
    showSwitch(false);
    m_port->setEnabled(m_switch->isEnabled());
    retranslate();
}

void RemoteAccessSwitch::toggled(bool on)
{
    if (!on) {
        turnOff();
        return;
    }
    const auto port = static_cast<quint16>(m_port->value());
    QString error;
    if (m_start(port, &error)) {
        m_servingPort = port;
        m_error.clear();
    } else {
        m_servingPort = 0;
        m_error = error;
    }
    m_port->setEnabled(m_switch->isEnabled() && !isOn());
    showSwitch(isOn());
    retranslate();
}

void RemoteAccessSwitch::showSwitch(bool on)
{
    {
        const QSignalBlocker blocker(m_switch);
        m_switch->setChecked(on);
    }
    // With its signals blocked a switch keeps its old image.
    m_switch->setImages(QStringLiteral(":/Images/on.svg"), QStringLiteral(":/Images/off.svg"));
}

void RemoteAccessSwitch::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void RemoteAccessSwitch::retranslate()
{
    m_title->setText(tr("Remote access"));
    m_port->setPrefix(tr("Port "));
    m_port->setToolTip(tr("The port tablets and phones connect to."));
    if (isOn())
        m_status->setText(tr("Open %1 in a browser on the same network. Anyone who can reach "
                             "this port can try to log in.")
                              .arg(pageAddress(m_servingPort)));
    else if (!m_error.isEmpty())
        m_status->setText(tr("Remote access did not start: %1").arg(m_error));
    else
        m_status->setText(tr("Off. Tablets and phones can route through a browser when it is on."));
}

// The address a tablet types: this computer's first network address, not loopback.
QString RemoteAccessSwitch::pageAddress(quint16 port)
{
    QString host = QStringLiteral("127.0.0.1");
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    for (const QHostAddress &address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            host = address.toString();
            break;
        }
    }
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}
