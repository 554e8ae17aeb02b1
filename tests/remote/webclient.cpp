#include "webclient.h"

#include "testtimeouts.h"

#include <QJsonDocument>
#include <QtTest>

#include <httplib.h>

#include <future>

QByteArray WebReply::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return QByteArray();
}

QJsonObject WebReply::json() const
{
    return QJsonDocument::fromJson(body).object();
}

WebClient::WebClient(quint16 port, QByteArray host)
    : m_port(port)
    , m_host(host.isEmpty() ? QByteArray("127.0.0.1:") + QByteArray::number(port) : host)
{
}

WebReply WebClient::request(const QByteArray &method,
                            const QByteArray &path,
                            const QByteArray &body,
                            QList<QPair<QByteArray, QByteArray>> headers)
{
    headers.prepend({"Host", m_host});
    // Browsers send their cookie with every request, control systems their token.
    if (!bearer.isEmpty())
        headers.append({"Authorization", "Bearer " + bearer});
    else if (!cookie.isEmpty())
        headers.append({"Cookie", "zelsession=" + cookie});
    const quint16 port = m_port;
    auto future = std::async(std::launch::async, [=] {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(TestTimeouts::Medium / 1000, 0);
        httplib::Headers sent;
        for (const auto &h : headers)
            sent.emplace(h.first.toStdString(), h.second.toStdString());
        httplib::Request req;
        req.method = method.toStdString();
        req.path = path.toStdString();
        req.headers = sent;
        req.body = body.toStdString();
        if (!body.isEmpty() && !req.has_header("Content-Type"))
            req.set_header("Content-Type", "application/json");
        WebReply reply;
        const httplib::Result result = client.send(req);
        if (!result)
            return reply;
        reply.status = result->status;
        reply.body = QByteArray::fromStdString(result->body);
        for (const auto &h : result->headers)
            reply.headers.append(
                {QByteArray::fromStdString(h.first), QByteArray::fromStdString(h.second)});
        return reply;
    });
    // The server's answers come from this thread's event loop.
    if (!QTest::qWaitFor(
            [&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            TestTimeouts::Long))
        qWarning("WebClient: no answer to %s %s", method.constData(), path.constData());
    return future.get();
}

WebReply WebClient::post(const QByteArray &path, const QJsonObject &body)
{
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!csrf.isEmpty())
        headers.append({"X-CSRF-Token", csrf});
    return request("POST", path, QJsonDocument(body).toJson(QJsonDocument::Compact), headers);
}

WebReply WebClient::login(const QString &user, const QString &password, bool asBearer)
{
    cookie.clear();
    csrf.clear();
    bearer.clear();
    const WebReply reply = post("/api/v1/login",
                                {{QStringLiteral("user"), user},
                                 {QStringLiteral("password"), password},
                                 {QStringLiteral("bearer"), asBearer}});
    if (reply.status != 200)
        return reply;
    const QJsonObject answer = reply.json();
    bearer = answer.value(QStringLiteral("token")).toString().toLatin1();
    csrf = answer.value(QStringLiteral("csrf")).toString().toLatin1();
    const QByteArray setCookie = reply.header("Set-Cookie");
    if (setCookie.startsWith("zelsession="))
        cookie = setCookie.mid(11, setCookie.indexOf(';') - 11);
    return reply;
}

EventReader::EventReader(quint16 port, const WebClient &client)
{
    httplib::Headers headers{{"Host", "127.0.0.1:" + std::to_string(port)}};
    if (!client.bearer.isEmpty())
        headers.emplace("Authorization", "Bearer " + client.bearer.toStdString());
    if (!client.cookie.isEmpty())
        headers.emplace("Cookie", "zelsession=" + client.cookie.toStdString());
    m_http = std::make_unique<httplib::Client>("127.0.0.1", port);
    m_http->set_read_timeout(TestTimeouts::Long / 1000, 0);
    m_thread = std::thread([this, headers] {
        m_http->Get(
            "/api/v1/events",
            headers,
            [this](const httplib::Response &res) {
                m_status = res.status;
                return !m_stop;
            },
            [this](const char *data, size_t length) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_buffer.append(data, int(length));
                return !m_stop;
            });
        m_finished = true;
    });
}

EventReader::~EventReader()
{
    m_stop = true;
    m_http->stop();
    m_thread.join();
}

QByteArray EventReader::received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_buffer;
}

QByteArray sseEvent(const char *name, const QJsonObject &data)
{
    return QByteArray("event: ") + name +
           "\ndata: " + QJsonDocument(data).toJson(QJsonDocument::Compact) + "\n\n";
}
