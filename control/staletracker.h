#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

class QTimer;

// Watches the queries sent and the records received: a query left unanswered for
// `timeoutMs` marks the picture stale until the next record arrives. GUI thread.
class StaleTracker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(StaleTracker)

public:
    static constexpr int TimeoutMs = 5000;

    explicit StaleTracker(QObject *parent = nullptr, int timeoutMs = TimeoutMs);

    // The query name inside "{param=...}" when the command is a query; empty otherwise.
    static QString queryOf(const QString &command);

    bool isStale() const { return m_stale; }
    // When the last record arrived; invalid before the first.
    QDateTime lastRecord() const { return m_lastRecord; }

public slots:
    void commandSent(const QString &command);
    // A record answering `query` (the query name, "status", "netInfo", ...) arrived.
    void recordReceived(const QString &query);
    // The link went down: what was asked is asked again on the next connection.
    void reset();

signals:
    void staleChanged(bool stale);

private:
    void check();
    void setStale(bool stale);

    int m_timeoutMs;
    QHash<QString, qint64> m_pending; // query -> sent at, ms since epoch
    QDateTime m_lastRecord;
    bool m_stale = false;
    QTimer *m_timer;
};
