#pragma once

#include <QByteArray>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>

class QTcpSocket;
class QTimer;

// The upload connection: files go to the device in 500-byte pieces, one per answer
// from the device, with the queue behind them and the timers that close the
// connection. Commands for the control connection leave through commandDue() and
// doneDue(). Owned by MessageDistance; GUI thread.
class UploadChannel : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(UploadChannel)

public:
    explicit UploadChannel(QObject *parent = nullptr);
    ~UploadChannel() override;

    // Starts connecting and returns at once; openFinished() tells the outcome within
    // ConnectTimeoutMs. A call while an attempt runs joins that attempt.
    void open(const QString &host);
    // Aborts the socket (and logs it); an attempt still running ends with
    // openFinished(false), as it does for abort() and closeGracefully().
    void close();
    void abort();
    // Closes after writing what is pending.
    void closeGracefully();
    bool isConnected() const;

    // Writes a command on this socket, or aborts it when it is not connected.
    void writeCommand(const QString &command);
    void upload(const QString &startCommand, const QByteArray &data, const QString &endCommand);
    void setCloseCountdown(bool on);
    // The control connection has sent "param=Done": the socket closes a second later.
    void doneSent();
    // The device confirmed a setting with HTTP 200: close now if a close is pending.
    void closeRequested();
    // Forgets the queue and any upload in progress, stops the timers, aborts the socket.
    void reset();
    // Sets the proxy the socket uses (none: the device is on the local network).
    void setNoProxy();

    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    void setFailureHook(std::function<void(const QString &heading, const QString &text)> hook);
    bool isBusy() const { return m_busy; }
    int queueSize() const { return m_queue.size(); }
    // Handles bytes as if the socket had read them.
    void handleAnswer(const QByteArray &answer);

    static constexpr int ConnectTimeoutMs = 2000;

signals:
    void openFinished(bool connected);
    void commandDue(const QString &command);
    void doneDue();
    void progress(int packNum);
    void disableUi(bool isToDisable);

private:
    void stateChanged(int state);
    void finishOpen(bool connected);
    void connectTimedOut();
    void fail(const QString &text);
    void writePiece(const QByteArray &piece, bool countProgress);
    void logOpen() const;
    bool stopOpening();

    QTcpSocket *m_socket = nullptr;
    QVector<QPair<QString, QByteArray>> m_queue; // command, or an empty one and a piece
    bool m_busy = false;
    bool m_awaitingAck = false;
    bool m_closePending = false;
    bool m_opening = false;
    QTimer *m_connectTimer = nullptr;
    QTimer *m_closeTimer = nullptr;
    QTimer *m_countdownTimer = nullptr;
    int m_countdownTicks = 3;
    quint16 m_port;
    std::function<void(const QString &, const QString &)> m_failureHook;
};
