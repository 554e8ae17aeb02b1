#include "simclient.h"

#include "simfaults.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcSim)

SimClient::SimClient(QTcpSocket *socket, int id, const SimFaults *faults, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_id(id)
    , m_faults(faults)
    , m_timer(new QTimer(this))
{
    m_socket->setParent(this);
    // Each write its own segment, so split answers really arrive in pieces.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_timer->setSingleShot(true);
    m_clock.start();
    connect(m_timer, &QTimer::timeout, this, &SimClient::writeDue);
    connect(m_socket, &QTcpSocket::readyRead, this, &SimClient::readCommands);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] { emit disconnected(this); });
}

SimClient::~SimClient() = default;

QString SimClient::localAddress() const
{
    const QHostAddress local = m_socket->localAddress();
    bool isV4 = false;
    const quint32 v4 = local.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : local.toString();
}

QString SimClient::peer() const
{
    return QStringLiteral("%1:%2")
        .arg(m_socket->peerAddress().toString())
        .arg(m_socket->peerPort());
}

bool SimClient::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

void SimClient::readCommands()
{
    if (m_closing) {
        m_socket->readAll();
        return;
    }
    m_in += m_socket->readAll();
    static const QByteArray prefix("{param=");
    for (;;) {
        const int open = m_in.indexOf('{');
        if (open < 0) {
            m_in.clear();
            return;
        }
        const int close = m_in.indexOf('}', open);
        if (close < 0) {
            m_in.remove(0, open);
            if (m_in.size() > MaxPending) {
                qCWarning(lcSim) << "client" << m_id << "dropped" << m_in.size()
                                 << "bytes of an unterminated command starting" << m_in.left(32);
                m_in.clear();
            }
            return;
        }
        const QByteArray record = m_in.mid(open, close - open + 1);
        m_in.remove(0, close + 1);
        if (!record.startsWith(prefix)) {
            qCDebug(lcSim) << "client" << m_id << "sent a non-command" << record.left(64);
            continue;
        }
        ++m_commandCount;
        emit commandReceived(
            this, QString::fromUtf8(record.mid(prefix.size(), record.size() - prefix.size() - 1)));
        // The handler may have closed us; what follows is never read.
        if (m_closing || !m_socket->isOpen()) {
            m_in.clear();
            return;
        }
    }
}

void SimClient::send(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    ++m_answers;
    const bool garbage = m_faults->garbageEvery > 0 && m_answers % m_faults->garbageEvery == 0;
    const QByteArray payload = garbage ? SimFaults::garbage() + bytes : bytes;
    const int piece = m_faults->splitReplyBytes;
    if (m_faults->replyDelayMs <= 0 && piece <= 0 && m_out.isEmpty()) {
        write(payload);
        return;
    }
    const qint64 due = m_clock.elapsed() + qMax(0, m_faults->replyDelayMs);
    if (piece > 0) {
        // A short pause between pieces, so they reach the client as separate reads.
        qint64 at_ms = due;
        for (int at = 0; at < payload.size(); at += piece)
            m_out.enqueue({at_ms++, payload.mid(at, piece)});
    } else {
        m_out.enqueue({due, payload});
    }
    schedule();
}

void SimClient::schedule()
{
    if (m_out.isEmpty() || m_timer->isActive())
        return;
    m_timer->start(int(qMax<qint64>(0, m_out.head().dueMs - m_clock.elapsed())));
}

void SimClient::writeDue()
{
    // One piece per timer round, so pieces leave in separate writes.
    if (!m_out.isEmpty() && m_out.head().dueMs <= m_clock.elapsed())
        write(m_out.dequeue().bytes);
    if (m_out.isEmpty()) {
        if (m_closePending)
            m_socket->disconnectFromHost();
        return;
    }
    schedule();
}

void SimClient::write(const QByteArray &bytes)
{
    if (!isConnected())
        return;
    if (m_socket->bytesToWrite() > MaxUnsent) {
        qCWarning(lcSim) << "client" << m_id << "reads nothing;" << m_socket->bytesToWrite()
                         << "bytes unsent, dropping it";
        abort();
        return;
    }
    m_socket->write(bytes);
    m_socket->flush();
}

void SimClient::closeWhenFlushed()
{
    m_closing = true;
    if (m_out.isEmpty()) {
        m_socket->disconnectFromHost();
        return;
    }
    m_closePending = true;
}

void SimClient::abort()
{
    m_closing = true;
    m_out.clear();
    m_socket->abort();
}
