#pragma once

#include "actinguser.h"
#include "routepacer.h"
#include "showpreview.h"

#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QVector>

class OperatorCore;
class QTimer;

// Sends the device parts of a show import: the wall first (a new group moves routes),
// then the routes through the route pacer, then output settings and windows, every
// command spaced like the routes so a slow device keeps up; then re-queries the routing
// and reports the routes that did not take, which can be sent again. GUI thread.
class ShowDeviceApply : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ShowDeviceApply)

public:
    struct Report
    {
        QVector<ShowRoute> sent;
        QVector<QPair<ShowRoute, QString>> refused;
        QVector<ShowRoute> missing; // sent, but the device reports another source
        int settings = 0;           // other commands sent
        bool verified = false;      // false: the device did not answer the routing query
    };

    // How long the routing query may take before the report says it was not verified.
    static constexpr int VerifyTimeoutMs = 3000;

    explicit ShowDeviceApply(OperatorCore *core, QObject *parent = nullptr);

    void setSpacing(int ms);
    bool isRunning() const { return m_stage != Stage::Idle; }
    // False (nothing sent) while running.
    bool
    start(const ActingUser &user, const ShowDeviceChanges &changes, const QSet<ShowPart> &parts);
    // Sends the routes of the last report's `missing` again, then verifies again.
    bool resendMissing();
    Report lastReport() const { return m_report; }

    // The commands of the parts, in the order they go out (routes aside).
    static QStringList commandsBefore(const ShowDeviceChanges &changes,
                                      const QSet<ShowPart> &parts);
    static QStringList commandsAfter(const ShowDeviceChanges &changes, const QSet<ShowPart> &parts);

signals:
    void progress(int done, int total);
    void finished(ShowDeviceApply::Report report);

private:
    enum class Stage { Idle, Before, Routes, After, Verify };

    void next();
    void startRoutes();
    void routesDone(const QVector<Route> &sent, const QVector<RoutePacer::Refused> &refused);
    void verify();
    void verified(bool answered);
    void storeWall();
    void storeOutputs();

    OperatorCore *m_core;
    RoutePacer *m_pacer;
    QTimer *m_timer;
    QTimer *m_verifyTimer;
    Stage m_stage = Stage::Idle;
    ActingUser m_user;
    ShowDeviceChanges m_changes;
    QSet<ShowPart> m_parts;
    QStringList m_before;
    QStringList m_after;
    QVector<ShowRoute> m_routes;
    int m_done = 0;
    int m_total = 0;
    Report m_report;
};

Q_DECLARE_METATYPE(ShowDeviceApply::Report)
