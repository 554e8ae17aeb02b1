#pragma once

#include <QMetaType>
#include <QString>

// Layout and rights arithmetic of the routing grids. Device codes are DeviceModel
// codes. Pure functions, any thread.
namespace GridLayout {

// A grid's kind for its shape, drop rights, menus and renames.
enum class Kind { Video = 0, Audio = 2, HdmiAudio = 3, Infrared = 4, Audio0808S = 5 };

// The same grids as the routing refresh numbers them: infrared and HDMI audio swap
// places against Kind, and plain audio is 1.
enum class RefreshKind { Video = 0, Audio = 1, Infrared = 3, HdmiAudio = 4, Audio0808S = 5 };

// The one way between the two numberings.
RefreshKind refreshKindOf(Kind kind);

struct Shape
{
    int columns = 0;
    int rows = 0;
    bool visible = false; // false: the grid is not built for this device
};

// The shape the main window gives a grid for a device code; the video grid also
// depends on the stored splice mode (0: no splicing).
Shape shapeFor(Kind kind, int deviceCode, int spliceMode);

// The port of a cell, or 0 for the empty fifth cell of the first row of a 5 x 2 grid.
int cellPort(int portBase, int columns, int rows, int column, int row);

// Whether a cell of that port gets a cell widget: nothing above base + 9, and no
// ninth output on the eight-output devices.
bool hasCellWidget(int port, int portBase, int deviceCode);

// The source a grid reports for a drop: reduced by 100 above 100 when the grid has
// the HDMI-source reduction flag (video and infrared), unchanged otherwise.
int reportedSource(int source, bool reduceHdmiSource);

// The rights a drop needs. A port of 0 means that right is not asked.
struct DropRights
{
    bool checked = true; // false: the kind asks for nothing, every drop passes
    int outputPort = 0;
    int outputCategory = 0;
    int functionRight = 0;
    int sourcePort = 0;
    int sourceCategory = 0;
};
DropRights dropRights(int kind, int output, int source);

} // namespace GridLayout

Q_DECLARE_METATYPE(GridLayout::RefreshKind)
