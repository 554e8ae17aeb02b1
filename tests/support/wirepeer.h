#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A stand-in device on loopback: everything the client writes on the last connection
// it accepted is collected in received(); send() answers on that connection.
class WirePeer : public QObject
{
    Q_OBJECT

public:
    explicit WirePeer(QObject *parent = nullptr);
    bool listen(quint16 port = 0);
    void close() { m_server.close(); }
    quint16 port() const { return m_server.serverPort(); }
    bool hasPeer() const { return m_peer != nullptr; }
    QTcpSocket *peer() const { return m_peer; }
    void send(const QByteArray &bytes);
    // Aborts the accepted connection, as a device that goes away.
    void drop();
    QByteArray received() const { return m_received; }
    QByteArray take();
    // Waits until the bytes end with `marker` (sent last by the caller) and returns
    // what came before it, so that "nothing" is seen as well as "something".
    QByteArray takeBefore(const QByteArray &marker, int timeoutMs);

private:
    QTcpServer m_server;
    QTcpSocket *m_peer = nullptr;
    QByteArray m_received;
};
