#pragma once

#include "route.h"

#include <QObject>
#include <QVector>

#include <functional>

struct WindowContext;
class GridWiring;
class LinkStatusView;
class QMenu;
class RoutePacer;
class TableWidget;
class TakeBar;
class TakeHistory;
class TakeStage;

// Take mode and one source to many in the main window: the take bar and its shortcuts,
// the stage hooks of the grids and the splitter view, the staged look of their cells,
// and the "Route to all / selected outputs" actions of the signal list. The stage and
// the route service decide; this only asks them and shows the answer. GUI thread.
class TakeWiring : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        GridWiring *grids = nullptr;
        LinkStatusView *status = nullptr;
        TakeHistory *history = nullptr;
        std::function<TableWidget *()> shownGrid;
    };

    TakeWiring(WindowContext &context, const Parts &parts, QWidget *window);

    // The route kind of a grid's cells.
    static RouteKind routeKindOf(const TableWidget *grid);

    TakeStage *stage() const { return m_stage; }
    TakeBar *bar() const { return m_bar; }
    void setTakeMode(bool on);
    // `source` as the signal list gives it (n audio, 100 + n input) to every output, or
    // to the selected ones, of the grid on show; staged in take mode.
    void routeToAll(int source);
    void routeToSelected(int source);
    void addListActions(QMenu *menu, int source);

private:
    void installFanoutKeys(QWidget *window);
    void connectStage();
    void connectRevalidation();
    void showStage();
    void take();
    void revalidate();
    void fanout(int source, bool all);
    bool fanoutTarget(int source, RouteKind *kind, int *routeSource, QList<int> *outputs) const;
    QString stageRoute(const Route &route);
    TableWidget *gridOf(RouteKind kind) const;
    QString deviceIdentity() const;

    WindowContext &m_context;
    Parts m_parts;
    TakeStage *m_stage;
    TakeBar *m_bar;
    RoutePacer *m_fanPacer;
};
