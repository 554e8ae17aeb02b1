#include "appsettings.h"
#include "captionstore.h"
#include "datadir.h"
#include "permissionstore.h"
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

// A database the way a client leaves it: ADMIN, bob (id 2) without input 1, a port name.
void populate()
{
    createProjectTables();
    UserStore::addUser(QStringLiteral("bob"), QStringLiteral("pw"));
    UserStore::loginModel();
    PortNameStore::savePortName(1, QStringLiteral("Camera"), 0);
    PermissionStore().saveRights(2, {false}, {}, {}, {}, {});
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
    const QString execHead =
        QStringLiteral(" exe sqlstatement failure!\n detail:\ndbPath: \"%1\" \n error: \"").arg(db);
    const QString execTail = QStringLiteral("\" \n sql statement: \"insert into nosuch values(1)\"");
    const QString queryHead = QString::fromUtf8("执行错误 \"%1\"  \"").arg(db);
    QVERIFY2(lines.at(0).startsWith(execHead) && lines.at(0).endsWith(execTail), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).startsWith(queryHead) && lines.at(1).endsWith('"'), qPrintable(lines.at(1)));
    for (const QString &line : lines)
        QVERIFY2(line.contains(QStringLiteral("no such table: nosuch")), qPrintable(line));
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
    case Hostile::Garbage:
        QVERIFY(writeFile(db, QByteArray(8192, '\xa5')));
        break;
    case Hostile::TinyGarbage:
        QVERIFY(writeFile(db, "hello\n"));
        break;
    case Hostile::ReadOnlyFile:
    case Hostile::LockedDirOldFile:
        populate();
        lock.reset(new Unwritable(hostile == Hostile::ReadOnlyFile ? db : dir));
        break;
    case Hostile::LockedDirNewFile:
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
    createProjectTables();
    QCOMPARE(successfulWrites(), 0);
    QVERIFY(!log.messages().isEmpty());

    // What was there is still read; an unreadable file reads as empty, not as a fresh ADMIN.
    PermissionStore rights;
    rights.loadForUser(QStringLiteral("bob"));
    QCOMPARE(UserStore::allUsers().size(), readable ? 2 : 0);
    QCOMPARE(UserStore::checkLogin(QStringLiteral("bob"), QStringLiteral("pw")), readable);
    QCOMPARE(UserStore::userType(QStringLiteral("ADMIN")), readable ? 0 : 1);
    QCOMPARE(PortNameStore::loadPortNames(0).value(1), readable ? QStringLiteral("Camera") : QString());
    QCOMPARE(rights.hasPortRight(1, PermissionStore::Input), !readable);
    QCOMPARE(UserStore::loginModel(), 0);
    QVERIFY(CaptionStore::loadRows().isEmpty());
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
};

WorkerResult work(int worker, int rounds)
{
    WorkerResult result;
    result.connection = threadConnectionName();
    for (int i = 0; i < rounds; ++i) {
        const QString name = QStringLiteral("t%1-%2").arg(worker).arg(i);
        const bool ok = UserStore::addUser(name, QStringLiteral("pw")) &&
                        PortNameStore::savePortName(i, name, worker) &&
                        PortNameStore::loadPortNames(worker).value(i) == name &&
                        UserStore::checkLogin(name, QStringLiteral("pw"));
        result.failures += ok ? 0 : 1;
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
    QCOMPARE(results[0].failures + results[1].failures, 0);
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
    QVERIFY(UserStore::initTables());
    QVERIFY(QFile::exists(env.filePath(QStringLiteral("project.db"))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("project.db"))));
    qunsetenv("ZELDESK_DATA_DIR");
    QCOMPARE(DataDir::filePath(QStringLiteral("config.ini")),
             QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"));
}

void TestStorageFaults::dataDirCommandLine_data()
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
