#include "uploadchannel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

// The upload lines belong with the link's: one rule turns both up.
Q_DECLARE_LOGGING_CATEGORY(lcLink)

namespace {

constexpr int UploadCloseDelayMs = 1000;
constexpr int CloseCountdownIntervalMs = 1000;
constexpr int CloseCountdownTicks = 3;
constexpr int PieceSize = 500;

// The texts keep the link's translation context, where the catalogues hold them.
QString linkText(const char *text)
{
    return QCoreApplication::translate("MessageDistance", text);
}

quint16 defaultPort()
{
    bool ok = false;
    const uint port = qEnvironmentVariable("ZELDESK_UPLOAD_PORT").toUInt(&ok);
    return ok && port > 0 && port <= 0xFFFF ? static_cast<quint16>(port) : quint16(6666);
}

} // namespace

UploadChannel::UploadChannel(QObject *parent)
    : QObject(parent)
    , m_port(defaultPort())
{
    m_socket = new QTcpSocket;
    connect(m_socket, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        stateChanged(state);
    });
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { handleAnswer(m_socket->readAll()); });

    m_connectTimer = new QTimer(this);
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(ConnectTimeoutMs);
    connect(m_connectTimer, &QTimer::timeout, this, &UploadChannel::connectTimedOut);

    m_closeTimer = new QTimer(this);
    connect(m_closeTimer, &QTimer::timeout, this, [this] {
        if (m_closePending) {
            m_closePending = false;
            close();
        }
        m_closeTimer->stop();
    });
    m_countdownTimer = new QTimer(this);
    connect(m_countdownTimer, &QTimer::timeout, this, [this] {
        close();
        --m_countdownTicks;
        if (m_countdownTicks < 1)
            m_countdownTimer->stop();
    });
}

UploadChannel::~UploadChannel()
{
    m_socket->disconnect(this);
    m_socket->abort();
    delete m_socket;
}

void UploadChannel::open(const QString &host)
{
    if (m_opening)
        return;
    m_socket->abort();
    m_opening = true;
    m_connectTimer->start();
    m_socket->connectToHost(host, m_port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

// Ends an attempt without an outcome yet; the caller reports it once the socket is down.
bool UploadChannel::stopOpening()
{
    const bool wasOpening = m_opening;
    m_opening = false;
    m_connectTimer->stop();
    return wasOpening;
}

void UploadChannel::close()
{
    const bool wasOpening = stopOpening();
    m_socket->abort();
    logOpen();
    if (wasOpening)
        emit openFinished(false);
}

void UploadChannel::abort()
{
    const bool wasOpening = stopOpening();
    m_socket->abort();
    if (wasOpening)
        emit openFinished(false);
}

void UploadChannel::closeGracefully()
{
    const bool wasOpening = stopOpening();
    m_socket->close();
    if (wasOpening)
        emit openFinished(false);
}

void UploadChannel::connectTimedOut()
{
    if (m_opening)
        finishOpen(false);
}

void UploadChannel::finishOpen(bool connected)
{
    stopOpening();
    if (!connected) {
        qCDebug(lcLink) << "Failed to connect to Uploading host within timeout";
        m_socket->abort();
    }
    logOpen();
    emit openFinished(connected);
}

void UploadChannel::logOpen() const
{
    qCDebug(lcLink) << "OsdUpdateTcpSocket is Open: " << (m_socket->isOpen() ? "true" : "false");
}

bool UploadChannel::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

void UploadChannel::setNoProxy()
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
}

void UploadChannel::setCloseCountdown(bool on)
{
    m_countdownTicks = CloseCountdownTicks;
    if (on)
        m_countdownTimer->start(CloseCountdownIntervalMs);
    else
        m_countdownTimer->stop();
}

void UploadChannel::doneSent()
{
    m_closePending = true;
    m_closeTimer->start(UploadCloseDelayMs);
}

void UploadChannel::closeRequested()
{
    if (m_closePending) {
        m_closePending = false;
        close();
        m_closeTimer->stop();
    }
}

void UploadChannel::reset()
{
    m_closeTimer->stop();
    m_countdownTimer->stop();
    const bool wasOpening = stopOpening();
    m_socket->abort();
    m_queue.clear();
    m_busy = false;
    m_awaitingAck = false;
    m_closePending = false;
    if (wasOpening)
        emit openFinished(false);
}

void UploadChannel::setFailureHook(std::function<void(const QString &, const QString &)> hook)
{
    m_failureHook = std::move(hook);
}

void UploadChannel::writeCommand(const QString &command)
{
    if (isConnected()) {
        m_socket->write(command.toUtf8());
        m_socket->flush();
    } else {
        m_socket->abort();
    }
    qCDebug(lcLink).noquote() << "sendData" << command;
}

void UploadChannel::upload(const QString &startCommand,
                           const QByteArray &data,
                           const QString &endCommand)
{
    if (!isConnected()) {
        m_socket->abort();
        if (m_failureHook)
            m_failureHook(
                linkText(QT_TRANSLATE_NOOP("MessageDistance", "NetWork Error")),
                linkText(QT_TRANSLATE_NOOP("MessageDistance", "传输文件端口连接发生错误！")));
        else
            qCWarning(lcLink) << "upload: file transfer port is not connected";
        m_queue.clear();
        m_busy = false;
        return;
    }

    if (!m_busy) {
        // A transfer that failed at its acknowledgement must not fail this one too.
        m_awaitingAck = false;
        if (!startCommand.isEmpty())
            emit commandDue(startCommand);
        if (!data.isEmpty()) {
            m_socket->write(data.left(PieceSize));
            const bool flushed = m_socket->flush();
            qCDebug(lcLink) << "osdUpdateTcpSocket Send byte len" << flushed;
            m_busy = true;
        }
        for (int at = PieceSize; at < data.size(); at += PieceSize)
            m_queue.append({QString(), data.mid(at, PieceSize)});
        if (!endCommand.isEmpty())
            m_queue.append({endCommand, QByteArray()});
        return;
    }

    if (!startCommand.isEmpty())
        m_queue.append({startCommand, QByteArray()});
    for (int at = 0; at < data.size(); at += PieceSize)
        m_queue.append({QString(), data.mid(at, PieceSize)});
    if (!endCommand.isEmpty())
        m_queue.append({endCommand, QByteArray()});
}

void UploadChannel::writePiece(const QByteArray &piece, bool countProgress)
{
    const qint64 written = m_socket->write(piece);
    m_socket->flush();
    if (countProgress) {
        qCDebug(lcLink) << "OsdUpdateTcpSocket Send byte len:" << written;
        emit progress(m_queue.size());
        m_busy = true;
    }
}

void UploadChannel::handleAnswer(const QByteArray &answer)
{
    const int nul = answer.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? answer : answer.left(nul));
    qCDebug(lcLink).noquote() << "OsdUploadSocket receive:" << text;

    if (m_awaitingAck) {
        if (!text.contains(QLatin1String("<ACK_1>\r\n"))) {
            fail(linkText(
                QT_TRANSLATE_NOOP("MessageDistance", "传输文件过程网络发生错误！请重新上传")));
            return;
        }
        m_awaitingAck = false;
    }
    if (m_queue.isEmpty()) {
        m_busy = false;
        return;
    }
    while (!m_queue.first().first.isEmpty()) {
        const QString command = m_queue.takeFirst().first;
        emit commandDue(command);
        if (command.contains(QLatin1String("Done")))
            m_awaitingAck = true;
        if (m_queue.isEmpty()) {
            m_busy = false;
            return;
        }
    }
    if (!isConnected()) {
        qCDebug(lcLink) << "upload fail! osd upload socket connect fail!";
        m_socket->abort();
        return;
    }
    writePiece(m_queue.takeFirst().second, true);
}

void UploadChannel::fail(const QString &text)
{
    if (m_failureHook)
        m_failureHook(linkText(QT_TRANSLATE_NOOP("MessageDistance", "NetWork Error")), text);
    else
        qCWarning(lcLink).noquote() << "upload failed:" << text;
    emit doneDue();
    m_socket->abort();
    m_queue.clear();
    m_busy = false;
}

void UploadChannel::stateChanged(int state)
{
    if (state == QAbstractSocket::ConnectedState) {
        if (!m_queue.isEmpty()) {
            const QPair<QString, QByteArray> entry = m_queue.takeFirst();
            if (!entry.first.isEmpty())
                emit commandDue(entry.first);
            else
                writePiece(entry.second, false);
        }
        if (m_opening)
            finishOpen(true);
    } else if (state == QAbstractSocket::UnconnectedState ||
               state == QAbstractSocket::ClosingState) {
        m_socket->abort();
        emit disableUi(false);
        // Refused or unreachable: known before the timeout.
        if (m_opening)
            finishOpen(false);
    }
}
