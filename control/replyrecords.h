#pragma once

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// What each device record means for the device-state store. The operator core calls
// these and signals the views; nothing here touches a widget.
namespace ReplyRecords {

// "0808" 0, "0809" 1, "0409-S" 2, "0808-S" 3, "0809-M" 4; -1 for anything else.
int deviceCode(const QString &device);

struct Version
{
    int code = -1; // -1: unknown device text, the stored type is kept
    bool hdmiAudioFollowsVideo = false;
};
// Stores type, versions, model text, bezel values (and the splitter layout on 0809-M),
// and writes the type to config.ini (1 when the device text is unknown).
Version applyVersion(const QJsonObject &record);

// The queries that follow the version record: (delay in ms, command), in order.
QList<QPair<int, QString>> startUpQueries(int deviceCode);

void applyInputPresence(const QJsonObject &record);
void applyNetwork(const QJsonObject &record);

struct Routing
{
    QMap<int, int> wallWindows; // "video900": position (1-based) to value
    int spliceMode = -1;        // -1: no "splice_mode" member
};
Routing applyRouting(const QJsonObject &record);

void applyResolutions(const QJsonObject &record);
void applyCaption(const QJsonObject &record);
void applyVolumes(const QJsonObject &record);    // raises Sig_UpdateVolumes
void applyOutputInfo(const QJsonObject &record); // raises Sig_UpdateOutputInfo
void applyHdcp(const QJsonObject &record);
void applyRotation(const QJsonObject &record);
// The audio part of the multiview window status: "AUDIO" gives the source of HDMI
// audio output 101 (100 + input, 0 for none); a record without it changes nothing.
void applyWindowAudio(const QJsonObject &record);

// The port a key names after `word`: the key split at the word, empty parts dropped,
// must leave exactly one part. False when it does not.
bool portAfter(const QString &key, const QString &word, int *port);

} // namespace ReplyRecords
