#pragma once

#include "replyparser.h"

#include <QJsonObject>
#include <QMutex>
#include <QString>
#include <QVector>

#include <deque>

// What the link's worker hands to the link's thread: the signals a pass raised, in order.
// The worker pushes whole batches; the link's thread takes one at a time. Thread-safe.
class LinkOutbox
{
public:
    // One signal to raise on the link's thread.
    struct Emission
    {
        enum class Type { Record, Forward, Http200, Dhcp };
        Type type = Type::Record;
        ReplyParser::RecordKind kind = ReplyParser::RecordKind::Version;
        QJsonObject obj;
        QString text;
        bool on = false;
    };

    // Queues the batch; true when the taker must be woken (no wake is on its way yet).
    bool push(QVector<Emission> &emissions);
    // The oldest emission; false when none is left, and the next push wakes again.
    bool take(Emission &out);

private:
    QMutex m_lock;
    std::deque<Emission> m_queue;
    bool m_wakePosted = false; // under the lock
};
