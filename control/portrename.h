#pragma once

#include "gridlayout.h"

#include <QString>

// Where a renamed port's name is kept and who hears of it. No widgets; GUI thread.
namespace PortRename {

enum class Target { Input, AudioSource, VideoOutput, AudioOutput, HdmiAudioOutput, InfraredOutput };

// The name kind of a grid cell; the 0808-S grid holds HDMI audio outputs above 100.
Target targetFor(GridLayout::Kind kind, int port);
// The port the name is stored under: HDMI audio output 100 + n is output n, whose
// name it shows.
int storePort(Target target, int port);
// Saves the name in the port-name store and the settings name maps, then tells the
// views through SigManager (inputs and audio sources). False when the store failed.
bool save(Target target, int port, const QString &name);

} // namespace PortRename
