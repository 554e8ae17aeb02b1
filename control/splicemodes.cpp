#include "splicemodes.h"

#include "devicestate.h"
#include "videosplitmanager.h"

namespace SpliceModes {

QList<int> outputsAsked(int mode, const VideoSplitManager *bind)
{
    QList<int> asked = VideoSplitManager::presetOutputs(mode);
    if (bind) {
        for (const QList<int> &group : bind->groups())
            asked << group;
    }
    return asked;
}

void apply(int mode, DeviceState &state, VideoSplitManager *bind)
{
    state.setSpliceMode(mode);
    if (bind) {
        bind->clearGroups();
        bind->toggleGroup(VideoSplitManager::presetOutputs(mode), false);
    }
}

QList<int> resetWallOutputs(int mode, DeviceState &state)
{
    const QList<int> outputs = VideoSplitManager::presetOutputs(mode);
    if (outputs.isEmpty())
        return outputs;
    const int source = state.videoRouting(outputs.first());
    for (int o : outputs) {
        state.setVideoRouting(o, source);
        state.setOutputFrozen(o, false);
        state.setOutputVideoMuted(o, false);
    }
    return outputs;
}

} // namespace SpliceModes
