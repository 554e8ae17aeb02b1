#pragma once

#include <QList>
#include <QObject>

struct WindowContext;
class GridWiring;
class QAbstractButton;
class QButtonGroup;

// The button groups beside the grids: splitter layouts, 0808-S wall modes, multiview
// layouts and the two rows of plan buttons. GUI thread.
class WallControls : public QObject
{
    Q_OBJECT

public:
    WallControls(WindowContext &context, GridWiring *grids, QWidget *window);

    QButtonGroup *splitterGroup() const { return m_splitterGroup; }
    QButtonGroup *wallGroup() const { return m_wallGroup; }
    QList<QAbstractButton *> planButtons() const;

    void selectSplitterLayout(int id);
    // Mode 0..5; with sending the rights are checked and the command sent.
    void applySpliceMode(int mode, bool send);

signals:
    void permissionWarning();
    // A wall-group preset sent from this client, with the mode it replaced.
    void presetTaken(int previousMode, int mode);

private:
    WindowContext &m_context;
    GridWiring *m_grids;
    QButtonGroup *m_splitterGroup = nullptr;
    QButtonGroup *m_multiviewGroup = nullptr;
    QButtonGroup *m_planGroup = nullptr;
    QButtonGroup *m_planGroup2 = nullptr;
    QButtonGroup *m_wallGroup = nullptr;
};
