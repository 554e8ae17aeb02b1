#pragma once

#include <QSet>
#include <QString>

// Deliberate misbehaviour of the simulated device, for tests and demos of the client's
// error paths. The defaults make a well-behaved device.
struct SimFaults
{
    // Close a control connection once it has had this many commands (0: never).
    int dropAfterCommands = 0;
    // Hold every answer and notice back this long before it is written.
    int replyDelayMs = 0;
    // Write answers in pieces of this many bytes, each flushed on its own (0: whole).
    int splitReplyBytes = 0;
    // Put unframed bytes (no braces) before every Nth answer and notice (0: never).
    int garbageEvery = 0;
    // Refuse connections on the upload port.
    bool refuseUpload = false;
    // Answer "{param=Done}" with something other than the acknowledgement.
    bool withholdAck = false;
    // A busy device: a setting command arriving sooner than this many milliseconds after the
    // last one it carried out (from any client) is ignored, as a slow device drops what comes
    // while it switches. Queries are always answered (0: off).
    int minCommandGapMs = 0;
    // Queries left unanswered, by name: "status", "Get_Rotate", "Get_Noinput", ...
    QSet<QString> ignoredQueries;

    // Bytes sent before answers when garbageEvery is due.
    static QByteArray garbage() { return QByteArrayLiteral("#~garbage~#\r\n"); }
};
