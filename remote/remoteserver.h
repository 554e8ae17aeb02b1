#pragma once

#include "remotecontext.h"

#include <QHostAddress>
#include <QObject>
#include <QStringList>

#include <memory>

class ApiRouter;
class EventFeed;
class EventHub;
class QTimer;

// The HTTP server of the remote page and API. The library's pool threads accept, read
// and write; every request is handed to this object's thread (the core's), answered by
// the ApiRouter there, and the answer handed back, so no pool thread touches a Qt object.
// Both `zeldesk --serve` and the window's "Remote access" switch start one. Core's thread.
class RemoteServer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RemoteServer)

public:
    static constexpr quint16 DefaultPort = 8790;
    // Concurrent connections for ordinary requests, and event streams on top.
    static constexpr int MaxClients = 64;
    // How long a pool thread waits for the core's thread before answering 503.
    static constexpr int CoreWaitMs = 2000;
    // Seconds a connection may take to send its headers or stay idle between requests.
    static constexpr int ReadTimeoutS = 5;
    static constexpr int KeepAliveS = 5;

    explicit RemoteServer(const RemoteContext &context, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Serves on `address`:`port` (0 picks a free port). With a certificate and key set,
    // over TLS.
    bool listen(const QHostAddress &address, quint16 port, QString *error);
    void close();
    bool isListening() const;
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }

    // Host names besides IP literals and "localhost" that requests may name.
    void setAllowedHosts(const QStringList &names);
    void setPageTexts(const QStringList &sources);
    // PEM files; both empty serves plain HTTP. Takes effect on the next listen().
    void setTls(const QString &certificate, const QString &key);
    static bool tlsAvailable();

    // Sessions end after this long without a request while no event stream of theirs is
    // open; checked a few times per period.
    void setSessionIdleMs(qint64 idleMs);

    ApiRouter *router() const { return m_router.get(); }
    EventHub *hub() const { return m_hub.get(); }

signals:
    void listeningChanged(bool listening);
    // Idle sessions were ended (their event streams with them).
    void sessionsExpired(int count);

private:
    struct Http;
    void logListening() const;

    std::unique_ptr<EventHub> m_hub;
    std::unique_ptr<ApiRouter> m_router;
    std::unique_ptr<Http> m_http;
    EventFeed *m_feed;
    QTimer *m_expiry;
    QHostAddress m_address;
    quint16 m_port = 0;
    QStringList m_allowedHosts;
    QString m_certificate;
    QString m_key;
};
