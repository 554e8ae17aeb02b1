#include "keyrouting.h"
#include "listroles.h"

#include "listwidget.h"
#include "tablewidget.h"

#include <QKeyEvent>

namespace {

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
} // namespace

KeyRouting::KeyRouting(ListWidget *list, Hooks hooks, QWidget *window)
    : QObject(window)
    , m_list(list)
    , m_hooks(std::move(hooks))
{
    // Key presses nobody took travel up to the window; the list and grids see theirs first.
    window->installEventFilter(this);
    list->installEventFilter(this);
}

void KeyRouting::attachGrid(TableWidget *grid)
{
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->installEventFilter(this);
}

bool KeyRouting::pickSource(int number)
{
    QListWidgetItem *item = m_list->nextVisibleWithNumber(number);
    if (!item)
        return false;
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item);
    return true;
}

QList<int> KeyRouting::pickedOutputs(TableWidget *grid) const
{
    QList<int> outputs;
    const QList<QTableWidgetItem *> selected = grid->selectedItems();
    for (const QTableWidgetItem *item : selected)
        outputs << item->data(ListRoles::Port).toInt();
    if (outputs.isEmpty() && grid->currentItem())
        outputs << grid->currentItem()->data(ListRoles::Port).toInt();
    std::sort(outputs.begin(), outputs.end());
    outputs.erase(std::unique(outputs.begin(), outputs.end()), outputs.end());
    outputs.removeAll(0);
    return outputs;
}

int KeyRouting::take(TableWidget *grid)
{
    const QListWidgetItem *item = m_list->currentItem();
    const int source = item && !item->isHidden() ? ListWidget::sourceOf(item) : 0;
    // Video and infrared grids route inputs only.
    const bool inputsOnly = grid->gridKind() == int(GridLayout::Kind::Video) ||
                            grid->gridKind() == int(GridLayout::Kind::Infrared);
    if (source <= 0 || (inputsOnly && source < 100)) {
        m_hooks.message(tr("Pick a source in the signal list first."));
        return 0;
    }
    const QList<int> outputs = pickedOutputs(grid);
    if (outputs.isEmpty()) {
        m_hooks.message(tr("Pick an output cell first."));
        return 0;
    }
    int taken = 0;
    m_hooks.beginTake();
    for (int output : outputs) {
        if (grid->takeSource(output, source).isEmpty())
            ++taken;
    }
    m_hooks.endTake();
    return taken;
}

bool KeyRouting::listKey(QKeyEvent *key)
{
    const int digit = key->key() - Qt::Key_0;
    if (digit >= 1 && digit <= 9 && !(key->modifiers() & Qt::ControlModifier)) {
        if (!pickSource(digit))
            m_hooks.message(tr("No source %1 in the list.").arg(digit));
        return true;
    }
    if (!isEnter(key))
        return false;
    TableWidget *grid = m_hooks.shownGrid ? m_hooks.shownGrid() : nullptr;
    if (!grid)
        return true;
    grid->setFocus(Qt::TabFocusReason);
    // The cell Enter would take to is marked from the start.
    if (grid->selectedItems().isEmpty() && grid->rowCount() > 0) {
        const QTableWidgetItem *current = grid->currentItem();
        grid->setCurrentCell(current ? current->row() : 0,
                             current ? current->column() : 0,
                             QItemSelectionModel::ClearAndSelect);
    }
    return true;
}

bool KeyRouting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->matches(QKeySequence::Undo)) {
        m_hooks.undo();
        return true;
    }
    if (watched == m_list)
        return listKey(key);
    auto *grid = qobject_cast<TableWidget *>(watched);
    if (!grid)
        return false;
    if (isEnter(key)) {
        take(grid);
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        m_list->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}
