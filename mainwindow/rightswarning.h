#pragma once

#include "dialogrunner.h"
#include "portrights.h"

class QWidget;

// The two rights warnings of the main window, sized to three quarters of it. GUI thread.
namespace RightsWarning {

// `run` shows the warning (unset: exec).
void show(PortRights::Warning warning, QWidget *window, const DialogRunner &run);

// A PortRights whose refusals show their warning over `window`.
PortRights::Warn shownOver(QWidget *window, DialogRunner run);

} // namespace RightsWarning
