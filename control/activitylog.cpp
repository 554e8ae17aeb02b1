#include "activitylog.h"

ActivityLog::ActivityLog(QObject *parent)
    : QAbstractListModel(parent)
{
}

int ActivityLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant ActivityLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const Entry &e = m_entries.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return line(e);
    if (role == DirectionRole)
        return int(e.direction);
    return QVariant();
}

QString ActivityLog::line(const Entry &e) const
{
    return QStringLiteral("%1  %2  %3")
        .arg(e.time.toString(QStringLiteral("HH:mm:ss.zzz")),
             e.direction == Direction::Sent ? tr("sent") : tr("received"),
             e.text);
}

QString ActivityLog::copyText(const QList<int> &rows) const
{
    QStringList lines;
    if (rows.isEmpty()) {
        for (const Entry &e : m_entries)
            lines << line(e);
    } else {
        for (int row : rows) {
            if (row >= 0 && row < m_entries.size())
                lines << line(m_entries.at(row));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void ActivityLog::addSent(const QString &command)
{
    add(Direction::Sent, command);
}

void ActivityLog::addReceived(const QString &record)
{
    add(Direction::Received, record);
}

void ActivityLog::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void ActivityLog::add(Direction direction, const QString &text)
{
    // A device can send long records; the view keeps their start.
    QString shown = text.left(MaxTextLength);
    if (text.size() > MaxTextLength)
        shown += QStringLiteral("…");
    if (m_entries.size() >= MaxEntries) {
        beginRemoveRows(QModelIndex(), MaxEntries - 1, m_entries.size() - 1);
        m_entries.resize(MaxEntries - 1);
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), 0, 0);
    m_entries.prepend(Entry{QDateTime::currentDateTime(), direction, shown});
    endInsertRows();
}
