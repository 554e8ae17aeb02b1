#include "linkwatch.h"

#include "commandtap.h"
#include "messagedistance.h"
#include "recordsignals.h"

#include <QJsonDocument>
#include <QJsonObject>

LinkWatch::LinkWatch(QObject *parent)
    : QObject(parent)
{
    CommandTap::install();
    connect(CommandTap::instance(), &CommandTap::commandSent, this, &LinkWatch::commandSent);
    MessageDistance *link = MessageDistance::instance();
    // Each record named by the query it answers; change notices answer none.
    for (const RecordSignals::Entry &entry : RecordSignals::all()) {
        const QString query = QLatin1String(entry.query);
        connect(link, entry.signal, this, [this, query](const QJsonObject &record) {
            emit recordReceived(
                query, QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)));
        });
    }
    connect(link, &MessageDistance::si_ForwardAnalysis, this, [this](const QString &text) {
        emit recordReceived(QString(), text);
    });
    connect(link, &MessageDistance::si_http200Analysis, this, [this] {
        emit recordReceived(QString(), QStringLiteral("HTTP 200 OK"));
    });
}
