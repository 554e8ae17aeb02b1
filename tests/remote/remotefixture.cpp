#include "remotefixture.h"

#include "appsettings.h"
#include "devicestate.h"
#include "linkindicator.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "permissionstore.h"
#include "planmarkstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "replyrecords.h"
#include "simtestkit.h"
#include "testtimeouts.h"
#include "userstore.h"

#include <QtTest>

bool RemoteFixture::start(const QString &model, const std::function<void(SimState &)> &prepare)
{
    dir = std::make_unique<ScopedDataDir>();
    UserStore::initTables();
    PermissionStore::createTable();
    PortNameStore::createPortNameTables();
    AppSettings *settings = AppSettings::instance();
    settings->setCurrentUser(QStringLiteral("ADMIN"));
    settings->setCurrentUserType(0);
    PlanNameStore::createTable();
    PlanMarkStore::createTable();
    device = startSim(model);
    if (!device)
        return false;
    if (prepare) {
        SimState state = device->state();
        prepare(state);
        device->setState(state);
    }
    core = std::make_unique<HeadlessCore>();
    core->start(QStringLiteral("127.0.0.1"), device->controlPort());
    server = std::make_unique<RemoteServer>(core->context());
    QString error;
    if (!server->listen(QHostAddress::LocalHost, 0, &error)) {
        qWarning() << error;
        return false;
    }
    if (!QTest::qWaitFor(
            [this] { return core->context().link->isOnline() && pictureMatchesDevice(); },
            TestTimeouts::Long)) {
        qWarning("RemoteFixture: the device picture did not arrive");
        return false;
    }
    // A start-up record answered after a test's own change would undo it in the picture:
    // wait for every start-up query, then for a marker record behind their answers.
    const int code = DeviceState::instance()->deviceType();
    const auto queries = ReplyRecords::startUpQueries(code);
    if (!QTest::qWaitFor(
            [&] {
                const QStringList received = device->receivedCommands();
                return std::all_of(queries.begin(), queries.end(), [&](const auto &q) {
                    return received.contains(q.second);
                });
            },
            TestTimeouts::Long)) {
        qWarning("RemoteFixture: the start-up queries did not all arrive");
        return false;
    }
    QSignalSpy marker(core->context().core, &OperatorCore::rotationChanged);
    MessageDistance::instance()->sendGetRotate();
    return marker.wait(TestTimeouts::Short);
}

void RemoteFixture::stop()
{
    if (!server)
        return;
    server.reset();
    core.reset();
    device.reset();
    dir.reset();
}

bool RemoteFixture::pictureMatchesDevice() const
{
    const DeviceState *state = DeviceState::instance();
    if (state->deviceType() !=
        DeviceState::normalizedDeviceType(SimState::models().indexOf(device->model())))
        return false;
    const QMap<int, int> video = device->state().video;
    for (auto it = video.begin(); it != video.end(); ++it) {
        if (state->videoRouting(it.key()) != it.value())
            return false;
    }
    return true;
}

int RemoteFixture::addUser(const QString &name,
                           const QString &password,
                           const std::function<void(PermissionRights &)> &deny)
{
    UserStore::addUser(name, password);
    PermissionStore store;
    store.createDefaultRights(name);
    int id = -1;
    for (const UserRow &row : UserStore::allUsers()) {
        if (row.username == name)
            id = row.id;
    }
    PermissionRights rights = store.readRights(id);
    if (deny) {
        deny(rights);
        store.saveRights(id, rights);
    }
    return id;
}
