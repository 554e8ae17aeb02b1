#pragma once

#include "remotecontext.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>

class EventHub;
class QTimer;

// Turns what the core says into events on the open streams: every route, lock, name and
// connection change, whoever made it (the window, a browser, another client of the
// device, the front panel). Routes and locks are compared with the last picture sent, so
// each change is told once. Core's thread.
class EventFeed : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EventFeed)

public:
    // Names are read again this often while streams are open: renames have no signal.
    static constexpr int NamesPollMs = 1000;

    EventFeed(const RemoteContext &context, EventHub *hub, QObject *parent = nullptr);

    // Compares the device picture with the last one sent and publishes the changes.
    void publishChanges();

private:
    void connectCore();
    void scheduleChanges();
    void publishConnection();
    void pollNames();
    void publish(const char *name, const QJsonObject &data);

    RemoteContext m_context;
    EventHub *m_hub;
    QTimer *m_coalesce;
    QTimer *m_names;
    QHash<QString, int> m_routes; // "kind/output" -> source
    QHash<QString, bool> m_locks;
    QString m_connection;
    QByteArray m_namesDigest;
};
