#include "projectdb.h"
#include "storagetestkit.h"
#include "userstore.h"

#include <QtTest>

#include <memory>

class TestStorageUsers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshDatabaseHoldsOnlyAdmin();
    void adminSeedReturnsAfterDeletion();
    void changedAdminPasswordSurvivesRestart();
    void addUser_data();
    void addUser();
    void emptyUserRunsNoStatement();
    void updateUserKeepsType_data();
    void updateUserKeepsType();
    void deleteUserRemovesOnlyThatRow();
    void checkLogin_data();
    void checkLogin();
    void userType_data();
    void userType();
    void rememberedPasswordRows();
    void loginModelCreatesItsRow();
    void setLoginModel_data();
    void setLoginModel();
    void damagedLoginModelShowsLogin();

private:
    QString db() const { return m_dir->filePath(QStringLiteral("project.db")); }
    int idOf(const QString &name) const;
    std::unique_ptr<ScopedDataDir> m_dir;
};

void TestStorageUsers::init()
{
    m_dir.reset(new ScopedDataDir);
    QVERIFY(UserStore::initTables());
}

void TestStorageUsers::cleanup()
{
    m_dir.reset();
}

int TestStorageUsers::idOf(const QString &name) const
{
    for (const UserRow &user : UserStore::allUsers()) {
        if (user.username == name)
            return user.id;
    }
    return -1;
}

void TestStorageUsers::freshDatabaseHoldsOnlyAdmin()
{
    QVERIFY(UserStore::initTables()); // a second start
    const QVector<UserRow> users = UserStore::allUsers();
    QCOMPARE(users.size(), 1);
    QCOMPARE(users.first().username, QStringLiteral("ADMIN"));
    QCOMPARE(users.first().type, 0);
    QCOMPARE(users.first().password, QStringLiteral("tiger905"));
    QCOMPARE(rawRows(QStringLiteral("select count(*) from user"), db()).value(0).value(0).toInt(),
             1);
    QCOMPARE(projectDbPath(), db());
}

void TestStorageUsers::adminSeedReturnsAfterDeletion()
{
    QVERIFY(UserStore::addUser(QStringLiteral("bob"), QStringLiteral("pw")));
    QVERIFY(UserStore::deleteUser(idOf(QStringLiteral("ADMIN"))));
    QVERIFY(!UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("tiger905")));
    QVERIFY(UserStore::initTables());
    QVERIFY(UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("tiger905")));
    QCOMPARE(UserStore::userType(QStringLiteral("ADMIN")), 0);
    QCOMPARE(UserStore::allUsers().size(), 2);
}

void TestStorageUsers::changedAdminPasswordSurvivesRestart()
{
    const int id = idOf(QStringLiteral("ADMIN"));
    QVERIFY(UserStore::updateUser(id, QStringLiteral("ADMIN"), QStringLiteral("n3w")));
    QVERIFY(UserStore::initTables());
    QVERIFY(UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("n3w")));
    QVERIFY(!UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("tiger905")));
    QCOMPARE(UserStore::allUsers().size(), 1);
}

void TestStorageUsers::addUser_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("added");

    QTest::addRow("plain") << "bob"
                           << "secret" << true;
    QTest::addRow("duplicate name") << "ADMIN"
                                    << "other" << false;
    QTest::addRow("name differs in case") << "admin"
                                          << "x" << true;
    QTest::addRow("empty name") << ""
                                << "secret" << false;
    QTest::addRow("empty password") << "bob"
                                    << "" << false;
    QTest::addRow("quote in name") << "O'Brien"
                                   << "it's" << true;
    QTest::addRow("statement in name") << "x'); drop table user; --"
                                       << "p" << true;
    QTest::addRow("statement in password") << "eve"
                                           << "'),('mallory','p',0); --" << true;
    QTest::addRow("chinese name") << QString::fromUtf8("张三") << QString::fromUtf8("密码") << true;
}

void TestStorageUsers::addUser()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, added);

    const QVector<UserRow> before = UserStore::allUsers();
    QCOMPARE(UserStore::addUser(name, password), added);
    const QVector<UserRow> after = UserStore::allUsers();
    if (!added) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.size(), before.size() + 1);
    const UserRow &user = after.last();
    QCOMPARE(user.username, name);
    QCOMPARE(user.password, password);
    QCOMPARE(user.type, 1);
    QVERIFY(UserStore::checkLogin(name, password));
    QCOMPARE(after.first(), before.first()); // ADMIN untouched
}

void TestStorageUsers::emptyUserRunsNoStatement()
{
    // On a file that is not a database every statement that runs is logged.
    QVERIFY(writeFile(db(), QByteArray(4096, 'z')));
    MessageLog log;
    QVERIFY(!UserStore::addUser(QString(), QStringLiteral("p")));
    QVERIFY(!UserStore::addUser(QStringLiteral("u"), QString()));
    QCOMPARE(log.count(QStringLiteral("exe sqlstatement failure")), 0);
    QVERIFY(!UserStore::addUser(QStringLiteral("u"), QStringLiteral("p")));
    QCOMPARE(log.count(QStringLiteral("exe sqlstatement failure")), 1);
}

void TestStorageUsers::updateUserKeepsType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("updated");

    QTest::addRow("new name and password") << "robert"
                                           << "pw2" << true;
    QTest::addRow("own name") << "bob"
                              << "pw2" << true;
    QTest::addRow("name of another user") << "ADMIN"
                                          << "pw2" << false;
    QTest::addRow("quotes") << "Bob's"
                            << "'; update user set type=0; --" << true;
    QTest::addRow("empty name") << ""
                                << "pw2" << false;
    QTest::addRow("empty password") << "bob"
                                    << "" << false;
}

void TestStorageUsers::updateUserKeepsType()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, updated);

    QVERIFY(UserStore::addUser(QStringLiteral("bob"), QStringLiteral("pw")));
    const int id = idOf(QStringLiteral("bob"));
    QCOMPARE(UserStore::updateUser(id, name, password), updated);
    const QVector<UserRow> users = UserStore::allUsers();
    QCOMPARE(users.size(), 2);
    QCOMPARE(users.at(0).type, 0);
    QCOMPARE(users.at(0).password, QStringLiteral("tiger905"));
    QCOMPARE(users.at(1).id, id);
    QCOMPARE(users.at(1).type, 1);
    QCOMPARE(users.at(1).username, updated ? name : QStringLiteral("bob"));
    QCOMPARE(users.at(1).password, updated ? password : QStringLiteral("pw"));
}

void TestStorageUsers::deleteUserRemovesOnlyThatRow()
{
    QVERIFY(UserStore::addUser(QStringLiteral("bob"), QStringLiteral("pw")));
    QVERIFY(UserStore::addUser(QStringLiteral("eve"), QStringLiteral("pw")));
    QVERIFY(UserStore::deleteUser(idOf(QStringLiteral("bob"))));
    const QVector<UserRow> users = UserStore::allUsers();
    QCOMPARE(users.size(), 2);
    QCOMPARE(users.at(0).username, QStringLiteral("ADMIN"));
    QCOMPARE(users.at(1).username, QStringLiteral("eve"));
}

void TestStorageUsers::checkLogin_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("match");

    QTest::addRow("right") << "ADMIN"
                           << "tiger905" << true;
    QTest::addRow("wrong password") << "ADMIN"
                                    << "tiger906" << false;
    QTest::addRow("name in other case") << "admin"
                                        << "tiger905" << false;
    QTest::addRow("password in other case") << "ADMIN"
                                            << "TIGER905" << false;
    QTest::addRow("password with blank") << "ADMIN"
                                         << "tiger905 " << false;
    QTest::addRow("always-true password") << "ADMIN"
                                          << "' or '1'='1" << false;
    QTest::addRow("comment in name") << "ADMIN' --"
                                     << "" << false;
    QTest::addRow("unknown") << "nobody"
                             << "tiger905" << false;
}

void TestStorageUsers::checkLogin()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, match);
    QCOMPARE(UserStore::checkLogin(name, password), match);
}

void TestStorageUsers::userType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");

    QTest::addRow("administrator") << "ADMIN" << 0;
    QTest::addRow("added user") << "bob" << 1;
    QTest::addRow("unknown") << "nobody" << 1;
    QTest::addRow("quote") << "ADMIN' or ''='" << 1;
}

void TestStorageUsers::userType()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QVERIFY(UserStore::addUser(QStringLiteral("bob"), QStringLiteral("pw")));
    QCOMPARE(UserStore::userType(name), type);
}

void TestStorageUsers::rememberedPasswordRows()
{
    QVERIFY(!UserStore::isRemember());
    QCOMPARE(UserStore::rememberedPassword(), QString());

    QVERIFY(UserStore::setRemember(true));
    QVERIFY(UserStore::isRemember());
    QCOMPARE(UserStore::rememberedPassword(), QString());

    const QString password = QStringLiteral("it's 'quoted'");
    QVERIFY(UserStore::setRememberedPassword(password));
    QVERIFY(UserStore::isRemember());
    QCOMPARE(UserStore::rememberedPassword(), password);

    // Unticking forgets the password with the row.
    QVERIFY(UserStore::setRemember(false));
    QVERIFY(!UserStore::isRemember());
    QCOMPARE(UserStore::rememberedPassword(), QString());
    const auto rows =
        rawRows(QStringLiteral("select id, isRemember, password from PasswordTable"), db());
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().at(0).toInt(), 1);
    QCOMPARE(rows.first().at(1).toInt(), 0);
    QVERIFY(rows.first().at(2).isNull());
}

void TestStorageUsers::loginModelCreatesItsRow()
{
    QVERIFY(rawRows(QStringLiteral("select * from loginmodel"), db()).isEmpty());
    QCOMPARE(UserStore::loginModel(), 0);
    const auto rows = rawRows(QStringLiteral("select id, model from loginmodel"), db());
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().at(0).toInt(), 1);
    QCOMPARE(rows.first().at(1).toInt(), 0);
    QCOMPARE(UserStore::loginModel(), 0);
    QCOMPARE(rawRows(QStringLiteral("select * from loginmodel"), db()).size(), 1);

    // On a new file the choice is kept even before anything read the mode.
    QVERIFY(execSql(QStringLiteral("delete from loginmodel")));
    QVERIFY(UserStore::setLoginModel(1));
    QCOMPARE(UserStore::loginModel(), 1);
}

void TestStorageUsers::setLoginModel_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("expected");

    QTest::addRow("0 then 1") << 0 << 1 << 1;
    QTest::addRow("1 then 0") << 1 << 0 << 0;
    QTest::addRow("1 then 2 is ignored") << 1 << 2 << 1;
    QTest::addRow("1 then -1 is ignored") << 1 << -1 << 1;
}

void TestStorageUsers::setLoginModel()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, expected);

    QCOMPARE(UserStore::loginModel(), 0);
    QVERIFY(UserStore::setLoginModel(first));
    QCOMPARE(UserStore::loginModel(), first);
    QCOMPARE(UserStore::setLoginModel(second), second == 0 || second == 1);
    QCOMPARE(UserStore::loginModel(), expected);
    QCOMPARE(rawRows(QStringLiteral("select model from loginmodel where id=1"), db())
                 .value(0)
                 .value(0)
                 .toInt(),
             expected);
}

void TestStorageUsers::damagedLoginModelShowsLogin()
{
    QVERIFY(rawExec(QStringLiteral("insert into loginmodel(id,model) values(1,5)"), db()));
    QCOMPARE(UserStore::loginModel(), 0);
}

QTEST_GUILESS_MAIN(TestStorageUsers)
#include "tst_storage_users.moc"
