// Main-window figures: process start to the window shown, a change on the device until
// the store holds it, and until the affected cell has been repainted.
#include "benchregistry.h"

#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "logmessagehandler.h"
#include "messagedistance.h"
#include "simdevice.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "userstore.h"
#include "widget.h"
#include "zelresources.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

double startupMs()
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zeldesk");
    QTemporaryDir work;
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i) {
        QProcess process;
        process.setWorkingDirectory(work.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZELDESK_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        process.start(program, {QStringLiteral("--demo")});
        if (!process.waitForReadyRead(10000))
            return -1;
        runs.push_back(clock.nsecsElapsed() / 1e6);
        process.waitForFinished(5000);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

struct Latency
{
    double median = -1;
    double p99 = -1;
};

Latency latencyOf(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[size_t(double(samples.size()) * 0.99)]};
}

struct ChangeLatency
{
    Latency store; // until the store holds the change
    Latency idle;  // until the event loop has also done what the change set off
};

ChangeLatency changeToStore(int notices)
{
    QTemporaryDir dir;
    DataDir::set(dir.path());
    SimDevice device(QStringLiteral("0809"));
    if (!device.listen(QHostAddress::LocalHost, 0, 0))
        return {};
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), device.controlPort());
    UserStore::initTables();
    UserStore::setLoginModel(1);
    MessageDistance::instance()->setUploadPort(device.uploadPort());
    Widget window;
    QElapsedTimer wait;
    wait.start();
    while (!device.receivedCommands().contains(QStringLiteral("{param=bindinfo}")) &&
           wait.elapsed() < 5000)
        QTest::qWait(5);
    QTest::qWait(100);

    std::vector<double> held;
    std::vector<double> idle;
    DeviceState *state = DeviceState::instance();
    QElapsedTimer clock;
    int input = 0;
    int output = 0;
    // Connected after the window's own receiver, so it runs once the window has applied
    // the notice.
    QObject probe;
    QObject::connect(MessageDistance::instance(),
                     &MessageDistance::receiveChangedByOthersSig,
                     &probe,
                     [&](const QJsonObject &) {
                         if (state->videoRouting(output) == input)
                             held.push_back(double(clock.nsecsElapsed()) / 1e3);
                     });
    for (int i = 0; i < notices; ++i) {
        input = 1 + i % 8;
        output = 1 + (i / 8) % 9;
        if (state->videoRouting(output) == input)
            continue;
        clock.start();
        device.applyPanelCommand(QStringLiteral("%1VIDEO%2").arg(input).arg(output));
        while (state->videoRouting(output) != input && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        idle.push_back(double(clock.nsecsElapsed()) / 1e3);
    }
    MessageDistance::instance()->disconnectFromDevice();
    DataDir::set(QString());
    return {latencyOf(held), latencyOf(idle)};
}

// Notes when a source label is painted with the text it waits for.
class PaintProbe : public QObject
{
public:
    QString expected;
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !expected.isEmpty()) {
            auto *label = static_cast<QLabel *>(watched);
            if (label->text().startsWith(expected))
                painted = true;
        }
        return false;
    }
};

Latency changeToCell(int notices)
{
    QTemporaryDir dir;
    DataDir::set(dir.path());
    SimDevice device(QStringLiteral("0809"));
    if (!device.listen(QHostAddress::LocalHost, 0, 0))
        return {};
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), device.controlPort());
    UserStore::initTables();
    UserStore::setLoginModel(1);
    MessageDistance::instance()->setUploadPort(device.uploadPort());
    Widget window;
    window.resize(1280, 800);
    QElapsedTimer wait;
    wait.start();
    while (!device.receivedCommands().contains(QStringLiteral("{param=bindinfo}")) &&
           wait.elapsed() < 5000)
        QTest::qWait(5);
    QTest::qWait(200);

    auto *video = window.findChild<TableWidget *>(QStringLiteral("videoTableWidget"));
    if (!video)
        return {};
    std::vector<double> samples;
    PaintProbe probe;
    DeviceState *state = DeviceState::instance();
    for (int i = 0; i < notices; ++i) {
        const int output = 1 + i % 9;
        const int input = 1 + (state->videoRouting(output) % 8);
        TableItemWidget *cell = video->cellForPort(output);
        auto *label = cell ? cell->findChild<QLabel *>(QStringLiteral("InputName")) : nullptr;
        if (!label)
            continue;
        label->installEventFilter(&probe);
        probe.expected = QStringLiteral("[%1] ").arg(input);
        probe.painted = false;
        QElapsedTimer clock;
        clock.start();
        device.applyPanelCommand(QStringLiteral("%1VIDEO%2").arg(input).arg(output));
        while (!probe.painted && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        samples.push_back(clock.nsecsElapsed() / 1e6);
        label->removeEventFilter(&probe);
    }
    MessageDistance::instance()->disconnectFromDevice();
    DataDir::set(QString());
    return latencyOf(samples);
}

int runMainWindowBench(const QStringList &)
{
    initZelResources();
    qputenv("ZELDESK_QUIT_WHEN_SHOWN", QByteArray());
    printFigure(QStringLiteral("startup_to_window_ms"), startupMs(), QStringLiteral("ms"));
    // The client's own log handler, writing where nobody looks, as zeldesk does.
    QTemporaryDir logDir;
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(logDir.path());
    QDir().mkpath(QStringLiteral("log"));
    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    const ChangeLatency change = changeToStore(1000);
    printFigure(
        QStringLiteral("change_to_store_us_median"), change.store.median, QStringLiteral("us"));
    printFigure(QStringLiteral("change_to_store_us_p99"), change.store.p99, QStringLiteral("us"));
    printFigure(
        QStringLiteral("change_to_idle_us_median"), change.idle.median, QStringLiteral("us"));
    printFigure(QStringLiteral("change_to_idle_us_p99"), change.idle.p99, QStringLiteral("us"));
    const Latency cell = changeToCell(1000);
    printFigure(QStringLiteral("change_to_cell_ms_median"), cell.median, QStringLiteral("ms"));
    printFigure(QStringLiteral("change_to_cell_ms_p99"), cell.p99, QStringLiteral("ms"));
    qInstallMessageHandler(previous);
    QDir::setCurrent(cwd);
    return 0;
}

const BenchRegistration reg(
    "mainwindow",
    "zeldesk --demo start to window shown; device change to store and to the repainted cell, p99",
    &runMainWindowBench);

} // namespace
