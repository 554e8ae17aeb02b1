#pragma once

#include "takeundo.h"

#include <QObject>
#include <QString>

#include <functional>

// Keeps the takes made from this client (routes and wall-group presets) and undoes the
// newest on Ctrl+Z: the previous sources go out again through the grids' own checks and
// the message line says what came back. A keyboard take to several outputs is one take.
// GUI thread.
class TakeHistory : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        // Sends the source again through the grid's drop checks; false when refused.
        std::function<bool(int grid, int type, int output, int source)> retake;
        std::function<bool(int mode)> applyPreset;
        std::function<bool()> refuseWhileOffline;
        std::function<void(const QString &)> message; // nothing to undo
        std::function<void(const QString &)> note;    // what the undo restored
        std::function<QString(int input)> inputName;
        std::function<QString(int audio)> audioName;
    };

    TakeHistory(Hooks hooks, QObject *parent);

    // Switches between the two make one take, whatever grids they were made on.
    void beginTake();
    void endTake();
    int size() const { return m_undo.size(); }

public slots:
    void recordSwitch(int grid, int type, int output, int previous, int source);
    void recordPreset(int previousMode, int mode);
    // Undoes the newest take; false when there was none or it was refused.
    bool undo();

private:
    QString sourceText(int type, int source) const;
    bool undoRoute(const TakeUndo::Take &take);

    Hooks m_hooks;
    TakeUndo m_undo;
    QVector<TakeUndo::Switch> m_pending;
    bool m_batching = false;
    bool m_undoing = false;
};
