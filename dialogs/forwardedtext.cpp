#include "forwardedtext.h"

#include <QStringList>

namespace ForwardedText {

namespace {

const QString ChnKey = QStringLiteral("\"Chn\":");

// The text after `key` in `record` up to the first of `ends`, quotes dropped.
std::optional<QString> valueAfter(const QString &record, const QString &key, const QString &ends)
{
    const int at = record.indexOf(key);
    if (at < 0)
        return std::nullopt;
    const int from = at + key.size();
    int to = from;
    while (to < record.size() && !ends.contains(record.at(to)))
        ++to;
    return record.mid(from, to - from).remove(QLatin1Char('"')).trimmed();
}

// Every record from "Chn" up to its closing brace, holding `key`.
QStringList recordsWith(const QString &text, const QString &key)
{
    QStringList records;
    int at = text.indexOf(ChnKey);
    while (at >= 0) {
        int end = text.indexOf(QLatin1Char('}'), at);
        if (end < 0)
            end = text.size();
        const QString record = text.mid(at, end - at);
        if (record.contains(key))
            records << record;
        at = text.indexOf(ChnKey, end);
    }
    return records;
}

bool channelIs(const QString &record, int port)
{
    bool ok = false;
    const int channel =
        valueAfter(record, ChnKey, QStringLiteral(",}")).value_or(QString()).toInt(&ok);
    return ok && channel == port;
}

} // namespace

std::optional<int> scalerMode(const QString &text, int port)
{
    const QString key = QStringLiteral("\"Scaler_Mode\":");
    for (const QString &record : recordsWith(text, key)) {
        if (!channelIs(record, port))
            continue;
        bool ok = false;
        const int mode = valueAfter(record, key, QStringLiteral(",}"))->toInt(&ok);
        if (ok && mode >= 0 && mode <= 3)
            return mode;
    }
    return std::nullopt;
}

std::optional<NoSignal> noSignal(const QString &text, int port)
{
    const QString modeKey = QStringLiteral("\"Mode\":");
    for (const QString &record : recordsWith(text, modeKey)) {
        if (!channelIs(record, port))
            continue;
        bool ok = false;
        NoSignal setting;
        setting.mode = valueAfter(record, modeKey, QStringLiteral(","))->toInt(&ok);
        if (!ok || setting.mode < 0 || setting.mode > 10)
            continue;
        if (setting.mode == 0) {
            // The colour is a bare list running to the record's end.
            const QStringList parts =
                valueAfter(record, QStringLiteral("\"Color\":"), QStringLiteral("}"))
                    .value_or(QString())
                    .split(QLatin1Char(','));
            if (parts.size() == 3) {
                setting.red = qBound(0, parts.at(0).trimmed().toInt(), 255);
                setting.green = qBound(0, parts.at(1).trimmed().toInt(), 255);
                setting.blue = qBound(0, parts.at(2).trimmed().toInt(), 255);
            }
        }
        return setting;
    }
    return std::nullopt;
}

} // namespace ForwardedText
