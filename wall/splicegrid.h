#pragma once

#include <QList>
#include <QMap>

// What the bind manager needs of the routing grid: the outputs selected (in selection
// order), the groups to draw, and the splice layout. The video grid implements it.
class SpliceGrid
{
public:
    virtual ~SpliceGrid() = default;
    virtual QList<int> selectedOutputs() const = 0;
    // The grid keeps the pointer and reads the groups from it whenever it draws.
    virtual void setBindGroups(const QMap<int, QList<int>> *groups) = 0;
    virtual void redrawBindGroups() = 0;
    virtual void setSpliceLayoutMode(int mode) = 0;
};
