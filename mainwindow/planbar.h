#pragma once

#include "dialogrunner.h"
#include "plancontroller.h"

#include <QList>
#include <QObject>

#include <functional>

class PlanPushButton;
class QDialog;
class QMenu;
class QWidget;

// One row of ten plan buttons (the "Video" or the "Joint" page): a click opens the
// plan menu, a double click recalls, and the buttons show the plans' names.
// GUI thread.
class PlanBar : public QObject
{
    Q_OBJECT

public:
    using Allowed = std::function<bool(int right)>;
    // Runs a modal dialog and returns its result; tests answer dialogs themselves.

    PlanBar(PlanController *plans,
            PlanController::Page page,
            const QList<PlanPushButton *> &buttons,
            QObject *parent = nullptr);

    void setAllowed(Allowed allowed) { m_allowed = std::move(allowed); }
    void setDialogRunner(DialogRunner runner) { m_run = std::move(runner); }
    // Button texts from the names the controller holds.
    void showNames();
    // The plan menu of button `index`, built anew; the caller runs and deletes it.
    QMenu *buildMenu(int index, QWidget *parent);
    void rename(int index);
    // sl_planBtnClicked: the menu at the cursor.
    void showMenu(int index);

private:
    PlanController *m_plans;
    PlanController::Page m_page;
    QList<PlanPushButton *> m_buttons;
    Allowed m_allowed;
    DialogRunner m_run;
};
