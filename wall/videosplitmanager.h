#pragma once

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>

class SpliceGrid;

// Owner of the bound output groups of the wall: group master (first output) to the
// outputs of the group, master included. An output is in at most one group, a group
// has at least two outputs.
class VideoSplitManager : public QObject
{
    Q_OBJECT

public:
    using Groups = QMap<int, QList<int>>;

    explicit VideoSplitManager(QObject *parent = nullptr);

    void attachGrid(SpliceGrid *grid);
    const Groups &groups() const { return m_groups; }
    QList<int> groupOf(int output) const;
    void clearGroups();
    void setGroups(const Groups &groups);
    void refreshGrid();
    void setSpliceLayout(bool clearGroups, int mode);
    void removeGroup(int master);
    // Forms a group of `outputs` (the grid's selection when empty), or dissolves the
    // group they are; notify raises the bind and unbind requests.
    void toggleGroup(const QList<int> &outputs, bool notify);
    void toggleSelection(bool notify) { toggleGroup(QList<int>(), notify); }
    bool selectionIsGroupOrSingle() const;

    // The six splice presets of a wall of two rows of four outputs.
    static QList<int> presetOutputs(int preset);
    // A bind record: every "bind" member "a/b/c" with two or more parts is a group
    // under its first output; a "mode" member gives the splice layout (else -1).
    static Groups groupsFromBindRecord(const QJsonObject &record, int *mode);
    // "a/b/c" as outputs; parts that are not numbers read as 0.
    static QList<int> outputsFromText(const QString &text);

signals:
    void si_sendNewBindMsg(int master, QList<int> outputs);
    void si_sendUnBindMsg(int delSynOutPort);

private:
    SpliceGrid *m_grid = nullptr;
    Groups m_groups;
};
