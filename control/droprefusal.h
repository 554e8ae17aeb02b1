#pragma once

#include <QString>

#include <functional>

struct ActingUser;
class BindGroups;

// Whether a source may be dropped on (or cleared from) an output cell, in the order an
// operator is told: offline, no cell, a locked cell, no right. Pure, GUI thread.
namespace DropRefusal {

struct Cell
{
    bool exists = false;
    bool locked = false;
};

// Empty when the drop may happen; otherwise one sentence. `offlineReason` non-empty
// refuses first. `allowed` (unset: allowed) is asked last; a refusal by it sets *noRight.
QString reason(int output,
               const QString &offlineReason,
               const Cell &cell,
               const std::function<bool()> &allowed,
               bool *noRight);

// A splitter area is a part of output 9: a drop of `input` on it, or a clear (input 0),
// meets the rules of a video drop on output 9, for `user`.
QString splitterArea(const ActingUser &user,
                     int input,
                     const QString &offlineReason,
                     const BindGroups *bind,
                     bool *noRight);

} // namespace DropRefusal
