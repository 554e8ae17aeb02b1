#pragma once

#include <QIdentityProxyModel>

class ActivityLog;

// The activity log as the view shows it: sent commands green, received records dark.
class ActivityColors : public QIdentityProxyModel
{
    Q_OBJECT

public:
    ActivityColors(ActivityLog *log, QObject *parent);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
