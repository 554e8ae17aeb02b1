#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// `zeldesk --serve`: the operator core and the remote server without a window or a
// display. Connects to the device of config.ini (or --device), keeps the link, its
// re-queries and the device picture as the window does, and serves the page and API.
class ServeMode
{
public:
    static constexpr const char *DefaultListen = "127.0.0.1:8790";

    struct Endpoint
    {
        QString host;
        quint16 port = 0;
    };

    static bool requested(int argc, char *argv[]);
    // "HOST:PORT", "[v6]:PORT"; false for anything else. The port is 1..65535, or 0 (any
    // free port) with `anyPort`.
    static bool parseEndpoint(const QString &text, Endpoint *endpoint, bool anyPort = false);
    // Why listening on `address` is refused now; empty when it may go ahead. Beyond
    // loopback no account may still accept the administrator's first password.
    static QString refusalToListen(const QHostAddress &address);
    // Creates the data directory owner-only (0700) when it is missing.
    static bool prepareDataDir(const QString &path, QString *error);

    // The whole run, from the command line to exit; returns the exit code.
    static int run(int argc, char *argv[]);
};
