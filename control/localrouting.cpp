#include "localrouting.h"

#include "bindgroups.h"
#include "devicestate.h"

namespace LocalRouting {

QList<int> outputsReached(int output, const BindGroups *bind)
{
    const QList<int> group = bind ? bind->groupOf(output) : QList<int>();
    return group.isEmpty() ? QList<int>{output} : group;
}

QList<int> applyVideoRoute(
    int input, int output, const BindGroups *bind, bool hdmiAudioFollowsVideo, bool keepFlags)
{
    DeviceState *state = DeviceState::instance();
    const QList<int> outputs = outputsReached(output, bind);
    for (int o : outputs) {
        state->setVideoRouting(o, input);
        if (hdmiAudioFollowsVideo)
            state->setAudioRouting(100 + o, 100 + input);
        if (!keepFlags) {
            state->setOutputFrozen(o, false);
            state->setOutputVideoMuted(o, false);
        }
    }
    return outputs;
}

int spliceModeOf(int value)
{
    return value >= 1 && value <= 5 ? value : 0;
}

} // namespace LocalRouting
