#pragma once

#include "splicegrid.h"
#include "tablewidget.h"

#include <QStringList>

class QFrame;

// The video routing grid: a TableWidget that also draws the bound output groups of the
// wall, frames the selected cells and can lock output 9 while the splitter view has it.
// The bind manager reaches it through SpliceGrid. GUI thread.
class VideoTableWidget : public TableWidget, public SpliceGrid
{
    Q_OBJECT

public:
    explicit VideoTableWidget(QWidget *parent = nullptr);

    void setBindColours(const QStringList &colours) { m_bindColours = colours; }
    void setDeviceCode(int code) { m_deviceCode = code; }
    int deviceCode() const { return m_deviceCode; }
    // Rebuilds the cells for the device code and splice mode.
    void rebuildForSpliceMode(int spliceMode);

    QList<int> selectedOutputs() const override;
    void setBindGroups(const QMap<int, QList<int>> *groups) override { m_groups = groups; }
    void redrawBindGroups() override { restyleCells(); }
    void setSpliceLayoutMode(int mode) override;

    void setOutput9Locked(bool locked);
    bool isOutput9Locked() const { return m_output9Locked; }
    // Bound cells take their group's colour on top; locked cells keep their look.
    void restyleCells();
    QFrame *selectionFrame() const { return m_selectionFrame; }
    void updateSelectionFrame();

signals:
    void spliceLayoutModeChanged(int mode);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyOutput9Lock();

    QStringList m_bindColours;
    const QMap<int, QList<int>> *m_groups = nullptr;
    QFrame *m_selectionFrame = nullptr;
    int m_deviceCode = 1;
    bool m_output9Locked = false;
};
