#include "droprefusal.h"

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

} // namespace DropRefusal
