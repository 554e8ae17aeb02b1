#pragma once

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>

// The bound output groups of the wall: group master (first output) to the outputs of the
// group, master included. An output is in at most one group, a group has at least two
// outputs. No window; a view that draws the groups overrides refresh(). GUI thread.
class BindGroups : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BindGroups)

public:
    using Groups = QMap<int, QList<int>>;

    explicit BindGroups(QObject *parent = nullptr);

    const Groups &groups() const { return m_groups; }
    QList<int> groupOf(int output) const;
    void clearGroups();
    void setGroups(const Groups &groups);
    void removeGroup(int master);
    // Forms a group of `outputs`, or dissolves the group they are; notify raises the bind
    // and unbind requests.
    virtual void toggleGroup(const QList<int> &outputs, bool notify);
    // A new splice layout; the groups go when clearGroups.
    virtual void setSpliceLayout(bool clearGroups, int mode);
    // Whether `selected` is one output, nothing, or exactly one bound group.
    bool isGroupOrSingle(const QList<int> &selected) const;

    // The six splice presets of a wall of two rows of four outputs.
    static QList<int> presetOutputs(int preset);
    // A bind record: every "bind" member "a/b/c" with two or more parts is a group
    // under its first output; a "mode" member gives the splice layout (else -1).
    static Groups groupsFromBindRecord(const QJsonObject &record, int *mode);
    // "a/b/c" as outputs; parts that are not numbers read as 0.
    static QList<int> outputsFromText(const QString &text);

    // Called after the groups changed by a toggle, a removal or a bind record.
    virtual void refresh() {}

signals:
    void si_sendNewBindMsg(int master, QList<int> outputs);
    void si_sendUnBindMsg(int delSynOutPort);

protected:
    Groups m_groups;
};
