#include "appsettings.h"
#include "captionstore.h"
#include "permissionstore.h"
#include "planmarkstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "projectdb.h"
#include "projecttables.h"
#include "storagetestkit.h"
#include "testtimeouts.h"
#include "userstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QThread>
#include <QtTest>

#include <memory>

using Names = QMap<int, QString>;
using Rights = QVector<bool>;

// project.db and config.ini through the stores; names that could break a statement
// built from text come back as typed.
class TestStorageStores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyTableCreatedOnce();
    void adminSeededOnlyWhenMissing();
    void addUser_data();
    void addUser();
    void updateUserKeepsTypeAndOthers();
    void checkLogin_data();
    void checkLogin();
    void loginModelTakesOnlyZeroOrOne();

    void portNamesPerKind();
    void planNameReplacedAndQuoted();
    void planMarksPerAddress();
    void captionRowRoundTrip();

    void rightsDecode_data();
    void rightsDecode();
    void newUserHasEveryRight();
    void storedRowsRestrictOrdinaryUsers();
    void rightsRoundTripAndDelete();

    void settingsRewrittenOnlyOnChange();

    void failureLinesKeepTheirWording();
    void twoThreadsUseTheirOwnConnections();
    void dataDirPrecedence();
    void dataDirCommandLine_data();
    void dataDirCommandLine();

private:
    QString db() const { return m_dir->filePath(QStringLiteral("project.db")); }
    int ensureUser(const QString &name);
    TempDataDir m_fresh; // a project.db as the first start leaves it, copied for each case
    std::unique_ptr<ScopedDataDir> m_dir;
};

void TestStorageStores::initTestCase()
{
    DataDir::set(m_fresh.path());
    QVERIFY(createProjectTables());
    DataDir::set(QString());
}

void TestStorageStores::init()
{
    m_dir.reset(new ScopedDataDir);
    QVERIFY(QFile::copy(m_fresh.filePath(QStringLiteral("project.db")), db()));
    AppSettings::instance()->setCurrentUserType(1);
}

void TestStorageStores::cleanup()
{
    AppSettings::instance()->setCurrentUserType(1);
    m_dir.reset();
    qunsetenv("ZELDESK_DATA_DIR");
}

// Adds `name` (or finds it) and returns its id.
int TestStorageStores::ensureUser(const QString &name)
{
    UserStore::addUser(name, QStringLiteral("pw"));
    PermissionStore store;
    store.loadForUser(name);
    return store.userId();
}

void TestStorageStores::everyTableCreatedOnce()
{
    QVERIFY(createProjectTables()); // every start runs them again
    QCOMPARE(
        rawRows(QStringLiteral("select name from sqlite_master where type='table' order by name"),
                db()),
        (QStringList{"CaptionOrOSDInfo",
                     "InAudioName",
                     "InPortName",
                     "OutAudioPortName",
                     "OutInfarePortName",
                     "OutPortName",
                     "PasswordTable",
                     "PermissionInfo",
                     "Salvo",
                     "SalvoRoute",
                     "SavedPlan",
                     "SplitPlanName",
                     "loginmodel",
                     "sqlite_sequence",
                     "user"}));
}

void TestStorageStores::adminSeededOnlyWhenMissing()
{
    const int admin = UserStore::allUsers().value(0).id;
    QVERIFY(UserStore::updateUser(admin, QStringLiteral("ADMIN"), QStringLiteral("n3w")));
    QVERIFY(UserStore::initTables());
    QVERIFY(UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("n3w")));
    QCOMPARE(UserStore::allUsers().size(), 1);

    QVERIFY(UserStore::deleteUser(admin));
    QVERIFY(UserStore::initTables());
    QVERIFY(UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("tiger905")));
    QCOMPARE(UserStore::userType(QStringLiteral("ADMIN")), 0);
}

void TestStorageStores::addUser_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("added");
    QTest::addRow("duplicate name") << "ADMIN"
                                    << "other" << false;
    QTest::addRow("name differs in case") << "admin"
                                          << "x" << true;
    QTest::addRow("statement in both") << "x'); drop table user; --"
                                       << "'),('m','p',0); --" << true;
}

void TestStorageStores::addUser()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, added);
    QCOMPARE(UserStore::addUser(name, password), added);
    QStringList users;
    for (const UserRow &user : UserStore::allUsers())
        users << QStringLiteral("%1:%2:%3").arg(user.username, user.password).arg(user.type);
    QStringList expected{"ADMIN:tiger905:0"};
    if (added)
        expected << name + ':' + password + ":1";
    QCOMPARE(users, expected);
}

void TestStorageStores::updateUserKeepsTypeAndOthers()
{
    const int id = ensureUser(QStringLiteral("bob"));
    QVERIFY(!UserStore::updateUser(id, QStringLiteral("ADMIN"), QStringLiteral("pw2"))); // taken
    QVERIFY(UserStore::updateUser(id, QStringLiteral("bobby"), QStringLiteral("pw2")));
    QCOMPARE(UserStore::allUsers(),
             (QVector<UserRow>{{1, QStringLiteral("ADMIN"), 0, QStringLiteral("tiger905")},
                               {id, QStringLiteral("bobby"), 1, QStringLiteral("pw2")}}));
}

void TestStorageStores::checkLogin_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addRow("name in other case") << "admin"
                                        << "tiger905";
    QTest::addRow("password in other case") << "ADMIN"
                                            << "TIGER905";
    QTest::addRow("always-true password") << "ADMIN"
                                          << "' or '1'='1";
    QTest::addRow("comment in name") << "ADMIN' --"
                                     << "";
}

void TestStorageStores::checkLogin()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QVERIFY(!UserStore::checkLogin(name, password));
}

void TestStorageStores::loginModelTakesOnlyZeroOrOne()
{
    QVERIFY(UserStore::setLoginModel(1));
    QVERIFY(!UserStore::setLoginModel(2));
    QCOMPARE(rawRows(QStringLiteral("select model from loginmodel where id=1"), db()),
             QStringList{"1"});
    QVERIFY(rawExec(QStringLiteral("update loginmodel set model=5"), db()));
    QCOMPARE(UserStore::loginModel(), 0); // a damaged row shows the login
}

void TestStorageStores::portNamesPerKind()
{
    const QString quoted = QStringLiteral("O'Brien's desk'); drop table InPortName; --");
    PortNameStore::savePortName(2, QStringLiteral("neighbour"), 0);
    PortNameStore::savePortName(1, QStringLiteral("old"), 0);
    PortNameStore::savePortName(1, quoted, 0);
    PortNameStore::savePortName(1, QStringLiteral("out"), 1);
    PortNameStore::savePortName(1, QStringLiteral("audio"), 2);
    PortNameStore::saveOutAudioName(1, QStringLiteral("out audio"));
    PortNameStore::saveOutInfraredName(1, QStringLiteral("infrared"));
    QCOMPARE(PortNameStore::loadPortNames(0), (Names{{1, quoted}, {2, "neighbour"}}));
    QCOMPARE(PortNameStore::loadPortNames(1), (Names{{1, "out"}}));
    QCOMPARE(PortNameStore::loadPortNames(2), (Names{{1, "audio"}}));
    QCOMPARE(PortNameStore::loadPortNames(-1), (Names{{1, "out"}}));
    QCOMPARE(PortNameStore::loadOutAudioNames(), (Names{{1, "out audio"}}));
    QCOMPARE(PortNameStore::loadOutInfraredNames(), (Names{{1, "infrared"}}));
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

// Marks are kept per address; unmarking one leaves the others; a quote is only a value.
void TestStorageStores::planMarksPerAddress()
{
    const QString ip = QStringLiteral("10.0.0.1");
    QVERIFY(PlanMarkStore::setMarked(2, true, ip));
    QVERIFY(PlanMarkStore::setMarked(2, true, ip)); // saved again: still one mark
    QVERIFY(PlanMarkStore::setMarked(7, true, ip));
    QVERIFY(PlanMarkStore::setMarked(2, true, QStringLiteral("10.0.0.2")));
    QVERIFY(PlanMarkStore::setMarked(2, false, ip));
    QCOMPARE(PlanMarkStore::loadMarks(ip), QSet<int>{7});
    QCOMPARE(PlanMarkStore::loadMarks(QStringLiteral("10.0.0.2")), QSet<int>{2});
    QCOMPARE(PlanMarkStore::loadMarks(QStringLiteral("x' or '1'='1")), QSet<int>());
}

void TestStorageStores::captionRowRoundTrip()
{
    CaptionRow other;
    other.port = 7;
    QVERIFY(CaptionStore::saveRow(other));
    CaptionRow row;
    row.port = 2;
    row.content = QStringLiteral("It's 'late',1,1,1,1); drop table user; --");
    row.font = QStringLiteral("Microsoft YaHei UI");
    row.fontSize = 200;
    row.bold = true;
    row.underline = true;
    QVERIFY(CaptionStore::saveRow(row));
    QCOMPARE(CaptionStore::loadRows(), (QMap<int, CaptionRow>{{7, other}, {2, row}}));
    // What the other client's TRUE and FALSE store.
    QCOMPARE(rawRows(QStringLiteral("select IsBold, IsItalic, IsUnderline from CaptionOrOSDInfo "
                                    "where Port=2"),
                     db()),
             QStringList{"1|0|1"});
}

void TestStorageStores::rightsDecode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rights>("rights");
    QTest::addRow("empty text holds nothing") << "" << Rights{};
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
    const int id = ensureUser(QStringLiteral("bob"));
    QVERIFY(store.saveRights(id, {false}, {false}, {false}, {false}, {false}));
    QVERIFY(store.createDefaultRights(QStringLiteral("bob"))); // replaces the restricted row
    const Rights eight(8, true), nine(9, true);
    QCOMPARE(store.readRights(id), (PermissionRights{eight, nine, eight, nine, Rights(28, true)}));
    QVERIFY(!store.createDefaultRights(QStringLiteral("nobody")));
    QCOMPARE(rawRows(QStringLiteral("select count(*) from PermissionInfo"), db()),
             QStringList{"1"});
}

void TestStorageStores::storedRowsRestrictOrdinaryUsers()
{
    PermissionStore store;
    const int id = ensureUser(QStringLiteral("bob"));
    QVERIFY(
        store.saveRights(id, {true, false}, {false, true}, {false}, {true, true, false}, {false}));
    store.loadForUser(QStringLiteral("bob"));
    QVERIFY(store.hasPortRight(1, PermissionStore::Input));
    QVERIFY(store.hasPortRight(3, PermissionStore::Input)); // beyond the list
    QVERIFY(store.hasFunctionRight(1));
    for (bool administrator : {false, true}) {
        AppSettings::instance()->setCurrentUserType(administrator ? 0 : 1);
        QCOMPARE(store.hasPortRight(2, PermissionStore::Input), administrator);
        QCOMPARE(store.hasPortRight(1, PermissionStore::Output), administrator);
        QCOMPARE(store.hasPortRight(1, PermissionStore::Audio), administrator);
        QCOMPARE(store.hasPortRight(3, PermissionStore::Analog), administrator);
        QCOMPARE(store.hasFunctionRight(0), administrator);
    }
}

void TestStorageStores::rightsRoundTripAndDelete()
{
    PermissionStore store;
    const int bob = ensureUser(QStringLiteral("bob"));
    const int eve = ensureUser(QStringLiteral("eve"));
    PermissionRights rights;
    rights.inputs = {true, false, true};
    rights.audio = {false};
    rights.analog = Rights(9, true);
    rights.functions = Rights(28, false);
    QVERIFY(store.saveRights(bob, rights));
    QVERIFY(store.createDefaultRights(QStringLiteral("eve")));
    QCOMPARE(store.readRights(bob), rights);
    QCOMPARE(
        rawRows(
            QStringLiteral("select InputInfo, OutputInfo from PermissionInfo where Id=%1").arg(bob),
            db()),
        QStringList{"1/0/1|"});
    QVERIFY(store.deleteRights(bob));
    QCOMPARE(store.readRights(bob), PermissionRights());
    QCOMPARE(store.readRights(eve).functions, Rights(28, true));
}

// Each version record (every reconnect) sets the device type again: config.ini is
// rewritten, and synced to disk, only when a value really changes.
void TestStorageStores::settingsRewrittenOnlyOnChange()
{
    AppSettings *settings = AppSettings::instance();
    settings->setType(3);
    const QString path = m_dir->filePath(QStringLiteral("config.ini"));
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000, Qt::UTC);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) &&
            file.setFileTime(old, QFileDevice::FileModificationTime));
    settings->setType(3);
    QCOMPARE(QFileInfo(path).lastModified(), old);
    settings->setType(2);
    QVERIFY(QFileInfo(path).lastModified() != old);
}

void TestStorageStores::failureLinesKeepTheirWording()
{
    const QString db = projectDbPath();
    MessageLog log;
    QVERIFY(!execSql(QStringLiteral("insert into nosuch values(1)")));
    bool ok = true;
    QVERIFY(querySql(QStringLiteral("select * from nosuch"), {}, QString(), &ok).isEmpty());
    QVERIFY(!ok);

    const QStringList lines = log.messages();
    QCOMPARE(lines.size(), 2);
    const QString execHead =
        QStringLiteral(" exe sqlstatement failure!\n detail:\ndbPath: \"%1\" \n error: \"").arg(db);
    const QString execTail =
        QStringLiteral("\" \n sql statement: \"insert into nosuch values(1)\"");
    const QString queryHead = QString::fromUtf8("执行错误 \"%1\"  \"").arg(db);
    QVERIFY2(lines.at(0).startsWith(execHead) && lines.at(0).endsWith(execTail),
             qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).startsWith(queryHead) && lines.at(1).endsWith('"'),
             qPrintable(lines.at(1)));
    for (const QString &line : lines)
        QVERIFY2(line.contains(QStringLiteral("no such table: nosuch")), qPrintable(line));
}

namespace {

// Adds users and port names from a thread of its own; returns the failures.
int work(int worker, int rounds, QString *connection)
{
    *connection = threadConnectionName();
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        const QString name = QStringLiteral("t%1-%2").arg(worker).arg(i);
        const bool ok = UserStore::addUser(name, QStringLiteral("pw")) &&
                        PortNameStore::savePortName(i, name, worker) &&
                        PortNameStore::loadPortNames(worker).value(i) == name &&
                        UserStore::checkLogin(name, QStringLiteral("pw"));
        failures += ok ? 0 : 1;
    }
    return failures;
}

} // namespace

void TestStorageStores::twoThreadsUseTheirOwnConnections()
{
    constexpr int rounds = 25;
    MessageLog log;
    QString connections[2];
    int failures[2] = {-1, -1};
    std::unique_ptr<QThread> threads[2];
    for (int k = 0; k < 2; ++k) {
        threads[k].reset(
            QThread::create([&, k] { failures[k] = work(k, rounds, &connections[k]); }));
        threads[k]->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(TestTimeouts::Long));
    QVERIFY(connections[0] != connections[1]);
    QVERIFY(connections[0] != threadConnectionName());
    QCOMPARE(failures[0] + failures[1], 0);
    QCOMPARE(UserStore::allUsers().size(), 1 + 2 * rounds);
    QCOMPARE(PortNameStore::loadPortNames(0).size(), rounds);
    QCOMPARE(PortNameStore::loadPortNames(1).size(), rounds);
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join(QLatin1Char('\n'))));
}

void TestStorageStores::dataDirPrecedence()
{
    TempDataDir env;
    qputenv("ZELDESK_DATA_DIR", QFile::encodeName(env.path()));
    QCOMPARE(DataDir::path(), m_dir->path()); // set() wins
    DataDir::set(QString());
    QVERIFY(UserStore::initTables());
    QVERIFY(QFile::exists(env.filePath(QStringLiteral("project.db"))));
    qunsetenv("ZELDESK_DATA_DIR");
    QCOMPARE(DataDir::filePath(QStringLiteral("config.ini")),
             QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"));
}

void TestStorageStores::dataDirCommandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected"); // relative to the case's directory; "" unchanged
    QTest::addRow("joined value") << QStringList{"zeldesk", "--data-dir=@/b", "-x"} << true << "b";
    QTest::addRow("last one wins")
        << QStringList{"zeldesk", "--data-dir=@/a", "--data-dir", "@/c"} << true << "c";
    QTest::addRow("missing value") << QStringList{"zeldesk", "--data-dir"} << false << "";
    QTest::addRow("relative") << QStringList{"zeldesk", "--data-dir", "rel/d"} << true << "rel/d";
}

void TestStorageStores::dataDirCommandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, found);
    QFETCH(QString, expected);
    for (QString &arg : args)
        arg.replace(QLatin1Char('@'), m_dir->path());
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const bool result = DataDir::applyCommandLine(args);
    QDir::setCurrent(saved);
    QCOMPARE(result, found);
    const QString want = expected.isEmpty() ? m_dir->path() : m_dir->filePath(expected);
    QCOMPARE(DataDir::path(), QDir(want).absolutePath());
    QVERIFY(QFileInfo(DataDir::path()).isDir());
}

QTEST_GUILESS_MAIN(TestStorageStores)
#include "tst_storage_stores.moc"
