#include "wirepeer.h"

#include <QTcpSocket>
#include <QTest>

WirePeer::WirePeer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        m_peer = m_server.nextPendingConnection();
        connect(m_peer, &QTcpSocket::readyRead, this, [this] { m_received += m_peer->readAll(); });
    });
}

bool WirePeer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QByteArray WirePeer::take()
{
    const QByteArray bytes = m_received;
    m_received.clear();
    return bytes;
}

QByteArray WirePeer::takeBefore(const QByteArray &marker, int timeoutMs)
{
    if (!QTest::qWaitFor([&] { return m_received.endsWith(marker); }, timeoutMs))
        return take() + " (no marker)";
    return take().chopped(marker.size());
}
