#pragma once

#include <QHash>
#include <QString>
#include <QVector>

#include <functional>

// Failed logins counted per client address and per user name over a sliding window;
// either count at its limit refuses further attempts (even with the right password)
// until the oldest failure leaves the window. Core's thread.
class LoginLimiter
{
public:
    static constexpr int MaxPerAddress = 10;
    static constexpr int MaxPerUser = 5;
    static constexpr qint64 WindowMs = 10 * 60 * 1000;
    // Keys kept at most, so a flood of names cannot grow the tables without end.
    static constexpr int MaxKeys = 4096;

    using Clock = std::function<qint64()>;
    explicit LoginLimiter(Clock clock = {});

    bool blocked(const QString &address, const QString &user);
    void failed(const QString &address, const QString &user);
    // A successful login clears the user name's failures.
    void succeeded(const QString &user);

private:
    qint64 now() const;
    int recent(QHash<QString, QVector<qint64>> &table, const QString &key, qint64 t);
    void note(QHash<QString, QVector<qint64>> &table, const QString &key, qint64 t);

    Clock m_clock;
    QHash<QString, QVector<qint64>> m_byAddress;
    QHash<QString, QVector<qint64>> m_byUser;
};
