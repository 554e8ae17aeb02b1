#pragma once

#include "simfaults.h"
#include "simstate.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QTcpServer;
class QTimer;
class SimClient;
class SimUploadSession;

// A file that arrived on the upload connection, with what its announcement said.
struct SimUpload
{
    QString kind; // "Subtitle", "OSD", "EDID"; empty when nothing was announced
    int port = 0;
    QByteArray data;
};

// A simulated device over real TCP: a control port that takes the client's commands,
// keeps the device's state, answers every query with the record the device sends and
// tells the other connected clients what changed; and an upload port that paces file
// transfers the way the device does. Lives on the thread that creates it; everything
// runs from that thread's event loop.
class SimDevice : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SimDevice)

public:
    explicit SimDevice(const QString &model = QStringLiteral("0809"), QObject *parent = nullptr);
    ~SimDevice() override;

    static QStringList models() { return SimState::models(); }

    // 0 for either port picks a free one. False when either cannot be bound.
    bool listen(const QHostAddress &address, quint16 controlPort, quint16 uploadPort);
    void close();
    bool isListening() const;
    quint16 controlPort() const;
    quint16 uploadPort() const;

    QString model() const { return m_state.model; }
    const SimState &state() const { return m_state; }
    // Replaces the whole state (for tests and the demo); clients are not told.
    void setState(const SimState &state);
    void resetState();

    // The file is JSON; loading fails for a file of another model and leaves the state.
    bool loadState(const QString &path, QString *error = nullptr);
    bool saveState(const QString &path, QString *error = nullptr) const;
    // Saves to this file shortly after every change, and when the device is destroyed.
    void setStateFile(const QString &path);
    QString stateFile() const { return m_stateFile; }

    void setFaults(const SimFaults &faults);
    SimFaults faults() const { return m_faults; }

    // Applies a command as the device's front panel would: every client gets the notices.
    void applyPanelCommand(const QString &command);
    // A source plugged in or pulled out; every client is told.
    void setInputSignal(int input, bool present, const QString &resolution = QString());
    // A display connected to or removed from an output; every client is told.
    void setOutputLink(int output, bool connected);

    int clientCount() const { return m_clients.size(); }
    int uploadConnectionCount() const { return m_sessions.size(); }
    // Every command received, with braces, oldest first (the most recent MaxCommandLog).
    QStringList receivedCommands() const { return m_commands; }
    QString lastCommand() const { return m_commands.isEmpty() ? QString() : m_commands.last(); }
    void clearReceivedCommands() { m_commands.clear(); }
    // The most recent MaxUploadLog files, oldest first.
    QVector<SimUpload> receivedUploads() const { return m_uploads; }
    void clearReceivedUploads() { m_uploads.clear(); }

    static constexpr int MaxCommandLog = 10000;
    static constexpr int MaxUploadLog = 100;

signals:
    void clientConnected(int clientId, const QString &peer);
    void clientDisconnected(int clientId);
    void commandReceived(int clientId, const QString &command);
    // A setting command the busy-device fault left undone (after commandReceived).
    void commandIgnored(int clientId, const QString &command);
    void uploadConnected(const QString &peer);
    void uploadReceived(const SimUpload &upload);
    void stateChanged();

private:
    void acceptControl();
    void acceptUpload();
    void handleCommand(SimClient *from, const QString &command);
    void broadcast(const QVector<QByteArray> &notices, const SimClient *except);
    void finishUpload();
    void markChanged();
    void applyRefuseUpload();
    bool busyIgnores(SimClient *from, const QString &command) const;

    SimState m_state;
    SimFaults m_faults;
    QTcpServer *m_controlServer;
    QTcpServer *m_uploadServer;
    QHostAddress m_address;
    quint16 m_uploadPort = 0;
    QList<SimClient *> m_clients;
    QList<SimUploadSession *> m_sessions;
    int m_nextClientId = 1;
    quint64 m_sessionSerial = 0;
    QStringList m_commands;
    QVector<SimUpload> m_uploads;
    QString m_uploadKind;
    int m_uploadTarget = 0;
    QString m_stateFile;
    QTimer *m_saveTimer;
    QElapsedTimer m_busyClock; // started at the last setting command carried out
};

Q_DECLARE_METATYPE(SimUpload)
