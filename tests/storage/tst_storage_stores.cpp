#include "appsettings.h"
#include "captionstore.h"
#include "permissionstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "projecttables.h"
#include "storagetestkit.h"
#include "userstore.h"

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
    void init();
    void cleanup();

    void everyTableCreatedOnce();
    void adminSeededOnlyWhenMissing();
    void addUser_data();
    void addUser();
    void updateUserKeepsType_data();
    void updateUserKeepsType();
    void checkLogin_data();
    void checkLogin();
    void loginModelTakesOnlyZeroOrOne();

    void portNamesPerKind();
    void planNameReplacedAndQuoted();
    void captionRowRoundTrip();

    void rightsDecode_data();
    void rightsDecode();
    void newUserHasEveryRight();
    void storedRowsRestrictOrdinaryUsers();
    void rightsRoundTripAndDelete();

    void settingsRewrittenOnlyOnChange();

private:
    QString db() const { return m_dir->filePath(QStringLiteral("project.db")); }
    int ensureUser(const QString &name);
    std::unique_ptr<ScopedDataDir> m_dir;
};

void TestStorageStores::init()
{
    m_dir.reset(new ScopedDataDir);
    QVERIFY(createProjectTables());
    AppSettings::instance()->setCurrentUserType(1);
}

void TestStorageStores::cleanup()
{
    AppSettings::instance()->setCurrentUserType(1);
    m_dir.reset();
}

// Adds `name` (or finds it) and returns its id, -1 when there is none.
int TestStorageStores::ensureUser(const QString &name)
{
    UserStore::addUser(name, QStringLiteral("pw"));
    for (const UserRow &user : UserStore::allUsers()) {
        if (user.username == name)
            return user.id;
    }
    return -1;
}

void TestStorageStores::everyTableCreatedOnce()
{
    QVERIFY(createProjectTables()); // every start runs them again
    QCOMPARE(rawRows(QStringLiteral("select name from sqlite_master where type='table' order by name"), db()),
             (QStringList{"CaptionOrOSDInfo", "InAudioName", "InPortName", "OutAudioPortName",
                          "OutInfarePortName", "OutPortName", "PasswordTable", "PermissionInfo",
                          "SplitPlanName", "loginmodel", "user"}));
    QCOMPARE(rawRows(QStringLiteral("select username, type from user"), db()), QStringList{"ADMIN|0"});
}

void TestStorageStores::adminSeededOnlyWhenMissing()
{
    const int admin = ensureUser(QStringLiteral("ADMIN"));
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
    QTest::addRow("duplicate name") << "ADMIN" << "other" << false;
    QTest::addRow("name differs in case") << "admin" << "x" << true;
    QTest::addRow("empty name") << "" << "secret" << false;
    QTest::addRow("statement in both") << "x'); drop table user; --" << "'),('m','p',0); --" << true;
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

void TestStorageStores::updateUserKeepsType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("updated");
    QTest::addRow("own name") << "bob" << true;
    QTest::addRow("name of another user") << "ADMIN" << false;
    QTest::addRow("empty name") << "" << false;
}

void TestStorageStores::updateUserKeepsType()
{
    QFETCH(QString, name);
    QFETCH(bool, updated);
    const int id = ensureUser(QStringLiteral("bob"));
    QCOMPARE(UserStore::updateUser(id, name, QStringLiteral("pw2")), updated);
    const QVector<UserRow> users = UserStore::allUsers();
    QCOMPARE(users.size(), 2);
    QCOMPARE(users.at(0).password, QStringLiteral("tiger905"));
    QCOMPARE(users.at(1).type, 1);
    QCOMPARE(users.at(1).password, updated ? QStringLiteral("pw2") : QStringLiteral("pw"));
}

void TestStorageStores::checkLogin_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addRow("name in other case") << "admin" << "tiger905";
    QTest::addRow("password in other case") << "ADMIN" << "TIGER905";
    QTest::addRow("always-true password") << "ADMIN" << "' or '1'='1";
    QTest::addRow("comment in name") << "ADMIN' --" << "";
}

void TestStorageStores::checkLogin()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QVERIFY(!UserStore::checkLogin(name, password));
}

void TestStorageStores::loginModelTakesOnlyZeroOrOne()
{
    QCOMPARE(UserStore::loginModel(), 0);
    QVERIFY(UserStore::setLoginModel(1));
    QVERIFY(!UserStore::setLoginModel(2));
    QCOMPARE(rawRows(QStringLiteral("select model from loginmodel where id=1"), db()), QStringList{"1"});
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
    QCOMPARE(rawRows(QStringLiteral("select count(*) from PermissionInfo"), db()), QStringList{"1"});
}

void TestStorageStores::storedRowsRestrictOrdinaryUsers()
{
    PermissionStore store;
    const int id = ensureUser(QStringLiteral("bob"));
    QVERIFY(store.saveRights(id, {true, false}, {false, true}, {false}, {true, true, false}, {false}));
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
    QCOMPARE(rawRows(QStringLiteral("select InputInfo, OutputInfo from PermissionInfo where Id=%1").arg(bob),
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
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
    settings->setType(3);
    QCOMPARE(QFileInfo(path).lastModified(), old);
    settings->setType(2);
    QVERIFY(QFileInfo(path).lastModified() != old);
    QCOMPARE(settings->type(), 2);
}

QTEST_GUILESS_MAIN(TestStorageStores)
#include "tst_storage_stores.moc"
