#pragma once

#include "commands.h"
#include "linkoutbox.h"
#include "replyparser.h"
#include "uploadchannel.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class QTcpSocket;
class QTimer;
class UploadChannel;

// The one link to the device: control socket (commands out, records in), the upload
// channel, receive buffers and the reply worker. Lives on the GUI thread; only run()
// executes on its own thread, touching nothing but the receive buffers. The reply
// signals it raises are emitted here in order, one wake of this thread per batch.
class MessageDistance : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(MessageDistance)

public:
    static MessageDistance *instance();
    ~MessageDistance() override;
    // Called before the first instance(): no worker thread; each read is framed, parsed
    // and its signals emitted before feedReceivedData() returns. Fuzzing drives the
    // receive path this way, one input after another without thread hand-offs.
    static void setSynchronous(bool on);

    void connectToDevice(const QString &host, quint16 port);
    void closeConnections();
    // Closes both sockets, stops reconnecting and forgets buffers and any upload in
    // progress. For shutdown and for tests that reuse the one instance.
    void disconnectFromDevice();
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    bool isConnected() const;

    void sendData(const QString &command);

    // Command builders, one per device command.
    void sendVersion() { sendData(Commands::version()); }
    void sendResolution() { sendData(Commands::resolution()); }
    void sendStatus() { sendData(Commands::status()); }
    void sendInputInfo() { sendData(Commands::inputInfo()); }
    void sendNetInfo() { sendData(Commands::netInfo()); }
    void
    sendSetNetwork(const QString &ip, const QString &gw, const QString &subnet, const QString &mac)
    {
        sendData(Commands::setNetwork(ip, gw, subnet, mac));
    }
    void sendSwitch(int input, int type, int output);
    void sendMode(int mode) { sendData(Commands::mode(mode)); }
    void sendDefault() { sendData(Commands::factoryDefault()); }
    void sendInPattern(int input, int pattern) { sendData(Commands::inPattern(input, pattern)); }
    void sendOutPattern(int output, int pattern)
    {
        sendData(Commands::outPattern(output, pattern));
    }
    void sendBell(bool on) { sendData(Commands::bell(on)); }
    void sendSave(int plan) { sendData(Commands::save(plan)); }
    void sendRecall(int plan) { sendData(Commands::recall(plan)); }
    void sendClear(int plan) { sendData(Commands::clear(plan)); }
    void sendVolume(int port, int value) { sendData(Commands::volume(port, value)); }
    void sendMute(int port) { sendData(Commands::mute(port)); }
    void sendUploadSubtitle(int port) { sendData(Commands::uploadSubtitle(port)); }
    // Written on the upload socket, not the control socket.
    void sendUploadOsd(int port) { m_upload->writeCommand(Commands::uploadOsd(port)); }
    void sendSetOsd(int port) { sendData(Commands::setOsd(port)); }
    void sendSetSubtitle() { sendData(Commands::setSubtitle()); }
    void sendCaptionOpen(bool open) { sendData(Commands::captionOpen(open)); }
    void sendSpeed(int value) { sendData(Commands::speed(value)); }
    void sendDirection(int direction) { sendData(Commands::direction(direction)); }
    void sendPosition(int x, int y) { sendData(Commands::position(x, y)); }
    void sendFontColor(int r, int g, int b) { sendData(Commands::fontColor(r, g, b)); }
    void sendBgColor(int r, int g, int b) { sendData(Commands::bgColor(r, g, b)); }
    void sendBgOpen(bool open) { sendData(Commands::bgOpen(open)); }
    void sendEraseOsd() { sendData(Commands::eraseOsd()); }
    void sendEraseSubtitle() { sendData(Commands::eraseSubtitle()); }
    void sendCopyEdid(int a, int b) { sendData(Commands::copyEdid(a, b)); }
    void sendEdidSel(int port, int code) { sendData(Commands::edidSel(port, code)); }
    void sendUpdateEdid(int port) { sendData(Commands::updateEdid(port)); }
    void sendGetOsd(int port) { sendData(Commands::getOsd(port)); }
    void sendGetSubtitle() { sendData(Commands::getSubtitle()); }
    void sendGetVolume() { sendData(Commands::getVolume()); }
    void sendPortResolution(int port, const QString &text)
    {
        sendData(Commands::portResolution(port, text));
    }
    void sendAnalogSel(int a, int b) { sendData(Commands::analogSel(a, b)); }
    void sendDhcp(bool on) { sendData(Commands::dhcp(on)); }
    void sendNoSignal(int a, int b, int c, int d, int e)
    {
        sendData(Commands::noSignal(a, b, c, d, e));
    }
    void sendScalerMode(int port, int mode) { sendData(Commands::scalerMode(port, mode)); }
    void sendGetNoinput(int port) { sendData(Commands::getNoinput(port)); }
    void sendGetScaler(int port) { sendData(Commands::getScaler(port)); }
    void sendOutputInfo() { sendData(Commands::outputInfo()); }
    void sendFrozen(int output, bool on) { sendData(Commands::frozen(output, on)); }
    void sendOutputLock(int output, bool on) { sendData(Commands::outputLock(output, on)); }
    void sendVideoMute(int output, bool on) { sendData(Commands::videoMute(output, on)); }
    void sendHdcpInfo() { sendData(Commands::hdcpInfo()); }
    void sendInputHdcp(int input, int setting) { sendData(Commands::inputHdcp(input, setting)); }
    void sendAudioMute(int port, bool on) { sendData(Commands::audioMute(port, on)); }
    void sendVir(int layout) { sendData(Commands::vir(layout)); }
    void sendWindowOpen(int a, int b, int c, int d, int e, int f, int g)
    {
        sendData(Commands::windowOpen(a, b, c, d, e, f, g));
    }
    void sendWindowClose(int id) { sendData(Commands::windowClose(id)); }
    void sendWindowCloseAll() { sendData(Commands::windowCloseAll()); }
    void sendWindowMove(int a, int b, int c) { sendData(Commands::windowMove(a, b, c)); }
    void sendWindowResize(int a, int b, int c, int d, int e)
    {
        sendData(Commands::windowResize(a, b, c, d, e));
    }
    void sendWindowLayer(int a, int b) { sendData(Commands::windowLayer(a, b)); }
    void sendRotate(int a, int b) { sendData(Commands::rotate(a, b)); }
    void sendGetRotate() { sendData(Commands::getRotate()); }
    void sendFollowVideo(bool follow) { sendData(Commands::followVideo(follow)); }
    void sendBindInfo() { sendData(Commands::bindInfo()); }
    void sendBind(int master, const QList<int> &outputs)
    {
        sendData(Commands::bind(master, outputs));
    }
    void sendUnBind(int output) { sendData(Commands::unBind(output)); }
    void sendBezelX(uint a, uint b, uint c, uint d) { sendData(Commands::bezelX(a, b, c, d)); }
    void sendBezelY(uint a, uint b, uint c, uint d) { sendData(Commands::bezelY(a, b, c, d)); }
    void sendSplitter(int layout) { sendData(Commands::splitter(layout)); }
    void sendDoneCommand() { sendData(Commands::done()); }

    // Upload channel (UploadChannel). Opening returns at once: uploadOpenFinished()
    // tells whether the socket connected, within two seconds.
    void openUploadSocket(bool open) { open ? m_upload->open(m_host) : m_upload->close(); }
    bool isUploadConnected() const { return m_upload->isConnected(); }
    void uploadData(const QString &startCommand, const QByteArray &data, const QString &endCommand)
    {
        m_upload->upload(startCommand, data, endCommand);
    }
    void setUploadCloseCountdown(bool on) { m_upload->setCloseCountdown(on); }
    void sendDone();
    // 6666 unless ZELDESK_UPLOAD_PORT or this says otherwise.
    void setUploadPort(quint16 port) { m_upload->setPort(port); }
    quint16 uploadPort() const { return m_upload->port(); }
    // Shows an upload failure (heading, text) and returns when the user has seen it.
    // Without a hook the failure is logged.
    void setUploadFailureHook(std::function<void(const QString &heading, const QString &text)> hook)
    {
        m_upload->setFailureHook(std::move(hook));
    }
    bool isUploadBusy() const { return m_upload->isBusy(); }
    int uploadQueueSize() const { return m_upload->queueSize(); }

    // Feeds bytes as if the control socket had read them (tests, benchmarks, demo).
    void feedReceivedData(const QByteArray &bytes) { receiveDataSlot(bytes); }
    // Handles bytes as if the upload socket had read them (tests).
    void feedUploadAnswer(const QByteArray &bytes) { m_upload->handleAnswer(bytes); }
    // Blocks until the worker has finished with everything received so far. The
    // signals it raised reach their receivers when this thread's event loop runs.
    bool waitUntilDrained(unsigned long timeoutMs);
    // Blocks until at most `reads` reads wait for the worker (benchmarks pace with it).
    bool waitUntilBacklogAtMost(quint64 reads, unsigned long timeoutMs);
    // Records framed, parsed and matched by at least one rule since start.
    quint64 recordsParsed() const { return m_recordsParsed.load(); }
    quint64 recordsFailed() const { return m_recordsFailed.load(); }
    quint64 recordsDispatched() const { return m_recordsDispatched.load(); }
    quint64 signalsEmitted() const { return m_signalsEmitted.load(); }
    // Unframed bytes thrown away because no record could ever close them.
    quint64 bytesDropped() const { return m_bytesDropped.load(); }

signals:
    void connectingSig();
    void connectSuccessFulSig();
    void connectFailureSig();

    void receiveVersionSig(QJsonObject);
    void receiveInputChannelStateSig(QJsonObject);
    void receiveNetWorkImforamtionSig(QJsonObject);
    void receiveVolumnImformationSig(QJsonObject);
    void receiveVideoAudioIRMapSig(QJsonObject obj);
    void receiveInOutChannelResolutionMapSig(QJsonObject obj);
    void receiveTitleImfSig(QJsonObject);
    void receiveHDCPInfoSig(QJsonObject);
    void receiveOutputInfoSig(QJsonObject);
    void receiveWindowStatusSig(QJsonObject);
    void receiveRotateAngleSig(QJsonObject);
    void receiveChangedByOthersSig(QJsonObject);
    void receiveBindInfoSig(QJsonObject);

    // Raised for the main window, which forwards them as its own.
    void si_ForwardAnalysis(QString text);
    void si_http200Analysis();
    void si_SetDhcpSwitch(bool on);

    void si_requestCloseOsdSocket();
    void si_updateProgressVal(int packNum);
    void si_osdUploadFinish();
    void si_setDisableUiObject(bool isToDisable);
    // The outcome of openUploadSocket(true): connected, or failed and closed.
    void uploadOpenFinished(bool connected);

protected:
    void run() override;

private slots:
    void receiveDataSlot(const QByteArray &array);

private:
    MessageDistance();
    void controlStateChanged(int state);
    void reconnectTick();
    using Emission = LinkOutbox::Emission;
    bool processRecord(const QByteArray &record, QVector<Emission> &out);
    void emitOne(const Emission &e);
    void post(QVector<Emission> &emissions, quint64 generation);
    void deliver();
    bool runPass(QMutexLocker &locker);
    void handleBatch(const QByteArray &raw, int dropped, quint64 generation);
    void drainHere();
    bool waitForPasses(const std::function<bool()> &done, unsigned long timeoutMs);

    ReplyParser::RecordBuffer m_recordBuffer;
    QByteArray m_rawBuffer;
    QTcpSocket *m_socket = nullptr;
    UploadChannel *m_upload = nullptr;
    QString m_host;
    quint16 m_port = 0;
    QMutex m_recordLock;
    QMutex m_rawLock;
    QWaitCondition m_dataArrived;      // receiveDataSlot -> worker
    QWaitCondition m_drained;          // worker -> waitUntilDrained
    quint64 m_appends = 0;             // reads appended so far, under the record lock
    quint64 m_appendsDone = 0;         // reads whose records a completed pass has handled
    QVector<QByteArray> m_passRecords; // worker only
    LinkOutbox m_outbox;               // worker -> this thread, in order
    QTimer *m_reconnectTimer = nullptr;
    bool m_stop = false;      // under the record lock
    const bool m_synchronous; // no worker: passes run in receiveDataSlot
    bool m_reconnect = true;
    std::atomic<quint64> m_recordsParsed{0};
    std::atomic<quint64> m_recordsFailed{0};
    std::atomic<quint64> m_recordsDispatched{0};
    std::atomic<quint64> m_signalsEmitted{0};
    std::atomic<quint64> m_bytesDropped{0};
};
