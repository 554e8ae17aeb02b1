#include "eventhub.h"

#include "eventstream.h"

#include <algorithm>

std::shared_ptr<EventStream> EventHub::open(const std::string &owner)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    prune();
    if (m_streams.size() >= static_cast<std::size_t>(MaxStreams))
        return nullptr;
    auto stream = std::make_shared<EventStream>(owner);
    m_streams.push_back(stream);
    return stream;
}

void EventHub::publish(const std::string &name, const std::string &data)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &stream : m_streams)
        stream->push(name, data);
    prune();
}

void EventHub::publishTo(const std::string &owner, const std::string &name, const std::string &data)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &stream : m_streams) {
        if (stream->owner() == owner)
            stream->push(name, data);
    }
    prune();
}

void EventHub::closeOwner(const std::string &owner)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &stream : m_streams) {
        if (stream->owner() == owner)
            stream->close();
    }
    prune();
}

void EventHub::closeAll()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &stream : m_streams)
        stream->close();
    m_streams.clear();
}

int EventHub::openCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(std::count_if(
        m_streams.begin(), m_streams.end(), [](const auto &s) { return !s->isClosed(); }));
}

std::vector<std::string> EventHub::owners() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> owners;
    for (const auto &stream : m_streams) {
        if (!stream->isClosed())
            owners.push_back(stream->owner());
    }
    return owners;
}

void EventHub::prune()
{
    m_streams.erase(std::remove_if(m_streams.begin(),
                                   m_streams.end(),
                                   [](const auto &s) { return s->isClosed(); }),
                    m_streams.end());
}
