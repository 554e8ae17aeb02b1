#pragma once

#include "replyparser.h"

#include <QJsonObject>

class MessageDistance;

// Each record kind with the link's signal that carries it, a short name for
// diagnostics and tests, and the query it answers. The one list of the record signals:
// whoever hears every record walks this table. Any thread (constant data).
namespace RecordSignals {

using Signal = void (MessageDistance::*)(QJsonObject);

struct Entry
{
    ReplyParser::RecordKind kind;
    Signal signal;
    const char *name;  // "version", "status", ...
    const char *query; // "status" answers "{param=status}"; empty for change notices
};

// Every kind once, in the order of ReplyParser::RecordKind.
const Entry *begin();
const Entry *end();
const Entry &of(ReplyParser::RecordKind kind);

// For range-for: `for (const RecordSignals::Entry &e : RecordSignals::all())`.
struct Range
{
    const Entry *begin() const { return RecordSignals::begin(); }
    const Entry *end() const { return RecordSignals::end(); }
};
inline Range all()
{
    return {};
}

} // namespace RecordSignals
