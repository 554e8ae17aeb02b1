#include "videosplitmanager.h"

#include "plannamestore.h"
#include "splicegrid.h"

VideoSplitManager::VideoSplitManager(QObject *parent)
    : BindGroups(parent)
{
    PlanNameStore::createTable();
}

void VideoSplitManager::attachGrid(SpliceGrid *grid)
{
    if (m_grid || !grid)
        return;
    m_grid = grid;
    m_grid->setBindGroups(&m_groups);
}

void VideoSplitManager::refreshGrid()
{
    if (m_grid)
        m_grid->redrawBindGroups();
}

void VideoSplitManager::setSpliceLayout(bool clearGroups, int mode)
{
    if (!m_grid)
        return;
    if (clearGroups)
        m_groups.clear();
    m_grid->setSpliceLayoutMode(mode);
}

void VideoSplitManager::toggleGroup(const QList<int> &outputs, bool notify)
{
    if (!m_grid)
        return;
    BindGroups::toggleGroup(outputs.isEmpty() ? m_grid->selectedOutputs() : outputs, notify);
}

bool VideoSplitManager::selectionIsGroupOrSingle() const
{
    return m_grid && isGroupOrSingle(m_grid->selectedOutputs());
}
