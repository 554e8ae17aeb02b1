#pragma once

#include <QObject>
#include <QString>

// Hears every command the device link writes. The link logs each one as "send:" plus
// the command through the debug stream; the tap sits in front of the installed message
// handler, passes every message on unchanged and raises `commandSent` for those lines
// (also where the logging rules turn debug off: those lines are then heard, not passed on).
// A process-wide object created on first use; the signal may be raised on any thread.
class CommandTap : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CommandTap)

public:
    static CommandTap *instance();
    // Chains in front of the current message handler; once, later calls do nothing.
    static void install();
    // The command of a "send:" log line; empty for any other message.
    static QString commandOf(const QString &message);

signals:
    void commandSent(const QString &command);

private:
    CommandTap() = default;
};
