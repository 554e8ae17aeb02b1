#include "staletracker.h"

#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

StaleTracker::StaleTracker(QObject *parent, int timeoutMs)
    : QObject(parent)
    , m_timeoutMs(timeoutMs)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &StaleTracker::check);
}

QString StaleTracker::queryOf(const QString &command)
{
    // The queries the device answers with a record of their own.
    static const QRegularExpression query(QStringLiteral(
        "^\\{param=(version|status|inputinfo|netInfo|resolution|hdcpinfo|outputinfo|bindinfo|"
        "Get_Rotate|Get_Volume|Get_Subtitle|Get_OSD\\d+)\\}$"));
    const QRegularExpressionMatch m = query.match(command.trimmed());
    if (!m.hasMatch())
        return QString();
    const QString name = m.captured(1);
    // The OSD query is answered by the caption record, like Get_Subtitle.
    return name.startsWith(QLatin1String("Get_OSD")) ? QStringLiteral("Get_Subtitle") : name;
}

void StaleTracker::commandSent(const QString &command)
{
    const QString query = queryOf(command);
    if (query.isEmpty())
        return;
    if (!m_pending.contains(query))
        m_pending.insert(query, QDateTime::currentMSecsSinceEpoch());
    if (!m_timer->isActive())
        m_timer->start(m_timeoutMs);
}

void StaleTracker::recordReceived(const QString &query)
{
    m_pending.remove(query);
    m_lastRecord = QDateTime::currentDateTime();
    setStale(false);
}

void StaleTracker::reset()
{
    m_pending.clear();
    m_timer->stop();
}

void StaleTracker::check()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    bool overdue = false;
    qint64 nextDue = -1;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        const qint64 due = it.value() + m_timeoutMs;
        if (due <= now) {
            overdue = true; // reported once; asking again starts a new wait
            it = m_pending.erase(it);
            continue;
        }
        nextDue = nextDue < 0 ? due : std::min(nextDue, due);
        ++it;
    }
    if (overdue)
        setStale(true);
    if (nextDue >= 0)
        m_timer->start(int(nextDue - now));
}

void StaleTracker::setStale(bool stale)
{
    if (m_stale == stale)
        return;
    m_stale = stale;
    emit staleChanged(stale);
}
