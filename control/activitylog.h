#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <QString>
#include <QVector>

// The commands sent to the device and the records received, newest first, at most
// MaxEntries of them, for the activity view, which picks the colours. GUI thread.
class ActivityLog : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY(ActivityLog)

public:
    enum class Direction { Sent, Received };
    static constexpr int MaxEntries = 500;
    static constexpr int MaxTextLength = 400;
    // The row's Direction as an int, for a view that colours the rows.
    static constexpr int DirectionRole = Qt::UserRole;

    explicit ActivityLog(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // One line per row as the view shows it, for the clipboard; all rows when empty.
    QString copyText(const QList<int> &rows = {}) const;

public slots:
    void addSent(const QString &command);
    void addReceived(const QString &record);
    void clear();

private:
    struct Entry
    {
        QDateTime time;
        Direction direction;
        QString text;
    };
    void add(Direction direction, const QString &text);
    QString line(const Entry &entry) const;

    QVector<Entry> m_entries; // newest first
};
