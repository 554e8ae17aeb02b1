#pragma once

#include "headlesscore.h"
#include "remoteserver.h"
#include "simdevice.h"
#include "storagetestkit.h"

#include <QString>
#include <QVector>

#include <functional>

#include <memory>

struct PermissionRights;

// A simulated device, the operator core on a real link to it, and the remote server on an
// ephemeral loopback port, in a data directory of their own. The window's user is the
// administrator throughout, so a refusal can only come from the web user's own rights.
class RemoteFixture
{
public:
    // False (with a test failure) when the device picture did not arrive.
    bool start(const QString &model = QStringLiteral("0809"),
               const std::function<void(SimState &)> &prepare = {});
    void stop();

    quint16 port() const { return server->port(); }
    // A user of type 1 with every right except those `deny` clears.
    static int addUser(const QString &name,
                       const QString &password,
                       const std::function<void(PermissionRights &)> &deny = {});
    // Waits until the core holds the device's routes.
    bool pictureMatchesDevice() const;

    std::unique_ptr<ScopedDataDir> dir;
    std::unique_ptr<SimDevice> device;
    std::unique_ptr<HeadlessCore> core;
    std::unique_ptr<RemoteServer> server;
};
