#include "coregate.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>
#include <chrono>
#include <condition_variable>

struct CoreGate::Pending
{
    std::mutex mutex;
    std::condition_variable ready;
    bool started = false;
    bool abandoned = false;
    bool done = false;
    ApiResponse answer;
};

CoreGate::CoreGate(QObject *receiver)
    : m_receiver(receiver)
    , m_shared(std::make_shared<Shared>())
{
}

bool CoreGate::call(std::function<ApiResponse()> work, ApiResponse *answer, int waitMs)
{
    auto pending = std::make_shared<Pending>();
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (m_shared->closed)
            return false;
        auto &waiting = m_shared->waiting;
        waiting.erase(std::remove_if(waiting.begin(),
                                     waiting.end(),
                                     [](const std::weak_ptr<Pending> &w) { return w.expired(); }),
                      waiting.end());
        waiting.push_back(pending);
        // Posting an event is the one thing another thread may do with a QObject.
        QMetaObject::invokeMethod(
            m_receiver,
            [shared = m_shared, pending, work = std::move(work)] {
                {
                    std::lock_guard<std::mutex> gateLock(shared->mutex);
                    if (shared->closed)
                        return;
                }
                {
                    std::lock_guard<std::mutex> lock(pending->mutex);
                    if (pending->abandoned)
                        return;
                    pending->started = true;
                }
                ApiResponse result = work();
                {
                    std::lock_guard<std::mutex> lock(pending->mutex);
                    pending->answer = std::move(result);
                    pending->done = true;
                }
                pending->ready.notify_all();
            },
            Qt::QueuedConnection);
    }
    std::unique_lock<std::mutex> lock(pending->mutex);
    if (!pending->ready.wait_for(
            lock,
            std::chrono::milliseconds(waitMs),
            [&] { return pending->done || pending->started || pending->abandoned; }) ||
        pending->abandoned) {
        pending->abandoned = true;
        return false;
    }
    // Started work is the core's own, short, and always finishes.
    pending->ready.wait(lock, [&] { return pending->done; });
    *answer = std::move(pending->answer);
    return true;
}

void CoreGate::shutdown()
{
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    m_shared->closed = true;
    for (const std::weak_ptr<Pending> &weak : m_shared->waiting) {
        if (const std::shared_ptr<Pending> pending = weak.lock()) {
            {
                std::lock_guard<std::mutex> pendingLock(pending->mutex);
                if (!pending->started)
                    pending->abandoned = true;
            }
            pending->ready.notify_all();
        }
    }
    m_shared->waiting.clear();
}
