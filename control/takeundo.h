#pragma once

#include <QString>
#include <QVector>

// The takes made from this client, newest last, so Ctrl+Z can send the previous
// sources (or wall-group preset) again. Plain value type; GUI thread.
class TakeUndo
{
public:
    enum class Kind { Route, WallPreset };
    static constexpr int MaxTakes = 50;

    struct Switch
    {
        int output = 0;
        int previousSource = 0; // 0: nothing was routed, nothing to send back
        int newSource = 0;
        int type = 0; // switch type: 0 video, 1 audio, 2 infrared
        int grid = 0; // the grid it was made on, by its refresh kind
    };
    struct Take
    {
        Kind kind = Kind::Route;
        QVector<Switch> switches; // Route; one take may span several grids
        int previousMode = -1;    // WallPreset
        int newMode = -1;
    };

    // Switches of one grid: each takes `type` and `grid`.
    void recordRoute(int type, const QVector<Switch> &switches, int grid = 0);
    // Switches that name their own grid and type, undone as one step.
    void recordSwitches(const QVector<Switch> &switches);
    void recordWallPreset(int previousMode, int newMode);
    bool canUndo() const { return !m_takes.isEmpty(); }
    int size() const { return m_takes.size(); }
    // Removes and returns the newest take; an empty Route take when there is none.
    Take takeLast();
    void clear() { m_takes.clear(); }

private:
    void push(const Take &take);
    QVector<Take> m_takes;
};
