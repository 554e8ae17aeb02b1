#pragma once

#include "cdlgnosignaloutput.h"
#include "cdlgscalingmode.h"
#include "dialogrunner.h"
#include "graphicstestdialog.h"
#include "messagedistance.h"

#include <QCoreApplication>
#include <QString>

// Opening the output setting dialogs from a port menu. `forwarder` raises the text the
// device forwards (the main window's si_ForwardAnalysis); the dialog listens to it while
// it runs. `runner` runs the dialog and returns its result (exec when empty; tests answer
// it themselves). GUI thread.
namespace OutputDialogs {

// Shows the scaling mode dialog of the output (its query already sent).
template<typename Source>
int showScalingMode(QWidget *parent,
                    int output,
                    Source *forwarder,
                    void (Source::*forwarded)(QString),
                    const DialogRunner &runner = DialogRunner())
{
    CDlgScalingmode dialog(parent);
    dialog.setPort(output);
    QObject::connect(forwarder, forwarded, &dialog, &CDlgScalingmode::sl_StateUpdate);
    return Dialogs::run(runner, dialog);
}

// Asks the device for the output's scaling mode, then shows the dialog.
template<typename Source>
int openScalingMode(QWidget *parent,
                    int output,
                    Source *forwarder,
                    void (Source::*forwarded)(QString),
                    const DialogRunner &runner = DialogRunner())
{
    MessageDistance::instance()->sendGetScaler(output);
    return showScalingMode(parent, output, forwarder, forwarded, runner);
}

// Shows the no-signal output dialog of the output (its query already sent), titled with
// `portLabel` when given.
template<typename Source>
int showNoSignal(QWidget *parent,
                 int output,
                 Source *forwarder,
                 void (Source::*forwarded)(QString),
                 const DialogRunner &runner = DialogRunner(),
                 const QString &portLabel = QString())
{
    CDlgnosignaloutput dialog(parent);
    dialog.setPort(output);
    if (!portLabel.isEmpty())
        dialog.setPortLabel(portLabel);
    QObject::connect(forwarder, forwarded, &dialog, &CDlgnosignaloutput::sl_StateUpdate);
    return Dialogs::run(runner, dialog);
}

// Asks the device for the output's no-signal setting, then shows the dialog.
template<typename Source>
int openNoSignal(QWidget *parent,
                 int output,
                 Source *forwarder,
                 void (Source::*forwarded)(QString),
                 const DialogRunner &runner = DialogRunner(),
                 const QString &portLabel = QString())
{
    MessageDistance::instance()->sendGetNoinput(output);
    return showNoSignal(parent, output, forwarder, forwarded, runner, portLabel);
}

// The test pattern dialog of an input or an output.
inline int openGraphicsTest(QWidget *parent,
                            int port,
                            bool isInput,
                            const DialogRunner &runner = DialogRunner())
{
    GraphicsTestDialog dialog(port, isInput, parent);
    dialog.setTitle(isInput ? QCoreApplication::translate("OutputDialogs", "Input Graphics test")
                            : QCoreApplication::translate("OutputDialogs", "OutPut Graphics test"));
    return Dialogs::run(runner, dialog);
}

} // namespace OutputDialogs
