#pragma once

#include "gridlayout.h"
#include "portrights.h"

#include <QList>
#include <QMap>
#include <QString>

struct ActingUser;
class BindGroups;
class DeviceState;

// What the main window decides without a window: rights of drops and wall commands,
// which routes each grid shows, the names of outputs and the title text.
namespace WindowRules {

// Every output has the output right.
bool outputsPermitted(const ActingUser &user, const QList<int> &outputs);

// The first right a drop on `output` of a grid of `kind` lacks, in the order they are
// asked (number -1: none lacks). Category -1 names a function right.
PortRights::Refused dropRefusedBy(const ActingUser &user,
                                  int kind,
                                  int output,
                                  const GridLayout::DropRights &asked,
                                  const BindGroups *bind);

// A drop on `output` of a grid of `kind`: the rights it asks for, and for video every
// output of the bind group.
bool dropAllowed(const ActingUser &user,
                 int kind,
                 int output,
                 const GridLayout::DropRights &asked,
                 const BindGroups *bind);

// The routes (output -> source) a grid of `kind` (0 video, 1 audio, 3 infrared,
// 4 HDMI audio, 5 0808-S audio) shows; empty for other kinds.
QMap<int, int> gridRoutes(GridLayout::RefreshKind kind, const DeviceState &state);
// Video and infrared cells show the input itself, the others a source label.
bool showsInput(GridLayout::RefreshKind kind);

struct OutputNames
{
    QMap<int, QString> video;
    QMap<int, QString> infrared;
    QMap<int, QString> audio;
    QMap<int, QString> hdmiAudio; // 101.. named as the video outputs
};

// 8 outputs on 0808 and 0808-S, else 9; empty stored names fall back to
// "Output n" (audio: "Audio n").
OutputNames outputNames(int deviceCode,
                        const QMap<int, QString> &storedVideo,
                        const QMap<int, QString> &storedInfrared,
                        const QMap<int, QString> &storedAudio);

// 0 disconnected, 1 connecting, 2 connected.
QString titleText(int connectionState, const QString &ip, int port, const QString &user);

} // namespace WindowRules
