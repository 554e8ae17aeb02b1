#include "planwiring.h"

#include "devicemodel.h"
#include "devicestate.h"
#include "linkstatusview.h"
#include "outputwidget0409.h"
#include "planbar.h"
#include "plancontroller.h"
#include "planpushbutton.h"
#include "rightswarning.h"
#include "wallpages.h"
#include "windowcontext.h"

#include <QWidget>

namespace PlanWiring {

namespace {

void setHooks(PlanController *plans,
              QWidget *window,
              WindowContext &context,
              LinkStatusView *status)
{
    PlanController::Hooks hooks;
    hooks.warn = RightsWarning::shownOver(window, context.runDialog);
    hooks.refuseWhileOffline = [status] {
        return status->refuseWhileOffline();
    };
    hooks.confirm = [window, &context](PlanController::Action action, int index) {
        return PlanBar::confirm(action, index, window, context.runDialog);
    };
    plans->setHooks(hooks);
}

} // namespace

PlanController *
build(QWidget *window, WindowContext &context, WallPages *wall, LinkStatusView *status)
{
    QList<PlanPushButton *> plans, plans2;
    for (int i = 1; i <= 10; ++i) {
        plans << window->findChild<PlanPushButton *>(QStringLiteral("btn_plan%1").arg(i));
        plans2 << window->findChild<PlanPushButton *>(QStringLiteral("btn_plan%1_2").arg(i));
    }
    auto *controller = new PlanController(window);
    controller->setRecallGate([wall](PlanController::Page page, int) {
        return page != PlanController::Page::Joint || wall->jointRecallAllowed();
    });
    setHooks(controller, window, context, status);
    // A Joint recall asks for the plan's windows: its status answer loads the canvas.
    QObject::connect(
        controller, &PlanController::recallSent, window, [wall](PlanController::Page page) {
            if (page == PlanController::Page::Joint &&
                DeviceModels::is(DeviceState::instance()->deviceType(), DeviceModel::Model0409S))
                wall->canvas()->reloadOnNextStatus();
        });
    QObject::connect(controller,
                     &PlanController::done,
                     window,
                     [status](PlanController::Action action, int index) {
                         status->showNote(PlanController::doneText(action, index));
                     });
    for (PlanBar *bar : {new PlanBar(controller, PlanController::Page::Video, plans, window),
                         new PlanBar(controller, PlanController::Page::Joint, plans2, window)}) {
        bar->setActingUser([&context] { return context.actingUser(); });
        bar->setDialogRunner([&context](QDialog &dialog) { return context.run(dialog); });
    }
    return controller;
}

} // namespace PlanWiring
