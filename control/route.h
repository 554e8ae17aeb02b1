#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

class DeviceState;

// The routing grids an operator switches on, and the splitter areas of output 9.
enum class RouteKind { Video, Audio, HdmiAudio, Infrared, Audio0808S, SplitterArea };

// One route as the grids number it. `output`: video and infrared 1..9, audio 1..8,
// HDMI audio 101..109, 0808-S audio 1 (the analogue output) and 101..108, splitter
// areas 1..n. `source`: 0 clears; video, infrared and areas take input n; the audio
// kinds take analogue audio n or 100 + n, the embedded audio of input n.
struct Route
{
    RouteKind kind = RouteKind::Video;
    int output = 0;
    int source = 0;
};

bool operator==(const Route &a, const Route &b);
inline bool operator!=(const Route &a, const Route &b)
{
    return !(a == b);
}
// Kind and output only: one route per cell.
uint qHash(const Route &route, uint seed = 0);

// What each model has, and the names the API and stored files use. Pure, any thread.
namespace RouteKinds {

QString key(RouteKind kind);
bool fromKey(const QString &key, RouteKind *kind);
// The grid a kind is shown on; the splitter areas are -1.
int gridKind(RouteKind kind);
// 0 video, 1 audio, 2 infrared: the switch command's type word.
int switchType(RouteKind kind);

// The kinds of a model, in page order.
QList<RouteKind> kindsOf(int deviceCode);
QList<int> outputs(RouteKind kind, int deviceCode, int splitterLayout = 0);
QList<int> sources(RouteKind kind, int deviceCode);
// The source the store holds for the cell; 0 when nothing is routed.
int liveSource(RouteKind kind, int output, const DeviceState &state);

} // namespace RouteKinds

Q_DECLARE_METATYPE(Route)
