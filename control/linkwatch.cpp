#include "linkwatch.h"

#include "commandtap.h"
#include "messagedistance.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

using RecordSignal = void (MessageDistance::*)(QJsonObject);

struct RecordEntry
{
    RecordSignal signal;
    const char *query;
};

// Which query each record answers; change notices answer none.
const RecordEntry s_records[] = {
    {&MessageDistance::receiveVersionSig, "version"},
    {&MessageDistance::receiveInputChannelStateSig, "inputinfo"},
    {&MessageDistance::receiveNetWorkImforamtionSig, "netInfo"},
    {&MessageDistance::receiveVolumnImformationSig, "Get_Volume"},
    {&MessageDistance::receiveVideoAudioIRMapSig, "status"},
    {&MessageDistance::receiveInOutChannelResolutionMapSig, "resolution"},
    {&MessageDistance::receiveTitleImfSig, "Get_Subtitle"},
    {&MessageDistance::receiveHDCPInfoSig, "hdcpinfo"},
    {&MessageDistance::receiveOutputInfoSig, "outputinfo"},
    {&MessageDistance::receiveWindowStatusSig, "status"},
    {&MessageDistance::receiveRotateAngleSig, "Get_Rotate"},
    {&MessageDistance::receiveChangedByOthersSig, ""},
    {&MessageDistance::receiveBindInfoSig, "bindinfo"},
};

} // namespace

LinkWatch::LinkWatch(QObject *parent)
    : QObject(parent)
{
    CommandTap::install();
    connect(CommandTap::instance(), &CommandTap::commandSent, this, &LinkWatch::commandSent);
    MessageDistance *link = MessageDistance::instance();
    for (const RecordEntry &entry : s_records) {
        const QString query = QLatin1String(entry.query);
        connect(link, entry.signal, this, [this, query](const QJsonObject &record) {
            emit recordReceived(query, QString::fromUtf8(
                                           QJsonDocument(record).toJson(QJsonDocument::Compact)));
        });
    }
    connect(link, &MessageDistance::si_ForwardAnalysis, this,
            [this](const QString &text) { emit recordReceived(QString(), text); });
    connect(link, &MessageDistance::si_http200Analysis, this,
            [this] { emit recordReceived(QString(), QStringLiteral("HTTP 200 OK")); });
}
