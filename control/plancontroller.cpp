#include "plancontroller.h"

#include "devicestate.h"
#include "messagedistance.h"
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
}

void PlanController::save(int index)
{
    if (m_available)
        MessageDistance::instance()->sendSave(index);
}

void PlanController::clear(int index)
{
    MessageDistance::instance()->sendClear(index);
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

bool PlanController::recall(Page page, int index)
{
    if (!m_available || (m_gate && !m_gate(page, index)))
        return false;
    MessageDistance::instance()->sendRecall(index);
    const QVector<FollowUp> queries = followUps(page, DeviceState::instance()->deviceType());
    for (int i = 0; i < queries.size(); ++i) {
        const bool last = i == queries.size() - 1;
        const QString command = queries.at(i).command;
        QTimer::singleShot(queries.at(i).delayMs, this, [this, command, last, index] {
            MessageDistance::instance()->sendData(command);
            if (last)
                emit si_recallDone(index);
        });
    }
    return true;
}

void PlanController::loadNames()
{
    if (!m_available)
        return;
    DeviceState::instance()->setPlanNames(PlanNameStore::loadPlanNames());
    emit si_namesChanged();
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
    emit si_namesChanged();
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
    constexpr int PlanOperation = 11;
    constexpr int VideoSwitch = 22;
    const bool plans = allowed(PlanOperation);
    const int number = index + 1;
    return {{Action::Recall, tr("Recall Plan %1").arg(number), plans && allowed(VideoSwitch)},
            {Action::Save, tr("Save Plan %1").arg(number), plans},
            {Action::Clear, tr("Clear Plan %1").arg(number), plans},
            {Action::Rename, tr("Rename Plan %1").arg(number), true}};
}

void PlanController::trigger(Action action, int index, Page page)
{
    switch (action) {
    case Action::Recall:
        recall(page, index);
        break;
    case Action::Save:
        save(index);
        break;
    case Action::Clear:
        clear(index);
        break;
    case Action::Rename:
        break;
    }
}
