#pragma once

#include <QMap>
#include <QString>

// Names the operator gave to ports, one table per kind of port in project.db.
// Per installation, not per device. Stateless; any thread.
class PortNameStore
{
public:
    // Kinds of savePortName and loadPortNames.
    enum Kind : int { InputVideo = 0, OutputVideo = 1, InputAudio = 2 };

    static bool createPortNameTables();

    // Replaces any earlier name of the port; an empty name is stored as "". Kind 0 input
    // video, 1 output video, 2 input audio; any other kind is refused (false).
    static bool savePortName(int port, const QString &name, int kind);
    static bool saveOutAudioName(int port, const QString &name);
    static bool saveOutInfraredName(int port, const QString &name);

    // Kind 0 input video, 2 input audio, anything else output video. Empty on failure.
    static QMap<int, QString> loadPortNames(int kind);
    static QMap<int, QString> loadOutAudioNames();
    static QMap<int, QString> loadOutInfraredNames();
};
