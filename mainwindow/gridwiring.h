#pragma once

#include "gridlayout.h"
#include "portrights.h"
#include "route.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>

struct WindowContext;
namespace Ui {
class Widget;
}
class LinkStatusView;
class WallControls;
class TableWidget;
class TakeWiring;

// The routing grids of the main window: drops (rights checked, command sent, store
// updated), the cells' icon clicks, and showing the store's routes by grid kind.
// A new grid goes through wireGrid(); menus and double-click actions hang on the
// cellMenuRequested / cellDoubleClicked signals. GUI thread.
class GridWiring : public QObject
{
    Q_OBJECT

public:
    GridWiring(WindowContext &context, QObject *parent);

    QList<TableWidget *> grids() const { return m_grids.values(); }
    // Source names, drop check, permission warning, menu and double-click hooks, and
    // the refresh after every rebuild; the grid's kind is set before.
    void wireGrid(TableWidget *grid);
    // Kinds, port bases and source numbering of the window's grids, before anything
    // shows them.
    static void configureGrids(Ui::Widget *ui);
    void connectGrids();
    // Keyboard routing on the signal list and the grids, and Ctrl+Z over the takes
    // (routes and wall-group presets) made from this client.
    void buildKeyRouting(WallControls *wall, LinkStatusView *status);
    // Take mode and one source to many; null before buildKeyRouting.
    TakeWiring *take() const { return m_take; }

    void refreshGrid(GridLayout::RefreshKind kind);
    void refreshAllGrids();
    // The first grid on show (video, audio, HDMI audio, infrared), or none.
    TableWidget *shownGrid() const;
    void routeVideoLocally(int input, int output, bool keepFlags);
    // Redraws the video cells of `outputs` and the grids that follow video.
    void showVideoRoute(const QList<int> &outputs);
    void updateVideoCells();
    void updateVideoCell(int output);
    void applyIconRights();
    // Sends `source` (as switched reports it) to `output` of the grid of refresh kind
    // `kind` through the route service's checks; false (and why) when refused.
    bool retake(int kind, int type, int output, int source, QString *refusal = nullptr);
    // The kind undo records a splitter-area route under; the grids use refresh kinds.
    static constexpr int SplitterUndoKind = -1;

signals:
    void permissionWarning(PortRights::Refused refused);
    // A switch sent from this client: grid by refresh kind, switch type (0 video,
    // 1 audio, 2 infrared), the output and its source before and now.
    void switched(int kind, int type, int output, int previous, int source);
    void cellMenuRequested(TableWidget *grid, int port, QPoint globalPos);
    void cellDoubleClicked(TableWidget *grid, int port);

private:
    void connectDrops();
    void showRoute(const Route &route, int previous, const QString &actor);
    void connectIcons();
    void updateCell(TableWidget *grid, int output);

    WindowContext &m_context;
    QMap<GridLayout::RefreshKind, TableWidget *> m_grids;
    PortRights::Refused m_refused;
    TakeWiring *m_take = nullptr;
};
