// The link's receive path, run synchronously (no worker thread): the input's first
// byte seeds how the rest is split into reads. Whatever the split, the link must frame,
// parse and signal exactly the records one unsplit buffer holds, and no buffer may
// outgrow its bound.
#include "fuzzsupport.h"
#include "messagedistance.h"
#include "recordsignals.h"
#include "replyparser.h"

#include <QJsonDocument>

namespace {

quint64 s_recordSignals = 0;

void countRecordSignals(MessageDistance *link)
{
    const auto count = [](QJsonObject) {
        ++s_recordSignals;
    };
    const auto direct = Qt::DirectConnection;
    for (const RecordSignals::Entry &entry : RecordSignals::all())
        QObject::connect(link, entry.signal, link, count, direct);
}

QVector<QByteArray> splitReads(const QByteArray &bytes, quint8 seed)
{
    QVector<QByteArray> reads;
    quint32 state = seed + 1u;
    for (int at = 0; at < bytes.size();) {
        state = state * 1103515245u + 12345u;
        const int length = 1 + int((state >> 16) % 64u);
        reads.append(bytes.mid(at, length));
        at += length;
    }
    return reads;
}

struct Expected
{
    quint64 records = 0; // framed, parsed or not
    quint64 parsed = 0;
    quint64 recordSignals = 0;
    bool repeatedKey = false;
};

Expected expectedOf(const QByteArray &bytes)
{
    Expected e;
    ReplyParser::RecordBuffer buffer;
    buffer.append(bytes);
    for (QByteArray record = buffer.takeRecord(); !record.isEmpty(); record = buffer.takeRecord()) {
        ++e.records;
        const QByteArray repaired = ReplyParser::repairRecord(record);
        if (FuzzSupport::hasRepeatedKey(repaired)) {
            e.repeatedKey = true;
            continue;
        }
        QJsonParseError error;
        QJsonDocument::fromJson(repaired, &error);
        if (error.error != QJsonParseError::NoError)
            continue;
        ++e.parsed;
        e.recordSignals += quint64(ReplyParser::classify(repaired).size());
    }
    return e;
}

// The bound holds for the buffer alone too, fed far past it in the same reads.
void checkBound(const QVector<QByteArray> &reads)
{
    ReplyParser::RecordBuffer buffer;
    int fed = 0;
    while (fed < ReplyParser::RecordBuffer::MaxUnframed + 4096) {
        for (const QByteArray &read : reads) {
            buffer.append(read);
            fed += read.size();
            while (!buffer.takeRecord().isEmpty()) {
            }
            buffer.boundTail();
            if (buffer.pendingSize() > ReplyParser::RecordBuffer::MaxUnframed)
                FuzzSupport::fail("record buffer outgrew its bound");
        }
        if (fed == 0)
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    FuzzSupport::init();
    static MessageDistance *const link = [] {
        MessageDistance::setSynchronous(true);
        MessageDistance *l = MessageDistance::instance();
        countRecordSignals(l);
        return l;
    }();

    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    const QVector<QByteArray> reads = splitReads(bytes, data[0]);
    const Expected expected = expectedOf(bytes);
    link->disconnectFromDevice();
    const quint64 done0 = link->recordsParsed() + link->recordsFailed();
    const quint64 parsed0 = link->recordsParsed();
    const quint64 signals0 = s_recordSignals;
    const quint64 dropped0 = link->bytesDropped();

    // Synchronous: every record of a read is parsed and signalled when the call returns.
    for (const QByteArray &read : reads)
        link->feedReceivedData(read);
    if (link->recordsParsed() + link->recordsFailed() - done0 != expected.records)
        FuzzSupport::fail("the split changed how many records were framed");
    if (!expected.repeatedKey && (link->recordsParsed() - parsed0 != expected.parsed ||
                                  s_recordSignals - signals0 != expected.recordSignals))
        FuzzSupport::fail("records parsed or signalled differ from one unsplit buffer");
    if (link->bytesDropped() != dropped0 && bytes.size() <= ReplyParser::RecordBuffer::MaxUnframed)
        FuzzSupport::fail("bytes dropped below the bound");
    checkBound(reads);
    return 0;
}
