#include "showimportdialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int IdRole = Qt::UserRole;

QLabel *wrappedLabel(const QString &text, const QString &color)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color:%1;font-size:12px;").arg(color));
    return label;
}

} // namespace

ShowImportDialog::ShowImportDialog(const QString &fileName,
                                   const QVector<Part> &parts,
                                   const QStringList &notes,
                                   const QStringList &leftOut,
                                   QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 25)
{
    setTitle(tr("Import show"));
    setFrameSize(QSize(620, 520));
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(18, FramelessDialog::TitleHeight + 10, 18, 16);
    layout->setSpacing(8);
    layout->addWidget(
        wrappedLabel(tr("What importing %1 would change. Pick the parts to apply.").arg(fileName),
                     QStringLiteral("#2c3e50")));

    m_tree = new QTreeWidget;
    m_tree->setHeaderHidden(true);
    m_tree->setStyleSheet(QStringLiteral("QTreeWidget{border:1px solid #cfd8d4;border-radius:4px;"
                                         "color:#2c3e50;font-size:13px;}"));
    for (const Part &part : parts) {
        auto *item = new QTreeWidgetItem(m_tree);
        item->setData(0, IdRole, part.id);
        QString title = tr("%1 (%2)").arg(part.title).arg(part.changes.size());
        if (!part.available)
            title = tr("%1: waits until the device is connected").arg(part.title);
        else if (part.changes.isEmpty())
            title = tr("%1: nothing changes").arg(part.title);
        item->setText(0, title);
        // A part that is offline still may be picked: it is sent once the device is back.
        const bool useful = !part.changes.isEmpty() || !part.available;
        item->setFlags(useful ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        item->setCheckState(0, useful ? Qt::Checked : Qt::Unchecked);
        for (const QString &change : part.changes)
            new QTreeWidgetItem(item, QStringList(change));
    }
    layout->addWidget(m_tree, 1);
    for (const QString &note : notes)
        layout->addWidget(wrappedLabel(note, QStringLiteral("#338c56")));
    if (!leftOut.isEmpty()) {
        layout->addWidget(wrappedLabel(tr("Left out, because this device does not have them:\n%1")
                                           .arg(leftOut.join(QLatin1Char('\n'))),
                                       QStringLiteral("#c0392b")));
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *apply = new QPushButton(tr("Apply"));
    apply->setObjectName(QStringLiteral("btnApply"));
    apply->setStyleSheet(DialogStyle::primaryButton());
    auto *cancel = new QPushButton(tr("Cancel"));
    cancel->setStyleSheet(DialogStyle::secondaryButton());
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    layout->addLayout(buttons);
    frame()->setLayout(layout);
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<int> ShowImportDialog::chosen() const
{
    QList<int> ids;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_tree->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            ids << item->data(0, IdRole).toInt();
    }
    return ids;
}

void ShowImportDialog::setChosen(int id, bool on)
{
    if (QTreeWidgetItem *item = itemOf(id))
        item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

QTreeWidgetItem *ShowImportDialog::itemOf(int id) const
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        if (m_tree->topLevelItem(i)->data(0, IdRole).toInt() == id)
            return m_tree->topLevelItem(i);
    }
    return nullptr;
}
