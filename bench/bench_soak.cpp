#include "benchregistry.h"

#include "appsettings.h"
#include "commands.h"
#include "datadir.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "simdevice.h"
#include "userstore.h"
#include "widget.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <random>

// zelbench soak: the client against a misbehaving simulated device while a second client
// keeps changing it; at the end the client's store must match the device.
namespace {

struct SoakOptions
{
    int seconds = 60;
    int fragment = 7;
    int garbageEvery = 5;
    int dropEvery = 6; // below the start-up queries, so every connection is cut
    int replyDelayMs = 5;
    int changeEveryMs = 40;
    QString model = QStringLiteral("0809");
};

bool parseOptions(QStringList args, SoakOptions *o)
{
    while (!args.isEmpty()) {
        const QString name = args.takeFirst();
        if (args.isEmpty())
            return false;
        bool ok = true;
        const QString value = args.takeFirst();
        if (name == QLatin1String("--model"))
            o->model = value;
        else if (name == QLatin1String("--seconds"))
            o->seconds = value.toInt(&ok);
        else if (name == QLatin1String("--fragment"))
            o->fragment = value.toInt(&ok);
        else if (name == QLatin1String("--garbage-every"))
            o->garbageEvery = value.toInt(&ok);
        else if (name == QLatin1String("--drop-every"))
            o->dropEvery = value.toInt(&ok);
        else if (name == QLatin1String("--reply-delay-ms"))
            o->replyDelayMs = value.toInt(&ok);
        else if (name == QLatin1String("--change-every-ms"))
            o->changeEveryMs = value.toInt(&ok);
        else
            return false;
        if (!ok)
            return false;
    }
    return o->seconds > 0 && SimState::isKnownModel(o->model);
}

qint64 residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4 : -1;
}

void spin(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The second client: a connection of its own that keeps changing routes, volumes,
// locks and bindings, and comes back whenever the device drops it.
class Changer : public QObject
{
public:
    Changer(quint16 port, int inputs, int outputs)
        : m_port(port)
        , m_inputs(inputs)
        , m_outputs(outputs)
    {
        connect(&m_socket, &QTcpSocket::readyRead, this, [this] { m_socket.readAll(); });
        connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
            ++m_reconnects;
            connectNow();
        });
        connect(&m_timer, &QTimer::timeout, this, [this] { changeOne(); });
    }
    void start(int everyMs)
    {
        connectNow();
        m_timer.start(everyMs);
    }
    void stop()
    {
        m_timer.stop();
        m_socket.disconnect(this);
        m_socket.abort();
    }
    int changes() const { return m_changes; }
    int reconnects() const { return m_reconnects; }

private:
    void connectNow() { m_socket.connectToHost(QHostAddress::LocalHost, m_port); }
    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    QString command()
    {
        const int output = pick(1, m_outputs);
        // Built as for a 0809: the +100 ports keep their offset.
        constexpr int model = DeviceModels::code(DeviceModel::Model0809);
        switch (pick(0, 5)) {
        case 0:
            return Commands::switchPort(pick(1, m_inputs), 0, output, model);
        case 1:
            return Commands::switchPort(pick(1, m_inputs), 1, pick(1, m_inputs), model);
        case 2:
            return Commands::switchPort(pick(1, m_inputs), 2, output, model);
        case 3:
            return Commands::volume(pick(1, m_inputs), pick(0, 100));
        case 4:
            return Commands::outputLock(output, pick(0, 1) == 1);
        default:
            if (pick(0, 1) == 0)
                return Commands::unBind(output);
            return Commands::bind(output, {output, output % m_outputs + 1});
        }
    }
    void changeOne()
    {
        if (m_socket.state() != QAbstractSocket::ConnectedState)
            return;
        m_socket.write(command().toUtf8());
        ++m_changes;
    }

    QTcpSocket m_socket;
    QTimer m_timer;
    std::mt19937 m_random{20261207};
    quint16 m_port;
    int m_inputs;
    int m_outputs;
    int m_changes = 0;
    int m_reconnects = 0;
};

template<typename V, typename W>
int compareMap(const char *field,
               const QMap<int, V> &device,
               const QMap<int, W> &store,
               int *fields)
{
    int mismatches = 0;
    for (auto it = device.cbegin(); it != device.cend(); ++it) {
        ++*fields;
        if (!store.contains(it.key()) || W(it.value()) != store.value(it.key())) {
            if (++mismatches <= 5)
                std::fprintf(stderr,
                             "soak: %s %d: device %s, client %s\n",
                             field,
                             it.key(),
                             qPrintable(QVariant(it.value()).toString()),
                             store.contains(it.key())
                                 ? qPrintable(QVariant(store.value(it.key())).toString())
                                 : "missing");
        }
    }
    return mismatches;
}

// Every field the client shows against the device's own state.
int compareStates(const SimState &device, const DeviceState *store, int *fields)
{
    QMap<int, int> video;
    QMap<int, int> ir;
    for (int output = 1; output <= device.outputs; ++output) {
        video.insert(output, device.video.value(output));
        ir.insert(output, device.ir.value(output));
    }
    return compareMap("video", video, store->videoRouting(), fields) +
           compareMap("audio", device.audio, store->audioRouting(), fields) +
           compareMap("ir", ir, store->irRouting(), fields) +
           compareMap("volume", device.volume, store->volume(), fields) +
           compareMap("mute", device.mute, store->audioMuted(), fields) +
           compareMap("input", device.inputPresent, store->inputPresent(), fields) +
           compareMap("link", device.link, store->outputLinked(), fields) +
           compareMap("frozen", device.frozen, store->outputFrozen(), fields) +
           compareMap("lock", device.outputLock, store->outputLocked(), fields) +
           compareMap("videomute", device.videoMute, store->outputVideoMuted(), fields) +
           compareMap("hdcp", device.hdcp, store->inputHdcp(), fields);
}

// The faults stopped: one new connection, its start-up queries and the volume query
// the volume dialog makes, all answered. The limits are for a starved machine; an idle
// one needs about a second.
bool requery(SimDevice *device)
{
    MessageDistance *link = MessageDistance::instance();
    QSignalSpy connected(link, &MessageDistance::connectSuccessFulSig);
    QSignalSpy bound(link, &MessageDistance::receiveBindInfoSig);
    QSignalSpy volumes(link, &MessageDistance::receiveVolumnImformationSig);
    link->connectToDevice(QStringLiteral("127.0.0.1"), device->controlPort());
    if (!connected.wait(30000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (bound.isEmpty() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    link->sendGetVolume();
    while (volumes.isEmpty() && clock.elapsed() < 90000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    link->waitUntilDrained(10000);
    spin(1000);
    return !bound.isEmpty() && !volumes.isEmpty();
}

SimFaults faultsOf(const SoakOptions &o)
{
    SimFaults faults;
    faults.splitReplyBytes = o.fragment;
    faults.garbageEvery = o.garbageEvery;
    faults.dropAfterCommands = o.dropEvery;
    faults.replyDelayMs = o.replyDelayMs;
    return faults;
}

// NOLINTNEXTLINE(readability-function-size): the soak script in order: set up, run, settle, compare
int runSoak(const QStringList &args)
{
    SoakOptions o;
    if (!parseOptions(args, &o)) {
        std::fprintf(stderr,
                     "usage: zelbench soak [--seconds N] [--model M] [--fragment N] "
                     "[--garbage-every N] [--drop-every N] [--reply-delay-ms MS] "
                     "[--change-every-ms MS]\n");
        return 2;
    }
    QTemporaryDir dir;
    DataDir::set(dir.path());
    SimDevice device(o.model);
    if (!device.listen(QHostAddress::LocalHost, 0, 0))
        return 1;
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), device.controlPort());
    AppSettings::instance()->setLanguage(1);
    UserStore::initTables();
    UserStore::setLoginModel(1);
    MessageDistance *link = MessageDistance::instance();
    link->setUploadPort(device.uploadPort());
    device.setFaults(faultsOf(o));

    int reconnects = 0;
    QObject counter;
    QObject::connect(link, &MessageDistance::connectSuccessFulSig, &counter, [&] { ++reconnects; });
    const quint64 parsed0 = link->recordsParsed();
    auto window = std::make_unique<Widget>(
        nullptr,
        [](LoginDialog &) { return int(QDialog::Rejected); },
        [](QDialog &) { return int(QDialog::Accepted); });
    Changer changer(device.controlPort(), device.state().inputs, device.state().outputs);
    changer.start(o.changeEveryMs);

    // Resident memory is taken once the windows, caches and pools have settled.
    const int warmUpMs = qBound(5000, o.seconds * 100, 60000);
    QElapsedTimer clock;
    clock.start();
    qint64 rssStart = -1;
    while (clock.elapsed() < qint64(o.seconds) * 1000 + warmUpMs) {
        spin(500);
        device.clearReceivedCommands(); // the simulator's own log would grow the figure
        if (rssStart < 0 && clock.elapsed() >= warmUpMs)
            rssStart = residentKb();
    }
    const qint64 rssEnd = residentKb();
    const int connectsDuringFaults = reconnects;

    changer.stop();
    device.setFaults(SimFaults());
    spin(500);
    const bool requeried = requery(&device);
    int fields = 0;
    const int mismatches = compareStates(device.state(), DeviceState::instance(), &fields);
    window.reset();
    link->disconnectFromDevice();

    printFigure(QStringLiteral("soak_seconds"), o.seconds, QStringLiteral("s"));
    printFigure(QStringLiteral("soak_changes"), changer.changes(), QStringLiteral("changes"));
    printFigure(QStringLiteral("soak_changer_reconnects"),
                changer.reconnects(),
                QStringLiteral("reconnects"));
    printFigure(
        QStringLiteral("soak_reconnects"), connectsDuringFaults - 1, QStringLiteral("reconnects"));
    printFigure(QStringLiteral("soak_records_parsed"),
                double(link->recordsParsed() - parsed0),
                QStringLiteral("records"));
    printFigure(QStringLiteral("soak_fields_compared"), fields, QStringLiteral("fields"));
    printFigure(QStringLiteral("soak_requery_complete"), requeried ? 1 : 0, QStringLiteral("bool"));
    printFigure(QStringLiteral("soak_mismatches"), mismatches, QStringLiteral("fields"));
    printFigure(
        QStringLiteral("soak_rss_growth_kb"), double(rssEnd - rssStart), QStringLiteral("kB"));
    DataDir::set(QString());
    return mismatches == 0 && requeried ? 0 : 1;
}

} // namespace

static const BenchRegistration soakRegistration(
    "soak",
    "[--seconds N] client against a faulty simulator while another client changes it",
    &runSoak);
