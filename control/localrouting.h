#pragma once

#include <QList>

class BindGroups;

// What a video route does to the device-state store when the client makes it itself
// (a drop, a new binding, a change by another client): the whole bind group follows.
namespace LocalRouting {

// The output alone, or every output of its bind group.
QList<int> outputsReached(int output, const BindGroups *bind);

// Stores input -> output for every output reached; with HDMI audio following video
// also audio (100 + output) -> (100 + input). Unless keepFlags, the outputs lose their
// frozen and video-mute states. Returns the outputs touched.
QList<int> applyVideoRoute(
    int input, int output, const BindGroups *bind, bool hdmiAudioFollowsVideo, bool keepFlags);

// Wall-group button or record value to splice mode: 1..5 stay, anything else 0.
int spliceModeOf(int value);

} // namespace LocalRouting
