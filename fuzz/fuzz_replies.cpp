// Every reply handler of the main window applied to the device-state store with one
// record, as if the device had sent it in answer to each query.
#include "devicemodel.h"
#include "devicestate.h"
#include "fuzzsupport.h"
#include "replyrecords.h"

#include "datadir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    // The version record writes the device type to config.ini.
    static const bool once = (DataDir::set(FuzzSupport::scratchDir()), true);
    Q_UNUSED(once)
    QJsonObject record;
    if (!FuzzSupport::readRecord(data, size, &record))
        return 0;

    DeviceState *state = DeviceState::instance();
    const ReplyRecords::Version version = ReplyRecords::applyVersion(record);
    if (version.code < -1 || version.code > 4)
        FuzzSupport::fail("device code outside -1..4");
    ReplyRecords::startUpQueries(version.code);
    ReplyRecords::applyInputPresence(record);
    ReplyRecords::applyNetwork(record);
    const ReplyRecords::Routing routing = ReplyRecords::applyRouting(record);
    for (auto it = routing.wallWindows.cbegin(); it != routing.wallWindows.cend(); ++it) {
        if (it.key() < 1)
            FuzzSupport::fail("a wall window position below 1");
    }
    ReplyRecords::applyResolutions(record);
    ReplyRecords::applyCaption(record);
    ReplyRecords::applyVolumes(record);
    ReplyRecords::applyOutputInfo(record);
    ReplyRecords::applyHdcp(record);
    ReplyRecords::applyRotation(record);
    for (auto it = record.constBegin(); it != record.constEnd(); ++it) {
        int port = 0;
        ReplyRecords::portAfter(it.key(), QStringLiteral("video"), &port);
    }
    if (!DeviceModels::fromCode(state->deviceType()))
        FuzzSupport::fail("stored device type names no model");
    if (state->virMode() < 0 || state->virMode() > 3)
        FuzzSupport::fail("multiview layout outside 0..3");
    return 0;
}
