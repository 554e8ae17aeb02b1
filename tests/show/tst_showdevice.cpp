#include "actinguser.h"
#include "appsettings.h"
#include "bindgroups.h"
#include "datadir.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "projecttables.h"
#include "salvostore.h"
#include "showdeviceapply.h"
#include "showexport.h"
#include "showimport.h"
#include "simdevice.h"
#include "storagetestkit.h"
#include "testtimeouts.h"

#include <QHostAddress>
#include <QtTest>

#include <memory>

namespace {

const QString kIp = QStringLiteral("127.0.0.1");

// A device picture unlike the simulator's defaults in every part a show file carries, and
// consistent the way a device is (a bound group shows one source).
SimState scrambled(const QString &model)
{
    SimState s = SimState::defaults(model);
    const bool splitter = s.hasSplitter();
    for (int o = 1; o <= s.outputs; ++o) {
        // Output 9 of the 0809-M belongs to the splitter view while a layout is set.
        if (!(splitter && o == 9))
            s.video[o] = s.inputs + 1 - ((o - 1) % s.inputs + 1);
        s.ir[o] = (o % s.inputs) + 1;
        s.outputResolution[o] = o % 2 ? QStringLiteral("1280x720") : QStringLiteral("3840x2160");
        s.outputLock[o] = o == 2;
    }
    // The 0808-S has no analogue audio inputs.
    s.audio[1] = model == QLatin1String("0808-S") ? 103 : 3;
    s.audio[102] = 105;
    if (splitter) {
        s.splitterLayout = 2;
        for (int a = 1; a <= SimState::SplitterAreas; ++a)
            s.splitter[a] = (a % s.inputs) + 1;
    }
    if (s.isMultiview()) {
        s.virMode = 2;
        s.rotation[2] = 1;
        s.windows[0] = SimWindow{2, 1, 0, 0, 960, 540};
        s.windows[2] = SimWindow{4, 2, 960, 540, 960, 540};
    } else if (model != QLatin1String("0808-S")) {
        // Splice mode 2 binds 1 and 5 on the device; a group of its own beside it.
        s.spliceMode = 2;
        s.bind({1, 5});
        s.bind({3, 4});
        s.routeVideo(1, s.video.value(1));
        s.routeVideo(3, s.video.value(3));
    }
    s.bezel = {1, 2, 3, 4, 5, 6, 7, 8};
    return s;
}

} // namespace

// The device part of a show file against the simulator: what one device had, another gets.
class tst_ShowDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void devicePartReproducesSourceDevice_data();
    void devicePartReproducesSourceDevice();
    void devicePartsWaitForTheConnection();

private:
    // Connects the core to `device` and returns once its start-up picture is in.
    bool connectTo(SimDevice *device);
    void disconnect();

    std::unique_ptr<OperatorCore> m_core;
};

void tst_ShowDevice::initTestCase()
{
    m_core = std::make_unique<OperatorCore>(MessageDistance::instance(), DeviceState::instance());
    m_core->createBindGroups();
    m_core->connectLink();
}

void tst_ShowDevice::cleanup()
{
    disconnect();
}

void tst_ShowDevice::disconnect()
{
    MessageDistance::instance()->disconnectFromDevice();
    // What one device left must not pass for the next one's record.
    DeviceState *state = DeviceState::instance();
    state->setVideoRouting({});
    state->setAudioRouting({});
    state->setIrRouting({});
    state->setSplitterRouting({});
    state->setOutputResolutions({});
    state->setOutputLocked({});
    state->setRotation({});
    state->setWindowStatus({});
    state->setSplitterLayout(0);
    state->setSpliceMode(0);
    state->setVirMode(0);
    m_core->bindGroups()->clearGroups();
}

bool tst_ShowDevice::connectTo(SimDevice *device)
{
    MessageDistance *link = MessageDistance::instance();
    const QString model = device->model();
    auto last = model == QLatin1String("0409-S")   ? &MessageDistance::receiveRotateAngleSig
                : model == QLatin1String("0808-S") ? &MessageDistance::receiveOutputInfoSig
                                                   : &MessageDistance::receiveBindInfoSig;
    QSignalSpy settled(link, last);
    link->setUploadPort(device->uploadPort());
    link->connectToDevice(kIp, device->controlPort());
    if (!settled.wait(TestTimeouts::Long))
        return false;
    // The window's wall view keeps the multiview windows; here the device's own stand in.
    if (device->state().isMultiview()) {
        QMap<int, WindowGeometry> windows;
        for (int i = 0; i < device->state().windows.size(); ++i) {
            const SimWindow &w = device->state().windows.at(i);
            if (w.isOpen())
                windows.insert(i + 1, {w.input, w.layer, w.x, w.y, w.w, w.h});
        }
        DeviceState::instance()->setWindowStatus(windows);
        DeviceState::instance()->setVirMode(device->state().virMode);
    }
    return true;
}

void tst_ShowDevice::devicePartReproducesSourceDevice_data()
{
    QTest::addColumn<QString>("model");
    for (const QString &model : SimDevice::models())
        QTest::addRow("%s", qPrintable(model)) << model;
}

void tst_ShowDevice::devicePartReproducesSourceDevice()
{
    QFETCH(QString, model);
    ScopedDataDir sourceDir;
    QVERIFY(createProjectTables());
    AppSettings::instance()->setNetwork(kIp, 80);
    SimDevice source(model);
    source.setState(scrambled(model));
    QVERIFY(source.listen(QHostAddress::LocalHost, 0, 0));
    QVERIFY(connectTo(&source));
    const QByteArray exported = ShowExport::collect(m_core.get(), true).toJson();
    disconnect();

    ScopedDataDir freshDir;
    QVERIFY(createProjectTables());
    AppSettings::instance()->setNetwork(kIp, 80);
    SimDevice fresh(model);
    QVERIFY(fresh.listen(QHostAddress::LocalHost, 0, 0));
    QVERIFY(connectTo(&fresh));
    ShowImport import(m_core.get());
    QString error;
    const auto doc = ShowDocument::fromJson(exported, &error);
    QVERIFY2(doc, qPrintable(error));
    import.setDocument(*doc);
    QSignalSpy finished(import.device(), &ShowDeviceApply::finished);
    import.device()->setSpacing(0);
    QSet<ShowPart> all;
    for (const ShowPart part : ShowPreview::parts())
        all.insert(part);
    QVERIFY2(import.apply(ActingUser(), all, &error), qPrintable(error));
    QVERIFY(finished.wait(TestTimeouts::Long));
    const auto report = finished.first().first().value<ShowDeviceApply::Report>();
    QVERIFY(report.verified);
    QVERIFY(report.refused.isEmpty());
    QVERIFY(report.missing.isEmpty());
    // The backup holds the fresh device as it was.
    QVERIFY(QFileInfo::exists(import.lastBackup()));

    const SimState &a = source.state();
    const SimState &b = fresh.state();
    // The multiview model reports windows, not routes.
    if (!a.isMultiview()) {
        QCOMPARE(b.video, a.video);
        QCOMPARE(b.audio, a.audio);
    }
    QCOMPARE(b.splitter, a.splitter);
    QCOMPARE(b.splitterLayout, a.splitterLayout);
    QCOMPARE(b.outputResolution, a.outputResolution);
    QCOMPARE(b.bezel, a.bezel);
    if (a.isMultiview()) {
        QCOMPARE(b.windows, a.windows);
        QCOMPARE(b.virMode, a.virMode);
        QCOMPARE(b.rotation, a.rotation);
    } else {
        QCOMPARE(b.ir, a.ir);
        QCOMPARE(b.outputLock, a.outputLock);
    }
    if (model != QLatin1String("0808-S") && !a.isMultiview()) {
        QCOMPARE(b.groups, a.groups);
        QCOMPARE(b.spliceMode, a.spliceMode);
    }

    // Exported again from the device that took the file: the same bytes.
    disconnect();
    QVERIFY(connectTo(&fresh));
    QCOMPARE(ShowExport::collect(m_core.get(), true).toJson(), exported);
}

void tst_ShowDevice::devicePartsWaitForTheConnection()
{
    ScopedDataDir dir;
    QVERIFY(createProjectTables());
    AppSettings::instance()->setNetwork(kIp, 80);
    AppSettings::instance()->setType(DeviceModels::code(DeviceModel::Model0809));
    ShowDocument doc;
    doc.names[ShowDocument::Names::VideoInputs] = {{2, QStringLiteral("Lectern")}};
    ShowDeviceSnapshot device;
    device.routes = {{"video", 5, 2}};
    doc.device = device;
    ShowImport import(m_core.get());
    import.setDocument(doc);
    QSignalSpy offered(&import, &ShowImport::devicePartsOffered);
    QString error;
    QVERIFY2(import.apply(ActingUser(), {ShowPart::Names, ShowPart::Routes}, &error),
             qPrintable(error));
    // Offline the names are in at once; the route waits.
    QCOMPARE(AppSettings::instance()->inputName(2), QStringLiteral("Lectern"));
    QCOMPARE(import.pendingDeviceParts(), QSet<ShowPart>{ShowPart::Routes});

    SimDevice sim(QStringLiteral("0809"));
    QVERIFY(sim.listen(QHostAddress::LocalHost, 0, 0));
    QVERIFY(sim.state().video.value(5) != 2);
    QVERIFY(connectTo(&sim));
    QTRY_COMPARE_WITH_TIMEOUT(offered.count(), 1, TestTimeouts::Short);
    QVERIFY(!sim.receivedCommands().contains(QStringLiteral("{param=2VIDEO5}")));
    // Offered again, the operator applies the waiting part.
    QSignalSpy finished(import.device(), &ShowDeviceApply::finished);
    import.device()->setSpacing(0);
    QVERIFY(import.apply(ActingUser(), import.pendingDeviceParts(), &error));
    QVERIFY(finished.wait(TestTimeouts::Long));
    QCOMPARE(sim.state().video.value(5), 2);
    QVERIFY(import.pendingDeviceParts().isEmpty());
}

QTEST_GUILESS_MAIN(tst_ShowDevice)
#include "tst_showdevice.moc"
