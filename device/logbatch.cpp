#include "logbatch.h"

#include <atomic>

namespace {
thread_local int t_depth = 0;
std::atomic<LogBatch::FlushHook> s_flush{nullptr};
} // namespace

LogBatch::LogBatch(Close close)
    : m_close(close)
{
    ++t_depth;
}

LogBatch::~LogBatch()
{
    if (--t_depth == 0 && m_close == Close::Flush)
        flush();
}

void LogBatch::flush()
{
    if (const FlushHook hook = s_flush.load(std::memory_order_acquire))
        hook();
}

bool LogBatch::isOpen()
{
    return t_depth > 0;
}

void LogBatch::setFlushHook(FlushHook hook)
{
    s_flush.store(hook, std::memory_order_release);
}
