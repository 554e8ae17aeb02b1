#include "rightswarning.h"

#include "dialogconfirm.h"
#include "permissionlayout.h"

#include <QCoreApplication>

namespace RightsWarning {

QString refusedName(PortRights::Refused refused)
{
    using Kind = PermissionLayout::Kind;
    if (refused.number < 0)
        return QString();
    static const Kind kinds[] = {Kind::Input, Kind::Output, Kind::Audio, Kind::Analog};
    const QString name = refused.category >= 0 && refused.category < 4
                             ? PermissionLayout::portLabel(kinds[refused.category], refused.number)
                             : PermissionLayout::functionLabel(refused.number);
    // The rights dialog breaks its labels over two lines.
    return name.simplified();
}

void show(PortRights::Warning warning,
          QWidget *window,
          const DialogRunner &run,
          PortRights::Refused refused)
{
    QString text = warning == PortRights::Warning::NoPermission
                       ? QCoreApplication::translate("PortMenus", "No Permission!")
                       : QCoreApplication::translate(
                             "PortMenus",
                             "The current operation involves one or more ports that the "
                             "current user does not have permission to use.");
    const QString name = refusedName(refused);
    if (!name.isEmpty())
        text = QStringLiteral("%1\n%2").arg(text, name);
    DialogConfirm dialog(window, QCoreApplication::translate("PortMenus", "Warning"), text);
    Dialogs::run(run, dialog);
}

PortRights::Warn shownOver(QWidget *window, DialogRunner run)
{
    return [window, run = std::move(run)](PortRights::Warning w, PortRights::Refused refused) {
        show(w, window, run, refused);
    };
}

} // namespace RightsWarning
