#include "takehistory.h"

#include <QStringList>

TakeHistory::TakeHistory(Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
{
}

void TakeHistory::beginTake()
{
    m_batching = true;
    m_pending.clear();
}

void TakeHistory::endTake()
{
    m_batching = false;
    if (!m_pending.isEmpty())
        m_undo.recordSwitches(m_pending);
    m_pending.clear();
}

void TakeHistory::recordSwitch(int grid, int type, int output, int previous, int source)
{
    if (m_undoing)
        return;
    const TakeUndo::Switch change{output, previous, source, type, grid};
    if (!m_batching) {
        m_undo.recordSwitches({change});
        return;
    }
    m_pending << change;
}

void TakeHistory::recordPreset(int previousMode, int mode)
{
    if (!m_undoing)
        m_undo.recordWallPreset(previousMode, mode);
}

bool TakeHistory::undo()
{
    if (!m_undo.canUndo()) {
        m_hooks.message(tr("Nothing to undo."));
        return false;
    }
    // Offline the take stays: it can be undone once the device answers again.
    if (m_hooks.refuseWhileOffline())
        return false;
    const TakeUndo::Take take = m_undo.takeLast();
    m_undoing = true;
    bool done = false;
    if (take.kind == TakeUndo::Kind::WallPreset) {
        done = m_hooks.applyPreset(take.previousMode);
        if (done)
            m_hooks.note(take.previousMode == 0
                             ? tr("Undone: no wall group again.")
                             : tr("Undone: wall group %1 again.").arg(take.previousMode));
    } else {
        done = undoRoute(take);
    }
    m_undoing = false;
    return done;
}

bool TakeHistory::undoRoute(const TakeUndo::Take &take)
{
    QStringList restored;
    for (const TakeUndo::Switch &s : take.switches) {
        if (m_hooks.retake(s.grid, s.type, s.output, s.previousSource))
            restored << tr("output %1 back to %2")
                            .arg(s.output)
                            .arg(sourceText(s.type, s.previousSource));
    }
    // A refusal has said why in the message line already.
    if (restored.isEmpty())
        return false;
    m_hooks.note(tr("Undone: %1.").arg(restored.join(QStringLiteral("; "))));
    return true;
}

QString TakeHistory::sourceText(int type, int source) const
{
    // Audio switches carry analogue audio as n and an input's embedded audio as 100 + n.
    if (type == 1 && source < 100)
        return QStringLiteral("[%1] %2").arg(source).arg(m_hooks.audioName(source));
    const int input = source > 100 ? source - 100 : source;
    return QStringLiteral("[%1] %2").arg(input).arg(m_hooks.inputName(input));
}
