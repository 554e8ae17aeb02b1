#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

// One open event stream: a bounded queue of Server-Sent Events filled on the core's
// thread and drained by the pool thread that writes the connection. A reader that falls
// so far behind that the queue is full is dropped (its page reloads), so a stalled
// browser never holds up the core or the other streams. Any thread.
class EventStream
{
public:
    static constexpr std::size_t MaxQueued = 256;

    enum class Next { Event, Idle, Closed };

    explicit EventStream(std::string owner);
    EventStream(const EventStream &) = delete;
    EventStream &operator=(const EventStream &) = delete;

    // The session this stream belongs to.
    const std::string &owner() const { return m_owner; }

    // Queues "event: <name>" with `data` (one line of JSON); false when the stream is
    // closed or was dropped for being full.
    bool push(const std::string &name, const std::string &data);
    void close();
    bool isClosed() const;

    // Waits up to `wait` for the next event, formatted for the wire, into *text.
    Next next(std::string *text, std::chrono::milliseconds wait);

private:
    const std::string m_owner;
    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<std::string> m_queue;
    bool m_closed = false;
};
