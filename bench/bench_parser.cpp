#include "benchregistry.h"

#include "messagedistance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <ctime>
#include <cstdio>

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
    static const QVector<QByteArray> mix = {
        "{\"type\":\"0809\",\"MCU\":\"V1.2\",\"FPGA\":\"V2.0\",\"device\":\"matrix\",\"audio\":1,\"bezel_x\":\"0/0/0/0\",\"bezel_y\":\"0/0/0/0\"}",
        braced(flat("video", 9, "1") + flat("audio", 9, "2") + flat("IR", 9, "3") + "\"splice_mode\":0,"),
        braced(flat("input-", 8, "\"true\"")),
        "{\"ip\":\"192.168.1.100\",\"gateway\":\"192.168.1.1\",\"subnet\":\"255.255.255.0\",\"mac\":\"00:1A:2B:3C:4D:5E\",\"DHCP\":false}",
        braced(flat("in", 8, "1920x1080x60Hz") + flat("out", 9, "3840x2160x30Hz")),
        braced(flat("link", 9, "1")),
        "{\"bind1\":\"1/2/3\",\"bind2\":\"4/5\",\"mode\":1}",
        braced(flat("Volume", 8, "50") + flat("Mute", 8, "0")),
        "{\"Switch\":true,\"Speed\":3,\"Color\":255,255,255,\"Position_x\":0,\"Position_y\":0,\"Bg_switch\":false,\"Bg_Color\":0,0,0,\"Move_dir\":left}",
        braced(flat("Angle", 9, "0")),
        braced(flat("hdcp_in", 8, "1")),
        "{window1:1,0,0,0,1920,1080,window2:2,1,1920,0,1920,1080,window3:3,2,0,1080,1920,1080,window4:4,3,1920,1080,1920,1080,VIR:0,AUDIO:1}",
        "{video3_change=5}",
    };
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

// Elapsed ns until the worker has handled everything fed so far.
qint64 feedAndDrain(MessageDistance *link, const QVector<QByteArray> &reads)
{
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray &read : reads)
        link->feedReceivedData(read);
    if (!link->waitUntilDrained(600000))
        std::fprintf(stderr, "parser: worker did not drain\n");
    return clock.nsecsElapsed();
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
    printFigure(QStringLiteral("replay_signals"), double(link->signalsEmitted() - signalCount), QStringLiteral("signals"));
    printFigure(QStringLiteral("replay_records_per_s"), ns > 0 ? double(handled) * 1e9 / double(ns) : 0,
                QStringLiteral("records/s"));
    return 0;
}

int runParser(const QStringList &args)
{
    // Logging costs are the log handler's business; here only the parse path counts.
    const QtMessageHandler previous = qInstallMessageHandler(discardMessages);
    MessageDistance *link = MessageDistance::instance();
    std::atomic<quint64> received{0};
    auto count = [&received](const QJsonObject &) { ++received; };
    for (auto signal : {&MessageDistance::receiveVersionSig, &MessageDistance::receiveInputChannelStateSig,
                        &MessageDistance::receiveNetWorkImforamtionSig, &MessageDistance::receiveVolumnImformationSig,
                        &MessageDistance::receiveVideoAudioIRMapSig, &MessageDistance::receiveInOutChannelResolutionMapSig,
                        &MessageDistance::receiveTitleImfSig, &MessageDistance::receiveHDCPInfoSig,
                        &MessageDistance::receiveOutputInfoSig, &MessageDistance::receiveWindowStatusSig,
                        &MessageDistance::receiveRotateAngleSig, &MessageDistance::receiveChangedByOthersSig,
                        &MessageDistance::receiveBindInfoSig})
        QObject::connect(link, signal, link, count, Qt::DirectConnection);

    int rc = 0;
    const int replayAt = args.indexOf(QStringLiteral("--replay"));
    if (replayAt >= 0) {
        rc = args.size() > replayAt + 1 ? replay(link, args.at(replayAt + 1)) : 2;
    } else {
        const QVector<QByteArray> &mix = recordMix();
        QVector<QByteArray> reads;
        const int mixedCount = 130000;
        reads.reserve(mixedCount);
        for (int i = 0; i < mixedCount; ++i)
            reads << mix.at(i % mix.size());
        feedAndDrain(link, reads.mid(0, 2000)); // warm up
        const quint64 before = link->recordsParsed();
        const qint64 mixedNs = feedAndDrain(link, reads);
        const quint64 parsed = link->recordsParsed() - before;
        printFigure(QStringLiteral("parser_mixed_records_per_s"), double(parsed) * 1e9 / double(mixedNs),
                    QStringLiteral("records/s"));

        const QByteArray small = burst(1000);
        const QByteArray large = burst(100000);
        const double perSmall = double(feedAndDrain(link, {small})) / 1000.0;
        const double perLarge = double(feedAndDrain(link, {large})) / 100000.0;
        printFigure(QStringLiteral("parser_burst_ns_per_record_1000"), perSmall, QStringLiteral("ns"));
        printFigure(QStringLiteral("parser_burst_ns_per_record_100000"), perLarge, QStringLiteral("ns"));
        printFigure(QStringLiteral("parser_burst_scaling"), perLarge / perSmall, QStringLiteral("ratio"));
        printFigure(QStringLiteral("link_idle_cpu_percent"), idleCpuPercent(link), QStringLiteral("%"));

        // The floor under the figures above: the toolkit's JSON parser alone, no link.
        QVector<QByteArray> repaired;
        for (const QByteArray &record : mix)
            repaired << ReplyParser::repairRecord(record);
        const int rounds = 20000;
        QElapsedTimer clock;
        clock.start();
        int members = 0;
        for (int i = 0; i < rounds; ++i) {
            for (const QByteArray &record : qAsConst(repaired))
                members += QJsonDocument::fromJson(record).object().size();
        }
        const double jsonNs = double(clock.nsecsElapsed());
        printFigure(QStringLiteral("parser_json_only_records_per_s"),
                    members >= 0 ? double(rounds) * repaired.size() * 1e9 / jsonNs : 0, QStringLiteral("records/s"));
    }
    QObject::disconnect(link, nullptr, link, nullptr);
    qInstallMessageHandler(previous);
    return rc;
}

const BenchRegistration registration("parser", "reply parsing throughput, burst scaling, idle CPU; --replay FILE",
                                     &runParser);

} // namespace
