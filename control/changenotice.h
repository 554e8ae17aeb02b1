#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// A change notice from the device (another client or the front panel changed it),
// read into the changes it stands for, in member order. Applying them is the main
// window's business; reading them needs no window.
namespace ChangeNotice {

enum class Kind {
    SpliceMode,       // value: mode as sent
    Audio,            // port: audio output, value: source
    Infrared,         // port: output, value: input
    Video,            // port: output (up to 900), value: input
    Splitter,         // port: splitter output (key port - 900), value: input
    Link,             // port: output, flag
    InputPresence,    // port: input, flag
    Unbind,           // port: output named by the value
    Bind,             // outputs
    OutputResolution, // port, text
    Frozen,           // port, flag
    OutputLock,       // port, flag
    InputHdcp,        // port, value
    Volume,           // port, value
    Mute,             // port, flag (on)
    ScalingMode,      // port, value
    SplitterLayout,   // value: the 0809-M splitter layout
};

struct Change
{
    Kind kind = Kind::Video;
    int port = 0;
    int value = 0;
    bool flag = false;
    QString text;
    QList<int> outputs;
};

// The changes of one notice for a device of `deviceCode`. Members that match no rule,
// or name a port that is not a number, are left out.
QList<Change> read(const QJsonObject &notice, int deviceCode);

} // namespace ChangeNotice
