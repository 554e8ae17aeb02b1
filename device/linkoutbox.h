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

    // The batch a pass is about to make belongs to this; read with what the pass takes.
    quint64 generation() const;
    // Queues the batch unless it belongs to a discarded generation; true when the taker
    // must be woken (no wake is on its way yet).
    bool push(QVector<Emission> &emissions, quint64 generation);
    // Drops what waits and whatever a pass already under way pushes later: the
    // connection those records came over is gone.
    void discard();
    // The oldest emission; false when none is left, and the next push wakes again.
    bool take(Emission &out);

private:
    mutable QMutex m_lock;
    std::deque<Emission> m_queue;
    quint64 m_generation = 0;  // under the lock
    bool m_wakePosted = false; // under the lock
};
