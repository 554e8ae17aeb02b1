#pragma once

#include "route.h"

#include <QObject>
#include <QString>

struct ActingUser;
class OperatorCore;

// The one way a route reaches the device, whoever asks (a grid, a take, a salvo, an
// import, a web user): checks it against the acting user, the cell locks, the model and
// the link, sends the switch command, updates the store (a video route moves its whole
// bind group) and tells every face. GUI thread.
class RouteService : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RouteService)

public:
    enum class Refusal { None, Offline, NoPort, Locked, NoRight };
    struct Outcome
    {
        Refusal refusal = Refusal::None;
        QString reason; // the sentence the message line shows
        bool ok() const { return refusal == Refusal::None; }
    };

    explicit RouteService(OperatorCore *core, QObject *parent = nullptr);

    // In the order an operator is told: offline, no such port, locked, no right.
    Outcome check(const ActingUser &user, const Route &route) const;
    // Output 9 of the 0809-M is held by the splitter view while a layout is set.
    bool isLocked(RouteKind kind, int output) const;
    // Checks, then sends and stores. `actor` is empty for the window's own operator.
    Outcome route(const ActingUser &user, const Route &route, const QString &actor = QString());

signals:
    void routed(Route route, int previousSource, QString actor);

private:
    void send(const Route &route);
    void store(const Route &route);

    OperatorCore *m_core;
};
