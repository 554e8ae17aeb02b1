#include "salvoactions.h"

#include "apirouter.h"
#include "eventhub.h"
#include "linkindicator.h"
#include "remotelog.h"
#include "remotetexts.h"
#include "salvocontroller.h"
#include "webcaller.h"

#include <QJsonDocument>

namespace {

const char Context[] = "RemoteApi";

QJsonObject routeJson(const Route &route)
{
    return {{QStringLiteral("kind"), RouteKinds::key(route.kind)},
            {QStringLiteral("output"), route.output},
            {QStringLiteral("source"), route.source}};
}

QJsonObject reportJson(const SalvoController::Report &report)
{
    QJsonArray sent;
    for (const Route &route : report.sent)
        sent.append(routeJson(route));
    QJsonArray skipped;
    for (const auto &entry : report.skipped) {
        QJsonObject route = routeJson(entry.first);
        route.insert(QStringLiteral("reason"), entry.second);
        skipped.append(route);
    }
    QJsonArray missing;
    for (const Route &route : report.missing)
        missing.append(routeJson(route));
    return {{QStringLiteral("name"), report.name},
            {QStringLiteral("sent"), sent},
            {QStringLiteral("skipped"), skipped},
            {QStringLiteral("missing"), missing},
            {QStringLiteral("verified"), report.verified},
            {QStringLiteral("complete"), report.complete()}};
}

} // namespace

SalvoActions::SalvoActions(const RemoteContext &context, const RemoteTexts &texts, EventHub *hub)
    : m_context(context)
    , m_texts(texts)
    , m_hub(hub)
{
    if (SalvoController *salvos = m_context.salvos) {
        connect(salvos, &SalvoController::salvosChanged, this, [this] {
            publish("salvos", {{QStringLiteral("salvos"), list()}});
        });
        connect(salvos,
                &SalvoController::recallFinished,
                this,
                [this](const SalvoController::Report &report) {
                    publish("salvo", {{QStringLiteral("report"), reportJson(report)}});
                });
    }
}

void SalvoActions::publish(const char *name, const QJsonObject &data)
{
    if (m_hub)
        m_hub->publish(name, QJsonDocument(data).toJson(QJsonDocument::Compact).toStdString());
}

QJsonArray SalvoActions::list() const
{
    QJsonArray list;
    if (!m_context.salvos)
        return list;
    for (const Salvo &salvo : m_context.salvos->salvos()) {
        list.append(QJsonObject{{QStringLiteral("id"), double(salvo.id)},
                                {QStringLiteral("name"), salvo.name}});
    }
    return list;
}

ApiResponse SalvoActions::recall(qint64 id, const WebCaller &caller)
{
    const QString &language = caller.session.language;
    SalvoController *salvos = m_context.salvos;
    const QVector<Salvo> all = salvos ? salvos->salvos() : QVector<Salvo>();
    const auto salvo =
        std::find_if(all.begin(), all.end(), [id](const Salvo &s) { return s.id == id; });
    if (salvo == all.end())
        return ApiErrors::make(
            ApiError::NotFound,
            m_texts.text(language, Context, QT_TRANSLATE_NOOP("RemoteApi", "No such salvo.")));
    if (!m_context.link || !m_context.link->isOnline())
        return ApiErrors::make(
            ApiError::Offline,
            m_texts.text(
                language, Context, QT_TRANSLATE_NOOP("RemoteApi", "The device is not connected.")));
    const bool started = salvos->recall(caller.user, id, caller.session.userName);
    qCInfo(lcRemote).noquote() << QStringLiteral("%1 at %2: recall salvo %3 (%4): %5")
                                      .arg(caller.session.userName, caller.address)
                                      .arg(id)
                                      .arg(salvo->name,
                                           started ? QStringLiteral("sending")
                                                   : QStringLiteral("refused"));
    if (!started)
        return ApiErrors::make(
            ApiError::Locked,
            m_texts.text(language,
                         Context,
                         QT_TRANSLATE_NOOP("RemoteApi", "Another salvo is being recalled.")));
    const QJsonObject report{{QStringLiteral("name"), salvo->name},
                             {QStringLiteral("routes"), salvo->routes.size()},
                             {QStringLiteral("finished"), false}};
    return ApiRouter::json({{QStringLiteral("report"), report}});
}
