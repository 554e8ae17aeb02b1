#include "gridlayout.h"

#include "devicemodel.h"

namespace GridLayout {

namespace {

bool eightOutputs(int deviceCode)
{
    return DeviceModels::hasEightOutputs(DeviceModels::fromCodeOr(deviceCode));
}

bool isModel(int deviceCode, DeviceModel model)
{
    return DeviceModels::fromCode(deviceCode) == model;
}

// Audio sources above 99 are video inputs carrying their embedded audio.
void audioSource(int source, DropRights *rights)
{
    if (source > 99) {
        rights->sourcePort = source - 100;
        rights->sourceCategory = 0;
    } else {
        rights->sourcePort = source;
        rights->sourceCategory = 2;
    }
}

} // namespace

RefreshKind refreshKindOf(Kind kind)
{
    switch (kind) {
    case Kind::Video:
        return RefreshKind::Video;
    case Kind::Audio:
        return RefreshKind::Audio;
    case Kind::HdmiAudio:
        return RefreshKind::HdmiAudio;
    case Kind::Infrared:
        return RefreshKind::Infrared;
    case Kind::Audio0808S:
        break;
    }
    return RefreshKind::Audio0808S;
}

Shape shapeFor(Kind kind, int deviceCode, int spliceMode)
{
    if (kind == Kind::Video) {
        if (spliceMode == 0)
            return {3, 3, true};
        return eightOutputs(deviceCode) ? Shape{4, 2, true} : Shape{5, 2, true};
    }
    if (isModel(deviceCode, DeviceModel::Model0409S))
        return kind == Kind::HdmiAudio ? Shape{1, 1, true} : Shape{};
    if (kind == Kind::Audio0808S)
        return isModel(deviceCode, DeviceModel::Model0808S) ? Shape{3, 3, true} : Shape{};
    return eightOutputs(deviceCode) ? Shape{4, 2, true} : Shape{3, 3, true};
}

int cellPort(int portBase, int columns, int rows, int column, int row)
{
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return 0;
    if (columns == 5 && rows == 2) {
        if (row == 0)
            return column == 4 ? 0 : portBase + 1 + column;
        return portBase + 5 + column;
    }
    return portBase + 1 + column + columns * row;
}

bool hasCellWidget(int port, int portBase, int deviceCode)
{
    if (port <= portBase || port > portBase + 9)
        return false;
    return !(port == portBase + 9 && eightOutputs(deviceCode));
}

int reportedSource(int source, bool reduceHdmiSource)
{
    return reduceHdmiSource && source > 100 ? source - 100 : source;
}

DropRights dropRights(int kind, int output, int source)
{
    DropRights r;
    const int input = source > 100 ? source - 100 : source;
    switch (kind) {
    case 0:
    case 4:
        r.outputPort = output;
        r.outputCategory = 1;
        r.functionRight = kind == 0 ? 22 : 25;
        r.sourcePort = input;
        r.sourceCategory = 0;
        break;
    case 2:
        r.outputPort = output;
        r.outputCategory = 3;
        r.functionRight = 23;
        audioSource(source, &r);
        break;
    case 3:
        r.outputPort = output > 100 ? output - 100 : output;
        r.outputCategory = 1;
        r.functionRight = 24;
        audioSource(source, &r);
        break;
    case 5:
        if (output < 101) {
            r.outputPort = output;
            r.outputCategory = 3;
            r.functionRight = 23;
        } else {
            r.outputPort = output - 100;
            r.outputCategory = 1;
            r.functionRight = 24;
        }
        audioSource(source, &r);
        break;
    default:
        r.checked = false;
        break;
    }
    return r;
}

} // namespace GridLayout
