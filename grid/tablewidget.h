#pragma once

#include "gridlayout.h"

#include <QMap>
#include <QTableWidget>
#include <QVector>

#include <functional>

class QFrame;
class TableItemWidget;

// A routing grid: one item per output (role 256 output port, 257 routed source) with
// a TableItemWidget per real output. Drops are checked against the rights and reported
// as (source, output). GUI thread.
class TableWidget : public QTableWidget
{
    Q_OBJECT

public:
    // Answers whether the drop may happen; unset lets every drop through.
    using DropCheck = std::function<bool(const GridLayout::DropRights &, int output)>;
    using NameLookup = std::function<QString(int port)>;
    // Take mode: stages `source` (as reported by dropPortToItemSig; 0 a clear) for
    // `output` instead of sending it. Returns the refusal, empty when staged.
    using StageHook = std::function<QString(int output, int source)>;

    explicit TableWidget(QWidget *parent = nullptr);

    void setGridKind(int kind) { m_kind = kind; }
    int gridKind() const { return m_kind; }
    void setPortBase(int base) { m_portBase = base; }
    void setReduceHdmiSource(bool reduce) { m_reduceHdmiSource = reduce; }
    void setDropCheck(DropCheck check) { m_dropCheck = std::move(check); }
    // Set while take mode is on; unset, drops and clears go out at once.
    void setStageHook(StageHook hook) { m_stageHook = std::move(hook); }
    bool isStaging() const { return bool(m_stageHook); }
    // Names of audio sources and of inputs, for the source labels.
    void setSourceNames(NameLookup audioName, NameLookup inputName);

    void setGridShape(int columns, int rows, int deviceCode);
    void setNames(const QMap<int, QString> &names);
    const QMap<int, QString> &names() const { return m_names; }
    QString portName(int port) const { return m_names.value(port); }
    void setPortName(int port, const QString &name);
    TableItemWidget *cellForPort(int port) const;
    QTableWidgetItem *itemForPort(int port) const;
    // Shows a source in a cell; 0 (and the port base) clears the label.
    void showSource(int port, int source);
    // Video and infrared grids: the routed input itself; 0 clears the label.
    void showInput(int port, int input);
    virtual void fitCells();
    // Shows the staged source of `port` (in dropPortToItemSig's numbering, 0 a clear)
    // beside the live one; clearPending hides it.
    void showPending(int port, int source);
    void clearPending(int port);
    void clearAllPending();
    // Routes nothing to the port (the double click and "Clear"): a locked cell stays
    // as it is, a refused check warns, offline it is refused. False when nothing was cleared.
    bool clearRoute(int port);
    // While set (the device is not connected), drops and icon clicks are refused with it.
    void setOfflineReason(const QString &reason);
    QString offlineReason() const { return m_offlineReason; }
    // Why a drop of `source` on the cell at `pos` would be refused; empty when it would not.
    QString refusalAt(const QPoint &pos, int source) const;
    // Why `source` may not go to `output` (offline, no cell, locked, no right); empty
    // when it may. `noRight` tells the rights refusal apart.
    QString refusalFor(int output, int source, bool *noRight) const;
    // Puts `source` (as the signal list sends it: n audio, 100 + n input) on `output`
    // through the drop's checks: refused with refused and the reason returned, or
    // shown and reported with dropPortToItemSig as a drop is.
    QString takeSource(int output, int source, bool *noRight = nullptr);

signals:
    void dropPortToItemSig(int iInput, int iOutput);
    void layoutChangedSig();
    void si_requsetCheckPermissionLabelClicked();
    void si_showPermissionWarningDialog();
    void si_orderToLock(int port, bool isToLock);
    void si_orderToPause(int port, bool isToPause);
    void si_orderToMute(int port, bool isToMute);
    // A drop or click that did nothing, with the reason for the message line.
    void refused(const QString &reason);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

protected:
    // Writes every cell's output label from the names.
    virtual void writeNames();

private:
    QString sourceLabel(int source) const;
    QString pendingLabel(int source) const;
    QString stage(int output, int source);
    void connectCell(TableItemWidget *cell, int port);
    void markDropTarget(const QPoint &pos, int source);
    void markSelection();
    void buildCells(int columns, int rows, int deviceCode);

    int m_kind = 0;
    int m_portBase = 0;
    bool m_reduceHdmiSource = true;
    QMap<int, QString> m_names;
    QVector<int> m_shape; // columns, rows, device code, port base of the cells built
    DropCheck m_dropCheck;
    StageHook m_stageHook;
    NameLookup m_audioName;
    NameLookup m_inputName;
    QString m_offlineReason;
    QFrame *m_dropMarker = nullptr;
    QList<QFrame *> m_selectionMarks;
};
