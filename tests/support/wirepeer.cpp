#include "wirepeer.h"

#include <QTcpSocket>
#include <QTest>

WirePeer::WirePeer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        QTcpSocket *socket = m_server.nextPendingConnection();
        m_peer = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            m_received += socket->readAll();
        });
    });
}

bool WirePeer::listen(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

void WirePeer::send(const QByteArray &bytes)
{
    m_peer->write(bytes);
    m_peer->flush();
}

void WirePeer::drop()
{
    m_peer->abort();
    m_peer = nullptr;
}

QByteArray WirePeer::take()
{
    QByteArray bytes = m_received;
    m_received.clear();
    return bytes;
}

QByteArray WirePeer::takeBefore(const QByteArray &marker, int timeoutMs)
{
    if (!QTest::qWaitFor([&] { return m_received.endsWith(marker); }, timeoutMs))
        return take() + " (no marker)";
    return take().chopped(marker.size());
}
