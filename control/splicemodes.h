#pragma once

#include <QList>

class DeviceState;
class BindGroups;

// The 0808-S wall modes (0..5) without the buttons: what a mode asks rights for and
// what it does to the store and the bind groups.
namespace SpliceModes {

// The outputs of the mode's preset and of every group bound now.
QList<int> outputsAsked(int mode, const BindGroups *bind);

// Stores the mode and makes its preset the only bind group.
void apply(int mode, DeviceState &state, BindGroups *bind);

// A mode this client sets: its outputs show the first one's source, unfrozen and
// unmuted. Returns the outputs touched.
QList<int> resetWallOutputs(int mode, DeviceState &state);

} // namespace SpliceModes
