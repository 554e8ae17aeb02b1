#include "planbar.h"

#include "dialogconfirm.h"
#include "planpushbutton.h"
#include "renamedialog.h"

#include <QCursor>
#include <QMenu>

namespace {

const char *const MenuStyle =
    "QMenu {border-radius: 2px;padding:2px;margin:0px;background-color:rgba(255,255,255,255);"
    "border:1px solid rgba(50,50,50,102);}"
    "QMenu::item {padding:6px 28px 6px 16px;color:#2c3e50;font-size:13px;}"
    "QMenu::item:selected {background-color:#338c56;color:#ffffff;}"
    "QMenu::item:disabled {color:#a0a8a4;}";

} // namespace

PlanBar::PlanBar(PlanController *plans,
                 PlanController::Page page,
                 const QList<PlanPushButton *> &buttons,
                 QObject *parent)
    : QObject(parent)
    , m_plans(plans)
    , m_page(page)
    , m_buttons(buttons)
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        PlanPushButton *button = m_buttons.at(i);
        button->setNumber(i + 1);
        connect(button, &PlanPushButton::singleClicked, this, [this, i] { showMenu(i); });
        connect(button, &PlanPushButton::si_doubleClick, this, [this, i] {
            m_plans->recall(user(), m_page, i);
        });
    }
    connect(m_plans, &PlanController::namesChanged, this, &PlanBar::showNames);
    connect(m_plans, &PlanController::done, this, &PlanBar::showNames);
}

void PlanBar::showNames()
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons.at(i)->setPlanName(m_plans->name(i));
        m_buttons.at(i)->setMarked(m_plans->isMarked(i));
    }
}

QMenu *PlanBar::buildMenu(int index, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("planMenu"));
    menu->setStyleSheet(QLatin1String(MenuStyle));
    menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint |
                         Qt::NoDropShadowWindowHint);
    const ActingUser acting = user();
    const auto allowed = [&acting](int right) {
        return acting.functionAllowed(right);
    };
    for (const PlanController::MenuEntry &entry : m_plans->menuEntries(index, allowed)) {
        QAction *action = menu->addAction(entry.text);
        action->setEnabled(entry.enabled);
        const PlanController::Action what = entry.action;
        connect(action, &QAction::triggered, this, [this, what, index] {
            if (what == PlanController::Action::Rename)
                rename(index);
            else
                m_plans->trigger(user(), what, index, m_page);
        });
    }
    return menu;
}

void PlanBar::showMenu(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    QMenu *menu = buildMenu(index, m_buttons.at(index));
    menu->exec(QCursor::pos());
    delete menu;
}

void PlanBar::rename(int index)
{
    RenameDialog dialog(m_plans->name(index), m_buttons.value(index));
    connect(&dialog, &RenameDialog::Sig_SetNewName, this, [this, index](const QString &name) {
        m_plans->rename(index, name);
    });
    Dialogs::run(m_run, dialog);
}

bool PlanBar::confirm(PlanController::Action action,
                      int index,
                      QWidget *parent,
                      const DialogRunner &run)
{
    const int number = index + 1;
    const QString text =
        action == PlanController::Action::Clear
            ? tr("Plan %1 holds a plan saved from this client. Clear it?").arg(number)
            : tr("Plan %1 holds a plan saved from this client. Overwrite it?").arg(number);
    DialogConfirm dialog(parent, tr("Confirm"), text);
    return Dialogs::run(run, dialog) == QDialog::Accepted;
}
