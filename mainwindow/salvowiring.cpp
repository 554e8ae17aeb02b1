#include "salvowiring.h"

#include "dialogrunner.h"
#include "gridwiring.h"
#include "listroles.h"
#include "operatorcore.h"
#include "salvocontroller.h"
#include "salvopanel.h"
#include "tablewidget.h"
#include "windowcontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace {

// The cells selected in the grid on show, as routes of its kind.
QVector<Route> selectedCells(const GridWiring *grids)
{
    QVector<Route> cells;
    const TableWidget *grid = grids->shownGrid();
    if (!grid)
        return cells;
    for (const RouteKind kind : {RouteKind::Video,
                                 RouteKind::Audio,
                                 RouteKind::HdmiAudio,
                                 RouteKind::Infrared,
                                 RouteKind::Audio0808S}) {
        if (RouteKinds::gridKind(kind) != grid->gridKind())
            continue;
        const QList<QTableWidgetItem *> items = grid->selectedItems();
        for (const QTableWidgetItem *item : items) {
            const int output = item->data(ListRoles::Port).toInt();
            if (output > 0)
                cells.append({kind, output, 0});
        }
    }
    return cells;
}

} // namespace

SalvoWiring::SalvoWiring(QWidget *window, WindowContext &context, GridWiring *grids)
    : QObject(window)
    , m_window(window)
    , m_context(context)
    , m_grids(grids)
    , m_salvos(new SalvoController(context.core, this))
{
    m_button = new QPushButton(window);
    m_button->setObjectName(QStringLiteral("btn_salvos"));
    m_button->setMinimumHeight(34);
    m_button->setCursor(Qt::PointingHandCursor);
    // Set a little apart from the plan buttons: it opens a list, it recalls nothing.
    if (auto *row = window->findChild<QHBoxLayout *>(QStringLiteral("planRow"))) {
        row->addSpacing(12);
        row->addWidget(m_button);
    }
    connect(m_button, &QPushButton::clicked, this, &SalvoWiring::open);
    auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+L")), window);
    connect(shortcut, &QShortcut::activated, this, &SalvoWiring::open);
    m_button->installEventFilter(this);
    retranslate();
}

void SalvoWiring::open()
{
    if (!m_panel) {
        m_panel = new SalvoPanel(m_salvos, m_window);
        m_panel->setActingUser([this] { return m_context.actingUser(); });
        m_panel->setSelection([this] { return selectedCells(m_grids); });
        m_panel->setDialogRunner([this](QDialog &dialog) { return m_context.run(dialog); });
    }
    // project.db may have become writable (or stopped being) since the last look.
    if (!m_salvos->isRecalling())
        m_salvos->reload();
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
}

bool SalvoWiring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_button && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void SalvoWiring::retranslate()
{
    m_button->setText(tr("Salvos\u2026"));
    m_button->setToolTip(tr("Named sets of routes kept by this client (Ctrl+Shift+L)"));
}
