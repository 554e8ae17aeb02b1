#pragma once

class LinkStatusView;
class PlanController;
class QWidget;
class WallPages;
struct WindowContext;

// The plans of the window: one PlanController behind the Video and Joint plan bars, told
// who acts, how to warn and ask, when the device is gone, and where its results show.
// GUI thread.
namespace PlanWiring {

// The buttons are the window's "btn_plan1".."btn_plan10" and "btn_plan1_2".."btn_plan10_2".
PlanController *
build(QWidget *window, WindowContext &context, WallPages *wall, LinkStatusView *status);

} // namespace PlanWiring
