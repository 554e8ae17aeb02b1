#include "loginlimiter.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

LoginLimiter::LoginLimiter(Clock clock)
    : m_clock(std::move(clock))
{
    if (!m_clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        // Starts past one window, so the first failures are not mistaken for old ones.
        m_clock = [timer] {
            return timer->elapsed() + WindowMs;
        };
    }
}

qint64 LoginLimiter::now() const
{
    return m_clock();
}

int LoginLimiter::recent(QHash<QString, QVector<qint64>> &table, const QString &key, qint64 t)
{
    auto it = table.find(key);
    if (it == table.end())
        return 0;
    QVector<qint64> &times = it.value();
    times.erase(
        std::remove_if(times.begin(), times.end(), [t](qint64 at) { return t - at >= WindowMs; }),
        times.end());
    if (times.isEmpty()) {
        table.erase(it);
        return 0;
    }
    return times.size();
}

void LoginLimiter::note(QHash<QString, QVector<qint64>> &table, const QString &key, qint64 t)
{
    if (table.size() >= MaxKeys && !table.contains(key)) {
        // Drop keys whose failures have all aged out, else the one seen least recently.
        for (auto it = table.begin(); it != table.end();) {
            if (t - it.value().constLast() >= WindowMs)
                it = table.erase(it);
            else
                ++it;
        }
        if (table.size() >= MaxKeys) {
            auto stalest = std::min_element(
                table.begin(), table.end(), [](const QVector<qint64> &a, const QVector<qint64> &b) {
                    return a.constLast() < b.constLast();
                });
            table.erase(stalest);
        }
    }
    table[key].append(t);
}

bool LoginLimiter::blocked(const QString &address, const QString &user)
{
    const qint64 t = now();
    return recent(m_byAddress, address, t) >= MaxPerAddress ||
           recent(m_byUser, user.toLower(), t) >= MaxPerUser;
}

void LoginLimiter::failed(const QString &address, const QString &user)
{
    const qint64 t = now();
    note(m_byAddress, address, t);
    note(m_byUser, user.toLower(), t);
}

void LoginLimiter::succeeded(const QString &user)
{
    m_byUser.remove(user.toLower());
}
