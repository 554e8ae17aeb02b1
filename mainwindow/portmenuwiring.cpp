#include "portmenuwiring.h"

#include "appsettings.h"
#include "dialoglauncher.h"
#include "gridwiring.h"
#include "linkstatusview.h"
#include "listwidget.h"
#include "outputdialogs.h"
#include "pageconfigurator.h"
#include "portmenus.h"
#include "tablewidget.h"
#include "widget.h"
#include "windowcontext.h"

#include <QCoreApplication>
#include <QTabWidget>

namespace PortMenuWiring {

namespace {

PortMenus::Host hostOf(Widget *window, WindowContext &context, const Parts &parts)
{
    PortMenus::Host host;
    host.window = window;
    host.runDialog = context.runDialog;
    host.actingUser = [&context] {
        return context.actingUser();
    };
    host.bindManager = [&context] {
        return context.bind;
    };
    QTabWidget *tabs = parts.tabs;
    host.infraredPage = [tabs] {
        return tabs->currentIndex() == PageConfigurator::InfaredTab;
    };
    host.refreshList = [window] {
        window->refrenshSignalSlot();
    };
    GridWiring *grids = parts.grids;
    host.refreshSources = [grids] {
        grids->refreshAllGrids();
    };
    LinkStatusView *status = parts.status;
    host.refuseWhileOffline = [status] {
        return status->refuseWhileOffline();
    };
    return host;
}

// The menu has sent the dialog's query already: the openers only show the dialog.
void setDialogOpeners(PortMenus *menus,
                      Widget *window,
                      WindowContext &context,
                      DialogLauncher *dialogs)
{
    menus->setDialogOpener(PortDialog::ScalingMode, [window, &context](int output) {
        OutputDialogs::showScalingMode(
            window, output, window, &Widget::si_ForwardAnalysis, context.runDialog);
    });
    menus->setDialogOpener(PortDialog::NoSignalOut, [window, &context](int output) {
        OutputDialogs::showNoSignal(window,
                                    output,
                                    window,
                                    &Widget::si_ForwardAnalysis,
                                    context.runDialog,
                                    outputLabel(output));
    });
    menus->setDialogOpener(PortDialog::OutputGraphicsTest, [window, &context](int output) {
        OutputDialogs::openGraphicsTest(window, output, false, context.runDialog);
    });
    menus->setDialogOpener(PortDialog::InputGraphicsTest, [window, &context](int input) {
        OutputDialogs::openGraphicsTest(window, input, true, context.runDialog);
    });
    menus->setDialogOpener(PortDialog::Osd,
                           [dialogs](int input) { dialogs->openOsd(input, false); });
    menus->setDialogOpener(PortDialog::Edid, [dialogs](int input) { dialogs->openEdid(input); });
}

} // namespace

PortMenus *build(Widget *window, WindowContext &context, const Parts &parts)
{
    auto *menus = new PortMenus(hostOf(window, context, parts), window);
    for (TableWidget *grid : parts.grids->grids())
        menus->attachGrid(grid);
    menus->attachList(parts.list);
    QObject::connect(parts.grids,
                     &GridWiring::cellMenuRequested,
                     menus,
                     [menus](TableWidget *grid, int port) { menus->showGridMenu(grid, port); });
    QObject::connect(parts.grids,
                     &GridWiring::cellDoubleClicked,
                     menus,
                     [](TableWidget *grid, int port) { grid->clearRoute(port); });
    QObject::connect(
        window, &Widget::si_outResoluChangedByOthers, menus, &PortMenus::outputResolutionChanged);
    QObject::connect(window, &Widget::si_hdcpChangedByOthers, menus, &PortMenus::hdcpChanged);
    setDialogOpeners(menus, window, context, parts.dialogs);
    return menus;
}

QString outputLabel(int output)
{
    const QString name = AppSettings::instance()->outputNames().value(output);
    return QStringLiteral("[%1] %2").arg(output).arg(
        name.isEmpty() ? QCoreApplication::translate("Widget", "Output %1").arg(output) : name);
}

} // namespace PortMenuWiring
