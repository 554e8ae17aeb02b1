#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QString>

class QTcpSocket;
class QTimer;
struct SimFaults;

// One control connection of the simulated device: frames the commands a client writes
// and writes the answers back, late or in pieces when the faults say so. Lives on the
// thread of its SimDevice.
class SimClient : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SimClient)

public:
    static constexpr int MaxPending = 64 * 1024;
    // A client that stops reading is dropped once this much waits to be written.
    static constexpr qint64 MaxUnsent = 4 * 1024 * 1024;

    SimClient(QTcpSocket *socket, int id, const SimFaults *faults, QObject *parent = nullptr);
    ~SimClient() override;

    int id() const { return m_id; }
    QString peer() const;
    // The address this connection reached the device on, IPv4 where it is one.
    QString localAddress() const;
    int commandCount() const { return m_commandCount; }
    bool isConnected() const;

    void send(const QByteArray &bytes);
    // Closes the connection once everything queued has been written.
    void closeWhenFlushed();
    void abort();

signals:
    // The text between "{param=" and "}".
    void commandReceived(SimClient *client, const QString &command);
    void disconnected(SimClient *client);

private:
    struct Pending
    {
        qint64 dueMs;
        QByteArray bytes;
    };

    void readCommands();
    void schedule();
    void writeDue();
    void write(const QByteArray &bytes);

    QTcpSocket *m_socket;
    int m_id;
    const SimFaults *m_faults;
    QByteArray m_in;
    QQueue<Pending> m_out;
    QTimer *m_timer;
    QElapsedTimer m_clock;
    int m_commandCount = 0;
    bool m_closePending = false;
    bool m_closing = false;
    quint64 m_answers = 0; // answers and notices sent, for the garbage fault
};
