#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

QString CommandLine::version()
{
    return QStringLiteral(ZELDESK_VERSION);
}

void CommandLine::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Control client for ZEL matrix switchers, video-wall splicers and multiview "
        "processors.\n\n"
        "First login: user ADMIN, password tiger905. Change that password in User "
        "Management (the client offers it after the first login).\n\n"
        "Environment:\n"
        "  ZELDESK_DATA_DIR     where config.ini and project.db live (--data-dir wins)\n"
        "  ZELDESK_UPLOAD_PORT  the device's upload port (default 6666)\n"
        "  QT_LOGGING_RULES     turn diagnostics up, e.g. \"zel.*.debug=true\"\n"
        "Log files: log/yyyy-MM-dd.log under the data directory when it is not the "
        "application directory (given with --data-dir or ZELDESK_DATA_DIR, or the user's "
        "data directory of an installed client); otherwise, and with --demo, under the "
        "working directory."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {QStringLiteral("data-dir"),
         QCoreApplication::translate("CommandLine", "Keep config.ini and project.db in <dir>."),
         QStringLiteral("dir")});
    parser.addOption({QStringLiteral("demo"),
                      QCoreApplication::translate(
                          "CommandLine",
                          "Run against a simulated device on loopback, with a data directory of "
                          "its own. MODEL after it: 0808, 0809 (default), 0409-S, 0808-S or "
                          "0809-M.")});
    parser.addOption({QStringLiteral("serve"),
                      QCoreApplication::translate(
                          "CommandLine",
                          "Run without a window: connect to the device and serve the remote page "
                          "and HTTP API (see --listen). Needs no display.")});
    parser.addOption(
        {QStringLiteral("listen"),
         QCoreApplication::translate(
             "CommandLine",
             "With --serve: listen on <address:port> (default 127.0.0.1:8790, this computer "
             "only). An address beyond loopback, such as 0.0.0.0:8790, opens the server to the "
             "network, and is refused while an account still has the default password."),
         QStringLiteral("address:port")});
    parser.addOption({QStringLiteral("device"),
                      QCoreApplication::translate(
                          "CommandLine",
                          "With --serve: the device at <host:port> instead of the one in "
                          "config.ini."),
                      QStringLiteral("host:port")});
    parser.addOption({QStringLiteral("allow-host"),
                      QCoreApplication::translate(
                          "CommandLine",
                          "With --serve: a host name browsers may use for this server besides "
                          "its IP addresses and localhost (repeatable)."),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("tls-cert"),
                      QCoreApplication::translate(
                          "CommandLine",
                          "With --serve: serve HTTPS with this PEM certificate (and --tls-key). "
                          "Without it passwords cross the network in the clear."),
                      QStringLiteral("file")});
    parser.addOption(
        {QStringLiteral("tls-key"),
         QCoreApplication::translate("CommandLine", "With --serve: the PEM key of --tls-cert."),
         QStringLiteral("file")});
    parser.addPositionalArgument(
        QStringLiteral("MODEL"),
        QCoreApplication::translate("CommandLine", "The model for --demo."),
        QStringLiteral("[MODEL]"));
}

bool CommandLine::asksHelpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *flag : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], flag) == 0)
                return true;
        }
    }
    return false;
}

void CommandLine::answer(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zeldesk"));
    QCoreApplication::setApplicationVersion(version());
    QCommandLineParser parser;
    describe(parser);
    parser.process(app); // prints and exits for help and version
    std::exit(0);
}
