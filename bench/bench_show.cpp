#include "benchregistry.h"

#include "actinguser.h"
#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "projecttables.h"
#include "routepacer.h"
#include "salvostore.h"
#include "showdeviceapply.h"
#include "showimport.h"
#include "showlocalstore.h"
#include "simdevice.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A full 0809 show: every port named, ten plan names, twenty salvos of nine routes and a
// device picture unlike the simulator's defaults in every route and output setting.
ShowDocument fullDocument()
{
    ShowDocument doc;
    doc.model = DeviceModel::Model0809;
    for (const ShowDocument::Names kind : ShowDocument::nameKinds()) {
        for (int port = 1; port <= ShowDocument::maxPort(kind); ++port)
            doc.names[kind].insert(port, QStringLiteral("Port %1 of the show").arg(port));
    }
    for (int plan = 0; plan < ShowDocument::PlanCount; ++plan)
        doc.planNames.insert(plan, QStringLiteral("Scene %1").arg(plan + 1));
    for (int n = 1; n <= 20; ++n) {
        ShowSalvo salvo{QStringLiteral("Salvo %1").arg(n, 2, 10, QLatin1Char('0')), {}};
        for (int out = 1; out <= 9; ++out)
            salvo.routes.append({QStringLiteral("video"), out, (out + n) % 8 + 1});
        doc.salvos.append(salvo);
    }
    ShowDeviceSnapshot d;
    for (int out = 1; out <= 9; ++out) {
        // Outputs 3 and 4 are one wall group, so they show one source.
        const int in = out == 4 ? 6 : 9 - (out - 1) % 8 - 1;
        d.routes.append({QStringLiteral("video"), out, in});
        d.routes.append({QStringLiteral("infrared"), out, out % 8 + 1});
        d.routes.append({QStringLiteral("hdmiAudio"), 100 + out, 100 + in});
        if (out <= 8)
            d.routes.append({QStringLiteral("audio"), out, 9 - out});
        d.resolution.insert(out, QStringLiteral("1280x720"));
        d.outputLock.insert(out, out % 2 == 0);
    }
    d.wallGroups.insert(3, {3, 4});
    d.bezel = {{1, 2, 3, 4, 5, 6, 7, 8}};
    doc.device = d;
    return doc;
}

template<typename Sender, typename Signal>
bool waitFor(Sender *sender, Signal signal, int timeoutMs)
{
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    QObject::connect(sender, signal, &loop, [&loop] { loop.exit(0); });
    return loop.exec() == 0;
}

// The local part alone, into a data directory of its own; in ms.
qint64 localImportMs(const ShowDocument &doc)
{
    QTemporaryDir localDir;
    DataDir::set(localDir.path());
    createProjectTables();
    QElapsedTimer timer;
    timer.start();
    QString error;
    ShowLocalStore().write(doc, QStringLiteral("127.0.0.1"), {true, true, true}, &error);
    return timer.elapsed();
}

// Every part of `doc` onto the connected device until verified; in ms, -1 on failure.
qint64 fullImportMs(OperatorCore *core, const ShowDocument &doc, ShowDeviceApply::Report *report)
{
    ShowImport import(core);
    import.setDocument(doc);
    QSet<ShowPart> all;
    for (const ShowPart part : ShowPreview::parts())
        all.insert(part);
    QObject::connect(import.device(),
                     &ShowDeviceApply::finished,
                     [report](const ShowDeviceApply::Report &r) { *report = r; });
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!import.apply(ActingUser(), all, &error) ||
        !waitFor(import.device(), &ShowDeviceApply::finished, 60000))
        return -1;
    return timer.elapsed();
}

void printFigures(qint64 total, qint64 local, const ShowDeviceApply::Report &report)
{
    printFigure(QStringLiteral("show_import_ms"), double(total), QStringLiteral("ms"));
    printFigure(QStringLiteral("show_import_local_ms"), double(local), QStringLiteral("ms"));
    printFigure(QStringLiteral("show_import_commands"),
                double(report.sent.size() + report.settings),
                QStringLiteral("commands"));
    printFigure(QStringLiteral("show_import_spacing_ms"),
                double(RoutePacer::DefaultSpacingMs),
                QStringLiteral("ms"));
    printFigure(QStringLiteral("show_import_missing"),
                double(report.missing.size() + report.refused.size()),
                QStringLiteral("routes"));
}

int runShowBench(const QStringList &)
{
    // The link logs every record; the figures are the output.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTemporaryDir dir;
    DataDir::set(dir.path());
    createProjectTables();
    SalvoStore::createTables();
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), 80);
    SimDevice device(QStringLiteral("0809"));
    MessageDistance *link = MessageDistance::instance();
    OperatorCore core(link, DeviceState::instance());
    core.createBindGroups();
    core.connectLink();
    if (!device.listen(QHostAddress::LocalHost, 0, 0))
        return 1;
    link->setUploadPort(device.uploadPort());
    link->connectToDevice(QStringLiteral("127.0.0.1"), device.controlPort());
    if (!waitFor(link, &MessageDistance::receiveBindInfoSig, 15000))
        return 1;

    const ShowDocument doc = fullDocument();
    ShowDeviceApply::Report report;
    const qint64 total = fullImportMs(&core, doc, &report);
    printFigures(total, localImportMs(doc), report);
    link->disconnectFromDevice();
    DataDir::set(QString());
    qInstallMessageHandler(previous);
    return total >= 0 && report.verified ? 0 : 1;
}

const BenchRegistration
    reg("show",
        "a full 0809 show file imported (local parts and device) until verified",
        &runShowBench);

} // namespace
