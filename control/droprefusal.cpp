#include "droprefusal.h"

#include "actinguser.h"
#include "windowrules.h"

#include <QCoreApplication>

namespace DropRefusal {

QString reason(int output,
               const QString &offlineReason,
               const Cell &cell,
               const std::function<bool()> &allowed,
               bool *noRight)
{
    if (noRight)
        *noRight = false;
    if (!offlineReason.isEmpty())
        return offlineReason;
    // The texts keep the grid's catalogue context.
    if (!cell.exists)
        return QCoreApplication::translate("TableWidget", "There is no output here.");
    if (cell.locked)
        return QCoreApplication::translate("TableWidget", "Output %1 is locked.").arg(output);
    if (allowed && !allowed()) {
        if (noRight)
            *noRight = true;
        return QCoreApplication::translate("TableWidget", "You have no right to switch output %1.")
            .arg(output);
    }
    return QString();
}

QString splitterArea(const ActingUser &user,
                     int input,
                     const QString &offlineReason,
                     const BindGroups *bind,
                     bool *noRight)
{
    constexpr int Output = 9;
    const auto kind = int(GridLayout::Kind::Video);
    // The grid's video source: 100 + input; a clear asks for no source.
    const int source = input > 0 ? input + 100 : 0;
    // Output 9 is locked in the grid while split; its areas are not.
    const Cell area{true, false};
    return reason(
        Output,
        offlineReason,
        area,
        [&] {
            return WindowRules::dropAllowed(
                user, kind, Output, GridLayout::dropRights(kind, Output, source), bind);
        },
        noRight);
}

} // namespace DropRefusal
