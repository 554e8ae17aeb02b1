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

    void adminSeedReturnsAfterDeletion();
    void changedAdminPasswordSurvivesRestart();
    void addUser_data();
    void addUser();
    void updateUserKeepsType_data();
    void updateUserKeepsType();
    void checkLogin_data();
    void checkLogin();
    void rememberedPasswordRows();
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

    QTest::addRow("duplicate name") << "ADMIN" << "other" << false;
    QTest::addRow("name differs in case") << "admin" << "x" << true;
    QTest::addRow("empty name") << "" << "secret" << false;
    QTest::addRow("statement in name") << "x'); drop table user; --" << "p" << true;
    QTest::addRow("statement in password") << "eve" << "'),('mallory','p',0); --" << true;
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

void TestStorageUsers::updateUserKeepsType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("updated");

    QTest::addRow("own name") << "bob" << "pw2" << true;
    QTest::addRow("name of another user") << "ADMIN" << "pw2" << false;
    QTest::addRow("empty name") << "" << "pw2" << false;
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

void TestStorageUsers::checkLogin_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("match");

    QTest::addRow("wrong password") << "ADMIN" << "tiger906" << false;
    QTest::addRow("name in other case") << "admin" << "tiger905" << false;
    QTest::addRow("password in other case") << "ADMIN" << "TIGER905" << false;
    QTest::addRow("always-true password") << "ADMIN" << "' or '1'='1" << false;
    QTest::addRow("comment in name") << "ADMIN' --" << "" << false;
}

void TestStorageUsers::checkLogin()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, match);
    QCOMPARE(UserStore::checkLogin(name, password), match);
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

void TestStorageUsers::setLoginModel_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("expected");

    QTest::addRow("0 then 1") << 0 << 1 << 1;
    QTest::addRow("1 then 2 is ignored") << 1 << 2 << 1;
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
