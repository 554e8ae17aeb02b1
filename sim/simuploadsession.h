#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// One connection on the upload port: keeps the bytes of the transfer in progress and
// answers each 500-byte piece, so the client sends the next one. Lives on the thread of
// its SimDevice.
class SimUploadSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SimUploadSession)

public:
    static constexpr int PieceSize = 500;
    // A short last piece is answered once no more bytes have come for this long.
    static constexpr int SettleMs = 25;
    static constexpr int MaxTransfer = 16 * 1024 * 1024;

    SimUploadSession(QTcpSocket *socket, quint64 serial, QObject *parent = nullptr);

    QString peer() const;
    bool isConnected() const;
    bool hasData() const { return !m_data.isEmpty(); }
    // Order of the last activity among all sessions, for picking the one a Done is for.
    quint64 lastActivity() const { return m_lastActivity; }
    QByteArray takeData();
    void acknowledge();
    // The answer of a device whose flash write failed: anything but the acknowledgement.
    void refuseAcknowledge();

signals:
    // An OSD announcement written on the upload connection itself.
    void announced(const QString &command);
    void closed(SimUploadSession *session);

private:
    void readData();
    void answer();
    void answerRest();

    QTcpSocket *m_socket;
    QTimer *m_settle;
    QByteArray m_data;
    qint64 m_answeredUpTo = 0;
    quint64 m_lastActivity;
};
