#pragma once

#include <QList>
#include <QObject>

#include <functional>

class ListWidget;
class QKeyEvent;
class QWidget;
class TableWidget;

// Routing from the keyboard: in the signal list the arrows or a port's number pick the
// source and Enter moves to the grid on show; in a grid the arrows (with Ctrl/Shift)
// pick the outputs and Enter takes, through the same checks and commands as a drop.
// Ctrl+Z anywhere in the window undoes the newest take. GUI thread.
class KeyRouting : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<TableWidget *()> shownGrid;
        std::function<void()> beginTake;
        std::function<void()> endTake;
        std::function<void()> undo;
        std::function<void(const QString &)> message;
    };

    KeyRouting(ListWidget *list, Hooks hooks, QWidget *window);

    void attachGrid(TableWidget *grid);
    // Picks the next shown source with that number; false when there is none.
    bool pickSource(int number);
    // Takes the picked source to the grid's selected outputs (or its current cell);
    // returns how many outputs took it.
    int take(TableWidget *grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool listKey(QKeyEvent *key);
    QList<int> pickedOutputs(TableWidget *grid) const;

    ListWidget *m_list;
    Hooks m_hooks;
};
