#pragma once

#include "framelessdialog.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The preview of a show import: one checkable entry per part of the file with the changes
// it would make, what does not fit the device and the notes; the operator picks the parts
// and applies them. Shows only; the caller decides. GUI thread.
class ShowImportDialog : public FramelessDialog
{
    Q_OBJECT

public:
    struct Part
    {
        int id = 0;
        QString title;
        QStringList changes;
        bool available = true; // false: waits for the device
        bool local = true;
    };

    ShowImportDialog(const QString &fileName,
                     const QVector<Part> &parts,
                     const QStringList &notes,
                     const QStringList &leftOut,
                     QWidget *parent = nullptr);

    // Ids of the checked parts.
    QList<int> chosen() const;
    void setChosen(int id, bool on);
    QTreeWidget *tree() const { return m_tree; }

private:
    QTreeWidgetItem *itemOf(int id) const;

    QTreeWidget *m_tree = nullptr;
};
