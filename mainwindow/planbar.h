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
// plan menu, a double click recalls, and the buttons show the plans' names and mark
// the plans this client saved.
// GUI thread.
class PlanBar : public QObject
{
    Q_OBJECT

public:
    // The user who acts; unset: an administrator.
    using User = std::function<ActingUser()>;

    PlanBar(PlanController *plans,
            PlanController::Page page,
            const QList<PlanPushButton *> &buttons,
            QObject *parent = nullptr);

    void setActingUser(User user) { m_user = std::move(user); }
    void setDialogRunner(DialogRunner runner) { m_run = std::move(runner); }
    // Button texts and marks from what the controller holds.
    void showNames();
    // The plan menu of button `index`, built anew; the caller runs and deletes it.
    QMenu *buildMenu(int index, QWidget *parent);
    void rename(int index);
    // sl_planBtnClicked: the menu at the cursor.
    void showMenu(int index);
    // Asks before a plan this client saved is overwritten or cleared (the controller's
    // confirm hook); true goes on.
    static bool
    confirm(PlanController::Action action, int index, QWidget *parent, const DialogRunner &run);

private:
    ActingUser user() const { return m_user ? m_user() : ActingUser(); }

    PlanController *m_plans;
    PlanController::Page m_page;
    QList<PlanPushButton *> m_buttons;
    User m_user;
    DialogRunner m_run;
};
