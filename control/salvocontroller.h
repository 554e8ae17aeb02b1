#pragma once

#include "actinguser.h"
#include "route.h"
#include "salvostore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <memory>

class OperatorCore;
class QTimer;
class RoutePacer;

// The salvos of the device now addressed (config.ini): named sets of routes kept in
// project.db, made from the current routes or a stage, renamed, deleted and recalled.
// A recall goes through the routing core like routes made by hand (rights, locks, the
// model), paced so a slow device keeps up; then the device is asked for its routes and
// the report names what did not take, which resendMissing() sends again. No widgets; any
// face (the window, a web user) calls in with its acting user. GUI thread.
class SalvoController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SalvoController)

public:
    using Skipped = QPair<Route, QString>; // a route and why it was not sent

    struct Report
    {
        QString name;             // the salvo's, or "" for a resend
        QVector<Route> sent;      // in the order they went out
        QVector<Skipped> skipped; // refused (locked, rights, offline, not on this model)
        QVector<Route> missing;   // sent, but the device does not show them
        bool verified = false;    // the device answered the routing query
        bool complete() const { return verified && missing.isEmpty() && skipped.isEmpty(); }
    };

    // How long the device has to answer the routing query after a recall.
    static constexpr int VerifyTimeoutMs = 3000;

    explicit SalvoController(OperatorCore *core, QObject *parent = nullptr);
    ~SalvoController() override;

    // Opens project.db again (a new data directory, a re-login) and tells the faces.
    void reload();
    bool isUsable() const;
    // Why salvos cannot be used, for the operator; empty while they can.
    QString unusableReason() const;
    // What went wrong with the last create, rename or remove, for the operator.
    QString lastError() const { return m_lastError; }

    // The salvos of the device now addressed, by name.
    QVector<Salvo> salvos() const;
    // The routes the device picture holds; with `cells`, only those cells.
    QVector<Route> currentRoutes(const QVector<Route> &cells = {}) const;
    // The new salvo's id, or 0 (lastError says why).
    qint64 create(const QString &name, const QVector<Route> &routes);
    bool rename(qint64 id, const QString &name);
    bool remove(qint64 id);

    void setSpacing(int ms);
    int spacing() const;
    bool isRecalling() const { return m_phase != Phase::Idle; }

    // Sends salvo `id` for `user`; false (nothing sent) while a recall is running or when
    // there is no such salvo. recallFinished follows.
    bool recall(const ActingUser &user, qint64 id, const QString &actor = QString());
    // Sends the routes the last report found missing, and verifies again.
    bool resendMissing(const ActingUser &user, const QString &actor = QString());
    Report lastReport() const { return m_report; }

signals:
    void salvosChanged();
    void recallProgress(int done, int total);
    void recallFinished(const SalvoController::Report &report);

private:
    enum class Phase { Idle, Waiting, Sending, Settling, Verifying };

    bool start(const ActingUser &user,
               const QString &name,
               const QVector<Route> &routes,
               const QString &actor);
    void send();
    void sent(const QVector<Route> &routes, const QVector<QPair<Route, QString>> &refused);
    void askDevice();
    void verify(bool answered);
    QString deviceIp() const;
    bool stored(bool ok);
    QString storeErrorText() const;

    OperatorCore *m_core;
    std::unique_ptr<SalvoStore> m_store;
    RoutePacer *m_pacer;
    QTimer *m_timer; // the pause before the first route and after the last, then the answer
    Phase m_phase = Phase::Idle;
    QElapsedTimer m_sinceRoute; // since this client last sent a route
    ActingUser m_user;
    QVector<Route> m_routes;
    QString m_actor;
    Report m_report;
    QString m_lastError;
};

Q_DECLARE_METATYPE(SalvoController::Report)
