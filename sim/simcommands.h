#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct SimState;

enum class SimUploadStep { None, Announce, Done };

// What one command did: the answer for its sender, the notices for every other client,
// and whether it touched the state or the upload channel.
struct SimEffect
{
    bool recognised = false;
    bool changed = false;
    QString query;               // name of the query answered ("status", "Get_Noinput", ...)
    QByteArray reply;            // to the sender
    QVector<QByteArray> notices; // to every other client
    bool http200 = false;        // the sender gets the HTTP 200 notice
    SimUploadStep upload = SimUploadStep::None;
    QString uploadKind; // "Subtitle", "OSD" or "EDID" for an announcement
    int uploadPort = 0;
};

namespace SimCommands {

// Applies one command, given as the text between "{param=" and "}", to the state.
// `reachedAt` is the local address of the sender's connection (empty for the panel).
SimEffect apply(SimState &state, const QString &command, const QString &reachedAt = QString());

} // namespace SimCommands
