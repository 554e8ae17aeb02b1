#include "benchregistry.h"

#include "logmessagehandler.h"
#include "messagedistance.h"
#include "recordsignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <cstdio>
#include <ctime>

namespace {

// One of each kind the device sends, in the shapes it sends them.
QByteArray flat(const char *prefix, int count, const QByteArray &value)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += '"' + QByteArray(prefix) + QByteArray::number(i) + "\":" + value + ',';
    return out;
}

QByteArray braced(QByteArray members)
{
    members.chop(1);
    return '{' + members + '}';
}

// One of each kind the device sends, in the shapes it sends them (one member per port).
const QVector<QByteArray> &recordMix()
{
    // Adjacent literals join into one record on purpose.
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    static const QVector<QByteArray> mix = {
        "{\"type\":\"0809\",\"MCU\":\"V1.2\",\"FPGA\":\"V2.0\",\"device\":\"matrix\",\"audio\":1,"
        "\"bezel_x\":\"0/0/0/0\",\"bezel_y\":\"0/0/0/0\"}",
        braced(flat("video", 9, "1") + flat("audio", 9, "2") + flat("IR", 9, "3") +
               "\"splice_mode\":0,"),
        braced(flat("input-", 8, "\"true\"")),
        "{\"ip\":\"192.168.1.100\",\"gateway\":\"192.168.1.1\",\"subnet\":\"255.255.255.0\","
        "\"mac\":\"00:1A:2B:3C:4D:5E\",\"DHCP\":false}",
        braced(flat("in", 8, "1920x1080x60Hz") + flat("out", 9, "3840x2160x30Hz")),
        braced(flat("link", 9, "1")),
        "{\"bind1\":\"1/2/3\",\"bind2\":\"4/5\",\"mode\":1}",
        braced(flat("Volume", 8, "50") + flat("Mute", 8, "0")),
        "{\"Switch\":true,\"Speed\":3,\"Color\":255,255,255,\"Position_x\":0,\"Position_y\":0,\"Bg_"
        "switch\":false,\"Bg_Color\":0,0,0,\"Move_dir\":left}",
        braced(flat("Angle", 9, "0")),
        braced(flat("hdcp_in", 8, "1")),
        "{window1:1,0,0,0,1920,1080,window2:2,1,1920,0,1920,1080,window3:3,2,0,1080,1920,1080,"
        "window4:4,3,1920,1080,1920,1080,VIR:0,AUDIO:1}",
        "{video3_change=5}",
    };
    // NOLINTEND(bugprone-suspicious-missing-comma)
    return mix;
}

void discardMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

QByteArray burst(int records)
{
    const QVector<QByteArray> &mix = recordMix();
    QByteArray bytes;
    for (int i = 0; i < records; ++i)
        bytes += mix.at(i % mix.size());
    return bytes;
}

// Handles this thread's events until the worker has finished with everything fed so
// far and, with `received`, a receiver here has every signal raised since `signalsBefore`.
void drain(MessageDistance *link,
           const std::atomic<quint64> *received,
           quint64 receivedBefore,
           quint64 signalsBefore)
{
    QTimer tick; // a last pass may raise nothing to wake this thread
    tick.start(1);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (link->waitUntilDrained(0) && (!received || received->load() - receivedBefore >=
                                                           link->signalsEmitted() - signalsBefore))
            return;
    }
}

// Elapsed ns until the worker has handled everything fed so far.
qint64 feedAndDrain(MessageDistance *link,
                    const QVector<QByteArray> &reads,
                    const std::atomic<quint64> *received = nullptr)
{
    const quint64 receivedBefore = received ? received->load() : 0;
    const quint64 signalsBefore = link->signalsEmitted();
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray &read : reads)
        link->feedReceivedData(read);
    drain(link, received, receivedBefore, signalsBefore);
    return clock.nsecsElapsed();
}

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

constexpr quint64 PaceReads = 1000; // at most this many reads wait for the worker

struct Run
{
    double recordsPerS = 0;
    double cpuNsPerRecord = 0;
};

// The reads fed at a bounded pace, so the buffers stay small as with a real socket,
// and this thread's events handled in between as the client's event loop would.
// With `received` the run lasts until a receiver on this thread has every signal.
Run pacedRun(MessageDistance *link,
             const QVector<QByteArray> &reads,
             const std::atomic<quint64> *received = nullptr)
{
    const quint64 before = link->recordsParsed();
    const quint64 signalsBefore = link->signalsEmitted();
    const quint64 receivedBefore = received ? received->load() : 0;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < reads.size(); ++i) {
        link->feedReceivedData(reads.at(i));
        if (i % 100 == 99) {
            link->waitUntilBacklogAtMost(PaceReads, 600000);
            QCoreApplication::processEvents();
        }
    }
    drain(link, received, receivedBefore, signalsBefore);
    const double ns = double(clock.nsecsElapsed());
    const double parsed = double(link->recordsParsed() - before);
    return {parsed * 1e9 / ns, (cpuSeconds() - cpuBefore) * 1e9 / parsed};
}

// The client's own log handler writing every line into a temporary directory.
Run runWithLog(MessageDistance *link, const QVector<QByteArray> &reads)
{
    QTemporaryDir dir;
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkpath(QStringLiteral("log"));
    QLoggingCategory::setFilterRules(QString());
    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    const Run run = pacedRun(link, reads);
    QElapsedTimer clock;
    clock.start();
    const int lines = 20000;
    for (int i = 0; i < lines; ++i)
        qDebug() << "******-receive status normal-******";
    printFigure(
        QStringLiteral("log_line_ns"), double(clock.nsecsElapsed()) / lines, QStringLiteral("ns"));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QDir::setCurrent(cwd);
    return run;
}

double idleCpuPercent(MessageDistance *link)
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    QEventLoop loop;
    QObject::connect(link, &MessageDistance::connectSuccessFulSig, &loop, &QEventLoop::quit);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    link->connectToDevice(QStringLiteral("127.0.0.1"), server.serverPort());
    loop.exec();
    if (!link->isConnected())
        return -1;
    const std::clock_t before = std::clock();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuSeconds = double(std::clock() - before) / CLOCKS_PER_SEC;
    link->disconnectFromDevice();
    return 100.0 * cpuSeconds / (double(wall.nsecsElapsed()) / 1e9);
}

int replay(MessageDistance *link, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "parser: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    const quint64 records = link->recordsDispatched();
    const quint64 signalCount = link->signalsEmitted();
    const qint64 ns = feedAndDrain(link, {bytes});
    const quint64 handled = link->recordsDispatched() - records;
    printFigure(QStringLiteral("replay_records"), double(handled), QStringLiteral("records"));
    printFigure(QStringLiteral("replay_signals"),
                double(link->signalsEmitted() - signalCount),
                QStringLiteral("signals"));
    printFigure(QStringLiteral("replay_records_per_s"),
                ns > 0 ? double(handled) * 1e9 / double(ns) : 0,
                QStringLiteral("records/s"));
    return 0;
}

// NOLINTNEXTLINE(readability-function-size): one switch over the run modes, read top to bottom
int runParser(const QStringList &args)
{
    // The parse path alone: nobody receives the diagnostics, so none are formatted.
    const QtMessageHandler previous = qInstallMessageHandler(discardMessages);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    MessageDistance *link = MessageDistance::instance();
    std::atomic<quint64> received{0};
    QObject receiver; // on this thread, like the main window
    auto count = [&received](const QJsonObject &) {
        ++received;
    };
    for (const RecordSignals::Entry &entry : RecordSignals::all())
        QObject::connect(link, entry.signal, &receiver, count);

    int rc = 0;
    const int replayAt = args.indexOf(QStringLiteral("--replay"));
    if (replayAt >= 0) {
        rc = args.size() > replayAt + 1 ? replay(link, args.at(replayAt + 1)) : 2;
    } else if (args.contains(QStringLiteral("--log-only")) ||
               args.contains(QStringLiteral("--mixed-only"))) {
        // One run alone, for a profiler; ZEL_BENCH_RECORDS sets its length.
        const int count = qEnvironmentVariableIsSet("ZEL_BENCH_RECORDS")
                              ? qEnvironmentVariableIntValue("ZEL_BENCH_RECORDS")
                              : 60000;
        QVector<QByteArray> reads;
        for (int i = 0; i < count; ++i)
            reads << recordMix().at(i % recordMix().size());
        const bool log = args.contains(QStringLiteral("--log-only"));
        const Run run = log ? runWithLog(link, reads) : pacedRun(link, reads);
        const QString name =
            log ? QStringLiteral("parser_with_log") : QStringLiteral("parser_mixed");
        printFigure(
            name + QStringLiteral("_records_per_s"), run.recordsPerS, QStringLiteral("records/s"));
        printFigure(
            name + QStringLiteral("_cpu_ns_per_record"), run.cpuNsPerRecord, QStringLiteral("ns"));
    } else {
        const QVector<QByteArray> &mix = recordMix();
        QVector<QByteArray> reads;
        const int mixedCount = 130000;
        reads.reserve(mixedCount);
        for (int i = 0; i < mixedCount; ++i)
            reads << mix.at(i % mix.size());
        pacedRun(link, reads.mid(0, 2000)); // warm up
        QCoreApplication::processEvents();
        const Run mixed = pacedRun(link, reads);
        printFigure(QStringLiteral("parser_mixed_records_per_s"),
                    mixed.recordsPerS,
                    QStringLiteral("records/s"));
        printFigure(QStringLiteral("parser_mixed_cpu_ns_per_record"),
                    mixed.cpuNsPerRecord,
                    QStringLiteral("ns"));
        QCoreApplication::processEvents();
        const Run gui = pacedRun(link, reads, &received);
        printFigure(QStringLiteral("parser_gui_records_per_s"),
                    gui.recordsPerS,
                    QStringLiteral("records/s"));
        printFigure(QStringLiteral("parser_gui_cpu_ns_per_record"),
                    gui.cpuNsPerRecord,
                    QStringLiteral("ns"));
        const Run logged = runWithLog(link, reads.mid(0, 30000));
        QCoreApplication::processEvents();
        printFigure(QStringLiteral("parser_with_log_records_per_s"),
                    logged.recordsPerS,
                    QStringLiteral("records/s"));
        printFigure(QStringLiteral("parser_with_log_cpu_ns_per_record"),
                    logged.cpuNsPerRecord,
                    QStringLiteral("ns"));

        const QByteArray small = burst(1000);
        const QByteArray large = burst(100000);
        const double perSmall = double(feedAndDrain(link, {small}, &received)) / 1000.0;
        const double perLarge = double(feedAndDrain(link, {large}, &received)) / 100000.0;
        printFigure(
            QStringLiteral("parser_burst_ns_per_record_1000"), perSmall, QStringLiteral("ns"));
        printFigure(
            QStringLiteral("parser_burst_ns_per_record_100000"), perLarge, QStringLiteral("ns"));
        printFigure(
            QStringLiteral("parser_burst_scaling"), perLarge / perSmall, QStringLiteral("ratio"));
        printFigure(
            QStringLiteral("link_idle_cpu_percent"), idleCpuPercent(link), QStringLiteral("%"));

        // The floor under the figures above: the toolkit's JSON parser alone, no link.
        QVector<QByteArray> repaired;
        for (const QByteArray &record : mix)
            repaired << ReplyParser::repairRecord(record);
        const int rounds = 20000;
        const double cpuBefore = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        int members = 0;
        for (int i = 0; i < rounds; ++i) {
            for (const QByteArray &record : qAsConst(repaired))
                members += QJsonDocument::fromJson(record).object().size();
        }
        const double jsonNs = double(clock.nsecsElapsed());
        const double jsonCpuNs = (cpuSeconds() - cpuBefore) * 1e9;
        printFigure(QStringLiteral("parser_json_only_records_per_s"),
                    members >= 0 ? double(rounds) * repaired.size() * 1e9 / jsonNs : 0,
                    QStringLiteral("records/s"));
        printFigure(QStringLiteral("parser_json_only_cpu_ns_per_record"),
                    jsonCpuNs / (double(rounds) * repaired.size()),
                    QStringLiteral("ns"));
    }
    QObject::disconnect(link, nullptr, &receiver, nullptr);
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    return rc;
}

const BenchRegistration registration(
    "parser",
    "reply parsing throughput, burst scaling, idle CPU; --replay FILE; --log-only or --mixed-only",
    &runParser);

} // namespace
