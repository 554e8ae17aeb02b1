#include "activitycolors.h"

#include "activitylog.h"

#include <QBrush>
#include <QColor>

ActivityColors::ActivityColors(ActivityLog *log, QObject *parent)
    : QIdentityProxyModel(parent)
{
    setSourceModel(log);
}

QVariant ActivityColors::data(const QModelIndex &index, int role) const
{
    if (role != Qt::ForegroundRole)
        return QIdentityProxyModel::data(index, role);
    const bool sent = QIdentityProxyModel::data(index, ActivityLog::DirectionRole).toInt() ==
                      int(ActivityLog::Direction::Sent);
    return QBrush(sent ? QColor(0x33, 0x8c, 0x56) : QColor(0x2c, 0x3e, 0x50));
}
