#include "linkoutbox.h"

#include <QMutexLocker>

quint64 LinkOutbox::generation() const
{
    QMutexLocker locker(&m_lock);
    return m_generation;
}

bool LinkOutbox::push(QVector<Emission> &emissions, quint64 generation)
{
    if (emissions.isEmpty())
        return false;
    QMutexLocker locker(&m_lock);
    if (generation != m_generation)
        return false;
    for (Emission &e : emissions)
        m_queue.push_back(std::move(e));
    // Each wake of the link's thread costs more than a record: one on its way is enough.
    const bool wake = !m_wakePosted;
    m_wakePosted = true;
    return wake;
}

bool LinkOutbox::take(Emission &out)
{
    QMutexLocker locker(&m_lock);
    if (m_queue.empty()) {
        m_wakePosted = false;
        return false;
    }
    out = std::move(m_queue.front());
    m_queue.pop_front();
    return true;
}

void LinkOutbox::discard()
{
    QMutexLocker locker(&m_lock);
    m_queue.clear();
    ++m_generation;
}
