#include "fuzzsupport.h"

#include "replyparser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <QVector>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

void init()
{
    static int argc = 1;
    static char name[] = "zelfuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = nullptr;
    if (app)
        return;
    app = new QCoreApplication(argc, argv);
    qInstallMessageHandler(quiet);
}

QString scratchDir()
{
    static const QString shm = QStringLiteral("/dev/shm");
    static QTemporaryDir dir(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/zelfuzz-XXXXXX")
                                                         : QString());
    if (!dir.isValid())
        fail("cannot create a scratch directory");
    return dir.path();
}

void fail(const char *what)
{
    std::fprintf(stderr, "zelfuzz: %s\n", what);
    std::abort();
}

bool hasRepeatedKey(const QByteArray &json)
{
    // One key set per open object; arrays push a marker so their strings are values.
    QVector<QSet<QByteArray>> objects;
    QVector<bool> isObject;
    bool expectKey = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '{') {
            objects.append(QSet<QByteArray>());
            isObject.append(true);
            expectKey = true;
        } else if (c == '[') {
            isObject.append(false);
            expectKey = false;
        } else if ((c == '}' || c == ']') && !isObject.isEmpty()) {
            if (isObject.takeLast())
                objects.removeLast();
            expectKey = false;
        } else if (c == ',') {
            expectKey = !isObject.isEmpty() && isObject.last();
        } else if (c == '"') {
            int end = i + 1;
            while (end < json.size() && json.at(end) != '"')
                end += json.at(end) == '\\' ? 2 : 1;
            if (expectKey && !objects.isEmpty()) {
                const QByteArray key = json.mid(i + 1, end - i - 1);
                // An escaped name may spell an earlier one differently, and the parser
                // reads a name only up to a NUL: refuse both too.
                if (key.contains('\\') || key.contains('\0') || objects.last().contains(key))
                    return true;
                objects.last().insert(key);
                expectKey = false;
            }
            i = end;
        }
    }
    return false;
}

bool readRecord(const uint8_t *data, size_t size, QJsonObject *record)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QByteArray repaired = ReplyParser::repairRecord(bytes);
    if (hasRepeatedKey(repaired))
        return false;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(repaired, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    *record = doc.object();
    return true;
}

} // namespace FuzzSupport
