#include "bindgroups.h"

#include "jsonvalue.h"

#include <QSet>

BindGroups::BindGroups(QObject *parent)
    : QObject(parent)
{
}

QList<int> BindGroups::groupOf(int output) const
{
    for (const QList<int> &group : m_groups) {
        if (group.contains(output))
            return group;
    }
    return QList<int>();
}

void BindGroups::clearGroups()
{
    m_groups.clear();
}

void BindGroups::setGroups(const Groups &groups)
{
    m_groups = groups;
}

void BindGroups::setSpliceLayout(bool clearGroups, int mode)
{
    Q_UNUSED(mode)
    if (clearGroups)
        m_groups.clear();
}

void BindGroups::removeGroup(int master)
{
    if (m_groups.remove(master) > 0)
        refresh();
}

void BindGroups::toggleGroup(const QList<int> &work, bool notify)
{
    if (work.isEmpty())
        return;
    const int key = work.first();

    bool wasWholeGroup = false;
    const QList<int> masters = m_groups.keys();
    for (const int master : masters) {
        QList<int> members = m_groups.value(master);
        const int formerSize = members.size();
        bool lost = false;
        for (auto it = members.begin(); it != members.end();) {
            if (work.contains(*it)) {
                it = members.erase(it);
                lost = true;
                if (work.size() == 1 && notify)
                    emit si_sendUnBindMsg(master);
            } else {
                ++it;
            }
        }
        if (lost) {
            if (members.isEmpty() && formerSize == work.size())
                wasWholeGroup = true;
            // A group that loses a member is dissolved entirely.
            m_groups.remove(master);
        } else if (!members.contains(master)) {
            m_groups.remove(master);
        }
    }

    if (wasWholeGroup) {
        if (notify)
            emit si_sendUnBindMsg(key);
    } else if (work.size() >= 2) {
        m_groups.insert(key, work);
        if (notify)
            emit si_sendNewBindMsg(key, work);
    }
    refresh();
}

bool BindGroups::isGroupOrSingle(const QList<int> &selected) const
{
    if (selected.size() < 2)
        return true;
    const QSet<int> chosen(selected.cbegin(), selected.cend());
    for (const QList<int> &group : m_groups) {
        if (QSet<int>(group.cbegin(), group.cend()) == chosen)
            return true;
    }
    return false;
}

QList<int> BindGroups::presetOutputs(int preset)
{
    switch (preset) {
    case 0:
        return {1};
    case 1:
        return {1, 2};
    case 2:
        return {1, 5};
    case 3:
        return {1, 2, 5, 6};
    case 4:
        return {1, 2, 3, 5, 6, 7};
    case 5:
        return {1, 2, 3, 4, 5, 6, 7, 8};
    default:
        return {};
    }
}

QList<int> BindGroups::outputsFromText(const QString &text)
{
    QList<int> outputs;
    const QStringList parts = text.split(QLatin1Char('/'));
    for (const QString &part : parts)
        outputs << part.toInt();
    return outputs;
}

BindGroups::Groups BindGroups::groupsFromBindRecord(const QJsonObject &record, int *mode)
{
    Groups groups;
    int foundMode = -1;
    for (auto it = record.begin(); it != record.end(); ++it) {
        if (it.key().contains(QLatin1String("bind"))) {
            const QList<int> outputs = outputsFromText(valueText(it.value()));
            if (outputs.size() >= 2)
                groups.insert(outputs.first(), outputs);
        } else if (it.key().contains(QLatin1String("mode"))) {
            foundMode = valueText(it.value()).toInt();
        }
    }
    if (mode)
        *mode = foundMode;
    return groups;
}
