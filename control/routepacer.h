#pragma once

#include "actinguser.h"
#include "route.h"

#include <QObject>
#include <QPair>
#include <QPointer>
#include <QVector>

class QTimer;
class RouteService;

// Sends a list of routes one at a time, `spacingMs` apart, so a slow device keeps up:
// the first at once, each through RouteService::route with the same acting user. A
// route refused when its turn comes is skipped with its reason. GUI thread.
class RoutePacer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RoutePacer)

public:
    // Long enough for the slowest device we have met to take a switch before the next.
    static constexpr int DefaultSpacingMs = 100;
    using Refused = QPair<Route, QString>;

    explicit RoutePacer(RouteService *routes, QObject *parent = nullptr);

    void setSpacing(int ms);
    int spacing() const;
    bool isRunning() const;

    // Starts sending; false (and nothing sent) while a list is still going out.
    bool start(const ActingUser &user, const QVector<Route> &routes, const QString &actor = {});
    // Drops what has not gone out yet; finished follows with what was sent.
    void stop();

signals:
    void progress(int sent, int total);
    void finished(QVector<Route> sent, QVector<RoutePacer::Refused> refused);

private:
    void sendNext();
    void finish();

    RouteService *m_routes;
    QTimer *m_timer;
    ActingUser m_user;
    QString m_actor;
    QVector<Route> m_pending;
    QVector<Route> m_sent;
    QVector<Refused> m_refused;
    int m_total = 0;
    bool m_running = false;
};
