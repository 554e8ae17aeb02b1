#pragma once

#include <QString>

// Before a "Joint" page plan is recalled on the multiview model the client must know the
// device's windows, resolutions and rotation: the recalled plan is drawn over them.
namespace RecallCheck {

struct Received
{
    bool windows = false;
    bool resolution = false;
    bool rotation = false;
};

inline bool complete(const Received &r)
{
    return r.windows && r.resolution && r.rotation;
}
// The warning's rich text, naming what is missing in red.
QString warningText(const Received &r);

} // namespace RecallCheck
