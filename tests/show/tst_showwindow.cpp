#include "appsettings.h"
#include "devicestate.h"
#include "projectdb.h"
#include "salvostore.h"
#include "showdocument.h"
#include "showimport.h"
#include "showimportdialog.h"
#include "showwiring.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "windowkit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

// Show files in the real window: the Setting page's entries, the preview the operator
// picks from, and what reaches project.db and the wire.
class tst_ShowWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }
    void cleanupTestCase() { m_kit.release(); }
    void importAppliesOnlyThePickedParts_data();
    void importAppliesOnlyThePickedParts();
    void exportWithDeviceStateReadsBack();
    void readOnlyDatabaseDisablesImport();
    void screenshots();

private:
    ShowWiring *wiring() const { return m_kit.window()->findChild<ShowWiring *>(); }
    // A show for the simulator's 0809: a name, a salvo and input 1 on output 2.
    QString writeShow(const QString &name) const;
    QString messageLine() const { return m_kit.child<QLabel>("messageLine")->text(); }

    WindowKit m_kit;
};

QString tst_ShowWindow::writeShow(const QString &name) const
{
    ShowDocument doc;
    doc.model = DeviceModel::Model0809;
    doc.names[ShowDocument::Names::VideoInputs] = {{1, QStringLiteral("Camera left")}};
    doc.names[ShowDocument::Names::VideoOutputs] = {{3, QStringLiteral("Stage")}};
    doc.planNames = {{0, QStringLiteral("Opening")}};
    doc.salvos = {ShowSalvo{QStringLiteral("Finale"), {{"video", 1, 3}, {"video", 2, 4}}}};
    ShowDeviceSnapshot device;
    const int other = m_kit.device()->state().video.value(2) % 8 + 1;
    device.routes = {{"video", 2, other}};
    device.resolution = {{1, QStringLiteral("1280x720")}};
    doc.device = device;
    const QString path = QDir(QDir::tempPath()).filePath(name);
    QString error;
    return doc.writeFile(path, &error) ? path : QString();
}

void tst_ShowWindow::importAppliesOnlyThePickedParts_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("device");
    QTest::addRow("everything") << true << true;
    QTest::addRow("this computer only") << true << false;
    QTest::addRow("the device only") << false << true;
}

void tst_ShowWindow::importAppliesOnlyThePickedParts()
{
    QFETCH(bool, local);
    QFETCH(bool, device);
    QVERIFY(m_kit.openSettled(QStringLiteral("0809")));
    const QString path = writeShow(QStringLiteral("zeldesk-show-pick.json"));
    QVERIFY(!path.isEmpty());
    const int wanted = m_kit.device()->state().video.value(2) % 8 + 1;
    wiring()->setPathChooser([path](bool) { return QString(path); });
    wiring()->import()->device()->setSpacing(0);
    QStringList shown;
    m_kit.onDialog = [&](QDialog &dialog) {
        auto *preview = qobject_cast<ShowImportDialog *>(&dialog);
        if (!preview)
            return;
        for (int i = 0; i < preview->tree()->topLevelItemCount(); ++i)
            shown << preview->tree()->topLevelItem(i)->text(0);
        for (const ShowPart part : ShowPreview::parts())
            preview->setChosen(int(part), ShowPreview::isLocal(part) ? local : device);
    };
    QSignalSpy finished(wiring()->import()->device(), &ShowDeviceApply::finished);
    wiring()->importShow();

    // The preview says what changes: the name, the plan, the new salvo, one route, one
    // resolution; an 0809 has no multiview windows to offer.
    QVERIFY2(shown.size() == 6, qPrintable(shown.join('\n')));
    QCOMPARE(shown.first(), QStringLiteral("Port names on this computer (2)"));
    if (device) {
        QVERIFY(finished.wait(TestTimeouts::Long));
        QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=%1VIDEO2}").arg(wanted)));
    }
    const QStringList wire = m_kit.sentBeforeMarker();
    QCOMPARE(wire.contains(QStringLiteral("{param=Port1/1280x720!}")), device);
    QCOMPARE(m_kit.device()->state().video.value(2) == wanted, device);
    QCOMPARE(AppSettings::instance()->inputName(1) == QStringLiteral("Camera left"), local);
    // The video grid shows the imported output name at once.
    QCOMPARE(m_kit.child<TableWidget>("videoTableWidget")->cellForPort(3)->outputText() ==
                 QStringLiteral("[3] Stage"),
             local);
    QCOMPARE(SalvoStore().list(AppSettings::instance()->ip()).size(), local ? 1 : 0);
    // Whatever was picked, the state before it is in a backup first.
    const auto backup = ShowDocument::readFile(wiring()->import()->lastBackup(), nullptr);
    QVERIFY(backup);
    QCOMPARE(bool(backup->device), device);
    QVERIFY(messageLine().contains(QFileInfo(wiring()->import()->lastBackup()).fileName()) ||
            device);
    QFile::remove(path);
}

void tst_ShowWindow::exportWithDeviceStateReadsBack()
{
    QVERIFY(m_kit.openSettled(QStringLiteral("0809-M")));
    const QString path = QDir(QDir::tempPath()).filePath("zeldesk-show-export.json");
    wiring()->setPathChooser([path](bool save) { return save ? path : QString(); });
    wiring()->exportShow(true);
    QString error;
    const auto doc = ShowDocument::readFile(path, &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->model, DeviceModel::Model0809M);
    QVERIFY(doc->device);
    const SimState &sim = m_kit.device()->state();
    for (const ShowRoute &route : doc->device->routes) {
        if (route.kind == QLatin1String("video"))
            QCOMPARE(route.source, sim.video.value(route.output));
        if (route.kind == QLatin1String("splitter"))
            QCOMPARE(route.source, sim.splitter.value(route.output));
    }
    QCOMPARE(doc->device->splitterLayout, sim.splitterLayout);
    QFile::remove(path);
}

void tst_ShowWindow::readOnlyDatabaseDisablesImport()
{
    QVERIFY(m_kit.openSettled(QStringLiteral("0809")));
    const QString db = projectDbPath();
    QVERIFY(QFile::setPermissions(db, QFile::ReadOwner));
    bool asked = false;
    wiring()->setPathChooser([&asked](bool) {
        asked = true;
        return QString();
    });
    wiring()->importShow();
    QVERIFY(!asked);
    QVERIFY2(messageLine().contains("read-only"), qPrintable(messageLine()));
    QVERIFY(QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner));
}

// The preview in both languages, when ZEL_SCREENSHOT_DIR names a directory.
void tst_ShowWindow::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the import preview");
    QVERIFY(m_kit.openSettled(QStringLiteral("0809")));
    const QString path = writeShow(QStringLiteral("rehearsal.json"));
    wiring()->setPathChooser([path](bool) { return QString(path); });
    m_kit.answer = QDialog::Rejected;
    // The preview of an import, in English and Chinese, saved as <stem>-<language>.png.
    auto shoot = [this, &dir](const QString &stem) {
        for (const int language : {1, 0}) {
            m_kit.child<QComboBox>("languageComboBox")->setCurrentIndex(language);
            QCoreApplication::processEvents();
            bool saved = false;
            m_kit.onDialog = [&](QDialog &dialog) {
                auto *preview = qobject_cast<ShowImportDialog *>(&dialog);
                if (!preview)
                    return;
                preview->tree()->expandAll();
                preview->show();
                QVERIFY(QTest::qWaitForWindowExposed(preview));
                saved = preview->grab().save(
                    QStringLiteral("%1/%2-%3.png").arg(dir, stem, language ? "en" : "zh"));
            };
            wiring()->importShow();
            QVERIFY(saved);
        }
    };
    shoot(QStringLiteral("show"));
    QFile::remove(path);

    // A file of an 0809-M on an 0808: what does not fit is named.
    m_kit.cleanup();
    QVERIFY(m_kit.init());
    QVERIFY(m_kit.openSettled(QStringLiteral("0808")));
    ShowDocument other;
    other.model = DeviceModel::Model0809M;
    other.salvos = {ShowSalvo{QStringLiteral("Split"), {{"video", 9, 1}, {"splitter", 2, 3}}}};
    ShowDeviceSnapshot device;
    device.splitterLayout = 2;
    device.routes = {{"video", 1, 4}, {"video", 9, 2}, {"splitter", 1, 5}};
    device.resolution = {{9, QStringLiteral("1280x720")}};
    other.device = device;
    const QString otherPath = QDir(QDir::tempPath()).filePath("from-0809-M.json");
    QVERIFY(other.writeFile(otherPath, nullptr));
    wiring()->setPathChooser([otherPath](bool) { return QString(otherPath); });
    shoot(QStringLiteral("show-leftout"));
    QFile::remove(otherPath);
}

QTEST_MAIN(tst_ShowWindow)
#include "tst_showwindow.moc"
