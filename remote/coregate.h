#pragma once

#include "apimessage.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QObject;

// How a pool thread of the HTTP library gets an answer from the core's thread: it posts
// the work to `receiver` (a QObject on that thread) and waits with a bound. Work that has
// not started when the bound passes is abandoned, never run late; after shutdown()
// nothing more is posted or run. call() from any thread; shutdown() on the core's thread.
class CoreGate
{
public:
    explicit CoreGate(QObject *receiver);
    CoreGate(const CoreGate &) = delete;
    CoreGate &operator=(const CoreGate &) = delete;

    // False when the gate is shut or the core did not start the work within waitMs.
    bool call(std::function<ApiResponse()> work, ApiResponse *answer, int waitMs);
    void shutdown();

private:
    struct Pending;
    struct Shared
    {
        std::mutex mutex;
        bool closed = false;
        std::vector<std::weak_ptr<Pending>> waiting;
    };

    QObject *m_receiver;
    std::shared_ptr<Shared> m_shared;
};
