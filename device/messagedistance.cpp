#include "messagedistance.h"

#include "devicestate.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMutexLocker>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int ReconnectIntervalMs = 2000;
constexpr int UploadConnectTimeoutMs = 2000;
constexpr int UploadCloseDelayMs = 1000;
constexpr int CloseCountdownIntervalMs = 1000;
constexpr int PieceSize = 500;

MessageDistance *s_link = nullptr;

void destroyLink()
{
    delete s_link;
    s_link = nullptr;
}

quint16 defaultUploadPort()
{
    bool ok = false;
    const uint port = qEnvironmentVariable("ZELDESK_UPLOAD_PORT").toUInt(&ok);
    return ok && port > 0 && port <= 0xFFFF ? static_cast<quint16>(port) : quint16(6666);
}

} // namespace

MessageDistance *MessageDistance::instance()
{
    static QMutex mutex;
    QMutexLocker locker(&mutex);
    if (!s_link) {
        s_link = new MessageDistance;
        // Torn down with the application object so the worker is joined before exit.
        qAddPostRoutine(destroyLink);
    }
    return s_link;
}

MessageDistance::MessageDistance()
    : m_uploadPort(defaultUploadPort())
{
    m_socket = new QTcpSocket;
    m_uploadSocket = new QTcpSocket;
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { receiveDataSlot(m_socket->readAll()); });

    m_reconnectTimer = new QTimer(this);
    m_reconnectTimer->setInterval(ReconnectIntervalMs);
    connect(m_reconnectTimer, &QTimer::timeout, this, &MessageDistance::reconnectTick);

    connect(m_uploadSocket, &QTcpSocket::stateChanged, this,
            [this](QAbstractSocket::SocketState state) { uploadStateChanged(state); });
    connect(m_uploadSocket, &QTcpSocket::readyRead, this, &MessageDistance::uploadReadyRead);
    connect(m_socket, &QTcpSocket::stateChanged, this,
            [this](QAbstractSocket::SocketState state) { controlStateChanged(state); });

    m_uploadCloseTimer = new QTimer(this);
    connect(m_uploadCloseTimer, &QTimer::timeout, this, [this] {
        if (m_closePending) {
            m_closePending = false;
            openUploadSocket(false);
        }
        m_uploadCloseTimer->stop();
    });
    m_closeCountdownTimer = new QTimer(this);
    connect(m_closeCountdownTimer, &QTimer::timeout, this, [this] {
        openUploadSocket(false);
        --m_countdownTicks;
        if (m_countdownTicks < 1)
            m_closeCountdownTimer->stop();
    });
    // Raised on the worker thread; runs here on the GUI thread.
    connect(this, &MessageDistance::si_requestCloseOsdSocket, this, [this] {
        if (m_closePending) {
            m_closePending = false;
            openUploadSocket(false);
            m_uploadCloseTimer->stop();
        }
    });

    start();
}

MessageDistance::~MessageDistance()
{
    {
        QMutexLocker locker(&m_recordLock);
        m_stop = true;
        m_dataArrived.wakeAll();
    }
    wait();
    m_reconnectTimer->stop();
    m_socket->disconnect(this);
    m_uploadSocket->disconnect(this);
    m_socket->abort();
    m_uploadSocket->abort();
    delete m_socket;
    delete m_uploadSocket;
}

void MessageDistance::connectToDevice(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
    m_reconnect = true;
    m_socket->abort();
    m_uploadSocket->abort();
    {
        QMutexLocker locker(&m_recordLock);
        m_recordBuffer.clear();
    }
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    m_uploadSocket->setProxy(QNetworkProxy::NoProxy);
}

void MessageDistance::closeConnections()
{
    m_socket->close();
    m_uploadSocket->close();
}

void MessageDistance::disconnectFromDevice()
{
    m_reconnect = false;
    m_reconnectTimer->stop();
    m_uploadCloseTimer->stop();
    m_closeCountdownTimer->stop();
    m_socket->abort();
    m_uploadSocket->abort();
    m_uploadQueue.clear();
    m_uploadBusy = false;
    m_awaitingAck = false;
    m_closePending = false;
    QMutexLocker locker(&m_recordLock);
    m_recordBuffer.clear();
    QMutexLocker rawLocker(&m_rawLock);
    m_rawBuffer.clear();
}

bool MessageDistance::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

void MessageDistance::sendData(const QString &command)
{
    if (command.contains(QLatin1String("param=Done"))) {
        qDebug() << "Ready To close osdUpdate";
        emit si_osdUploadFinish();
        m_closePending = true;
        m_uploadCloseTimer->start(UploadCloseDelayMs);
    }
    // Written whatever the socket state: a command sent while disconnected is lost,
    // the next status query after reconnecting brings the views back in line.
    m_socket->write(command.toUtf8());
    m_socket->flush();
    qDebug().noquote() << "send:" << command;
}

void MessageDistance::sendSwitch(int input, int type, int output)
{
    sendData(Commands::switchPort(input, type, output, DeviceState::instance()->deviceType()));
}

void MessageDistance::sendUploadOsd(int port)
{
    const QString command = Commands::uploadOsd(port);
    if (isUploadConnected()) {
        m_uploadSocket->write(command.toUtf8());
        m_uploadSocket->flush();
    } else {
        m_uploadSocket->abort();
    }
    qDebug().noquote() << "sendData" << command;
}

void MessageDistance::controlStateChanged(int state)
{
    switch (state) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
    case QAbstractSocket::BoundState:
    case QAbstractSocket::ListeningState:
        emit connectingSig();
        break;
    case QAbstractSocket::ConnectedState:
        m_reconnectTimer->stop();
        emit connectSuccessFulSig();
        break;
    case QAbstractSocket::UnconnectedState:
    case QAbstractSocket::ClosingState:
        emit connectFailureSig();
        if (m_reconnect && !m_reconnectTimer->isActive())
            m_reconnectTimer->start();
        break;
    default:
        break;
    }
    qDebug() << "****** socket stateChanged - " << static_cast<QAbstractSocket::SocketState>(state)
             << "******";
}

void MessageDistance::reconnectTick()
{
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        m_socket->abort();
        m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite,
                                QAbstractSocket::AnyIPProtocol);
    }
    emit connectingSig();
}

// --- receive path ----------------------------------------------------------------

void MessageDistance::receiveDataSlot(QByteArray array)
{
    QMutexLocker locker(&m_recordLock);
    qDebug().noquote() << "TCP Receive" << ReplyParser::logText(array);
    m_recordBuffer.append(array);
    {
        QMutexLocker rawLocker(&m_rawLock);
        m_rawBuffer.append(array);
    }
    ++m_appends;
    m_dataArrived.wakeOne();
}

bool MessageDistance::waitUntilDrained(unsigned long timeoutMs)
{
    QDeadlineTimer deadline(static_cast<qint64>(timeoutMs));
    QMutexLocker locker(&m_recordLock);
    while (m_appends != m_appendsSeen || m_moreRecords) {
        if (!m_drained.wait(&m_recordLock, deadline))
            return m_appends == m_appendsSeen && !m_moreRecords;
    }
    return true;
}

void MessageDistance::run()
{
    QMutexLocker locker(&m_recordLock);
    for (;;) {
        // Sleep until bytes arrive instead of polling the buffer length.
        while (!m_stop && m_appends == m_appendsSeen && !m_moreRecords)
            m_dataArrived.wait(&m_recordLock);
        if (m_stop)
            return;
        runPass(locker);
        if (m_appends == m_appendsSeen && !m_moreRecords)
            m_drained.wakeAll();
    }
}

// One pass: the raw analysis over everything that arrived, then at most one record
// dispatched. A record that fails to parse is dropped and the next complete one still
// gets its turn in the same pass. Records are taken under the record lock and handled
// outside it, so the GUI thread never waits for a parse to append bytes.
void MessageDistance::runPass(QMutexLocker &locker)
{
    m_appendsSeen = m_appends;
    QByteArray raw;
    {
        QMutexLocker rawLocker(&m_rawLock);
        raw.swap(m_rawBuffer);
    }
    locker.unlock();
    const ReplyParser::RawResult rawResult = ReplyParser::analyseRaw(raw);
    for (int i = 0; i < rawResult.forwardCount; ++i)
        emit si_ForwardAnalysis(rawResult.text);
    if (rawResult.http200) {
        emit si_http200Analysis();
        emit si_requestCloseOsdSocket();
    }
    locker.relock();

    bool dispatched = false;
    for (;;) {
        const QByteArray record = m_recordBuffer.takeRecord();
        if (record.isEmpty())
            break;
        locker.unlock();
        dispatched = processRecord(record);
        locker.relock();
        if (dispatched)
            break;
    }
    if (!dispatched) {
        const int dropped = m_recordBuffer.boundTail();
        if (dropped > 0) {
            m_bytesDropped += static_cast<quint64>(dropped);
            qWarning() << "record buffer: dropped" << dropped
                       << "unframed bytes, no closing brace within"
                       << ReplyParser::RecordBuffer::MaxUnframed << "bytes";
        }
    }
    // After a dispatched record the next pass follows at once; otherwise wait for bytes.
    m_moreRecords = dispatched;
}

bool MessageDistance::processRecord(const QByteArray &record)
{
    const QByteArray repaired = ReplyParser::repairRecord(record);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(repaired, &error);

    const int dhcp = ReplyParser::dhcpSwitch(repaired);
    if (dhcp >= 0)
        emit si_SetDhcpSwitch(dhcp == 1);

    if (error.error != QJsonParseError::NoError) {
        ++m_recordsFailed;
        qDebug().noquote() << "JSON ERROR! ERROR DATA: " << QString::fromLatin1(repaired)
                           << " ERROR CAUSED: " << error.errorString();
        return false;
    }
    ++m_recordsParsed;
    const QJsonObject obj = doc.object();
    const QVector<ReplyParser::RecordKind> kinds = ReplyParser::classify(repaired);
    if (!kinds.isEmpty())
        ++m_recordsDispatched;
    for (const ReplyParser::RecordKind kind : kinds)
        emitKind(kind, obj);
    return true;
}

void MessageDistance::emitKind(ReplyParser::RecordKind kind, const QJsonObject &obj)
{
    using K = ReplyParser::RecordKind;
    if (kind != K::ChangedByOthers)
        qDebug() << ReplyParser::logLine(kind);
    ++m_signalsEmitted;
    switch (kind) {
    case K::Version: emit receiveVersionSig(obj); break;
    case K::VideoAudioIRMap: emit receiveVideoAudioIRMapSig(obj); break;
    case K::WindowStatus: emit receiveWindowStatusSig(obj); break;
    case K::InputChannelState: emit receiveInputChannelStateSig(obj); break;
    case K::NetWorkImforamtion: emit receiveNetWorkImforamtionSig(obj); break;
    case K::InOutChannelResolutionMap: emit receiveInOutChannelResolutionMapSig(obj); break;
    case K::OutputInfo: emit receiveOutputInfoSig(obj); break;
    case K::BindInfo: emit receiveBindInfoSig(obj); break;
    case K::VolumnImformation: emit receiveVolumnImformationSig(obj); break;
    case K::TitleImf: emit receiveTitleImfSig(obj); break;
    case K::RotateAngle: emit receiveRotateAngleSig(obj); break;
    case K::HDCPInfo: emit receiveHDCPInfoSig(obj); break;
    case K::ChangedByOthers: emit receiveChangedByOthersSig(obj); break;
    }
}

// --- upload channel ----------------------------------------------------------------

void MessageDistance::openUploadSocket(bool open)
{
    if (open) {
        m_uploadSocket->abort();
        m_uploadSocket->connectToHost(m_host, m_uploadPort, QIODevice::ReadWrite,
                                      QAbstractSocket::AnyIPProtocol);
        if (!m_uploadSocket->waitForConnected(UploadConnectTimeoutMs)) {
            qDebug() << "Failed to connect to Uploading host within timeout";
            openUploadSocket(false);
            return;
        }
    } else {
        m_uploadSocket->abort();
    }
    qDebug() << "OsdUpdateTcpSocket is Open: " << (m_uploadSocket->isOpen() ? "true" : "false");
}

bool MessageDistance::isUploadConnected() const
{
    return m_uploadSocket->state() == QAbstractSocket::ConnectedState;
}

void MessageDistance::setUploadCloseCountdown(bool on)
{
    m_countdownTicks = 3;
    if (on)
        m_closeCountdownTimer->start(CloseCountdownIntervalMs);
    else
        m_closeCountdownTimer->stop();
}

void MessageDistance::setUploadFailureHook(std::function<void(const QString &, const QString &)> hook)
{
    m_uploadFailureHook = std::move(hook);
}

void MessageDistance::sendDone()
{
    if (!isConnected()) {
        // The control link comes back through its own reconnect timer; pointing it
        // at the upload port would lose it.
        qWarning() << "send {param=Done} dropped: control connection is down";
        return;
    }
    const QString command = Commands::done();
    qDebug().noquote() << "send" << command;
    m_socket->write(command.toUtf8());
    m_socket->flush();
}

void MessageDistance::uploadData(const QString &startCommand, const QByteArray &data,
                                 const QString &endCommand)
{
    if (!isUploadConnected()) {
        m_uploadSocket->abort();
        if (m_uploadFailureHook)
            m_uploadFailureHook(tr("NetWork Error"), tr("传输文件端口连接发生错误！"));
        else
            qWarning() << "upload: file transfer port is not connected";
        m_uploadQueue.clear();
        m_uploadBusy = false;
        return;
    }

    if (!m_uploadBusy) {
        // A transfer that failed at its acknowledgement must not fail this one too.
        m_awaitingAck = false;
        if (!startCommand.isEmpty())
            sendData(startCommand);
        if (!data.isEmpty()) {
            m_uploadSocket->write(data.left(PieceSize));
            const bool flushed = m_uploadSocket->flush();
            qDebug() << "osdUpdateTcpSocket Send byte len" << flushed;
            m_uploadBusy = true;
        }
        for (int at = PieceSize; at < data.size(); at += PieceSize)
            m_uploadQueue.append({QString(), data.mid(at, PieceSize)});
        if (!endCommand.isEmpty())
            m_uploadQueue.append({endCommand, QByteArray()});
        return;
    }

    if (!startCommand.isEmpty())
        m_uploadQueue.append({startCommand, QByteArray()});
    for (int at = 0; at < data.size(); at += PieceSize)
        m_uploadQueue.append({QString(), data.mid(at, PieceSize)});
    if (!endCommand.isEmpty())
        m_uploadQueue.append({endCommand, QByteArray()});
}

void MessageDistance::writeUploadPiece(const QByteArray &piece, bool countProgress)
{
    const qint64 written = m_uploadSocket->write(piece);
    m_uploadSocket->flush();
    if (countProgress) {
        qDebug() << "OsdUpdateTcpSocket Send byte len:" << written;
        emit si_updateProgressVal(m_uploadQueue.size());
        m_uploadBusy = true;
    }
}

void MessageDistance::uploadReadyRead()
{
    const QByteArray answer = m_uploadSocket->readAll();
    const int nul = answer.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? answer : answer.left(nul));
    qDebug().noquote() << "OsdUploadSocket receive:" << text;

    if (m_awaitingAck) {
        if (!text.contains(QLatin1String("<ACK_1>\r\n"))) {
            failUpload(tr("传输文件过程网络发生错误！请重新上传"));
            return;
        }
        m_awaitingAck = false;
    }
    if (m_uploadQueue.isEmpty()) {
        m_uploadBusy = false;
        return;
    }
    while (!m_uploadQueue.first().first.isEmpty()) {
        const QString command = m_uploadQueue.takeFirst().first;
        sendData(command);
        if (command.contains(QLatin1String("Done")))
            m_awaitingAck = true;
        if (m_uploadQueue.isEmpty()) {
            m_uploadBusy = false;
            return;
        }
    }
    if (!isUploadConnected()) {
        qDebug() << "upload fail! osd upload socket connect fail!";
        m_uploadSocket->abort();
        return;
    }
    writeUploadPiece(m_uploadQueue.takeFirst().second, true);
}

void MessageDistance::failUpload(const QString &text)
{
    if (m_uploadFailureHook)
        m_uploadFailureHook(tr("NetWork Error"), text);
    else
        qWarning().noquote() << "upload failed:" << text;
    sendDone();
    m_uploadSocket->abort();
    m_uploadQueue.clear();
    m_uploadBusy = false;
}

void MessageDistance::uploadStateChanged(int state)
{
    if (state == QAbstractSocket::ConnectedState) {
        if (!m_uploadQueue.isEmpty()) {
            const QPair<QString, QByteArray> entry = m_uploadQueue.takeFirst();
            if (!entry.first.isEmpty())
                sendData(entry.first);
            else
                writeUploadPiece(entry.second, false);
        }
    } else if (state == QAbstractSocket::UnconnectedState || state == QAbstractSocket::ClosingState) {
        m_uploadSocket->abort();
        emit si_setDisableUiObject(false);
    }
}
