#include "appsettings.h"
#include "captionstore.h"
#include "permissionstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "projecttables.h"
#include "storagetestkit.h"
#include "userstore.h"

#include <QSettings>
#include <QtTest>

#include <memory>

using Names = QMap<int, QString>;
using Rights = QVector<bool>;

class TestStorageStores : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyTableCreatedOnce();
    void portNameRoundTrip_data();
    void portNameRoundTrip();
    void portNamesLoadPerKind_data();
    void portNamesLoadPerKind();

    void settingsEdgeValues_data();
    void settingsEdgeValues();

    void rightsDecode_data();
    void rightsDecode();
    void newUserHasEveryRight();
    void storedRowsRestrictPorts();
    void administratorBypassesRow();
    void rightsRoundTripAndDelete();

    void planNameReplacedAndQuoted();

    void captionRowRoundTrip_data();
    void captionRowRoundTrip();

private:
    QString db() const { return m_dir->filePath(QStringLiteral("project.db")); }
    int addUser(const QString &name);
    // A new user whose every right is denied, loaded into `store`.
    bool loadUserWithoutRights(PermissionStore &store, const QString &name);
    std::unique_ptr<ScopedDataDir> m_dir;
};

void TestStorageStores::init()
{
    m_dir.reset(new ScopedDataDir);
    QVERIFY(UserStore::initTables());
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PlanNameStore::createTable());
    QVERIFY(CaptionStore::createTable());
    AppSettings::instance()->setCurrentUserType(1);
}

void TestStorageStores::cleanup()
{
    AppSettings::instance()->setCurrentUserType(1);
    m_dir.reset();
}

bool TestStorageStores::loadUserWithoutRights(PermissionStore &store, const QString &name)
{
    const int id = addUser(name);
    if (!store.saveRights(id, Rights(8, false), Rights(9, false), Rights(8, false), Rights(9, false),
                          Rights(28, false)))
        return false;
    store.loadForUser(name);
    return true;
}

int TestStorageStores::addUser(const QString &name)
{
    if (!UserStore::addUser(name, QStringLiteral("pw")))
        return -1;
    for (const UserRow &user : UserStore::allUsers()) {
        if (user.username == name)
            return user.id;
    }
    return -1;
}

void TestStorageStores::everyTableCreatedOnce()
{
    const ScopedDataDir fresh;
    const QString path = fresh.filePath(QStringLiteral("project.db"));
    QVERIFY(createProjectTables());
    QVERIFY(createProjectTables()); // every start runs them again
    const auto rows = rawRows(QStringLiteral("select name from sqlite_master where type='table' "
                                             "order by name"),
                              path);
    QStringList tables;
    for (const auto &row : rows)
        tables << row.value(0).toString();
    QCOMPARE(tables,
             (QStringList{"CaptionOrOSDInfo",
                          "InAudioName",
                          "InPortName",
                          "OutAudioPortName",
                          "OutInfarePortName",
                          "OutPortName",
                          "PasswordTable",
                          "PermissionInfo",
                          "SplitPlanName",
                          "loginmodel",
                          "user"}));
    QCOMPARE(rawRows(QStringLiteral("select username, type from user"), path),
             (QVector<QVariantList>{{QStringLiteral("ADMIN"), 0}}));
}

void TestStorageStores::portNameRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("quote") << "O'Brien's desk";
    QTest::addRow("statement") << "x'); drop table InPortName; --";
    QTest::addRow("chinese") << QString::fromUtf8("会议室");
}

void TestStorageStores::portNameRoundTrip()
{
    QFETCH(QString, name);
    PortNameStore::savePortName(3, QStringLiteral("neighbour"), 0);
    PortNameStore::savePortName(4, name, 0);
    QCOMPARE(PortNameStore::loadPortNames(0), (Names{{3, "neighbour"}, {4, name}}));
    const auto rows = rawRows(QStringLiteral("select PortName from InPortName where Port=4"), db());
    QCOMPARE(rows.size(), 1);
    QVERIFY(!rows.first().first().isNull()); // an empty name is text, not NULL
}

void TestStorageStores::portNamesLoadPerKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::addRow("0 input video") << 0 << "in";
    QTest::addRow("1 output video") << 1 << "out";
    QTest::addRow("2 input audio") << 2 << "audio";
    QTest::addRow("-1 reads output video") << -1 << "out";
}

void TestStorageStores::portNamesLoadPerKind()
{
    QFETCH(int, kind);
    QFETCH(QString, expected);
    PortNameStore::savePortName(1, QStringLiteral("in"), 0);
    PortNameStore::savePortName(1, QStringLiteral("out"), 1);
    PortNameStore::savePortName(1, QStringLiteral("audio"), 2);
    PortNameStore::saveOutAudioName(1, QStringLiteral("out audio"));
    PortNameStore::saveOutInfraredName(1, QStringLiteral("infrared"));
    QCOMPARE(PortNameStore::loadPortNames(kind), (Names{{1, expected}}));
    QCOMPARE(PortNameStore::loadOutAudioNames(), (Names{{1, "out audio"}}));
    QCOMPARE(PortNameStore::loadOutInfraredNames(), (Names{{1, "infrared"}}));
}

void TestStorageStores::settingsEdgeValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("username");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("deviceType");

    const QString dip = QStringLiteral("192.168.1.188");
    QTest::addRow("stored values")
        << QByteArray("[NetWork]\nIp=10.0.0.5\nPort=8080\n[User]\nUsername=bob\n"
                      "[Language]\nlanguage=1\n[Type]\ntype=2\n")
        << "10.0.0.5" << 8080 << "bob" << 1 << 2 << 2;
    QTest::addRow("port abc") << QByteArray("[NetWork]\nPort=abc\n") << dip << 80 << "ADMIN" << -1
                              << 1 << 1;
    QTest::addRow("port 70000") << QByteArray("[NetWork]\nPort=70000\n") << dip << 80 << "ADMIN"
                                << -1 << 1 << 1;
    QTest::addRow("type 7") << QByteArray("[Type]\ntype=7\n") << dip << 80 << "ADMIN" << -1 << 7
                            << 1;
    QTest::addRow("language 0 type abc") << QByteArray("[Language]\nlanguage=0\n[Type]\ntype=abc\n")
                                         << dip << 80 << "ADMIN" << 0 << 1 << 1;
}

void TestStorageStores::settingsEdgeValues()
{
    QFETCH(QByteArray, ini);
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("config.ini")), ini));
    AppSettings *settings = AppSettings::instance();
    QTEST(settings->ip(), "ip");
    QTEST(settings->port(), "port");
    QTEST(settings->username(), "username");
    QTEST(settings->language(), "language");
    QTEST(settings->type(), "type");
    QTEST(settings->deviceType(), "deviceType");
}

void TestStorageStores::rightsDecode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rights>("rights");
    QTest::addRow("empty parts deny") << "1//0/" << Rights{true, false, false, false};
    QTest::addRow("non-numeric denies") << "abc/1/x1" << Rights{false, true, false};
    QTest::addRow("any non-zero allows") << "2/-1/00" << Rights{true, true, false};
}

void TestStorageStores::rightsDecode()
{
    QFETCH(QString, text);
    QFETCH(Rights, rights);
    QCOMPARE(PermissionStore::decode(text), rights);
}

void TestStorageStores::newUserHasEveryRight()
{
    PermissionStore store;
    const int id = addUser(QStringLiteral("bob"));
    QVERIFY(store.saveRights(id, {false}, {false}, {false}, {false}, {false}));
    QVERIFY(store.createDefaultRights(QStringLiteral("bob"))); // replaces the restricted row
    const PermissionRights rights = store.readRights(id);
    QCOMPARE(rights.inputs, Rights(8, true));
    QCOMPARE(rights.outputs, Rights(9, true));
    QCOMPARE(rights.audio, Rights(8, true));
    QCOMPARE(rights.analog, Rights(9, true));
    QCOMPARE(rights.functions, Rights(28, true));
    QVERIFY(!store.createDefaultRights(QStringLiteral("nobody")));
    QCOMPARE(rawRows(QStringLiteral("select count(*) from PermissionInfo"), db())
                 .value(0)
                 .value(0)
                 .toInt(),
             1);
}

void TestStorageStores::storedRowsRestrictPorts()
{
    PermissionStore store;
    const int id = addUser(QStringLiteral("bob"));
    QVERIFY(store.saveRights(
        id, {true, false}, {false, true, false}, {false}, {true, true, false}, {}));
    store.loadForUser(QStringLiteral("bob"));
    QVERIFY(store.hasPortRight(1, PermissionStore::Input));
    QVERIFY(!store.hasPortRight(2, PermissionStore::Input));
    QVERIFY(store.hasPortRight(3, PermissionStore::Input)); // beyond the list
    QVERIFY(!store.hasPortRight(1, PermissionStore::Output));
    QVERIFY(store.hasPortRight(2, PermissionStore::Output));
    QVERIFY(!store.hasPortRight(3, PermissionStore::Output));
    QVERIFY(!store.hasPortRight(1, PermissionStore::Audio));
    QVERIFY(!store.hasPortRight(3, PermissionStore::Analog));
    QVERIFY(store.hasPortRight(2, PermissionStore::Analog));
    // An empty ListInfo restricts nothing, not function 0.
    QVERIFY(store.hasFunctionRight(0));
}

void TestStorageStores::administratorBypassesRow()
{
    PermissionStore store;
    QVERIFY(loadUserWithoutRights(store, QStringLiteral("bob")));
    QVERIFY(!store.hasFunctionRight(PermissionStore::User));
    QVERIFY(!store.hasPortRight(1, PermissionStore::Output));
    AppSettings::instance()->setCurrentUserType(0);
    for (int key = 0; key < 28; ++key)
        QVERIFY(store.hasFunctionRight(key));
    for (int kind = 0; kind < 4; ++kind)
        QVERIFY(store.hasPortRight(1, kind));
}

void TestStorageStores::rightsRoundTripAndDelete()
{
    PermissionStore store;
    const int bob = addUser(QStringLiteral("bob"));
    const int eve = addUser(QStringLiteral("eve"));
    PermissionRights rights;
    rights.inputs = {true, false, true};
    rights.outputs = {};
    rights.audio = {false};
    rights.analog = Rights(9, true);
    rights.functions = Rights(28, false);
    QVERIFY(store.saveRights(bob, rights));
    QVERIFY(store.createDefaultRights(QStringLiteral("eve")));
    QCOMPARE(store.readRights(bob), rights);
    const auto row = rawRows(QStringLiteral("select InputInfo, OutputInfo from PermissionInfo "
                                            "where Id=%1")
                                 .arg(bob),
                             db());
    QCOMPARE(row.value(0).value(0).toString(), QStringLiteral("1/0/1"));
    QCOMPARE(row.value(0).value(1).toString(), QString());
    QVERIFY(store.deleteRights(bob));
    QCOMPARE(store.readRights(bob), PermissionRights());
    QCOMPARE(store.readRights(eve).functions, Rights(28, true));
}

void TestStorageStores::planNameReplacedAndQuoted()
{
    const QString ip = QStringLiteral("10.0.0.1");
    QVERIFY(PlanNameStore::savePlanName(4, QStringLiteral("old"), ip));
    QVERIFY(PlanNameStore::savePlanName(
        4, QStringLiteral("Bob's plan'); delete from SplitPlanName; --"), ip));
    QVERIFY(PlanNameStore::savePlanName(5, QStringLiteral("other"), ip));
    QCOMPARE(PlanNameStore::loadPlanNames(ip),
             (Names{{4, "Bob's plan'); delete from SplitPlanName; --"}, {5, "other"}}));
    QCOMPARE(PlanNameStore::loadPlanNames(QStringLiteral("x' or '1'='1")), Names());
}

void TestStorageStores::captionRowRoundTrip_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addRow("osd, quote, italic underline") << 5 << "It's 'late'" << false << true << true;
    QTest::addRow("statement") << 2 << "x',1,1,1,1); drop table user; --" << true << true << true;
}

void TestStorageStores::captionRowRoundTrip()
{
    QFETCH(int, port);
    QFETCH(QString, content);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);

    CaptionRow other;
    other.port = 7;
    QVERIFY(CaptionStore::saveRow(other));
    CaptionRow row;
    row.port = port;
    row.content = content;
    row.font = QStringLiteral("Microsoft YaHei UI");
    row.fontSize = 200;
    row.bold = bold;
    row.italic = italic;
    row.underline = underline;
    QVERIFY(CaptionStore::saveRow(row));
    QCOMPARE(CaptionStore::row(port), row);
    QCOMPARE(CaptionStore::loadRows(), (QMap<int, CaptionRow>{{7, other}, {port, row}}));
    const auto raw = rawRows(QStringLiteral("select IsBold, IsItalic, IsUnderline from "
                                            "CaptionOrOSDInfo where Port=%1")
                                 .arg(port),
                             db());
    QCOMPARE(raw.value(0).value(0).toInt(), bold ? 1 : 0); // what TRUE/FALSE store
    QCOMPARE(raw.value(0).value(2).toInt(), underline ? 1 : 0);
    QCOMPARE(UserStore::allUsers().size(), 1);
}

QTEST_GUILESS_MAIN(TestStorageStores)
#include "tst_storage_stores.moc"
