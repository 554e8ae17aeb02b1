#pragma once

#include <QtGlobal>

// While a batch is open on a thread, the log handler holds that thread's lines below
// warning level back and writes them together when the batch closes: a busy reply
// worker would otherwise pay one file write per line. A warning or worse, or a line
// from a thread outside any batch, writes what is held back first, so the file keeps
// the order the lines were logged in.
class LogBatch
{
    Q_DISABLE_COPY(LogBatch)

public:
    enum class Close { Flush, LeaveForNextFlush };
    // LeaveForNextFlush: the lines wait for the next flush on any thread; for lines
    // that are sure to be followed by a batch of their own (a read for the worker).
    explicit LogBatch(Close close = Close::Flush);
    ~LogBatch();

    static bool isOpen(); // on the calling thread
    // Writes what is held back now, from any thread.
    static void flush();
    // Installed by the log handler that holds lines back.
    using FlushHook = void (*)();
    static void setFlushHook(FlushHook hook);

private:
    Close m_close;
};
