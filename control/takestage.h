#pragma once

#include "route.h"

#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

struct ActingUser;
class RoutePacer;
class RouteService;

// One operator's stage for take mode (one per window, later one per web session): routes
// are staged by grid and output (staging the same output again replaces it), checked as a
// route would be, and go out together on take(), paced, as one undo step. Nothing reaches
// the device before that. A lost connection keeps the stage; a different device drops it.
// No widgets; GUI thread.
class TakeStage : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TakeStage)

public:
    using Refused = QVector<QPair<Route, QString>>;

    explicit TakeStage(RouteService *routes, QObject *parent = nullptr);

    bool isTakeMode() const { return m_takeMode; }
    // Leaving take mode drops the stage: what stays would go out by surprise later.
    void setTakeMode(bool on);

    // Stages `route` for `user`; the refusal (offline, no port, locked, no right) when it
    // is not staged, empty when it is.
    QString stage(const ActingUser &user, const Route &route);
    // The staged routes in the order they were first staged.
    QVector<Route> routes() const { return m_routes; }
    bool isEmpty() const { return m_routes.isEmpty(); }
    // Whether the output of `kind` has a staged route; *route gets it.
    bool staged(RouteKind kind, int output, Route *route = nullptr) const;
    bool isTaking() const;

    // Drops what became impossible and sends the rest, paced. Empty when the take
    // started; otherwise why not (offline, nothing staged, a take still going out), and
    // the stage is kept.
    QString take(const ActingUser &user);
    void cancel();
    // Drops every staged route `user` could no longer take (locked by another client,
    // no right, no such port) and says why with dropped(). Offline keeps them.
    Refused revalidate(const ActingUser &user);
    // The device the stage is for ("address:port/model"); another one drops the stage.
    void setDevice(const QString &identity);
    // Milliseconds between the commands of a take.
    void setSpacing(int ms);

signals:
    void changed();
    void takeModeChanged(bool on);
    // Staged routes that left the stage unsent, each with its reason.
    void dropped(TakeStage::Refused entries);
    void takeStarted(int count);
    void takeFinished(QVector<Route> sent, TakeStage::Refused refused);

private:
    void clearStage();

    RouteService *m_service;
    RoutePacer *m_pacer;
    QVector<Route> m_routes;
    QString m_device;
    bool m_takeMode = false;
};
