#include "splicemodes.h"

#include "bindgroups.h"
#include "devicestate.h"

namespace SpliceModes {

QList<int> outputsAsked(int mode, const BindGroups *bind)
{
    QList<int> asked = BindGroups::presetOutputs(mode);
    if (bind) {
        for (const QList<int> &group : bind->groups())
            asked << group;
    }
    return asked;
}

void apply(int mode, DeviceState &state, BindGroups *bind)
{
    state.setSpliceMode(mode);
    if (bind) {
        bind->clearGroups();
        bind->toggleGroup(BindGroups::presetOutputs(mode), false);
    }
}

QList<int> resetWallOutputs(int mode, DeviceState &state)
{
    const QList<int> outputs = BindGroups::presetOutputs(mode);
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
