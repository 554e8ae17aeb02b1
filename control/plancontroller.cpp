#include "plancontroller.h"

#include "devicestate.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "planmarkstore.h"
#include "plannamestore.h"

#include <QTimer>

namespace {
constexpr int StatusDelayMs = 50;
constexpr int BindInfoDelayMs = 100;
constexpr int Splicer0808S = 3;
} // namespace

PlanController::PlanController(QObject *parent)
    : QObject(parent)
{
    // Queued connections and signal spies carry them.
    qRegisterMetaType<PlanController::Action>();
    qRegisterMetaType<PlanController::Page>();
}

bool PlanController::permitted(const ActingUser &user, Action action) const
{
    const PortRights rights([user] { return user; }, m_hooks.warn);
    if (!rights.functionAllowed(PermissionStore::PlanOperation, true))
        return false;
    return action != Action::Recall || rights.functionAllowed(PermissionStore::VideoSwitch, true);
}

bool PlanController::permittedOnline() const
{
    return !m_hooks.refuseWhileOffline || !m_hooks.refuseWhileOffline();
}

bool PlanController::confirmed(Action action, int index) const
{
    if (!permittedOnline())
        return false;
    return !isMarked(index) || !m_hooks.confirm || m_hooks.confirm(action, index);
}

bool PlanController::save(const ActingUser &user, int index)
{
    if (!m_available || !permitted(user, Action::Save) || !confirmed(Action::Save, index))
        return false;
    MessageDistance::instance()->sendSave(index);
    setMarked(index, true);
    emit done(Action::Save, index);
    return true;
}

bool PlanController::clear(const ActingUser &user, int index)
{
    if (!permitted(user, Action::Clear) || !confirmed(Action::Clear, index))
        return false;
    MessageDistance::instance()->sendClear(index);
    setMarked(index, false);
    emit done(Action::Clear, index);
    return true;
}

void PlanController::setMarked(int index, bool marked)
{
    if (marked == isMarked(index))
        return;
    if (marked)
        m_marks.insert(index);
    else
        m_marks.remove(index);
    PlanMarkStore::setMarked(index, marked);
}

QVector<PlanController::FollowUp> PlanController::followUps(Page page, int deviceCode)
{
    // The recalled routes come back with the status; the video page's plans also
    // change the bindings, which the 0808-S does not have.
    QVector<FollowUp> queries{{StatusDelayMs, Commands::status()}};
    if (page == Page::Video && deviceCode != Splicer0808S)
        queries.append({BindInfoDelayMs, Commands::bindInfo()});
    return queries;
}

bool PlanController::recall(const ActingUser &user, Page page, int index)
{
    if (!m_available || !permitted(user, Action::Recall) || !permittedOnline())
        return false;
    if (m_gate && !m_gate(page, index))
        return false;
    MessageDistance::instance()->sendRecall(index);
    emit recallSent(page, index);
    const QVector<FollowUp> queries = followUps(page, DeviceState::instance()->deviceType());
    for (int i = 0; i < queries.size(); ++i) {
        const bool last = i == queries.size() - 1;
        const QString command = queries.at(i).command;
        QTimer::singleShot(queries.at(i).delayMs, this, [this, command, last, index] {
            MessageDistance::instance()->sendData(command);
            if (last) {
                emit recallDone(index);
                emit done(Action::Recall, index);
            }
        });
    }
    return true;
}

void PlanController::loadNames()
{
    if (!m_available)
        return;
    DeviceState::instance()->setPlanNames(PlanNameStore::loadPlanNames());
    m_marks = PlanMarkStore::loadMarks();
    emit namesChanged();
}

QString PlanController::name(int index) const
{
    return m_available ? DeviceState::instance()->planNames(index) : QString();
}

bool PlanController::rename(int index, const QString &name)
{
    if (!m_available || name.isEmpty())
        return false;
    DeviceState::instance()->setPlanNames(index, name);
    PlanNameStore::savePlanName(index, name);
    emit namesChanged();
    return true;
}

QString PlanController::buttonText(int number, const QString &name)
{
    return name.isEmpty() ? QStringLiteral("[%1]").arg(number)
                          : QStringLiteral("[%1]%2").arg(number).arg(name);
}

QVector<PlanController::MenuEntry>
PlanController::menuEntries(int index, const std::function<bool(int right)> &allowed) const
{
    const bool plans = allowed(PermissionStore::PlanOperation);
    const int number = index + 1;
    return {{Action::Recall,
             tr("Recall Plan %1").arg(number),
             plans && allowed(PermissionStore::VideoSwitch)},
            {Action::Save, tr("Save Plan %1").arg(number), plans},
            {Action::Clear, tr("Clear Plan %1").arg(number), plans},
            {Action::Rename, tr("Rename Plan %1").arg(number), true}};
}

void PlanController::trigger(const ActingUser &user, Action action, int index, Page page)
{
    switch (action) {
    case Action::Recall:
        recall(user, page, index);
        break;
    case Action::Save:
        save(user, index);
        break;
    case Action::Clear:
        clear(user, index);
        break;
    case Action::Rename:
        break;
    }
}

QString PlanController::doneText(Action action, int index)
{
    const int number = index + 1;
    switch (action) {
    case Action::Recall:
        return tr("Plan %1 recalled").arg(number);
    case Action::Save:
        return tr("Plan %1 saved").arg(number);
    case Action::Clear:
        return tr("Plan %1 cleared").arg(number);
    case Action::Rename:
        break;
    }
    return QString();
}
