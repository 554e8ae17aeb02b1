#include "appsettings.h"
#include "captionstore.h"
#include "datadir.h"
#include "permissionstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "projectdb.h"
#include "storagetestkit.h"
#include "testtimeouts.h"
#include "userstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

enum class Hostile {
    Garbage,
    TinyGarbage,
    ReadOnlyFile,
    LockedDirNewFile,
    LockedDirOldFile,
    FileIsDirectory,
    ParentIsFile
};

// Every write the client makes when the file cannot take it; each must answer false.
int successfulWrites()
{
    PermissionStore rights;
    CaptionRow caption;
    caption.port = 2;
    const bool results[] = {
        UserStore::addUser(QStringLiteral("eve"), QStringLiteral("pw")),
        UserStore::updateUser(2, QStringLiteral("bobby"), QStringLiteral("pw")),
        UserStore::deleteUser(2),
        UserStore::setRemember(true),
        UserStore::setRememberedPassword(QStringLiteral("pw")),
        UserStore::setLoginModel(1),
        PortNameStore::savePortName(1, QStringLiteral("x"), 0),
        PortNameStore::saveOutAudioName(1, QStringLiteral("x")),
        PortNameStore::saveOutInfraredName(1, QStringLiteral("x")),
        PlanNameStore::savePlanName(1, QStringLiteral("x"), QStringLiteral("10.0.0.1")),
        CaptionStore::saveRow(caption),
        rights.saveRights(2, {true}, {}, {}, {}, {}),
        rights.createDefaultRights(QStringLiteral("bob")),
        rights.deleteRights(2),
    };
    int n = 0;
    for (bool ok : results)
        n += ok ? 1 : 0;
    return n;
}

// A database the way a client leaves it: ADMIN, bob (id 2), some names.
void populate()
{
    UserStore::initTables();
    PortNameStore::createPortNameTables();
    PlanNameStore::createTable();
    CaptionStore::createTable();
    PermissionStore rights;
    UserStore::addUser(QStringLiteral("bob"), QStringLiteral("pw"));
    UserStore::loginModel();
    PortNameStore::savePortName(1, QStringLiteral("Camera"), 0);
    rights.saveRights(2, {false}, {}, {}, {}, {});
}

} // namespace

Q_DECLARE_METATYPE(Hostile)

class TestStorageFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void failureLinesKeepTheirWording();
    void hostileDatabase_data();
    void hostileDatabase();
    void twoThreadsUseTheirOwnConnections();

    void dataDirPrecedence();
    void dataDirCommandLine_data();
    void dataDirCommandLine();

private:
    std::unique_ptr<ScopedDataDir> m_dir;
};

void TestStorageFaults::init()
{
    m_dir.reset(new ScopedDataDir);
}

void TestStorageFaults::cleanup()
{
    m_dir.reset();
    qunsetenv("ZELDESK_DATA_DIR");
}

void TestStorageFaults::failureLinesKeepTheirWording()
{
    const QString db = projectDbPath();
    MessageLog log;
    QVERIFY(!execSql(QStringLiteral("insert into nosuch values(1)")));
    bool ok = true;
    QVERIFY(querySql(QStringLiteral("select * from nosuch"), {}, QString(), &ok).isEmpty());
    QVERIFY(!ok);

    const QStringList lines = log.messages();
    QCOMPARE(lines.size(), 2);
    const QString exec = lines.at(0);
    const QString execHead = QStringLiteral(" exe sqlstatement failure!\n detail:\ndbPath: \"%1\" "
                                            "\n error: \"")
                                 .arg(db);
    const QString execTail =
        QStringLiteral("\" \n sql statement: \"insert into nosuch values(1)\"");
    QVERIFY2(exec.startsWith(execHead), qPrintable(exec));
    QVERIFY2(exec.endsWith(execTail), qPrintable(exec));
    QVERIFY2(exec.contains(QStringLiteral("no such table: nosuch")), qPrintable(exec));

    const QString query = lines.at(1);
    const QString queryHead = QString::fromUtf8("执行错误 \"%1\"  \"").arg(db);
    QVERIFY2(query.startsWith(queryHead), qPrintable(query));
    QVERIFY2(query.endsWith(QLatin1Char('"')), qPrintable(query));
    QVERIFY2(query.contains(QStringLiteral("no such table: nosuch")), qPrintable(query));
}

void TestStorageFaults::hostileDatabase_data()
{
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<bool>("readable");
    QTest::addRow("not a database") << Hostile::Garbage << false;
    QTest::addRow("a few bytes of text") << Hostile::TinyGarbage << false;
    QTest::addRow("read-only file") << Hostile::ReadOnlyFile << true;
    QTest::addRow("unwritable directory, no file yet") << Hostile::LockedDirNewFile << false;
    QTest::addRow("unwritable directory, existing file") << Hostile::LockedDirOldFile << true;
    QTest::addRow("project.db is a directory") << Hostile::FileIsDirectory << false;
    QTest::addRow("data directory under a file") << Hostile::ParentIsFile << false;
}

void TestStorageFaults::hostileDatabase()
{
    QFETCH(Hostile, hostile);
    QFETCH(bool, readable);

    const QString dir = m_dir->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(dir));
    DataDir::set(dir);
    const QString db = projectDbPath();
    std::unique_ptr<Unwritable> lock;
    switch (hostile) {
    case Hostile::Garbage: {
        QByteArray bytes;
        for (int i = 0; i < 8192; ++i)
            bytes.append(char(i * 7 + 3));
        QVERIFY(writeFile(db, bytes));
        break;
    }
    case Hostile::TinyGarbage:
        QVERIFY(writeFile(db, "hello\n"));
        break;
    case Hostile::ReadOnlyFile:
        populate();
        lock.reset(new Unwritable(db));
        break;
    case Hostile::LockedDirNewFile:
        lock.reset(new Unwritable(dir));
        break;
    case Hostile::LockedDirOldFile:
        populate();
        lock.reset(new Unwritable(dir));
        break;
    case Hostile::FileIsDirectory:
        QVERIFY(QDir().mkpath(db));
        break;
    case Hostile::ParentIsFile:
        QVERIFY(writeFile(m_dir->filePath(QStringLiteral("plain")), "x"));
        DataDir::set(m_dir->filePath(QStringLiteral("plain/data")));
        break;
    }
    if (lock && !lock->isActive())
        QSKIP("this system cannot make the file unwritable");

    const QString path = projectDbPath();
    const bool existed = QFileInfo(path).isFile();
    const QByteArray before = fileBytes(path);
    MessageLog log;

    UserStore::initTables();
    PortNameStore::createPortNameTables();
    PlanNameStore::createTable();
    CaptionStore::createTable();
    QCOMPARE(successfulWrites(), 0);
    QVERIFY(log.messages().size() > 0);

    PermissionStore rights;
    rights.loadForUser(QStringLiteral("bob"));
    if (readable) {
        QCOMPARE(UserStore::allUsers().size(), 2);
        QVERIFY(UserStore::checkLogin(QStringLiteral("bob"), QStringLiteral("pw")));
        QCOMPARE(UserStore::userType(QStringLiteral("ADMIN")), 0);
        QCOMPARE(PortNameStore::loadPortNames(0).value(1), QStringLiteral("Camera"));
        QCOMPARE(rights.userId(), 2);
        QVERIFY(!rights.hasPortRight(1, PermissionStore::Input));
    } else {
        QVERIFY(UserStore::allUsers().isEmpty());
        QVERIFY(!UserStore::checkLogin(QStringLiteral("ADMIN"), QStringLiteral("tiger905")));
        QCOMPARE(UserStore::userType(QStringLiteral("ADMIN")), 1);
        QVERIFY(PortNameStore::loadPortNames(0).isEmpty());
        QCOMPARE(rights.userId(), 1);
        QVERIFY(rights.hasPortRight(1, PermissionStore::Input));
    }
    QCOMPARE(UserStore::loginModel(), 0);
    QVERIFY(!UserStore::isRemember());
    QVERIFY(PlanNameStore::loadPlanNames(QStringLiteral("10.0.0.1")).isEmpty());
    QVERIFY(CaptionStore::loadRows().isEmpty());
    QCOMPARE(CaptionStore::row(2).fontSize, 48);
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());

    // The file is exactly as it was: never deleted, truncated or replaced.
    QCOMPARE(QFileInfo(path).isFile(), existed);
    QCOMPARE(fileBytes(path), before);
    if (hostile == Hostile::FileIsDirectory)
        QVERIFY(QFileInfo(path).isDir());
}

namespace {

struct WorkerResult
{
    QString connection;
    int failures = 0;
    bool sawOthers = false;
};

WorkerResult work(int worker, int rounds)
{
    WorkerResult result;
    result.connection = threadConnectionName();
    for (int i = 0; i < rounds; ++i) {
        const QString name = QStringLiteral("t%1-%2").arg(worker).arg(i);
        if (!UserStore::addUser(name, QStringLiteral("pw")))
            ++result.failures;
        if (!PortNameStore::savePortName(i, name, worker))
            ++result.failures;
        if (PortNameStore::loadPortNames(worker).value(i) != name)
            ++result.failures;
        if (!UserStore::checkLogin(name, QStringLiteral("pw")))
            ++result.failures;
        result.sawOthers = result.sawOthers || UserStore::allUsers().size() > i + 2;
    }
    return result;
}

} // namespace

void TestStorageFaults::twoThreadsUseTheirOwnConnections()
{
    populate();
    constexpr int rounds = 25;
    MessageLog log;
    WorkerResult results[2];
    std::unique_ptr<QThread> threads[2];
    for (int k = 0; k < 2; ++k) {
        threads[k].reset(QThread::create([&results, k] { results[k] = work(k, rounds); }));
        threads[k]->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(TestTimeouts::Long));

    QVERIFY(results[0].connection != results[1].connection);
    QVERIFY(results[0].connection != threadConnectionName());
    QCOMPARE(results[0].failures, 0);
    QCOMPARE(results[1].failures, 0);
    QCOMPARE(UserStore::allUsers().size(), 2 + 2 * rounds);
    QCOMPARE(PortNameStore::loadPortNames(0).size(), rounds);
    QCOMPARE(PortNameStore::loadPortNames(1).size(), rounds);
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join(QLatin1Char('\n'))));
}

void TestStorageFaults::dataDirPrecedence()
{
    TempDataDir env;
    qputenv("ZELDESK_DATA_DIR", QFile::encodeName(env.path()));
    QCOMPARE(DataDir::path(), m_dir->path()); // set() wins
    DataDir::set(QString());
    QCOMPARE(DataDir::path(), QDir(env.path()).absolutePath());
    QCOMPARE(projectDbPath(), QDir(env.path()).filePath(QStringLiteral("project.db")));
    QVERIFY(UserStore::initTables());
    QVERIFY(QFile::exists(env.filePath(QStringLiteral("project.db"))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("project.db"))));
    qunsetenv("ZELDESK_DATA_DIR");
    QCOMPARE(DataDir::path(), QCoreApplication::applicationDirPath());
    QCOMPARE(DataDir::filePath(QStringLiteral("config.ini")),
             QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"));
}

void TestStorageFaults::dataDirCommandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected"); // relative to the case's directory; "" unchanged

    QTest::addRow("separate value") << QStringList{"zeldesk", "--data-dir", "@/a"} << true << "a";
    QTest::addRow("joined value") << QStringList{"zeldesk", "--data-dir=@/b", "-x"} << true << "b";
    QTest::addRow("last one wins")
        << QStringList{"zeldesk", "--data-dir=@/a", "--data-dir", "@/c"} << true << "c";
    QTest::addRow("missing value") << QStringList{"zeldesk", "--data-dir"} << false << "";
    QTest::addRow("relative") << QStringList{"zeldesk", "--data-dir", "rel/d"} << true << "rel/d";
}

void TestStorageFaults::dataDirCommandLine()
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

QTEST_GUILESS_MAIN(TestStorageFaults)
#include "tst_storage_faults.moc"
