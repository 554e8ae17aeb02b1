// zelsim: one simulated device on the command line, for demos, manual tests and benchmarks.

#include "simdevice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QTextStream>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

#ifdef Q_OS_UNIX
int s_signalFds[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here: the event loop reads the byte and quits.
    [[maybe_unused]] const ssize_t written = ::write(s_signalFds[0], &byte, 1);
}

void quitOnSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_signalFds) != 0) {
        err() << "zelsim: cannot watch for signals; stop with SIGKILL\n";
        return;
    }
    auto *notifier = new QSocketNotifier(s_signalFds[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        notifier->setEnabled(false);
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(s_signalFds[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
#else
void quitOnSignals(QCoreApplication &)
{
    // The default handling ends the process; the state file is saved after every change.
}
#endif

bool readPort(const QCommandLineParser &parser, const QString &option, quint16 *port)
{
    bool ok = false;
    const uint value = parser.value(option).toUInt(&ok);
    if (!ok || value > 65535) {
        err() << "zelsim: --" << option << " needs a port number 0-65535, not \""
              << parser.value(option).left(16) << "\"\n";
        return false;
    }
    *port = quint16(value);
    return true;
}

bool readCount(const QCommandLineParser &parser, const QString &option, int *value)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int v = parser.value(option).toInt(&ok);
    if (!ok || v < 0) {
        err() << "zelsim: --" << option << " needs a number >= 0, not \""
              << parser.value(option).left(16) << "\"\n";
        return false;
    }
    *value = v;
    return true;
}

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("A simulated matrix switcher that speaks the device protocol over TCP."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"model", "Device model: 0808, 0809, 0409-S, 0808-S or 0809-M.", "model", "0809"},
        {"listen", "Address to listen on.", "address", "127.0.0.1"},
        {"port", "Control port; 0 picks a free one.", "port", "8080"},
        {"upload-port", "Upload port; 0 picks a free one.", "port", "6666"},
        {"state", "JSON state file, loaded at start and saved after every change.", "file"},
        {{"drop-every", "drop-after"}, "Close a control connection after N commands.", "N"},
        {{"reply-delay-ms", "delay"}, "Hold every answer back N milliseconds.", "ms"},
        {{"fragment", "split"}, "Write answers in pieces of N bytes, a moment apart.", "N"},
        {"garbage-every", "Put unframed bytes before every Nth answer.", "N"},
        {{"min-gap-ms", "slow"},
         "Ignore a setting command arriving sooner than N milliseconds after the last one "
         "carried out (a slow device); queries are still answered.",
         "ms"},
        {"garbage", "Put unframed bytes before every answer (--garbage-every 1)."},
        {"refuse-upload", "Refuse connections on the upload port."},
        {"no-ack", "Answer the end of an upload with something other than the acknowledgement."},
        {"ignore", "Leave this query unanswered (status, Get_Rotate, ...); repeatable.", "query"},
        {"verbose", "Print one line per connection and per command."},
    });
}

bool readFaults(const QCommandLineParser &parser, SimFaults *faults)
{
    if (!readCount(parser, "drop-every", &faults->dropAfterCommands) ||
        !readCount(parser, "reply-delay-ms", &faults->replyDelayMs) ||
        !readCount(parser, "fragment", &faults->splitReplyBytes) ||
        !readCount(parser, "garbage-every", &faults->garbageEvery) ||
        !readCount(parser, "min-gap-ms", &faults->minCommandGapMs)) {
        return false;
    }
    if (parser.isSet("garbage"))
        faults->garbageEvery = 1;
    faults->refuseUpload = parser.isSet("refuse-upload");
    faults->withholdAck = parser.isSet("no-ack");
    const QStringList ignored = parser.values("ignore");
    for (const QString &query : ignored)
        faults->ignoredQueries.insert(query);
    return true;
}

// Loads the file if it exists and saves to it after every change.
bool useStateFile(SimDevice &device, const QString &stateFile)
{
    QString error;
    if (QFileInfo::exists(stateFile) && !device.loadState(stateFile, &error)) {
        err() << "zelsim: cannot load " << stateFile << ": " << error << "\n";
        return false;
    }
    device.setStateFile(stateFile);
    return true;
}

// One line per connection, command and upload on stdout.
void printActivity(SimDevice &device, QCoreApplication &app)
{
    QObject::connect(&device, &SimDevice::clientConnected, &app, [](int id, const QString &peer) {
        out() << "client " << id << " connected from " << peer << Qt::endl;
    });
    QObject::connect(&device, &SimDevice::clientDisconnected, &app, [](int id) {
        out() << "client " << id << " disconnected" << Qt::endl;
    });
    QObject::connect(&device, &SimDevice::uploadConnected, &app, [](const QString &peer) {
        out() << "upload connection from " << peer << Qt::endl;
    });
    QObject::connect(
        &device, &SimDevice::commandReceived, &app, [](int id, const QString &command) {
            out() << "client " << id << ": " << command << Qt::endl;
        });
    QObject::connect(&device, &SimDevice::commandIgnored, &app, [](int id, const QString &command) {
        out() << "client " << id << ": ignored (busy) " << command << Qt::endl;
    });
    QObject::connect(&device, &SimDevice::uploadReceived, &app, [](const SimUpload &upload) {
        out() << "upload "
              << (upload.kind.isEmpty() ? QStringLiteral("(unannounced)") : upload.kind) << " port "
              << upload.port << ": " << upload.data.size() << " bytes" << Qt::endl;
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));

    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);

    const QString model = parser.value("model");
    if (!SimDevice::models().contains(model)) {
        err() << "zelsim: unknown model \"" << model.left(16) << "\"; one of "
              << SimDevice::models().join(", ") << "\n";
        return 2;
    }
    const QHostAddress address(parser.value("listen"));
    if (address.isNull()) {
        err() << "zelsim: --listen needs an IP address, not \"" << parser.value("listen").left(40)
              << "\"\n";
        return 2;
    }
    quint16 controlPort = 0;
    quint16 uploadPort = 0;
    SimFaults faults;
    if (!readPort(parser, "port", &controlPort) || !readPort(parser, "upload-port", &uploadPort) ||
        !readFaults(parser, &faults)) {
        return 2;
    }

    SimDevice device(model);
    const QString stateFile = parser.value("state");
    if (!stateFile.isEmpty() && !useStateFile(device, stateFile))
        return 1;
    device.setFaults(faults);

    const bool verbose = parser.isSet("verbose");
    if (verbose)
        printActivity(device, app);

    if (!device.listen(address, controlPort, uploadPort)) {
        err() << "zelsim: cannot listen on " << address.toString() << " ports " << controlPort
              << "/" << uploadPort << "\n";
        return 1;
    }
    // One line a script can read the ports from.
    out() << "zelsim " << model << " listening on " << address.toString() << " control "
          << device.controlPort() << " upload " << device.uploadPort() << Qt::endl;

    quitOnSignals(app);
    const int code = app.exec();
    if (!stateFile.isEmpty()) {
        QString error;
        if (!device.saveState(stateFile, &error))
            err() << "zelsim: cannot save " << stateFile << ": " << error << "\n";
    }
    if (verbose)
        out() << "zelsim stopped" << Qt::endl;
    return code;
}
