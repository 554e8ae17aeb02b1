#include "routefanout.h"

#include "actinguser.h"
#include "routeservice.h"

#include <QCoreApplication>
#include <QStringList>

namespace RouteFanout {

Plan plan(const RouteService &service,
          const ActingUser &user,
          RouteKind kind,
          int source,
          const QList<int> &outputs)
{
    Plan p;
    if (outputs.isEmpty()) {
        p.refusal = QCoreApplication::translate("RouteFanout", "Pick an output cell first.");
        return p;
    }
    for (int output : outputs) {
        Route route;
        route.kind = kind;
        route.output = output;
        route.source = source;
        const RouteService::Outcome outcome = service.check(user, route);
        if (outcome.refusal == RouteService::Refusal::Offline) {
            p.routes.clear();
            p.skipped.clear();
            p.refusal = outcome.reason;
            return p;
        }
        if (outcome.ok())
            p.routes << route;
        else
            p.skipped << qMakePair(route, outcome.reason);
    }
    return p;
}

QString skippedText(const QVector<QPair<Route, QString>> &skipped)
{
    if (skipped.isEmpty())
        return QString();
    QStringList reasons;
    for (const auto &entry : skipped)
        reasons << entry.second;
    return QCoreApplication::translate("RouteFanout", "Skipped: %1")
        .arg(reasons.join(QLatin1Char(' ')));
}

} // namespace RouteFanout
