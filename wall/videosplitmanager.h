#pragma once

#include "bindgroups.h"

class SpliceGrid;

// The bound output groups of the wall as the splice grid shows them: toggles take the
// grid's selection when given no outputs, and every change redraws the grid.
class VideoSplitManager : public BindGroups
{
    Q_OBJECT

public:
    explicit VideoSplitManager(QObject *parent = nullptr);

    void attachGrid(SpliceGrid *grid);
    void refreshGrid();
    void setSpliceLayout(bool clearGroups, int mode) override;
    // Forms a group of `outputs` (the grid's selection when empty), or dissolves the
    // group they are; notify raises the bind and unbind requests.
    void toggleGroup(const QList<int> &outputs, bool notify) override;
    void toggleSelection(bool notify) { toggleGroup(QList<int>(), notify); }
    bool selectionIsGroupOrSingle() const;

    void refresh() override { refreshGrid(); }

private:
    SpliceGrid *m_grid = nullptr;
};
