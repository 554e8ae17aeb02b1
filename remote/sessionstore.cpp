#include "sessionstore.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>

namespace {

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

} // namespace

SessionStore::SessionStore(Clock clock)
    : m_clock(std::move(clock))
{
}

qint64 SessionStore::now() const
{
    return m_clock ? m_clock() : monotonicMs();
}

QByteArray SessionStore::randomHex(int bytes)
{
    QByteArray raw(bytes, Qt::Uninitialized);
    QRandomGenerator *random = QRandomGenerator::system();
    for (int i = 0; i < bytes; ++i)
        raw[i] = static_cast<char>(random->bounded(256));
    return raw.toHex();
}

bool SessionStore::constantTimeEquals(const QByteArray &a, const QByteArray &b)
{
    // The length of a token is no secret; its content is.
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (int i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return diff == 0;
}

const WebSession &SessionStore::create(WebSession session)
{
    expire();
    if (m_sessions.size() >= MaxSessions) {
        const auto oldest = std::min_element(
            m_sessions.begin(), m_sessions.end(), [](const WebSession &x, const WebSession &y) {
                return x.lastSeenMs < y.lastSeenMs;
            });
        m_sessions.erase(oldest);
    }
    session.token = randomHex(32);
    session.csrf = randomHex(16);
    session.lastSeenMs = now();
    m_sessions.append(session);
    return m_sessions.last();
}

WebSession *SessionStore::find(const QByteArray &token)
{
    const qint64 t = now();
    WebSession *found = nullptr;
    // Every token is compared, so the time taken says nothing about which one matched.
    for (WebSession &session : m_sessions) {
        if (constantTimeEquals(session.token, token) && !token.isEmpty())
            found = &session;
    }
    if (!found || t - found->lastSeenMs > m_idleMs)
        return nullptr;
    found->lastSeenMs = t;
    return found;
}

void SessionStore::touch(const QByteArray &token)
{
    for (WebSession &session : m_sessions) {
        if (constantTimeEquals(session.token, token))
            session.lastSeenMs = now();
    }
}

void SessionStore::remove(const QByteArray &token)
{
    m_sessions.erase(
        std::remove_if(m_sessions.begin(),
                       m_sessions.end(),
                       [&](const WebSession &s) { return constantTimeEquals(s.token, token); }),
        m_sessions.end());
}

QVector<QByteArray> SessionStore::removeUser(int userId)
{
    QVector<QByteArray> ended;
    for (const WebSession &s : qAsConst(m_sessions)) {
        if (s.userId == userId)
            ended.append(s.token);
    }
    m_sessions.erase(std::remove_if(m_sessions.begin(),
                                    m_sessions.end(),
                                    [&](const WebSession &s) { return s.userId == userId; }),
                     m_sessions.end());
    return ended;
}

QVector<QByteArray> SessionStore::expire()
{
    const qint64 t = now();
    QVector<QByteArray> ended;
    for (const WebSession &s : qAsConst(m_sessions)) {
        if (t - s.lastSeenMs > m_idleMs)
            ended.append(s.token);
    }
    m_sessions.erase(
        std::remove_if(m_sessions.begin(),
                       m_sessions.end(),
                       [&](const WebSession &s) { return t - s.lastSeenMs > m_idleMs; }),
        m_sessions.end());
    return ended;
}
