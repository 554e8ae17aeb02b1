#include "replyparser.h"

#include <QLoggingCategory>
#include <QVarLengthArray>

#include <cstring>
#include <string_view>

Q_LOGGING_CATEGORY(lcReply, "zel.device.reply")

namespace ReplyParser {

namespace {

// Plain byte search; QByteArray::contains(const char *) builds a matcher table per call.
// std::string_view::find stops at every match of the needle's first character, and a
// quote matches all over a record, so a quoted key is looked for from its second one.
const char *search(const char *from, size_t size, std::string_view needle)
{
    const std::string_view text(from, size);
    if (needle.size() < 2 || needle.front() != '"') {
        const size_t at = text.find(needle);
        return at == std::string_view::npos ? nullptr : from + at;
    }
    const std::string_view rest = needle.substr(1);
    for (size_t at = text.find(rest, 1); at != std::string_view::npos;
         at = text.find(rest, at + 1)) {
        if (text[at - 1] == '"')
            return from + at - 1;
    }
    return nullptr;
}

bool has(const QByteArray &bytes, std::string_view needle)
{
    return search(bytes.constData(), size_t(bytes.size()), needle) != nullptr;
}

int find(const QByteArray &bytes, std::string_view needle, int from = 0)
{
    if (from < 0 || from > bytes.size())
        return -1;
    const char *at = search(bytes.constData() + from, size_t(bytes.size() - from), needle);
    return at ? int(at - bytes.constData()) : -1;
}

int findLast(const QByteArray &bytes, std::string_view needle, int from)
{
    if (from < 0)
        return -1;
    const size_t at =
        std::string_view(bytes.constData(), size_t(bytes.size())).rfind(needle, size_t(from));
    return at == std::string_view::npos ? -1 : int(at);
}

// Inserts a quote `offset` characters after the first `key`, and another just before
// the character that precedes the next quote found from one character further on.
void quoteCaptionValue(QByteArray &text, const char *key, int offset)
{
    const int start = find(text, key);
    if (start < 0 || start + offset > text.size())
        return;
    text.insert(start + offset, '"');
    const int nextQuote = text.indexOf('"', start + offset + 1);
    if (nextQuote < 1)
        return;
    text.insert(nextQuote - 1, '"');
}

void repairCaption(QByteArray &text)
{
    quoteCaptionValue(text, "Switch", 8);
    quoteCaptionValue(text, "Bg_switch", 11);
    quoteCaptionValue(text, "Color", 7);
    quoteCaptionValue(text, "Bg_Color", 10);

    // The direction is the last value that comes unquoted; it ends at a comma or at
    // the closing brace.
    const int start = find(text, "Move_dir");
    if (start >= 0 && start + 10 <= text.size()) {
        const int at = start + 10;
        text.insert(at, '"');
        int end = text.indexOf(',', at);
        if (end < 0)
            end = text.indexOf('}', at);
        if (end >= 0)
            text.insert(end, '"');
    }
    qCDebug(lcReply).noquote() << "add char osdortitle imf:" << QString::fromLatin1(text);
}

// ":" -> ":\"", then "," -> "\",", then "}" -> "\"}". The quotes put in by one step are
// never matched by the next, so one pass does all three.
void quoteAllValues(QByteArray &text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *o = out.data();
    for (const char c : qAsConst(text)) {
        if (c == ':') {
            *o++ = ':';
            *o++ = '"';
        } else if (c == ',' || c == '}') {
            *o++ = '"';
            *o++ = c;
        } else {
            *o++ = c;
        }
    }
    out.resize(int(o - out.constData()));
    text.swap(out);
}

// The window status comes as bare lists: {window1:1,2,...,VIR:1,AUDIO:2}.
void repairWindowStatus(QByteArray &text)
{
    text.replace('"', QByteArray());
    const int lastComma = text.lastIndexOf(',');
    if (lastComma >= 0)
        text.remove(lastComma, 1);
    const int lastBrace = text.lastIndexOf('}');
    if (lastBrace >= 0)
        text.insert(lastBrace, ']');

    int from = text.size();
    for (int entry = 0; entry < 4; ++entry) {
        const int p = findLast(text, "window", from);
        if (p < 0)
            break;
        if (p + 8 > text.size())
            break;
        text.insert(p + 8, '[');
        text.insert(p + 7, '"');
        text.insert(p, '"');
        if (entry == 3 || p < 1)
            break;
        text.insert(p - 1, ']');
        from = p - 1;
    }

    const int lastColon = text.lastIndexOf(':');
    if (lastColon >= 0) {
        text.insert(lastColon + 1, '[');
        text.insert(lastColon, '"');
    }
    const int lastVir = findLast(text, "VIR", text.size());
    if (lastVir >= 0)
        text.insert(lastVir, "],\"");
    text.replace(",]", "]");
    text.replace("\"VIR:", "\"VIR\":[");
    text.replace("AUDIO\"", "],\"AUDIO\"");
}

} // namespace

QByteArray repairRecord(const QByteArray &record)
{
    QByteArray text = record;
    if (!text.startsWith('{'))
        return text;

    if (has(text, "Color") && !has(text, "change"))
        repairCaption(text);
    if (has(text, "in") && !has(text, "change") && has(text, "out"))
        quoteAllValues(text);
    if (has(text, "link") && !has(text, "change"))
        quoteAllValues(text);
    if (has(text, "window") && has(text, "VIR") && !has(text, "change"))
        repairWindowStatus(text);
    if (has(text, "change") && has(text, "=")) {
        text.replace("}", "\"}");
        text.replace("{", "{\"");
        text.replace("=", "\":\"");
    }
    return text;
}

QVector<RecordKind> classify(const QByteArray &r)
{
    if (has(r, "change"))
        return {RecordKind::ChangedByOthers};

    QVector<RecordKind> kinds;
    if (has(r, "type") && has(r, "MCU") && has(r, "FPGA") && has(r, "device"))
        kinds << RecordKind::Version;
    if (has(r, "video") && has(r, "audio") && has(r, "IR"))
        kinds << RecordKind::VideoAudioIRMap;
    if (has(r, "window") && has(r, "VIR"))
        kinds << RecordKind::WindowStatus;
    if (has(r, "input") && !has(r, "out"))
        kinds << RecordKind::InputChannelState;
    if (has(r, "ip") && has(r, "gateway") && has(r, "subnet"))
        kinds << RecordKind::NetWorkImforamtion;
    if (has(r, "in") && has(r, "out") && !has(r, "hdcp"))
        kinds << RecordKind::InOutChannelResolutionMap;
    if (has(r, "link"))
        kinds << RecordKind::OutputInfo;
    if (has(r, "bind") && has(r, "mode"))
        kinds << RecordKind::BindInfo;
    if (has(r, "Volume"))
        kinds << RecordKind::VolumnImformation;
    if (has(r, "switch"))
        kinds << RecordKind::TitleImf;
    if (has(r, "Angle"))
        kinds << RecordKind::RotateAngle;
    if (has(r, "hdcp_in"))
        kinds << RecordKind::HDCPInfo;
    return kinds;
}

const char *logLine(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Version:
        return "******-receive version-******";
    case RecordKind::VideoAudioIRMap:
        return "******-receive status normal-******";
    case RecordKind::WindowStatus:
        return "******-receive status 0409-******";
    case RecordKind::InputChannelState:
        return "******-receive inputInfo-******";
    case RecordKind::NetWorkImforamtion:
        return "******-receive netInfo-******";
    case RecordKind::InOutChannelResolutionMap:
        return "******-receive Resolution-******";
    case RecordKind::OutputInfo:
        return "******-receive outputinfo-******";
    case RecordKind::BindInfo:
        return "******-receive bindinfo-******";
    case RecordKind::VolumnImformation:
        return "******-receive Get_Volume-******";
    case RecordKind::TitleImf:
        return "******-receive Get_OSD Get_Subtitle-******";
    case RecordKind::RotateAngle:
        return "******-receive Get_Rotate-******";
    case RecordKind::HDCPInfo:
        return "******-receive hdcpinfo-******";
    case RecordKind::ChangedByOthers:
        return "******-receive changed by others-******";
    }
    return "";
}

int dhcpSwitch(const QByteArray &repaired)
{
    constexpr std::string_view key("\"DHCP\":");
    const std::string_view text(repaired.constData(), size_t(repaired.size()));
    const int found = find(repaired, key);
    if (found < 0)
        return -1;
    const size_t at = size_t(found);
    std::string_view value = text.substr(at + key.size());
    const size_t comma = value.find(',');
    if (comma != std::string_view::npos)
        value = value.substr(0, comma);
    // As the record's last member the value runs into the closing brace.
    else if (!value.empty() && value.back() == '}')
        value.remove_suffix(1);
    if (value == "false" || value == "FALSE")
        return 0;
    if (value == "true" || value == "TRUE")
        return 1;
    return -1;
}

bool repeatsKeyBesideArray(const QByteArray &json)
{
    const std::string_view text(json.constData(), size_t(json.size()));
    if (text.find('[') == std::string_view::npos)
        return false;
    QVarLengthArray<std::string_view, 32> keys; // keys of the open objects, innermost last
    QVarLengthArray<int, 8> open; // where each open container's keys start; -1 for arrays
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{') {
            open.append(keys.size());
        } else if (c == '[') {
            open.append(-1);
        } else if ((c == '}' || c == ']') && !open.isEmpty()) {
            if (open.last() >= 0)
                keys.resize(open.last());
            open.removeLast();
        } else if (c == '"') {
            size_t end = i + 1;
            bool escaped = false;
            for (; end < text.size() && text[end] != '"'; ++end) {
                if (text[end] == '\\') {
                    escaped = true;
                    ++end;
                }
            }
            if (end >= text.size())
                return false; // unterminated: the parser refuses it anyway
            const std::string_view name = text.substr(i + 1, end - i - 1);
            i = end;
            size_t next = end + 1;
            while (next < text.size() && (text[next] == ' ' || text[next] == '\t' ||
                                          text[next] == '\r' || text[next] == '\n'))
                ++next;
            if (next >= text.size() || text[next] != ':' || open.isEmpty() || open.last() < 0)
                continue;
            // An escaped name may spell a plain one; it cannot be compared cheaply. A NUL
            // ends a name for the parser, so names that differ only after one are the same.
            if (escaped || name.find('\0') != std::string_view::npos)
                return true;
            for (int k = open.last(); k < keys.size(); ++k) {
                if (keys.at(k) == name)
                    return true;
            }
            keys.append(name);
        }
    }
    return false;
}

QString logText(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    QString text = QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
    text.remove(QStringLiteral("\r\n"));
    return text;
}

RawResult analyseRaw(const QByteArray &raw)
{
    RawResult result;
    if (raw.isEmpty())
        return result;
    const int nul = raw.indexOf('\0');
    QByteArray text = nul < 0 ? raw : raw.left(nul);
    if (has(text, "\r\n"))
        text.replace("\r\n", "");
    qCDebug(lcReply).noquote() << "Version 2 Analysis - " << QString::fromUtf8(text);

    // The tests are on the bytes: every key searched for is ASCII.
    if (has(text, "Chn_change") && has(text, "Mode_change") && has(text, "Color_change"))
        text.replace("_change", "");
    // The no-signal and the scaling-mode answers are forwarded each on their own test,
    // so a text holding both goes out twice.
    const bool chn = has(text, "\"Chn\":");
    if (chn && has(text, "\"Mode\":") && has(text, "\"Color\":"))
        ++result.forwardCount;
    if (chn && has(text, "\"Scaler_Mode\":"))
        ++result.forwardCount;
    // The text is built only for a receiver: most passes forward nothing.
    if (result.forwardCount > 0)
        result.text = QString::fromUtf8(text);
    result.http200 = has(text, "HTTP") && has(text, "200") && has(text, "Length:2OK");
    return result;
}

// ---------------------------------------------------------------------------------

void RecordBuffer::append(const QByteArray &bytes)
{
    // Spaces and line feeds never matter inside a record; drop them as they arrive
    // so no pass has to sweep the whole buffer again. Runs between them are copied
    // whole, and a read without either (the usual case) in one go.
    const char *in = bytes.constData();
    const size_t size = size_t(bytes.size());
    if (!std::memchr(in, ' ', size) && !std::memchr(in, '\n', size)) {
        m_data.append(bytes);
        return;
    }
    const int old = m_data.size();
    m_data.resize(old + bytes.size());
    char *out = m_data.data() + old;
    const char *const end = in + bytes.size();
    while (in < end) {
        const char *stop = in;
        while (stop < end && *stop != ' ' && *stop != '\n')
            ++stop;
        std::memcpy(out, in, size_t(stop - in));
        out += stop - in;
        in = stop + 1;
    }
    m_data.resize(static_cast<int>(out - m_data.constData()));
}

void RecordBuffer::clear()
{
    m_data.clear();
    m_pos = 0;
    m_braceFrom = 0;
    m_openFrom = 0;
}

QByteArray RecordBuffer::takeRecord()
{
    // Garbage without a "{" is looked at once, not again on every read after it.
    const int open = m_data.indexOf('{', qMax(m_pos, m_openFrom));
    if (open < 0) {
        m_openFrom = m_data.size();
        return QByteArray();
    }
    m_openFrom = open;
    const int close = m_data.indexOf('}', qMax(open, m_braceFrom));
    if (close < 0) {
        // Remember how far we looked, so a record arriving in many small reads is
        // not rescanned from its start each time.
        m_braceFrom = m_data.size();
        return QByteArray();
    }
    QByteArray record = m_data.mid(open, close - open + 1);
    m_pos = close + 1;
    m_braceFrom = m_pos;
    compact();
    return record;
}

int RecordBuffer::boundTail()
{
    const int pending = pendingSize();
    if (pending <= MaxUnframed)
        return 0;
    const int drop = pending - MaxUnframed;
    m_pos += drop;
    if (m_braceFrom < m_pos)
        m_braceFrom = m_pos;
    compact();
    return drop;
}

void RecordBuffer::compact()
{
    // Consumed bytes are cut off in one go once they outweigh what is left.
    if (m_pos == m_data.size()) {
        m_data.clear();
        m_braceFrom -= m_pos;
        m_openFrom -= m_pos;
        m_pos = 0;
    } else if (m_pos > 4096 && m_pos * 2 > m_data.size()) {
        m_data.remove(0, m_pos);
        m_braceFrom -= m_pos;
        m_openFrom -= m_pos;
        m_pos = 0;
    }
    if (m_braceFrom < 0)
        m_braceFrom = 0;
    if (m_openFrom < 0)
        m_openFrom = 0;
}

} // namespace ReplyParser
