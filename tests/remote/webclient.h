#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace httplib {
class Client;
}

// One HTTP answer as a client sees it.
struct WebReply
{
    int status = 0; // 0: no answer (connection failed or closed)
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    QByteArray header(const QByteArray &name) const;
    QJsonObject json() const;
    QString error() const { return json().value(QStringLiteral("error")).toString(); }
};

// A browser or control system against the server on loopback. The HTTP library's client
// runs on a thread of its own while the test's event loop keeps running, because the
// server answers from this (the core's) thread. Keeps the session cookie and CSRF token.
class WebClient
{
public:
    explicit WebClient(quint16 port, QByteArray host = QByteArray());

    WebReply request(const QByteArray &method,
                     const QByteArray &path,
                     const QByteArray &body = QByteArray(),
                     QList<QPair<QByteArray, QByteArray>> headers = {});
    WebReply get(const QByteArray &path) { return request("GET", path); }
    // With the session's cookie and CSRF token or bearer token.
    WebReply post(const QByteArray &path, const QJsonObject &body = QJsonObject());
    WebReply login(const QString &user, const QString &password, bool bearer = false);

    QByteArray cookie;
    QByteArray csrf;
    QByteArray bearer;

private:
    quint16 m_port;
    QByteArray m_host;
};

// An open event stream, read on a thread of its own into a buffer.
class EventReader
{
public:
    EventReader(quint16 port, const WebClient &client);
    ~EventReader();
    EventReader(const EventReader &) = delete;
    EventReader &operator=(const EventReader &) = delete;

    QByteArray received() const;
    bool contains(const QByteArray &text) const { return received().contains(text); }
    bool finished() const { return m_finished; }
    int status() const { return m_status; }

private:
    mutable std::mutex m_mutex;
    QByteArray m_buffer;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::atomic<int> m_status{0};
    std::unique_ptr<httplib::Client> m_http;
    std::thread m_thread;
};

// `event: <name>` followed by `data: <json>` in an event stream.
QByteArray sseEvent(const char *name, const QJsonObject &data);
