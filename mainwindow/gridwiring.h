#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>

struct WindowContext;
class TableWidget;

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
    // the refresh by `refreshKind` (0 video, 1 audio, 3 infrared, 4 HDMI audio,
    // 5 0808-S audio) after every rebuild.
    void wireGrid(int refreshKind, TableWidget *grid);
    void connectGrids();

    void refreshGrid(int kind);
    void refreshAllGrids();
    void routeVideoLocally(int input, int output, bool keepFlags);
    void updateVideoCells();
    void updateVideoCell(int output);
    void applyIconRights();

signals:
    void permissionWarning();
    void cellMenuRequested(TableWidget *grid, int port, QPoint globalPos);
    void cellDoubleClicked(TableWidget *grid, int port);

private:
    void connectDrops();
    void connectIcons();
    void updateCell(TableWidget *grid, int output);

    WindowContext &m_context;
    QMap<int, TableWidget *> m_grids; // by refresh kind
};
