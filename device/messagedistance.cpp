#include "messagedistance.h"

#include "devicestate.h"
#include "keepalive.h"
#include "logbatch.h"
#include "recordsignals.h"
#include "uploadchannel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

Q_LOGGING_CATEGORY(lcLink, "zel.device.link")

namespace {

constexpr int ReconnectIntervalMs = 2000;

MessageDistance *s_link = nullptr;
bool s_synchronous = false;

} // namespace

MessageDistance *MessageDistance::instance()
{
    static QMutex mutex;
    QMutexLocker locker(&mutex);
    if (!s_link) {
        s_link = new MessageDistance;
        // Torn down with the application object so the worker is joined before exit.
        qAddPostRoutine([] {
            delete s_link;
            s_link = nullptr;
        });
    }
    return s_link;
}

void MessageDistance::setSynchronous(bool on)
{
    Q_ASSERT(!s_link);
    s_synchronous = on;
}

MessageDistance::MessageDistance()
    : m_synchronous(s_synchronous)
{
    m_socket = new QTcpSocket;
    m_upload = new UploadChannel(this);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    connect(
        m_socket, &QTcpSocket::readyRead, this, [this] { receiveDataSlot(m_socket->readAll()); });

    m_reconnectTimer = new QTimer(this);
    m_reconnectTimer->setInterval(ReconnectIntervalMs);
    connect(m_reconnectTimer, &QTimer::timeout, this, &MessageDistance::reconnectTick);

    connect(m_socket, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        controlStateChanged(state);
    });

    connect(m_upload, &UploadChannel::commandDue, this, &MessageDistance::sendData);
    connect(m_upload, &UploadChannel::doneDue, this, &MessageDistance::sendDone);
    connect(m_upload, &UploadChannel::progress, this, &MessageDistance::si_updateProgressVal);
    connect(m_upload, &UploadChannel::disableUi, this, &MessageDistance::si_setDisableUiObject);
    connect(m_upload, &UploadChannel::openFinished, this, &MessageDistance::uploadOpenFinished);
    // Raised on the worker thread; runs here on the GUI thread.
    connect(
        this, &MessageDistance::si_requestCloseOsdSocket, m_upload, &UploadChannel::closeRequested);

    if (!m_synchronous)
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
    m_upload->disconnect(this);
    m_socket->abort();
    delete m_socket;
}

void MessageDistance::connectToDevice(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
    m_reconnect = true;
    m_socket->abort();
    m_upload->abort();
    {
        QMutexLocker locker(&m_recordLock);
        m_recordBuffer.clear();
    }
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    m_upload->setNoProxy();
}

void MessageDistance::closeConnections()
{
    m_socket->close();
    m_upload->closeGracefully();
}

void MessageDistance::disconnectFromDevice()
{
    m_reconnect = false;
    m_reconnectTimer->stop();
    m_socket->abort();
    m_upload->reset();
    QMutexLocker locker(&m_recordLock);
    m_recordBuffer.clear();
    // Records of this connection already parsed, or being parsed, must not reach the
    // receivers of the next one.
    m_outbox.discard();
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
        qCDebug(lcLink) << "Ready To close osdUpdate";
        emit si_osdUploadFinish();
        m_upload->doneSent();
    }
    // Written whatever the socket state: a command sent while disconnected is lost,
    // the next status query after reconnecting brings the views back in line.
    m_socket->write(command.toUtf8());
    m_socket->flush();
    qCDebug(lcLink).noquote() << "send:" << command;
}

void MessageDistance::sendSwitch(int input, int type, int output)
{
    sendData(Commands::switchPort(input, type, output, DeviceState::instance()->deviceType()));
}

void MessageDistance::controlStateChanged(int state)
{
    switch (state) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
    case QAbstractSocket::BoundState:
    case QAbstractSocket::ListeningState:
        // An attempt the peer never answers is bounded too: the next tick aborts it
        // and dials again.
        if (m_reconnect && !m_reconnectTimer->isActive())
            m_reconnectTimer->start();
        emit connectingSig();
        break;
    case QAbstractSocket::ConnectedState:
        m_reconnectTimer->stop();
        // A device that vanishes without closing is noticed in seconds, not hours.
        if (!KeepAlive::shorten(m_socket->socketDescriptor()))
            qCDebug(lcLink) << "short keep-alive timings not available here";
        // A command goes out at once, not after the device's delayed ACK of the last one.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
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
    qCDebug(lcLink) << "****** socket stateChanged - "
                    << static_cast<QAbstractSocket::SocketState>(state) << "******";
}

void MessageDistance::reconnectTick()
{
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        m_socket->abort();
        m_socket->connectToHost(
            m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    }
    emit connectingSig();
}

// --- receive path ----------------------------------------------------------------

void MessageDistance::receiveDataSlot(const QByteArray &array)
{
    // Formatted outside the lock, and only when someone receives the line. Written with
    // the lines of the worker's pass over these bytes, which is sure to follow.
    {
        LogBatch batch(LogBatch::Close::LeaveForNextFlush);
        qCDebug(lcLink).noquote() << "TCP Receive" << ReplyParser::logText(array);
    }
    {
        QMutexLocker locker(&m_recordLock);
        m_recordBuffer.append(array);
        QMutexLocker rawLocker(&m_rawLock);
        m_rawBuffer.append(array);
        ++m_appends;
    }
    if (m_synchronous) {
        drainHere();
        return;
    }
    // Woken after the unlock, so the worker does not wake only to wait for the lock.
    m_dataArrived.wakeOne();
}

// The worker's passes on this thread, then the delivery they posted.
void MessageDistance::drainHere()
{
    {
        QMutexLocker locker(&m_recordLock);
        while (runPass(locker)) {
        }
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

bool MessageDistance::waitUntilDrained(unsigned long timeoutMs)
{
    QMutexLocker locker(&m_recordLock);
    // Counted when a pass ends, so a read is never reported handled while its
    // records are still being parsed outside the lock.
    const quint64 target = m_appends;
    return waitForPasses([&] { return m_appendsDone >= target; }, timeoutMs);
}

bool MessageDistance::waitUntilBacklogAtMost(quint64 reads, unsigned long timeoutMs)
{
    QMutexLocker locker(&m_recordLock);
    return waitForPasses([&] { return m_appends - m_appendsDone <= reads; }, timeoutMs);
}

// Under the record lock.
bool MessageDistance::waitForPasses(const std::function<bool()> &done, unsigned long timeoutMs)
{
    QDeadlineTimer deadline(static_cast<qint64>(timeoutMs));
    while (!done()) {
        if (!m_drained.wait(&m_recordLock, deadline))
            return done();
    }
    return true;
}

// The worker's log lines are held back and written together (see LogBatch): at most
// LogHoldMs after the first of them, so a busy link pays a few writes a second instead
// of two or three per record. The price is that a crash loses up to that much of the
// worker's debug lines; warnings are written at once.
void MessageDistance::run()
{
    constexpr int LogHoldMs = 50;
    LogBatch logBatch;
    QElapsedTimer sinceFlush;
    bool holding = false;
    const auto flushLog = [&](QMutexLocker &locker) {
        locker.unlock();
        LogBatch::flush();
        locker.relock();
        holding = false;
    };
    QMutexLocker locker(&m_recordLock);
    bool more = false;
    for (;;) {
        // Sleep until bytes arrive instead of polling the buffer length.
        while (!m_stop && !more && m_appends == m_appendsDone) {
            if (!holding)
                m_dataArrived.wait(&m_recordLock);
            else if (!m_dataArrived.wait(
                         &m_recordLock,
                         QDeadlineTimer(qMax<qint64>(0, LogHoldMs - sinceFlush.elapsed()))))
                flushLog(locker);
        }
        if (m_stop)
            return;
        if (!holding) {
            holding = true;
            sinceFlush.start();
        }
        more = runPass(locker);
        m_drained.wakeAll();
        if (sinceFlush.elapsed() >= LogHoldMs)
            flushLog(locker);
    }
}

// One pass: in one hold of the record lock the raw bytes and the complete records
// (up to a batch) are taken; outside it the raw analysis runs over the bytes, then
// every record is parsed and dispatched in arrival order, and the batch's signals go
// to the link's thread together. A record that fails to parse is dropped; the ones
// after it still get their turn. Returns true when complete records are left over.
bool MessageDistance::runPass(QMutexLocker &locker)
{
    constexpr int MaxBatch = 512; // keeps a burst's temporaries small
    const quint64 appends = m_appends;
    QByteArray raw;
    {
        QMutexLocker rawLocker(&m_rawLock);
        raw.swap(m_rawBuffer);
    }
    m_passRecords.clear();
    while (m_passRecords.size() < MaxBatch) {
        QByteArray record = m_recordBuffer.takeRecord();
        if (record.isEmpty())
            break;
        m_passRecords.append(std::move(record));
    }
    const bool more = m_passRecords.size() == MaxBatch;
    const int dropped = more ? 0 : m_recordBuffer.boundTail();
    const quint64 generation = m_outbox.generation();
    locker.unlock();
    handleBatch(raw, dropped, generation);
    locker.relock();
    if (!more)
        m_appendsDone = appends;
    return more;
}

void MessageDistance::handleBatch(const QByteArray &raw, int dropped, quint64 generation)
{
    if (dropped > 0) {
        m_bytesDropped += static_cast<quint64>(dropped);
        qCWarning(lcLink) << "record buffer: dropped" << dropped
                          << "unframed bytes, no closing brace within"
                          << ReplyParser::RecordBuffer::MaxUnframed << "bytes";
    }
    QVector<Emission> emissions;
    const ReplyParser::RawResult rawResult = ReplyParser::analyseRaw(raw);
    for (int i = 0; i < rawResult.forwardCount; ++i)
        emissions.append({Emission::Type::Forward, {}, {}, rawResult.text, false});
    if (rawResult.http200)
        emissions.append({Emission::Type::Http200, {}, {}, {}, false});
    for (const QByteArray &record : qAsConst(m_passRecords))
        processRecord(record, emissions);
    post(emissions, generation);
}

bool MessageDistance::processRecord(const QByteArray &record, QVector<Emission> &out)
{
    const QByteArray repaired = ReplyParser::repairRecord(record);
    const int dhcp = ReplyParser::dhcpSwitch(repaired);
    if (dhcp >= 0)
        out.append({Emission::Type::Dhcp, {}, {}, {}, dhcp == 1});

    // Parsing such a record leaks inside the toolkit; a device repeating it would
    // grow the client without bound.
    if (ReplyParser::repeatsKeyBesideArray(repaired)) {
        ++m_recordsFailed;
        qCWarning(lcLink).noquote()
            << "record refused, a key repeats:" << QString::fromLatin1(repaired);
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(repaired, &error);
    if (error.error != QJsonParseError::NoError) {
        ++m_recordsFailed;
        qCDebug(lcLink).noquote() << "JSON ERROR! ERROR DATA: " << QString::fromLatin1(repaired)
                                  << " ERROR CAUSED: " << error.errorString();
        return false;
    }
    ++m_recordsParsed;
    const QJsonObject obj = doc.object();
    const QVector<ReplyParser::RecordKind> kinds = ReplyParser::classify(repaired);
    if (!kinds.isEmpty())
        ++m_recordsDispatched;
    for (const ReplyParser::RecordKind kind : kinds) {
        if (kind != ReplyParser::RecordKind::ChangedByOthers)
            qCDebug(lcLink) << ReplyParser::logLine(kind);
        ++m_signalsEmitted;
        out.append({Emission::Type::Record, kind, obj, {}, false});
    }
    return true;
}

// Worker side: the link's thread is woken only when no delivery is on its way.
void MessageDistance::post(QVector<Emission> &emissions, quint64 generation)
{
    if (m_outbox.push(emissions, generation))
        QMetaObject::invokeMethod(this, &MessageDistance::deliver, Qt::QueuedConnection);
}

// One emission at a time from the shared queue: a receiver that runs a nested event
// loop continues the same queue, so the order holds.
void MessageDistance::deliver()
{
    Emission e;
    while (m_outbox.take(e))
        emitOne(e);
}

void MessageDistance::emitOne(const Emission &e)
{
    switch (e.type) {
    case Emission::Type::Forward:
        emit si_ForwardAnalysis(e.text);
        return;
    case Emission::Type::Http200:
        emit si_http200Analysis();
        emit si_requestCloseOsdSocket();
        return;
    case Emission::Type::Dhcp:
        emit si_SetDhcpSwitch(e.on);
        return;
    case Emission::Type::Record:
        break;
    }
    emit(this->*RecordSignals::of(e.kind).signal)(e.obj);
}

void MessageDistance::sendDone()
{
    if (!isConnected()) {
        // The control link comes back through its own reconnect timer; pointing it
        // at the upload port would lose it.
        qCWarning(lcLink) << "send {param=Done} dropped: control connection is down";
        return;
    }
    const QString command = Commands::done();
    qCDebug(lcLink).noquote() << "send" << command;
    m_socket->write(command.toUtf8());
    m_socket->flush();
}
