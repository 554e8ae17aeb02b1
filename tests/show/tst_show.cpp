#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "projectdb.h"
#include "projecttables.h"
#include "salvostore.h"
#include "showdocument.h"
#include "showimport.h"
#include "showlocalstore.h"
#include "showpreview.h"
#include "storagetestkit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <functional>

namespace {

const QString kIp = QStringLiteral("10.0.0.7");

QJsonObject route(const QString &kind, int output, int source)
{
    return QJsonObject{{"kind", kind}, {"output", output}, {"source", source}};
}

// A document every check accepts; each hostile row spoils one thing in it.
QJsonObject validDocument()
{
    return QJsonObject{
        {"format", "zeldesk-show"},
        {"version", 1},
        {"model", "0809"},
        {"names", QJsonObject{{"videoInputs", QJsonObject{{"1", "Camera"}}}}},
        {"plans", QJsonObject{{"0", "Lobby"}}},
        {"salvos",
         QJsonArray{
             QJsonObject{{"name", "Opening"}, {"routes", QJsonArray{route("video", 1, 2)}}}}},
        {"device",
         QJsonObject{
             {"routes", QJsonArray{route("video", 2, 3)}},
             {"outputResolution", QJsonObject{{"1", "1920x1080x60Hz"}}},
             {"bezel", QJsonObject{{"x", QJsonArray{0, 0, 0, 0}}, {"y", QJsonArray{0, 0, 0, 0}}}},
             {"windows", QJsonObject{{"1", QJsonArray{1, 1, 0, 0, 960, 540}}}}}},
    };
}

QByteArray bytesOf(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray changed(const std::function<void(QJsonObject &)> &change)
{
    QJsonObject doc = validDocument();
    change(doc);
    return bytesOf(doc);
}

// Sets doc[a][b] (and doc[a][b][c]) without QJsonValueRef chains.
void setIn(QJsonObject &doc, const QStringList &path, const QJsonValue &value)
{
    if (path.size() == 1) {
        doc.insert(path.first(), value);
        return;
    }
    QJsonObject inner = doc.value(path.first()).toObject();
    setIn(inner, path.mid(1), value);
    doc.insert(path.first(), inner);
}

QByteArray withValue(const QStringList &path, const QJsonValue &value)
{
    return changed([&](QJsonObject &doc) { setIn(doc, path, value); });
}

} // namespace

// Show files: what the reader refuses, what the writer keeps, and that project.db takes an
// import whole or not at all.
class tst_Show : public QObject
{
    Q_OBJECT

private slots:
    void hostileDocumentsChangeNothing_data();
    void hostileDocumentsChangeNothing();
    void readerAccepts_data();
    void readerAccepts();
    void localPartsSurviveExportImportExport_data();
    void localPartsSurviveExportImportExport();
    void failureHalfwayLeavesDatabaseByteIdentical_data();
    void failureHalfwayLeavesDatabaseByteIdentical();
    void previewFitsTheTargetModel_data();
    void previewFitsTheTargetModel();
    void previewListsOnlyWhatDiffers();
    void importingTheBackupUndoesTheImport();

private:
    // Names, plan names and salvos in the data directory now in use.
    static void fillLocal(const QString &model);
};

void tst_Show::fillLocal(const QString &model)
{
    QVERIFY(createProjectTables());
    QVERIFY(SalvoStore::createTables());
    QVERIFY(rawExec("insert into InPortName values(1,'Camera \"A\"')", projectDbPath()));
    QVERIFY(rawExec("insert into InPortName values(8,'Laptop')", projectDbPath()));
    QVERIFY(rawExec("insert into InAudioName values(2,'Mic')", projectDbPath()));
    QVERIFY(rawExec("insert into OutPortName values(9,'Stage')", projectDbPath()));
    QVERIFY(rawExec("insert into OutAudioPortName values(3,'Booth')", projectDbPath()));
    QVERIFY(rawExec(QString::fromUtf8("insert into OutInfarePortName values(4,'投影机')"),
                    projectDbPath()));
    QVERIFY(rawExec("insert into SplitPlanName values(0,'Lobby','" + kIp + "')", projectDbPath()));
    QVERIFY(rawExec("insert into SplitPlanName values(9,'Night','" + kIp + "')", projectDbPath()));
    // Another device's plan stays out of this device's file.
    QVERIFY(rawExec("insert into SplitPlanName values(1,'Other','10.0.0.8')", projectDbPath()));
    SalvoStore salvos;
    QVERIFY(salvos.isUsable());
    Salvo opening{0, QStringLiteral("Opening"), {{"video", 1, 2}, {"video", 2, 0}}};
    if (model == QLatin1String("0808-S"))
        opening.routes << SalvoRoute{"audio0808s", 101, 103};
    else
        opening.routes << SalvoRoute{"infrared", 3, 4};
    if (model == QLatin1String("0809-M"))
        opening.routes << SalvoRoute{"splitter", 2, 5};
    QVERIFY(salvos.create(kIp, opening));
    QVERIFY(salvos.create(kIp, Salvo{0, QString(64, QChar(0x4e2d)), {{"video", 8, 8}}}));
}

void tst_Show::hostileDocumentsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");

    const QByteArray valid = bytesOf(validDocument());
    QTest::addRow("not JSON") << QByteArray("salvos: [Opening]") << "not JSON";
    QTest::addRow("truncated") << valid.left(valid.size() / 2) << "not JSON";
    QTest::addRow("array at the top") << QByteArray("[1,2]") << "not a show file";
    QTest::addRow("other format") << withValue({"format"}, "zeldesk-plan") << "not a show file";
    QTest::addRow("newer version") << withValue({"version"}, 2) << "version 2";
    QTest::addRow("no version") << changed([](QJsonObject &d) { d.remove("version"); })
                                << "no valid format version";
    QTest::addRow("version as text") << withValue({"version"}, "1") << "no valid format version";
    QTest::addRow("unknown model") << withValue({"model"}, "0810") << "no known device model";
    QTest::addRow("huge") << valid + QByteArray(ShowDocument::MaxBytes, ' ') << "1 MiB";
    QTest::addRow("input name on port 9")
        << withValue({"names", "videoInputs"}, QJsonObject{{"9", "x"}}) << "names.videoInputs.9";
    QTest::addRow("port key 01") << withValue({"names", "videoInputs"}, QJsonObject{{"01", "x"}})
                                 << "names.videoInputs.01";
    QTest::addRow("name of 65 characters")
        << withValue({"names", "videoOutputs"}, QJsonObject{{"1", QString(65, 'n')}})
        << "longer than 64";
    QTest::addRow("plan index 10") << withValue({"plans"}, QJsonObject{{"10", "x"}}) << "plans.10";
    QTest::addRow("salvo name of 65 characters")
        << withValue({"salvos"}, QJsonArray{QJsonObject{{"name", QString(65, 's')}}})
        << "longer than 64";
    QTest::addRow("salvo without a name")
        << withValue({"salvos"}, QJsonArray{QJsonObject{{"name", "  "}}}) << "salvos[0].name";
    QTest::addRow("salvo twice") << withValue({"salvos"},
                                              QJsonArray{QJsonObject{{"name", "A"}},
                                                         QJsonObject{{"name", "A "}}})
                                 << "used twice";
    QTest::addRow("video output 10")
        << withValue({"device", "routes"}, QJsonArray{route("video", 10, 1)}) << "device.routes[0]";
    QTest::addRow("video source 9")
        << withValue({"device", "routes"}, QJsonArray{route("video", 1, 9)}) << "device.routes[0]";
    QTest::addRow("HDMI audio output 100")
        << withValue({"device", "routes"}, QJsonArray{route("hdmiAudio", 100, 1)})
        << "device.routes[0]";
    QTest::addRow("unknown kind") << withValue({"device", "routes"},
                                               QJsonArray{route("laser", 1, 1)})
                                  << "device.routes[0]";
    QTest::addRow("output routed twice")
        << withValue({"device", "routes"}, QJsonArray{route("video", 1, 1), route("video", 1, 2)})
        << "a second time";
    QTest::addRow("fractional source")
        << withValue({"device", "routes"},
                     QJsonArray{QJsonObject{{"kind", "video"}, {"output", 1}, {"source", 1.5}}})
        << "device.routes[0].source";
    QTest::addRow("resolution that closes the command")
        << withValue({"device", "outputResolution"}, QJsonObject{{"1", "1080p!}{param=Default}"}})
        << "device.outputResolution.1";
    QTest::addRow("scaling mode 4")
        << withValue({"device", "scaling"}, QJsonObject{{"1", 4}}) << "device.scaling.1";
    QTest::addRow("splice mode 6") << withValue({"device", "spliceMode"}, 6) << "device.spliceMode";
    QTest::addRow("negative bezel")
        << withValue({"device", "bezel", "x"}, QJsonArray{0, -1, 0, 0}) << "device.bezel.x";
    QTest::addRow("window 5") << withValue({"device", "windows"},
                                           QJsonObject{{"5", QJsonArray{1, 1, 0, 0, 9, 9}}})
                              << "device.windows.5";
    QTest::addRow("output in two wall groups")
        << withValue({"device", "wallGroups"}, QJsonArray{QJsonArray{1, 2}, QJsonArray{2, 3}})
        << "device.wallGroups[1]";
}

void tst_Show::hostileDocumentsChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    ScopedDataDir dir;
    fillLocal(QStringLiteral("0809"));
    const QByteArray before = fileBytes(projectDbPath());
    const QString path = dir.filePath(QStringLiteral("hostile.json"));
    QVERIFY(writeFile(path, bytes));

    QString error;
    QVERIFY(!ShowDocument::readFile(path, &error));
    QVERIFY2(error.contains(says), qPrintable(error));
    QCOMPARE(fileBytes(projectDbPath()), before);
}

void tst_Show::readerAccepts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("salvos");

    QTest::addRow("valid") << bytesOf(validDocument()) << 1;
    QTest::addRow("unknown keys") << changed([](QJsonObject &d) {
        d.insert("comment", "from the rehearsal");
        setIn(d, {"names", "lasers"}, QJsonObject{{"1", "x"}});
        setIn(d, {"device", "fog"}, 3);
    }) << 1;
    QTest::addRow("minor version 1.0") << withValue({"version"}, 1.0) << 1;
    QTest::addRow("no optional parts")
        << bytesOf(QJsonObject{{"format", "zeldesk-show"}, {"version", 1}, {"model", "0808-S"}})
        << 0;
    QTest::addRow("64 CJK characters")
        << withValue({"salvos"}, QJsonArray{QJsonObject{{"name", QString(64, QChar(0x4e2d))}}})
        << 1;
}

void tst_Show::readerAccepts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, salvos);
    QString error;
    const auto doc = ShowDocument::fromJson(bytes, &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->salvos.size(), salvos);
    // What was read is written back and read again unchanged.
    QCOMPARE(ShowDocument::fromJson(doc->toJson(), &error), doc);
}

void tst_Show::localPartsSurviveExportImportExport_data()
{
    QTest::addColumn<QString>("model");
    for (const char *model : {"0808", "0809", "0409-S", "0808-S", "0809-M"})
        QTest::addRow("%s", model) << QString::fromLatin1(model);
}

void tst_Show::localPartsSurviveExportImportExport()
{
    QFETCH(QString, model);
    QByteArray first;
    {
        ScopedDataDir source;
        fillLocal(model);
        ShowDocument doc = ShowLocalStore().load(kIp);
        doc.model = *ShowDocument::modelFromText(model);
        QVERIFY(doc.salvos.size() == 2 && doc.planNames.size() == 2 && doc.names.size() == 5);
        QString error;
        QVERIFY2(doc.writeFile(source.filePath("show.json"), &error), qPrintable(error));
        first = fileBytes(source.filePath("show.json"));
        // The seeded administrator stays out of every show file.
        QVERIFY(!first.contains("ADMIN") && !first.contains("tiger905"));
    }
    ScopedDataDir fresh;
    QVERIFY(createProjectTables());
    QString error;
    const auto read = ShowDocument::fromJson(first, &error);
    QVERIFY2(read, qPrintable(error));
    QVERIFY2(ShowLocalStore().write(*read, kIp, {true, true, true}, &error), qPrintable(error));
    ShowDocument again = ShowLocalStore().load(kIp);
    again.model = read->model;
    QCOMPARE(again.toJson(), first);
}

void tst_Show::failureHalfwayLeavesDatabaseByteIdentical_data()
{
    QTest::addColumn<QString>("trigger");
    // Each table the import writes refuses in turn; the earlier tables were written by then.
    QTest::addRow("plan names after the names") << "before insert on SplitPlanName";
    QTest::addRow("salvo after names and plans") << "before insert on Salvo";
    QTest::addRow("second route of a salvo")
        << "before insert on SalvoRoute when (select count(*) from SalvoRoute) >= 1";
}

void tst_Show::failureHalfwayLeavesDatabaseByteIdentical()
{
    QFETCH(QString, trigger);
    ScopedDataDir dir;
    QVERIFY(createProjectTables());
    QVERIFY(SalvoStore::createTables());
    QVERIFY(rawExec("create trigger refuse " + trigger + " begin select raise(abort,'forced'); end",
                    projectDbPath()));
    const QByteArray before = fileBytes(projectDbPath());

    ShowDocument doc;
    doc.names[ShowDocument::Names::VideoInputs] = {{1, "Camera"}};
    doc.planNames = {{0, "Lobby"}};
    doc.salvos = {ShowSalvo{"Opening", {{"video", 1, 2}, {"video", 2, 3}}}};
    QString error;
    QVERIFY(!ShowLocalStore().write(doc, kIp, {true, true, true}, &error));
    QVERIFY2(error.contains("Nothing was imported"), qPrintable(error));
    QCOMPARE(fileBytes(projectDbPath()), before);
}

void tst_Show::previewFitsTheTargetModel_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("salvoRoutes");
    QTest::addColumn<int>("leftOut");
    const QStringList all{"video/8", "video/9", "infrared/9", "hdmiAudio/109", "splitter/1"};
    // Output 9, its HDMI audio and the splitter area are not on an 0808; the 0808-S has no
    // infrared and no HDMI audio grid; only the 0809-M has splitter areas.
    QTest::addRow("0809-M to 0809-M") << 4 << all << QStringList{"video/8", "video/9"} << 0;
    QTest::addRow("0809-M to 0809")
        << 1 << QStringList{"video/8", "video/9", "infrared/9", "hdmiAudio/109"}
        << QStringList{"video/8", "video/9"} << 3;
    QTest::addRow("0809-M to 0808") << 0 << QStringList{"video/8"} << QStringList{"video/8"} << 5;
}

void tst_Show::previewFitsTheTargetModel()
{
    QFETCH(int, target);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, salvoRoutes);
    QFETCH(int, leftOut);
    ShowDocument doc;
    doc.model = DeviceModel::Model0809M;
    doc.salvos = {ShowSalvo{"All", {{"video", 8, 1}, {"video", 9, 2}}},
                  ShowSalvo{"Splitter only", {{"splitter", 2, 3}}}};
    ShowDeviceSnapshot device;
    device.splitterLayout = 1;
    device.routes = {{"video", 8, 1},
                     {"video", 9, 2},
                     {"infrared", 9, 3},
                     {"hdmiAudio", 109, 104},
                     {"splitter", 1, 5}};
    device.resolution = {{9, "1280x720"}};
    doc.device = device;
    ShowTarget where;
    where.deviceCode = target;
    where.live = ShowDeviceSnapshot();
    const ShowPreview preview = ShowPreview::build(doc, ShowDocument(), where);

    QStringList routes;
    for (const ShowRoute &route : preview.device.routes)
        routes << route.kind + '/' + QString::number(route.output);
    QCOMPARE(routes, sent);
    QStringList kept;
    for (const ShowRoute &route : preview.fitted.salvos.value(0).routes)
        kept << route.kind + '/' + QString::number(route.output);
    QCOMPARE(kept, salvoRoutes);
    // A salvo with nothing left for the model is not made.
    QCOMPARE(preview.fitted.salvos.size(), target == 4 ? 2 : 1);
    QCOMPARE(preview.device.resolution.contains(9), target != 0);
    // One line per part that left something out (the splitter layout is the wall's), one
    // for the salvo; a note on the model unless it is the same.
    QCOMPARE(preview.leftOut.size(), leftOut);
    QCOMPARE(preview.notes.size(), target == 4 ? 1 : 2);
}

void tst_Show::previewListsOnlyWhatDiffers()
{
    ShowDocument doc;
    doc.names[ShowDocument::Names::VideoOutputs] = {{1, "Stage"}, {2, "Foyer"}};
    doc.planNames = {{0, "Lobby"}, {1, ""}};
    ShowDeviceSnapshot device;
    device.routes = {{"video", 1, 1}, {"video", 2, 2}};
    device.outputLock = {{1, true}, {2, false}};
    doc.device = device;
    ShowDocument local;
    local.names[ShowDocument::Names::VideoOutputs] = {{1, "Stage"}};
    local.planNames = {{0, "Lobby"}};
    ShowTarget where;
    where.live = device;
    where.live->routes[1].source = 5;
    where.live->outputLock[1] = false;
    const ShowPreview preview = ShowPreview::build(doc, local, where);

    // Port 2 had no name and plan 1 none: an empty name is still a change to be made.
    QCOMPARE(preview.section(ShowPart::Names)->changes.size(), 1);
    QCOMPARE(preview.section(ShowPart::Plans)->changes.size(), 1);
    QCOMPARE(preview.section(ShowPart::Routes)->changes,
             QStringList{"Video output 2: source 5 becomes 2"});
    QCOMPARE(preview.section(ShowPart::OutputSettings)->changes,
             QStringList{"Output 1: No Standby becomes on"});
    QCOMPARE(preview.device.outputLock, (QMap<int, bool>{{1, true}}));
    QVERIFY(preview.section(ShowPart::Wall)->changes.isEmpty());

    // Offline, the device parts wait and are said to.
    where.live.reset();
    const ShowPreview offline = ShowPreview::build(doc, local, where);
    QVERIFY(!offline.section(ShowPart::Routes)->available);
    QVERIFY(offline.device.routes.isEmpty());
    QVERIFY(offline.section(ShowPart::Names)->available);
}

void tst_Show::importingTheBackupUndoesTheImport()
{
    ScopedDataDir dir;
    QVERIFY(createProjectTables());
    AppSettings::instance()->setNetwork(kIp, 80);
    QVERIFY(rawExec("insert into InPortName values(1,'Camera')", projectDbPath()));
    QVERIFY(rawExec("insert into SplitPlanName values(0,'Lobby','" + kIp + "')", projectDbPath()));
    const QStringList before = rawRows("select * from InPortName", projectDbPath()) +
                               rawRows("select Id,Name from SplitPlanName", projectDbPath());

    OperatorCore core(MessageDistance::instance(), DeviceState::instance());
    ShowImport import(&core);
    ShowDocument doc;
    // Port 1 and plan 0 are renamed; port 3 and plan 4 had no name before.
    doc.names[ShowDocument::Names::VideoInputs] = {{1, "Camera 1"}, {3, "Laptop"}};
    doc.planNames = {{0, "Foyer"}, {4, "Finale"}};
    import.setDocument(doc);
    QString error;
    QVERIFY2(import.apply(ActingUser(), {ShowPart::Names, ShowPart::Plans}, &error),
             qPrintable(error));
    QCOMPARE(AppSettings::instance()->inputName(3), QStringLiteral("Laptop"));

    QVERIFY2(import.open(import.lastBackup(), &error), qPrintable(error));
    QVERIFY(import.apply(ActingUser(), {ShowPart::Names, ShowPart::Plans}, &error));
    // What had no name has an empty one again, which shows as the port's own name.
    QCOMPARE(rawRows("select * from InPortName where PortName <> ''", projectDbPath()) +
                 rawRows("select Id,Name from SplitPlanName where Name <> ''", projectDbPath()),
             before);
    QCOMPARE(AppSettings::instance()->inputName(3), QStringLiteral("Input 3"));
}

QTEST_GUILESS_MAIN(tst_Show)
#include "tst_show.moc"
