#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

// The device's record format, step by step: framing, the fixed repairs, the record
// kinds and the raw analysis. Pure functions and a buffer; no threads, no sockets.
namespace ReplyParser {

enum class RecordKind {
    Version,
    VideoAudioIRMap,
    WindowStatus,
    InputChannelState,
    NetWorkImforamtion,
    InOutChannelResolutionMap,
    OutputInfo,
    BindInfo,
    VolumnImformation,
    TitleImf,
    RotateAngle,
    HDCPInfo,
    ChangedByOthers,
};

// The fixed text edits that turn a device record into JSON, in order.
QByteArray repairRecord(const QByteArray &record);

// Every kind the repaired record matches, in dispatch order. A change notice yields
// ChangedByOthers alone.
QVector<RecordKind> classify(const QByteArray &repaired);
const char *logLine(RecordKind kind);

// 1 for a DHCP member reading true/TRUE, 0 for false/FALSE, -1 otherwise.
int dhcpSwitch(const QByteArray &repaired);

// True when a record holding an array repeats a key within one object. The toolkit's
// JSON parser leaks memory on such records, so they are refused unparsed.
bool repeatsKeyBesideArray(const QByteArray &json);

struct RawResult
{
    QString text;         // only filled when something is forwarded
    int forwardCount = 0; // how many times the text goes to si_ForwardAnalysis
    bool http200 = false;
};
RawResult analyseRaw(const QByteArray &raw);

// Bytes up to the first NUL with every CR LF removed, as text.
QString logText(const QByteArray &bytes);

// Received bytes not yet framed. Spaces and LF are stripped once per byte and a
// read offset moves over consumed records, so a burst costs time linear in its size.
class RecordBuffer
{
public:
    static constexpr int MaxUnframed = 32 * 1024;

    void append(const QByteArray &bytes);
    void clear();
    // Next complete record (from "{" through the first "}"), with the bytes before it
    // consumed; empty when none is complete yet.
    QByteArray takeRecord();
    // Drops the oldest bytes of an unframed tail beyond MaxUnframed; returns the count.
    int boundTail();
    int pendingSize() const { return m_data.size() - m_pos; }
    QByteArray pending() const { return m_data.mid(m_pos); }

private:
    void compact();

    QByteArray m_data;
    int m_pos = 0;       // start of unconsumed bytes
    int m_braceFrom = 0; // no "}" before this offset after the current "{"
    int m_openFrom = 0;  // no "{" before this offset
};

} // namespace ReplyParser
