#include "simdevice.h"

#include "simclient.h"
#include "simcommands.h"
#include "simrecords.h"
#include "simuploadsession.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

Q_LOGGING_CATEGORY(lcSim, "zel.sim")

namespace {
constexpr int SaveDelayMs = 200;
constexpr qint64 MaxStateFileSize = 64 * 1024 * 1024;
} // namespace

SimDevice::SimDevice(const QString &model, QObject *parent)
    : QObject(parent)
    , m_state(SimState::defaults(model))
    , m_controlServer(new QTcpServer(this))
    , m_uploadServer(new QTcpServer(this))
    , m_saveTimer(new QTimer(this))
{
    qRegisterMetaType<SimUpload>();
    if (!SimState::isKnownModel(model))
        qCWarning(lcSim) << "unknown model" << model.left(16) << "- simulating" << m_state.model;
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(SaveDelayMs);
    connect(m_saveTimer, &QTimer::timeout, this, [this] { saveState(m_stateFile); });
    connect(m_controlServer, &QTcpServer::newConnection, this, &SimDevice::acceptControl);
    connect(m_uploadServer, &QTcpServer::newConnection, this, &SimDevice::acceptUpload);
}

SimDevice::~SimDevice()
{
    if (m_saveTimer->isActive())
        saveState(m_stateFile);
    close();
}

bool SimDevice::listen(const QHostAddress &address, quint16 controlPort, quint16 uploadPort)
{
    close();
    m_address = address;
    if (!m_controlServer->listen(address, controlPort)) {
        qCWarning(lcSim) << "cannot listen on control port" << controlPort
                         << m_controlServer->errorString();
        return false;
    }
    if (!m_uploadServer->listen(address, uploadPort)) {
        qCWarning(lcSim) << "cannot listen on upload port" << uploadPort
                         << m_uploadServer->errorString();
        m_controlServer->close();
        return false;
    }
    m_uploadPort = m_uploadServer->serverPort();
    applyRefuseUpload();
    return true;
}

void SimDevice::close()
{
    m_controlServer->close();
    m_uploadServer->close();
    const QList<SimClient *> clients = m_clients;
    m_clients.clear();
    for (SimClient *c : clients) {
        c->disconnect(this);
        c->abort();
        c->deleteLater();
    }
    const QList<SimUploadSession *> sessions = m_sessions;
    m_sessions.clear();
    for (SimUploadSession *s : sessions) {
        s->disconnect(this);
        s->deleteLater();
    }
}

bool SimDevice::isListening() const
{
    return m_controlServer->isListening();
}

quint16 SimDevice::controlPort() const
{
    return m_controlServer->isListening() ? m_controlServer->serverPort() : 0;
}

quint16 SimDevice::uploadPort() const
{
    return m_uploadPort;
}

void SimDevice::setFaults(const SimFaults &faults)
{
    m_faults = faults;
    applyRefuseUpload();
}

void SimDevice::applyRefuseUpload()
{
    if (!m_controlServer->isListening() || m_uploadPort == 0)
        return;
    // Not listening is what makes the client's connect fail outright.
    if (m_faults.refuseUpload && m_uploadServer->isListening())
        m_uploadServer->close();
    else if (!m_faults.refuseUpload && !m_uploadServer->isListening() &&
             !m_uploadServer->listen(m_address, m_uploadPort))
        qCWarning(lcSim) << "cannot listen on upload port" << m_uploadPort
                         << m_uploadServer->errorString();
}

void SimDevice::setState(const SimState &state)
{
    m_state = state;
    markChanged();
}

void SimDevice::resetState()
{
    setState(SimState::defaults(m_state.model));
}

bool SimDevice::loadState(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > MaxStateFileSize) {
        if (error)
            *error = QStringLiteral("file too large (%1 bytes)").arg(file.size());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        if (error)
            *error = QStringLiteral("not a state file: %1 at offset %2")
                         .arg(parseError.errorString())
                         .arg(parseError.offset);
        return false;
    }
    SimState loaded = SimState::defaults(m_state.model);
    if (!loaded.fromJson(doc.object(), error))
        return false;
    m_state = loaded;
    emit stateChanged();
    return true;
}

bool SimDevice::saveState(const QString &path, QString *error) const
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no file name");
        return false;
    }
    // Written aside and renamed, so a device stopped mid-write keeps its old state.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        qCWarning(lcSim) << "cannot save state to" << path << file.errorString();
        return false;
    }
    file.write(QJsonDocument(m_state.toJson()).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        qCWarning(lcSim) << "cannot save state to" << path << file.errorString();
        return false;
    }
    return true;
}

void SimDevice::setStateFile(const QString &path)
{
    m_stateFile = path;
}

void SimDevice::markChanged()
{
    if (!m_stateFile.isEmpty())
        m_saveTimer->start();
    emit stateChanged();
}

void SimDevice::acceptControl()
{
    while (QTcpSocket *socket = m_controlServer->nextPendingConnection()) {
        auto *client = new SimClient(socket, m_nextClientId++, &m_faults, this);
        m_clients.append(client);
        connect(client, &SimClient::commandReceived, this, &SimDevice::handleCommand);
        connect(client, &SimClient::disconnected, this, [this](SimClient *c) {
            m_clients.removeOne(c);
            emit clientDisconnected(c->id());
            c->deleteLater();
        });
        emit clientConnected(client->id(), client->peer());
    }
}

void SimDevice::acceptUpload()
{
    while (QTcpSocket *socket = m_uploadServer->nextPendingConnection()) {
        auto *session = new SimUploadSession(socket, ++m_sessionSerial, this);
        m_sessions.append(session);
        connect(session, &SimUploadSession::announced, this, [this](const QString &command) {
            handleCommand(nullptr, command);
        });
        connect(session, &SimUploadSession::closed, this, [this](SimUploadSession *s) {
            m_sessions.removeOne(s);
            s->deleteLater();
        });
        emit uploadConnected(session->peer());
    }
}

void SimDevice::applyPanelCommand(const QString &command)
{
    handleCommand(nullptr, command);
}

void SimDevice::handleCommand(SimClient *from, const QString &command)
{
    const QString text = QStringLiteral("{param=%1}").arg(command);
    m_commands.append(text);
    if (m_commands.size() > MaxCommandLog)
        m_commands.removeFirst();
    emit commandReceived(from ? from->id() : 0, text);

    if (busyIgnores(from, command)) {
        qCDebug(lcSim) << "busy: ignored" << text.left(80);
        emit commandIgnored(from->id(), text);
        return;
    }
    const SimEffect effect =
        SimCommands::apply(m_state, command, from ? from->localAddress() : QString());
    if (m_faults.minCommandGapMs > 0 && effect.query.isEmpty())
        m_busyClock.start();
    if (!effect.recognised)
        qCDebug(lcSim) << "unknown command" << text.left(80);

    if (from) {
        if (!effect.reply.isEmpty() && !m_faults.ignoredQueries.contains(effect.query))
            from->send(effect.reply);
        if (effect.http200)
            from->send(SimRecords::http200());
    }
    broadcast(effect.notices, from);

    if (effect.upload == SimUploadStep::Announce) {
        m_uploadKind = effect.uploadKind;
        m_uploadTarget = effect.uploadPort;
    } else if (effect.upload == SimUploadStep::Done) {
        finishUpload();
    }
    if (effect.changed)
        markChanged();

    if (from && m_faults.dropAfterCommands > 0 &&
        from->commandCount() >= m_faults.dropAfterCommands)
        from->closeWhenFlushed();
}

bool SimDevice::busyIgnores(SimClient *from, const QString &command) const
{
    if (!from || m_faults.minCommandGapMs <= 0 || !m_busyClock.isValid() ||
        m_busyClock.elapsed() >= m_faults.minCommandGapMs)
        return false;
    // Whether it is a query shows only in its effect; a copy keeps the state as it is.
    SimState scratch = m_state;
    return SimCommands::apply(scratch, command, from->localAddress()).query.isEmpty();
}

void SimDevice::broadcast(const QVector<QByteArray> &notices, const SimClient *except)
{
    for (SimClient *c : qAsConst(m_clients)) {
        if (c == except)
            continue;
        for (const QByteArray &n : notices)
            c->send(n);
    }
}

void SimDevice::finishUpload()
{
    // The transfer is on the upload connection that last brought bytes; a Done without
    // any goes to the newest connection.
    SimUploadSession *session = nullptr;
    for (SimUploadSession *s : qAsConst(m_sessions)) {
        if (s->hasData() && (!session || s->lastActivity() > session->lastActivity()))
            session = s;
    }
    if (!session && !m_sessions.isEmpty())
        session = m_sessions.last();

    SimUpload upload{m_uploadKind, m_uploadTarget, session ? session->takeData() : QByteArray()};
    m_uploadKind.clear();
    m_uploadTarget = 0;
    if (!upload.data.isEmpty()) {
        if (upload.kind == QLatin1String("Subtitle")) {
            m_state.subtitleBitmaps[upload.port] = upload.data;
        } else if (upload.kind == QLatin1String("OSD")) {
            m_state.osdBitmaps[upload.port] = upload.data;
        } else if (upload.kind == QLatin1String("EDID")) {
            m_state.edidFiles[upload.port] = upload.data;
            if (m_state.isInput(upload.port))
                m_state.edid[upload.port] = QStringLiteral("file");
        }
        m_uploads.append(upload);
        if (m_uploads.size() > MaxUploadLog)
            m_uploads.removeFirst();
        markChanged();
        emit uploadReceived(upload);
    }
    if (session && !m_faults.withholdAck)
        session->acknowledge();
    else if (session)
        session->refuseAcknowledge();
}

void SimDevice::setInputSignal(int input, bool present, const QString &resolution)
{
    if (!m_state.isInput(input))
        return;
    m_state.inputPresent[input] = present;
    if (!resolution.isEmpty())
        m_state.inputResolution[input] = resolution;
    else if (present && m_state.inputResolution.value(input) == QLatin1String("noinput"))
        m_state.inputResolution[input] = QStringLiteral("1920x1080x60Hz");
    broadcast(
        {SimRecords::changeNotice(QStringLiteral("input%1_change").arg(input),
                                  present ? QStringLiteral("true") : QStringLiteral("false"))},
        nullptr);
    markChanged();
}

void SimDevice::setOutputLink(int output, bool connected)
{
    if (!m_state.isOutput(output))
        return;
    m_state.link[output] = connected;
    broadcast(
        {SimRecords::changeNotice(QStringLiteral("link%1_change").arg(output),
                                  connected ? QStringLiteral("true") : QStringLiteral("false"))},
        nullptr);
    markChanged();
}
