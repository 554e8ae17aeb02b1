#pragma once

#include "dialogrunner.h"
#include "portrights.h"

class QWidget;

// The two rights warnings of the main window, naming what was refused, as large as their
// text. GUI thread.
namespace RightsWarning {

// `run` shows the warning (unset: exec).
void show(PortRights::Warning warning,
          QWidget *window,
          const DialogRunner &run,
          PortRights::Refused refused = {});
// The port or function as the rights dialog names it; empty when `refused` names none.
QString refusedName(PortRights::Refused refused);

// A PortRights whose refusals show their warning over `window`.
PortRights::Warn shownOver(QWidget *window, DialogRunner run);

} // namespace RightsWarning
