#pragma once

#include <QString>

#include <functional>

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

} // namespace DropRefusal
