#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class EventStream;

// The open event streams of one server. The core's thread opens streams and publishes to
// them; pool threads only read their own stream. Any thread.
class EventHub
{
public:
    static constexpr int MaxStreams = 50;

    // A new stream for session `owner`; null when MaxStreams are open.
    std::shared_ptr<EventStream> open(const std::string &owner);
    // Queues the event on every open stream; a stream that is full is dropped.
    void publish(const std::string &name, const std::string &data);
    // Queues the event on the streams of one session only.
    void publishTo(const std::string &owner, const std::string &name, const std::string &data);
    // Ends the streams of one session (logout, expiry) or all of them (shutdown).
    void closeOwner(const std::string &owner);
    void closeAll();
    int openCount() const;
    // The sessions with an open stream.
    std::vector<std::string> owners() const;

private:
    void prune(); // m_mutex held

    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<EventStream>> m_streams;
};
