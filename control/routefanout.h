#pragma once

#include "route.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVector>

struct ActingUser;
class RouteService;

// One source to many outputs of one grid: which routes may go (or be staged) for the
// acting user and which outputs are skipped, with why. Pure apart from asking the route
// service; GUI thread.
namespace RouteFanout {

struct Plan
{
    QVector<Route> routes;
    QVector<QPair<Route, QString>> skipped;
    QString refusal; // offline or nothing to route: nothing goes at all
};

// `source` to each of `outputs` of the grid `kind`; an output that is locked, not
// permitted or missing is skipped. Offline refuses the whole plan.
Plan plan(const RouteService &service,
          const ActingUser &user,
          RouteKind kind,
          int source,
          const QList<int> &outputs);

// The message-line text naming the skipped outputs; empty when none was skipped.
QString skippedText(const QVector<QPair<Route, QString>> &skipped);

} // namespace RouteFanout
