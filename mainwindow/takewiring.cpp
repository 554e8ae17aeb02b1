#include "takewiring.h"
#include "listroles.h"
#include "ui_widget.h"

#include "changeapplier.h"
#include "devicestate.h"
#include "gridwiring.h"
#include "linkstatusview.h"
#include "listwidget.h"
#include "operatorcore.h"
#include "pageconfigurator.h"
#include "portmenus.h"
#include "routefanout.h"
#include "routepacer.h"
#include "routeservice.h"
#include "singlesplitterwidget.h"
#include "tablewidget.h"
#include "takebar.h"
#include "takehistory.h"
#include "takestage.h"
#include "windowcontext.h"

#include <QMenu>
#include <QShortcut>
#include <QStringList>

namespace {

const QKeySequence AllKey(Qt::CTRL + Qt::SHIFT + Qt::Key_A);
const QKeySequence SelectedKey(Qt::CTRL + Qt::SHIFT + Qt::Key_S);

const RouteKind GridKinds[] = {RouteKind::Video,
                               RouteKind::Audio,
                               RouteKind::HdmiAudio,
                               RouteKind::Infrared,
                               RouteKind::Audio0808S};

bool takesInputs(RouteKind kind)
{
    return kind == RouteKind::Video || kind == RouteKind::Infrared ||
           kind == RouteKind::SplitterArea;
}

QList<int> selectedPorts(const TableWidget *grid)
{
    QList<int> ports;
    const QList<QTableWidgetItem *> items = grid->selectedItems();
    for (const QTableWidgetItem *item : items) {
        const int port = item->data(ListRoles::Port).toInt();
        if (port > 0 && !ports.contains(port))
            ports << port;
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

} // namespace

RouteKind TakeWiring::routeKindOf(const TableWidget *grid)
{
    for (RouteKind kind : GridKinds) {
        if (RouteKinds::gridKind(kind) == grid->gridKind())
            return kind;
    }
    return RouteKind::Video;
}

TakeWiring::TakeWiring(WindowContext &context, const Parts &parts, QWidget *window)
    : QObject(window)
    , m_context(context)
    , m_parts(parts)
    , m_stage(new TakeStage(context.core->routes(), this))
    , m_bar(new TakeBar(window))
    , m_fanPacer(new RoutePacer(context.core->routes(), this))
{
    Ui::Widget *ui = m_context.ui;
    ui->tabWidget->setCornerWidget(m_bar, Qt::TopRightCorner);
    m_bar->installShortcuts(window);
    connect(ui->tabWidget, &QTabWidget::currentChanged, m_bar, [this](int tab) {
        m_bar->setVisible(tab <= PageConfigurator::InfaredTab);
    });
    connect(m_bar, &TakeBar::modeToggled, this, &TakeWiring::setTakeMode);
    connect(m_bar, &TakeBar::takeRequested, this, &TakeWiring::take);
    connect(m_bar, &TakeBar::cancelRequested, m_stage, &TakeStage::cancel);
    // A new login may not have the rights the stage was checked against.
    connect(ui->btnReLogin, &QPushButton::clicked, m_stage, &TakeStage::cancel);
    connect(m_fanPacer, &RoutePacer::finished, this, [this] { m_parts.history->endTake(); });
    installFanoutKeys(window);
    if (auto *menus = window->findChild<PortMenus *>()) {
        menus->setListExtras([this](QMenu *menu, int source) { addListActions(menu, source); });
    }
    connectStage();
    connectRevalidation();
    m_bar->showCount(0);
}

void TakeWiring::installFanoutKeys(QWidget *window)
{
    auto add = [this, window](const QKeySequence &key, bool all) {
        auto *shortcut = new QShortcut(key, window);
        connect(shortcut, &QShortcut::activated, this, [this, all] {
            const QListWidgetItem *item = m_context.ui->listWidget->currentItem();
            fanout(item && !item->isHidden() ? ListWidget::sourceOf(item) : 0, all);
        });
    };
    add(AllKey, true);
    add(SelectedKey, false);
}

void TakeWiring::addListActions(QMenu *menu, int source)
{
    menu->addSeparator();
    QAction *all = menu->addAction(tr("Route to all outputs"));
    all->setShortcut(AllKey);
    all->setObjectName(QStringLiteral("routeToAll"));
    connect(all, &QAction::triggered, this, [this, source] { routeToAll(source); });
    QAction *selected = menu->addAction(tr("Route to selected outputs"));
    selected->setShortcut(SelectedKey);
    selected->setObjectName(QStringLiteral("routeToSelected"));
    connect(selected, &QAction::triggered, this, [this, source] { routeToSelected(source); });
}

void TakeWiring::connectStage()
{
    connect(m_stage, &TakeStage::changed, this, &TakeWiring::showStage);
    connect(m_stage, &TakeStage::dropped, this, [this](const TakeStage::Refused &entries) {
        QStringList reasons;
        for (const auto &entry : entries)
            reasons << entry.second;
        m_parts.status->showMessage(tr("Left the stage: %1").arg(reasons.join(QLatin1Char(' '))));
    });
    connect(m_stage, &TakeStage::takeStarted, this, [this] { m_parts.history->beginTake(); });
    connect(m_stage,
            &TakeStage::takeFinished,
            this,
            [this](const QVector<Route> &sent, const TakeStage::Refused &refused) {
                m_parts.history->endTake();
                if (refused.isEmpty())
                    m_parts.status->showNote(tr("Taken: %1 change(s).").arg(sent.size()));
                else
                    m_parts.status->showMessage(RouteFanout::skippedText(refused));
            });
    // A rebuilt grid has new cells: the staged look goes on again.
    const QList<TableWidget *> grids = m_parts.grids->grids();
    for (TableWidget *grid : grids)
        connect(grid, &TableWidget::layoutChangedSig, this, &TakeWiring::showStage);
}

void TakeWiring::connectRevalidation()
{
    OperatorCore *core = m_context.core;
    ChangeApplier *changes = core->changes();
    connect(changes, &ChangeApplier::splitterLayoutChanged, this, &TakeWiring::revalidate);
    connect(changes, &ChangeApplier::wallModeChanged, this, &TakeWiring::revalidate);
    connect(changes, &ChangeApplier::gridChanged, this, &TakeWiring::revalidate);
    connect(core, &OperatorCore::bindApplied, this, &TakeWiring::revalidate);
    connect(core, &OperatorCore::routingApplied, this, &TakeWiring::revalidate);
    connect(core, &OperatorCore::versionApplied, this, [this] {
        m_stage->setDevice(deviceIdentity());
        revalidate();
    });
}

QString TakeWiring::deviceIdentity() const
{
    const DeviceState *state = m_context.core->state();
    return QStringLiteral("%1:%2/%3")
        .arg(state->deviceAddress())
        .arg(state->devicePort())
        .arg(state->deviceType());
}

void TakeWiring::revalidate()
{
    if (!m_stage->isEmpty())
        m_stage->revalidate(m_context.actingUser());
}

void TakeWiring::setTakeMode(bool on)
{
    m_stage->setTakeMode(on);
    m_bar->showMode(on);
    const QList<TableWidget *> grids = m_parts.grids->grids();
    for (TableWidget *grid : grids) {
        if (!on) {
            grid->setStageHook(nullptr);
            continue;
        }
        const RouteKind kind = routeKindOf(grid);
        grid->setStageHook([this, kind](int output, int source) {
            return stageRoute({kind, output, source});
        });
    }
    SingleSplitterWidget *splitter = m_context.ui->wid_ss;
    if (on)
        splitter->setStageHook([this](int input, int area) {
            return stageRoute({RouteKind::SplitterArea, area, input});
        });
    else
        splitter->setStageHook(nullptr);
    m_parts.status->showNote(on ? tr("Take mode: changes are staged until Take.")
                                : tr("Direct mode: every change goes out at once."));
}

QString TakeWiring::stageRoute(const Route &route)
{
    if (m_stage->isTaking())
        return tr("The previous take is still being sent.");
    return m_stage->stage(m_context.actingUser(), route);
}

TableWidget *TakeWiring::gridOf(RouteKind kind) const
{
    const QList<TableWidget *> grids = m_parts.grids->grids();
    for (TableWidget *grid : grids) {
        if (kind != RouteKind::SplitterArea && routeKindOf(grid) == kind)
            return grid;
    }
    return nullptr;
}

void TakeWiring::showStage()
{
    const QList<TableWidget *> grids = m_parts.grids->grids();
    for (TableWidget *grid : grids)
        grid->clearAllPending();
    QMap<int, int> areas;
    const QVector<Route> routes = m_stage->routes();
    for (const Route &route : routes) {
        if (route.kind == RouteKind::SplitterArea)
            areas.insert(route.output, route.source);
        else if (TableWidget *grid = gridOf(route.kind))
            grid->showPending(route.output, route.source);
    }
    m_context.ui->wid_ss->setPending(areas);
    m_bar->showCount(routes.size());
}

void TakeWiring::take()
{
    const QString refusal = m_stage->take(m_context.actingUser());
    if (!refusal.isEmpty())
        m_parts.status->showMessage(refusal);
}

void TakeWiring::routeToAll(int source)
{
    fanout(source, true);
}

void TakeWiring::routeToSelected(int source)
{
    fanout(source, false);
}

bool TakeWiring::fanoutTarget(int source,
                              RouteKind *kind,
                              int *routeSource,
                              QList<int> *outputs) const
{
    TableWidget *grid = m_parts.shownGrid ? m_parts.shownGrid() : nullptr;
    SingleSplitterWidget *splitter = m_context.ui->wid_ss;
    if (grid) {
        *kind = routeKindOf(grid);
        *outputs = selectedPorts(grid);
    } else if (splitter->isVisible()) {
        *kind = RouteKind::SplitterArea;
        outputs->clear();
        if (splitter->selectedArea() > 0)
            *outputs << splitter->selectedArea();
    } else {
        return false;
    }
    if (takesInputs(*kind) && source < 100)
        return false;
    *routeSource = takesInputs(*kind) ? source - 100 : source;
    return true;
}

void TakeWiring::fanout(int source, bool all)
{
    RouteKind kind = RouteKind::Video;
    int routeSource = 0;
    QList<int> outputs;
    if (source <= 0 || !fanoutTarget(source, &kind, &routeSource, &outputs)) {
        m_parts.status->showMessage(tr("Pick a source in the signal list first."));
        return;
    }
    if (m_stage->isTaking() || m_fanPacer->isRunning()) {
        m_parts.status->showMessage(tr("The previous take is still being sent."));
        return;
    }
    const DeviceState *state = m_context.core->state();
    if (all)
        outputs = RouteKinds::outputs(kind, state->deviceType(), state->splitterLayout());
    const ActingUser user = m_context.actingUser();
    const RouteFanout::Plan plan =
        RouteFanout::plan(*m_context.core->routes(), user, kind, routeSource, outputs);
    if (!plan.refusal.isEmpty()) {
        m_parts.status->showMessage(plan.refusal);
        return;
    }
    if (m_stage->isTakeMode()) {
        for (const Route &route : plan.routes)
            m_stage->stage(user, route);
    } else if (!plan.routes.isEmpty()) {
        m_parts.history->beginTake();
        m_fanPacer->start(user, plan.routes);
    }
    if (!plan.skipped.isEmpty())
        m_parts.status->showMessage(RouteFanout::skippedText(plan.skipped));
}
