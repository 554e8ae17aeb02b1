#pragma once

#include <QObject>
#include <QString>

// One place that hears the device link: every command written (through CommandTap) and
// every record received, named by the query it answers, with its text. Feeds the
// activity view and the stale marker. GUI thread.
class LinkWatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LinkWatch)

public:
    explicit LinkWatch(QObject *parent = nullptr);

signals:
    void commandSent(const QString &command);
    // `query` is the query the record answers ("status", ...); empty for notices.
    void recordReceived(const QString &query, const QString &text);
};
