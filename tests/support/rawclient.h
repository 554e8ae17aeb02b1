#pragma once

#include "testtimeouts.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QtTest>

// A bare TCP client of the simulator: writes command bytes, collects what comes back.
class RawClient : public QObject
{
public:
    RawClient()
    {
        connect(&socket, &QTcpSocket::readyRead, this, [this] { received += socket.readAll(); });
    }
    bool connectTo(quint16 port)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(TestTimeouts::Short);
    }
    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    void command(const QString &param) { send("{param=" + param.toUtf8() + '}'); }
    // Waits until the collected bytes hold needle, then returns and clears everything
    // up to and including it.
    QByteArray takeUntil(const QByteArray &needle, int timeout = TestTimeouts::Short)
    {
        QDeadlineTimer deadline(timeout);
        while (!received.contains(needle) && !deadline.hasExpired())
            QSignalSpy(&socket, &QTcpSocket::readyRead).wait(int(deadline.remainingTime()));
        const int at = received.indexOf(needle);
        if (at < 0)
            return QByteArray();
        QByteArray taken = received.left(at + needle.size());
        received.remove(0, at + needle.size());
        return taken;
    }
    // Sends a query and returns the record it got, everything received before it included.
    QByteArray ask(const QString &param)
    {
        command(param);
        return takeUntil("}");
    }

    QTcpSocket socket;
    QByteArray received;
};
