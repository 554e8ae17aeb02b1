// The change-notice reader on a record, its changes applied to the device-state store
// for every model, as the main window applies them.
#include "changenotice.h"
#include "devicestate.h"
#include "fuzzsupport.h"

namespace {

void apply(const ChangeNotice::Change &c, DeviceState *state)
{
    using ChangeNotice::Kind;
    switch (c.kind) {
    case Kind::SpliceMode:
        state->setSpliceMode(c.value);
        break;
    case Kind::Audio:
        state->setAudioRouting(c.port, c.value);
        break;
    case Kind::Infrared:
        state->setIrRouting(c.port, c.value);
        break;
    case Kind::Video:
        state->setVideoRouting(c.port, c.value);
        break;
    case Kind::Splitter:
        state->setSplitterRouting(c.port, c.value);
        break;
    case Kind::Link:
        state->setOutputLinked(c.port, c.flag);
        break;
    case Kind::InputPresence:
        state->setInputPresent(c.port, c.flag);
        break;
    case Kind::Unbind:
        break;
    case Kind::Bind:
        if (c.outputs.size() < 2)
            FuzzSupport::fail("a bind change with fewer than two outputs");
        for (int output : c.outputs) {
            if (output < 1 || output > 9 || c.outputs.count(output) != 1)
                FuzzSupport::fail("a bind change names an output twice or out of range");
        }
        break;
    case Kind::OutputResolution:
        state->setOutputResolutions(c.port, c.text);
        break;
    case Kind::Frozen:
        state->setOutputFrozen(c.port, c.flag);
        break;
    case Kind::OutputLock:
        state->setOutputLocked(c.port, c.flag);
        break;
    case Kind::InputHdcp:
        state->setInputHdcp(c.port, c.value);
        break;
    case Kind::Volume:
        state->setVolume(c.port, c.value);
        break;
    case Kind::Mute:
        state->setAudioMuted(c.port, c.flag ? 1 : 0);
        break;
    case Kind::ScalingMode:
        state->setScalingMode(c.port, c.value);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    QJsonObject record;
    if (!FuzzSupport::readRecord(data, size, &record))
        return 0;
    DeviceState *state = DeviceState::instance();
    for (int code = 0; code <= 4; ++code) {
        state->setDeviceType(code);
        const QList<ChangeNotice::Change> changes = ChangeNotice::read(record, code);
        if (changes.size() > record.size())
            FuzzSupport::fail("more changes than members");
        for (const ChangeNotice::Change &c : changes)
            apply(c, state);
        if (state->spliceMode() < 0 || state->spliceMode() > 5)
            FuzzSupport::fail("splice mode outside 0..5");
    }
    return 0;
}
