#include "servemode.h"

#include "commandline.h"
#include "datadir.h"
#include "demomode.h"
#include "headlesscore.h"
#include "logmessagehandler.h"
#include "permissionstore.h"
#include "remoteserver.h"
#include "userstore.h"
#include "webpage.h"
#include "webtexts.h"
#include "zelresources.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char DefaultPassword[] = "tiger905";
int s_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; the event loop reads the byte.
    [[maybe_unused]] const ssize_t written = ::write(s_signalPipe[1], &byte, 1);
}

void quitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        qInfo().noquote() << "Serve: stopping on a signal";
        QCoreApplication::quit();
    });
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
}

int fail(const QString &text, int code = 2)
{
    qWarning().noquote() << "Serve:" << text;
    std::fprintf(stderr, "zeldesk --serve: %s\n", qPrintable(text));
    return code;
}

// The data directory, made owner-only before DataDir would make it with the default mode;
// 0, or the exit code after saying why.
int serviceDir(const QCommandLineParser &parser)
{
    QString dir = parser.value(QStringLiteral("data-dir"));
    if (dir.isEmpty())
        dir = qEnvironmentVariable("ZELDESK_DATA_DIR");
    QString error;
    return dir.isEmpty() || ServeMode::prepareDataDir(dir, &error) ? 0 : fail(error);
}

// Where to listen: --listen or the default, checked; 0, or the exit code after saying why.
int listenAddress(const QCommandLineParser &parser, QHostAddress *address, quint16 *port)
{
    ServeMode::Endpoint listen;
    ServeMode::parseEndpoint(QString::fromLatin1(ServeMode::DefaultListen), &listen);
    if (parser.isSet(QStringLiteral("listen")) &&
        !ServeMode::parseEndpoint(parser.value(QStringLiteral("listen")), &listen, true))
        return fail(QStringLiteral("--listen wants ADDRESS:PORT, got \"%1\"")
                        .arg(parser.value(QStringLiteral("listen"))));
    *address = QHostAddress(listen.host);
    *port = listen.port;
    if (address->isNull())
        return fail(QStringLiteral("--listen wants an IP address, got \"%1\"").arg(listen.host));
    const QString refusal = ServeMode::refusalToListen(*address);
    return refusal.isEmpty() ? 0 : fail(refusal, 3);
}

// The line scripts and the service manager wait for, and the warning beyond loopback.
void announce(const QHostAddress &address, quint16 port, bool tls)
{
    if (!address.isLoopback())
        qWarning().noquote() << "Serve: open to the network on" << address.toString()
                             << "- anyone who can reach this port can try to log in";
    std::fprintf(stdout,
                 "zeldesk serving on %s://%s:%u%s\n",
                 tls ? "https" : "http",
                 qPrintable(address.protocol() == QAbstractSocket::IPv6Protocol
                                ? QStringLiteral("[%1]").arg(address.toString())
                                : address.toString()),
                 port,
                 address.isLoopback() ? "" : " (open to the network)");
    std::fflush(stdout);
}

} // namespace

bool ServeMode::requested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--serve") == 0)
            return true;
    }
    return false;
}

bool ServeMode::parseEndpoint(const QString &text, Endpoint *endpoint, bool anyPort)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return false;
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    if (!ok || (port == 0 && !anyPort) || port > 65535 || host.isEmpty())
        return false;
    endpoint->host = host;
    endpoint->port = static_cast<quint16>(port);
    return true;
}

QString ServeMode::refusalToListen(const QHostAddress &address)
{
    if (address.isLoopback())
        return QString();
    QStringList open;
    for (const UserRow &row : UserStore::allUsers()) {
        if (UserStore::checkLogin(row.username, QString::fromLatin1(DefaultPassword)))
            open.append(row.username);
    }
    if (open.isEmpty())
        return QString();
    return QCoreApplication::translate(
               "ServeMode",
               "Refusing to listen on %1: account %2 still has the default password. Change it "
               "in User Management, or listen on 127.0.0.1.")
        .arg(address.toString(), open.join(QStringLiteral(", ")));
}

bool ServeMode::prepareDataDir(const QString &path, QString *error)
{
    if (QFileInfo::exists(path))
        return true;
    if (!QDir().mkpath(path)) {
        *error = QStringLiteral("cannot create the data directory %1").arg(path);
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

int ServeMode::run(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zeldesk"));
    QCoreApplication::setApplicationVersion(CommandLine::version());
    QCommandLineParser parser;
    CommandLine::describe(parser);
    parser.process(app);

    bool demo = false;
    const QString model = DemoMode::requestedModel(app.arguments(), &demo);
    if (const int code = demo ? 0 : serviceDir(parser))
        return code;
    DataDir::applyCommandLine(app.arguments());
    LogFile::install(demo);
    initZelResources();
    initWebPage();

    DemoMode demoMode;
    if (demo) {
        QString error;
        if (!demoMode.start(model, &error))
            return fail(error);
    }
    UserStore::initTables();
    PermissionStore::createTable();

    QHostAddress address;
    quint16 port = 0;
    if (const int code = listenAddress(parser, &address, &port))
        return code;

    Endpoint device;
    if (parser.isSet(QStringLiteral("device")) &&
        !parseEndpoint(parser.value(QStringLiteral("device")), &device))
        return fail(QStringLiteral("--device wants HOST:PORT, got \"%1\"")
                        .arg(parser.value(QStringLiteral("device"))));

    HeadlessCore core;
    RemoteServer server(core.context());
    server.setPageTexts(WebTexts::sources());
    server.setAllowedHosts(parser.values(QStringLiteral("allow-host")));
    server.setTls(parser.value(QStringLiteral("tls-cert")),
                  parser.value(QStringLiteral("tls-key")));
    QString error;
    if (!server.listen(address, port, &error))
        return fail(error);
    announce(address, server.port(), parser.isSet(QStringLiteral("tls-cert")));
    core.start(device.host, device.port);
    quitOnSignals();
    const int code = QCoreApplication::exec();
    server.close();
    return code;
}
