#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every target needs: one core application, a quiet log, and records read the
// way the link reads them.
namespace FuzzSupport {

// Creates the application object once and silences the log (the link logs every read).
void init();

// A directory of the process's own in memory (tmpfs) where there is one, so targets that
// read or write config.ini do not wait on the disk for every input. Removed at exit.
QString scratchDir();

// Stops the process with a report libFuzzer counts as a crash.
[[noreturn]] void fail(const char *what);

// True when the JSON text repeats a member name in one object. The link refuses such
// records before parsing them (this Qt leaks on them), so the handlers never see one.
bool hasRepeatedKey(const QByteArray &json);

// The fuzz input as one device record: repaired, refused with a repeated key, parsed.
// False when the link would drop it.
bool readRecord(const uint8_t *data, size_t size, QJsonObject *record);

} // namespace FuzzSupport
