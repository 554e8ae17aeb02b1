#include "eventstream.h"

EventStream::EventStream(std::string owner)
    : m_owner(std::move(owner))
{
}

bool EventStream::push(const std::string &name, const std::string &data)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed)
            return false;
        if (m_queue.size() >= MaxQueued) {
            m_closed = true;
            m_queue.clear();
        } else {
            m_queue.push_back("event: " + name + "\ndata: " + data + "\n\n");
        }
    }
    m_ready.notify_all();
    return !isClosed();
}

void EventStream::close()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        m_queue.clear();
    }
    m_ready.notify_all();
}

bool EventStream::isClosed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
}

EventStream::Next EventStream::next(std::string *text, std::chrono::milliseconds wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ready.wait_for(lock, wait, [this] { return m_closed || !m_queue.empty(); });
    if (m_closed)
        return Next::Closed;
    if (m_queue.empty())
        return Next::Idle;
    *text = std::move(m_queue.front());
    m_queue.pop_front();
    return Next::Event;
}
