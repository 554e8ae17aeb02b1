// Salvo recall figures: a 9-route salvo on a slow simulated device until the device's own
// answer shows it whole, with the default spacing; the same sent all at once (what pacing
// saves on time and loses in routes); and the tightest spacing that still lands it.
#include "benchregistry.h"

#include "appsettings.h"
#include "datadir.h"
#include "messagedistance.h"
#include "routepacer.h"
#include "salvocontroller.h"
#include "salvowiring.h"
#include "simdevice.h"
#include "userstore.h"
#include "widget.h"
#include "zelresources.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// The slow device: a switch sent sooner than this after the last one is dropped.
constexpr int DeviceGapMs = 60;
constexpr int Runs = 5;

struct Recall
{
    double ms = -1;
    int missing = -1;
};

// One recall of nine routes that each change the output, timed from the call until the
// report (which follows the device's answer to the routing query).
Recall recallOnce(SalvoController *salvos, const SimDevice &device, int run)
{
    QVector<Route> routes;
    for (int output = 1; output <= 9; ++output)
        routes.append({RouteKind::Video, output, device.state().video.value(output) % 8 + 1});
    const qint64 id = salvos->create(QStringLiteral("bench %1").arg(run), routes);
    QSignalSpy finished(salvos, &SalvoController::recallFinished);
    QElapsedTimer clock;
    clock.start();
    if (id == 0 || !salvos->recall(ActingUser(), id) || !finished.wait(10000))
        return {};
    const Recall result{clock.nsecsElapsed() / 1e6, salvos->lastReport().missing.size()};
    salvos->remove(id);
    return result;
}

Recall medianOf(SalvoController *salvos, const SimDevice &device, int spacing, int runs)
{
    salvos->setSpacing(spacing);
    std::vector<double> times;
    int missing = 0;
    for (int i = 0; i < runs; ++i) {
        const Recall r = recallOnce(salvos, device, spacing * 100 + i);
        if (r.ms < 0)
            return {};
        times.push_back(r.ms);
        missing = std::max(missing, r.missing);
        // The device is idle again before the next salvo, as between an operator's recalls.
        QTest::qWait(DeviceGapMs * 2);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], missing};
}

int runSalvoBench(const QStringList &)
{
    initZelResources();
    QTemporaryDir dir;
    DataDir::set(dir.path());
    SimDevice device(QStringLiteral("0809"));
    SimFaults faults;
    faults.minCommandGapMs = DeviceGapMs;
    device.setFaults(faults);
    if (!device.listen(QHostAddress::LocalHost, 0, 0))
        return 1;
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), device.controlPort());
    UserStore::initTables();
    UserStore::setLoginModel(1);
    MessageDistance::instance()->setUploadPort(device.uploadPort());
    int rc = 1;
    {
        Widget window;
        QElapsedTimer wait;
        wait.start();
        while (!device.receivedCommands().contains(QStringLiteral("{param=bindinfo}")) &&
               wait.elapsed() < 5000)
            QTest::qWait(5);
        QTest::qWait(200);
        auto *wiring = window.findChild<SalvoWiring *>();
        if (wiring) {
            SalvoController *salvos = wiring->controller();
            const Recall paced = medianOf(salvos, device, RoutePacer::DefaultSpacingMs, Runs);
            const Recall burst = medianOf(salvos, device, 0, Runs);
            printFigure(QStringLiteral("salvo_recall_verified_ms"), paced.ms, QStringLiteral("ms"));
            printFigure(QStringLiteral("salvo_recall_missing_paced"),
                        paced.missing,
                        QStringLiteral("routes"));
            printFigure(QStringLiteral("salvo_recall_unpaced_ms"), burst.ms, QStringLiteral("ms"));
            printFigure(QStringLiteral("salvo_recall_missing_unpaced"),
                        burst.missing,
                        QStringLiteral("routes"));
            // The tightest spacing, in steps of 10 ms, at which every run landed whole.
            int tightest = -1;
            for (int spacing = RoutePacer::DefaultSpacingMs; spacing >= 0; spacing -= 10) {
                if (medianOf(salvos, device, spacing, 3).missing != 0)
                    break;
                tightest = spacing;
            }
            printFigure(
                QStringLiteral("salvo_tightest_whole_spacing_ms"), tightest, QStringLiteral("ms"));
            printFigure(QStringLiteral("salvo_device_gap_ms"), DeviceGapMs, QStringLiteral("ms"));
            rc = paced.missing == 0 ? 0 : 1;
        }
    }
    MessageDistance::instance()->disconnectFromDevice();
    DataDir::set(QString());
    return rc;
}

const BenchRegistration reg("salvo",
                            "9-route salvo on a slow simulated device until verified; paced "
                            "against all at once, and the tightest spacing that lands it",
                            &runSalvoBench);

} // namespace
