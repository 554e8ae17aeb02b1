#include "gridwiring.h"
#include "listroles.h"
#include "ui_widget.h"

#include "appsettings.h"
#include "devicestate.h"
#include "keyrouting.h"
#include "linkstatusview.h"
#include "listwidget.h"
#include "localrouting.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "routeservice.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "takehistory.h"
#include "takewiring.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "wallcontrols.h"
#include "windowcontext.h"
#include "windowrules.h"

GridWiring::GridWiring(WindowContext &context, QObject *parent)
    : QObject(parent)
    , m_context(context)
{
}

void GridWiring::wireGrid(TableWidget *grid)
{
    const GridLayout::RefreshKind refreshKind =
        GridLayout::refreshKindOf(GridLayout::Kind(grid->gridKind()));
    if (m_grids.contains(refreshKind))
        return;
    m_grids.insert(refreshKind, grid);
    auto inputName = [](int port) {
        return AppSettings::instance()->inputName(port);
    };
    auto audioName = [](int port) {
        return AppSettings::instance()->audioName(port);
    };
    grid->setSourceNames(audioName, inputName);
    grid->setDropCheck([this, grid](const GridLayout::DropRights &rights, int output) {
        // The warning that follows a refusal names the right that was missing.
        m_refused = WindowRules::dropRefusedBy(
            m_context.actingUser(), grid->gridKind(), output, rights, m_context.bind);
        return m_refused.number < 0;
    });
    connect(grid, &TableWidget::si_showPermissionWarningDialog, this, [this] {
        emit permissionWarning(m_refused);
    });
    connect(grid, &QTableWidget::itemDoubleClicked, this, [this, grid](QTableWidgetItem *item) {
        emit cellDoubleClicked(grid, item->data(ListRoles::Port).toInt());
    });
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint &pos) {
        if (QTableWidgetItem *item = grid->itemAt(pos))
            emit cellMenuRequested(
                grid, item->data(ListRoles::Port).toInt(), grid->viewport()->mapToGlobal(pos));
    });
    connect(grid, &TableWidget::layoutChangedSig, this, [this, refreshKind] {
        if (refreshKind == GridLayout::RefreshKind::Video)
            updateVideoCells();
        refreshGrid(refreshKind);
    });
}

void GridWiring::configureGrids(Ui::Widget *ui)
{
    ui->AudioTable->setReduceHdmiSource(false);
    ui->audioHDMITable->setReduceHdmiSource(false);
    ui->audioTable0808S->setReduceHdmiSource(false);
    ui->audioHDMITable->setPortBase(100);
    ui->videoTableWidget->setGridKind(int(GridLayout::Kind::Video));
    ui->AudioTable->setGridKind(int(GridLayout::Kind::Audio));
    ui->audioHDMITable->setGridKind(int(GridLayout::Kind::HdmiAudio));
    ui->InfaredTable->setGridKind(int(GridLayout::Kind::Infrared));
    ui->audioTable0808S->setGridKind(int(GridLayout::Kind::Audio0808S));
    for (TableWidget *grid : {ui->InfaredTable,
                              ui->AudioTable,
                              ui->audioHDMITable,
                              static_cast<TableWidget *>(ui->audioTable0808S)}) {
        grid->setSelectionMode(QAbstractItemView::NoSelection);
    }
}

void GridWiring::connectGrids()
{
    Ui::Widget *ui = m_context.ui;
    wireGrid(ui->videoTableWidget);
    wireGrid(ui->AudioTable);
    wireGrid(ui->audioHDMITable);
    wireGrid(ui->InfaredTable);
    wireGrid(ui->audioTable0808S);
    connectDrops();
    connectIcons();
    connect(ui->videoTableWidget,
            &TableWidget::si_requsetCheckPermissionLabelClicked,
            this,
            &GridWiring::applyIconRights);
}

void GridWiring::buildKeyRouting(WallControls *wall, LinkStatusView *status)
{
    TakeHistory::Hooks undo;
    undo.retake = [this, status](int grid, int type, int output, int source) {
        QString refusal;
        const bool done = retake(grid, type, output, source, &refusal);
        if (!done && !refusal.isEmpty())
            status->showMessage(refusal);
        return done;
    };
    undo.applyPreset = [wall](int mode) {
        wall->applySpliceMode(mode, true);
        return DeviceState::instance()->spliceMode() == mode;
    };
    undo.refuseWhileOffline = [status] {
        return status->refuseWhileOffline();
    };
    undo.message = [status](const QString &text) {
        status->showMessage(text);
    };
    undo.note = [status](const QString &text) {
        status->showNote(text);
    };
    undo.inputName = [](int n) {
        return AppSettings::instance()->inputName(n);
    };
    undo.audioName = [](int n) {
        return AppSettings::instance()->audioName(n);
    };
    auto *history = new TakeHistory(undo, this);
    connect(this, &GridWiring::switched, history, &TakeHistory::recordSwitch);
    connect(wall, &WallControls::presetTaken, history, &TakeHistory::recordPreset);

    KeyRouting::Hooks keys;
    keys.shownGrid = [this] {
        return shownGrid();
    };
    keys.beginTake = [history] {
        history->beginTake();
    };
    keys.endTake = [history] {
        history->endTake();
    };
    keys.undo = [history] {
        history->undo();
    };
    keys.message = undo.message;
    auto *window = qobject_cast<QWidget *>(parent());
    auto *routing = new KeyRouting(m_context.ui->listWidget, keys, window);
    for (TableWidget *grid : qAsConst(m_grids))
        routing->attachGrid(grid);

    TakeWiring::Parts take;
    take.grids = this;
    take.status = status;
    take.history = history;
    take.shownGrid = keys.shownGrid;
    m_take = new TakeWiring(m_context, take, window);
    // The splitter areas have no grid of their own; undo knows them by a kind of theirs.
    connect(m_context.core->routes(),
            &RouteService::routed,
            history,
            [history](const Route &route, int previous, const QString &actor) {
                if (route.kind == RouteKind::SplitterArea && actor.isEmpty())
                    history->recordSwitch(
                        SplitterUndoKind, 0, route.output, previous, route.source);
            });
}

void GridWiring::connectDrops()
{
    Ui::Widget *ui = m_context.ui;
    const QPair<TableWidget *, RouteKind> grids[] = {
        {ui->videoTableWidget, RouteKind::Video},
        {ui->AudioTable, RouteKind::Audio},
        {ui->audioHDMITable, RouteKind::HdmiAudio},
        {ui->audioTable0808S, RouteKind::Audio0808S},
        {ui->InfaredTable, RouteKind::Infrared},
    };
    RouteService *routes = m_context.core->routes();
    for (const auto &grid : grids) {
        const RouteKind kind = grid.second;
        connect(
            grid.first, &TableWidget::dropPortToItemSig, this, [this, routes, kind](int i, int o) {
                routes->route(m_context.actingUser(), Route{kind, o, i});
            });
    }
    connect(routes, &RouteService::routed, this, &GridWiring::showRoute);
}

void GridWiring::showRoute(const Route &route, int previous, const QString &actor)
{
    if (route.kind == RouteKind::SplitterArea)
        return;
    const auto refreshKind =
        GridLayout::refreshKindOf(GridLayout::Kind(RouteKinds::gridKind(route.kind)));
    if (route.kind == RouteKind::Video)
        showVideoRoute(LocalRouting::outputsReached(route.output, m_context.bind));
    else
        refreshGrid(refreshKind);
    // Ctrl+Z undoes this window's own takes only.
    if (actor.isEmpty())
        emit switched(int(refreshKind),
                      RouteKinds::switchType(route.kind),
                      route.output,
                      previous,
                      route.source);
}

bool GridWiring::retake(int kind, int type, int output, int source, QString *refusal)
{
    Q_UNUSED(type) // the kind names the grid, and the grid its switch type
    Route route{RouteKind::SplitterArea, output, source};
    if (kind != SplitterUndoKind) {
        TableWidget *grid = m_grids.value(GridLayout::RefreshKind(kind));
        if (!grid)
            return false;
        route.kind = TakeWiring::routeKindOf(grid);
    }
    // Straight to the device even in take mode: an undo is never staged.
    const RouteService::Outcome outcome =
        m_context.core->routes()->route(m_context.actingUser(), route);
    if (refusal)
        *refusal = outcome.reason;
    return outcome.ok();
}

void GridWiring::connectIcons()
{
    VideoTableWidget *video = m_context.ui->videoTableWidget;
    MessageDistance *link = MessageDistance::instance();
    // The icon only changes with its command; without the right it shows the store again.
    auto permitted = [this](int port, int right) {
        return WindowRules::outputsPermitted(m_context.actingUser(), {port}) &&
               m_context.permissions.hasFunctionRight(right);
    };
    connect(video, &TableWidget::si_orderToLock, this, [link](int port, bool on) {
        link->sendOutputLock(port, on);
        DeviceState::instance()->setOutputLocked(port, on);
    });
    connect(video, &TableWidget::si_orderToPause, this, [this, link, permitted](int port, bool on) {
        if (!permitted(port, PermissionStore::PausePlayOutput)) {
            updateVideoCell(port);
            return;
        }
        link->sendFrozen(port, on);
        DeviceState::instance()->setOutputFrozen(port, on);
    });
    connect(video, &TableWidget::si_orderToMute, this, [this, link, permitted](int port, bool on) {
        if (!permitted(port, PermissionStore::CloseOpenOutput)) {
            updateVideoCell(port);
            return;
        }
        link->sendVideoMute(port, on);
        DeviceState::instance()->setOutputVideoMuted(port, on);
    });
}

void GridWiring::refreshGrid(GridLayout::RefreshKind kind)
{
    TableWidget *grid = m_grids.value(kind);
    if (!grid)
        return;
    const QMap<int, int> routes = WindowRules::gridRoutes(kind, *DeviceState::instance());
    const bool input = WindowRules::showsInput(kind);
    for (auto it = routes.cbegin(); it != routes.cend(); ++it) {
        if (input)
            grid->showInput(it.key(), it.value());
        else
            grid->showSource(it.key(), it.value());
    }
}

TableWidget *GridWiring::shownGrid() const
{
    using GridLayout::RefreshKind;
    for (RefreshKind kind : {RefreshKind::Video,
                             RefreshKind::Audio,
                             RefreshKind::Audio0808S,
                             RefreshKind::HdmiAudio,
                             RefreshKind::Infrared}) {
        TableWidget *grid = m_grids.value(kind);
        if (grid && grid->isVisible())
            return grid;
    }
    return nullptr;
}

void GridWiring::refreshAllGrids()
{
    const QList<GridLayout::RefreshKind> kinds = m_grids.keys();
    for (GridLayout::RefreshKind kind : kinds)
        refreshGrid(kind);
}

void GridWiring::routeVideoLocally(int input, int output, bool keepFlags)
{
    const bool follows = m_context.core->hdmiAudioFollowsVideo();
    showVideoRoute(
        LocalRouting::applyVideoRoute(input, output, m_context.bind, follows, keepFlags));
}

void GridWiring::showVideoRoute(const QList<int> &outputs)
{
    for (int o : outputs)
        updateVideoCell(o);
    refreshGrid(GridLayout::RefreshKind::Video);
    if (m_context.core->hdmiAudioFollowsVideo()) {
        refreshGrid(GridLayout::RefreshKind::Audio0808S);
        refreshGrid(GridLayout::RefreshKind::HdmiAudio);
    }
}

void GridWiring::updateVideoCells()
{
    for (int port = 1; port <= 9; ++port)
        updateVideoCell(port);
}

void GridWiring::updateVideoCell(int output)
{
    updateCell(m_context.ui->videoTableWidget, output);
}

void GridWiring::updateCell(TableWidget *grid, int output)
{
    TableItemWidget *cell = grid->cellForPort(output);
    if (!cell)
        return;
    DeviceState *state = DeviceState::instance();
    cell->setFrozen(state->outputFrozen(output));
    cell->setOutputLock(state->outputLocked(output));
    cell->setHdmiLink(state->outputLinked(output));
    cell->setMuted(state->outputVideoMuted(output));
}

void GridWiring::applyIconRights()
{
    const PermissionStore &rights = m_context.permissions;
    const bool pause = rights.hasFunctionRight(PermissionStore::PausePlayOutput);
    const bool mute = rights.hasFunctionRight(PermissionStore::CloseOpenOutput);
    for (int port = 1; port <= 9; ++port) {
        if (TableItemWidget *cell = m_context.ui->videoTableWidget->cellForPort(port)) {
            const bool output = rights.hasPortRight(port, PermissionStore::Output);
            cell->setPauseAllowed(output && pause);
            cell->setMuteAllowed(output && mute);
        }
    }
}
