#include "recordsignals.h"

#include "messagedistance.h"

#include <iterator>

namespace RecordSignals {

namespace {

using K = ReplyParser::RecordKind;
using M = MessageDistance;

const Entry s_entries[] = {
    {K::Version, &M::receiveVersionSig, "version", "version"},
    {K::VideoAudioIRMap, &M::receiveVideoAudioIRMapSig, "status", "status"},
    {K::WindowStatus, &M::receiveWindowStatusSig, "window", "status"},
    {K::InputChannelState, &M::receiveInputChannelStateSig, "input", "inputinfo"},
    {K::NetWorkImforamtion, &M::receiveNetWorkImforamtionSig, "net", "netInfo"},
    {K::InOutChannelResolutionMap,
     &M::receiveInOutChannelResolutionMapSig,
     "resolution",
     "resolution"},
    {K::OutputInfo, &M::receiveOutputInfoSig, "output", "outputinfo"},
    {K::BindInfo, &M::receiveBindInfoSig, "bind", "bindinfo"},
    {K::VolumnImformation, &M::receiveVolumnImformationSig, "volume", "Get_Volume"},
    {K::TitleImf, &M::receiveTitleImfSig, "title", "Get_Subtitle"},
    {K::RotateAngle, &M::receiveRotateAngleSig, "rotate", "Get_Rotate"},
    {K::HDCPInfo, &M::receiveHDCPInfoSig, "hdcp", "hdcpinfo"},
    {K::ChangedByOthers, &M::receiveChangedByOthersSig, "changed", ""},
};

constexpr int s_count = static_cast<int>(K::ChangedByOthers) + 1;
static_assert(std::size(s_entries) == s_count, "one entry per record kind");

} // namespace

const Entry *begin()
{
    return std::begin(s_entries);
}

const Entry *end()
{
    return std::end(s_entries);
}

const Entry &of(ReplyParser::RecordKind kind)
{
    const int index = static_cast<int>(kind);
    Q_ASSERT(index >= 0 && index < s_count && s_entries[index].kind == kind);
    return s_entries[index];
}

} // namespace RecordSignals
