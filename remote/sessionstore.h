#pragma once

#include "websession.h"

#include <QByteArray>
#include <QVector>

#include <functional>

// The sessions of one server: tokens from the system's random source, looked up with a
// constant-time comparison, ended by logout, by idle time or when their user changes.
// Core's thread.
class SessionStore
{
public:
    static constexpr qint64 DefaultIdleMs = 30 * 60 * 1000;
    // Beyond this the session idle longest makes room.
    static constexpr int MaxSessions = 256;

    using Clock = std::function<qint64()>;
    explicit SessionStore(Clock clock = {});

    void setIdleMs(qint64 idleMs) { m_idleMs = idleMs; }
    qint64 idleMs() const { return m_idleMs; }

    // A new session; its token and CSRF token are fresh random hex.
    const WebSession &create(WebSession session);
    // The live session of `token`, its idle time restarted; null when there is none or it
    // has been idle too long.
    WebSession *find(const QByteArray &token);
    // Restarts the idle time of a session in use without a request (an open stream).
    void touch(const QByteArray &token);
    void remove(const QByteArray &token);
    // Ends every session of a user; returns their tokens.
    QVector<QByteArray> removeUser(int userId);
    // Ends the sessions idle longer than the limit; returns their tokens.
    QVector<QByteArray> expire();
    int count() const { return m_sessions.size(); }

    static QByteArray randomHex(int bytes);
    static bool constantTimeEquals(const QByteArray &a, const QByteArray &b);

private:
    qint64 now() const;

    Clock m_clock;
    qint64 m_idleMs = DefaultIdleMs;
    QVector<WebSession> m_sessions;
};
