#include "takeundo.h"

void TakeUndo::recordRoute(int type, const QVector<Switch> &switches, int grid)
{
    QVector<Switch> named = switches;
    for (Switch &s : named) {
        s.type = type;
        s.grid = grid;
    }
    recordSwitches(named);
}

void TakeUndo::recordSwitches(const QVector<Switch> &switches)
{
    Take take;
    take.kind = Kind::Route;
    for (const Switch &s : switches) {
        // A switch to what was already there changed nothing worth undoing.
        if (s.previousSource != s.newSource && s.previousSource > 0)
            take.switches << s;
    }
    if (!take.switches.isEmpty())
        push(take);
}

void TakeUndo::recordWallPreset(int previousMode, int newMode)
{
    if (previousMode < 0 || previousMode == newMode)
        return;
    Take take;
    take.kind = Kind::WallPreset;
    take.previousMode = previousMode;
    take.newMode = newMode;
    push(take);
}

TakeUndo::Take TakeUndo::takeLast()
{
    return m_takes.isEmpty() ? Take() : m_takes.takeLast();
}

void TakeUndo::push(const Take &take)
{
    m_takes.append(take);
    if (m_takes.size() > MaxTakes)
        m_takes.removeFirst();
}
