#pragma once

#include <QDialog>

#include <functional>

// Runs a dialog and returns its result. Empty means QDialog::exec(); tests set one to
// answer the dialog themselves instead of entering a nested event loop.
using DialogRunner = std::function<int(QDialog &)>;

namespace Dialogs {

// The dialog's result through `runner`, or through exec() when no runner is set.
inline int run(const DialogRunner &runner, QDialog &dialog)
{
    return runner ? runner(dialog) : dialog.exec();
}

} // namespace Dialogs
