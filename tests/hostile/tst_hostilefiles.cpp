// Broken project.db and config.ini files, at start-up and under the stores: the client
// comes up or says why not, the log names the file, and the user's files are never
// deleted or changed.
#include "appsettings.h"
#include "captionstore.h"
#include "databaseprompt.h"
#include "permissionstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "projectdb.h"
#include "projectdbcheck.h"
#include "projecttables.h"
#include "storagetestkit.h"
#include "testtimeouts.h"
#include "userstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <random>

using ProjectDbCheck::Choice;
using ProjectDbCheck::Verdict;

namespace {

QByteArray randomBytes(int size)
{
    std::mt19937 random(16);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random());
    return bytes;
}

// Every file of the directory by name, with its bytes.
QMap<QString, QByteArray> contents(const QString &dir)
{
    QMap<QString, QByteArray> out;
    for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::Files))
        out.insert(info.fileName(), fileBytes(info.filePath()));
    return out;
}

// Run as a child: holds an exclusive lock on the database until stdin closes.
int holdLock(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE")))
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

enum class Hostile {
    Garbage,
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
        UserStore::setLoginModel(1),
        PortNameStore::savePortName(1, QStringLiteral("x"), 0),
        PortNameStore::saveOutAudioName(1, QStringLiteral("x")),
        PlanNameStore::savePlanName(1, QStringLiteral("x"), QStringLiteral("10.0.0.1")),
        CaptionStore::saveRow(caption),
        rights.saveRights(2, {true}, {}, {}, {}, {}),
        rights.createDefaultRights(QStringLiteral("bob")),
        rights.deleteRights(2),
    };
    return int(std::count(std::begin(results), std::end(results), true));
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

Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(Choice)
Q_DECLARE_METATYPE(Hostile)

class tst_HostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void brokenDatabase_data();
    void brokenDatabase();
    void lockedDatabaseWaitsForItsOwner();
    void garbledSettings_data();
    void garbledSettings();
    void storesOnAHostileDatabase_data();
    void storesOnAHostileDatabase();

private:
    std::unique_ptr<ScopedDataDir> m_dir;
    QString m_db;
};

void tst_HostileFiles::init()
{
    m_dir = std::make_unique<ScopedDataDir>();
    m_db = m_dir->filePath(QStringLiteral("project.db"));
}

void tst_HostileFiles::cleanup()
{
    m_dir.reset();
}

void tst_HostileFiles::brokenDatabase_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<Choice>("answer"); // the client comes up unless the user quits
    QTest::addRow("random bytes, start fresh")
        << "random" << Verdict::Damaged << Choice::StartFresh;
    QTest::addRow("random bytes, quit") << "random" << Verdict::Damaged << Choice::Quit;
    QTest::addRow("truncated, start fresh") << "truncate" << Verdict::Damaged << Choice::StartFresh;
    QTest::addRow("read-only comes up") << "readonly" << Verdict::ReadOnly << Choice::Continue;
    QTest::addRow("a directory, quit") << "directory" << Verdict::Unreadable << Choice::Quit;
    QTest::addRow("sound file asks nothing") << "none" << Verdict::Usable << Choice::Quit;
}

void tst_HostileFiles::brokenDatabase()
{
    QFETCH(QString, damage);
    QFETCH(Verdict, verdict);
    QFETCH(Choice, answer);
    if (damage == QLatin1String("directory")) {
        QVERIFY(QDir().mkpath(m_db));
    } else if (damage == QLatin1String("random")) {
        QVERIFY(writeFile(m_db, randomBytes(16384)));
    } else {
        populate();
        if (damage == QLatin1String("truncate"))
            QVERIFY(QFile::resize(m_db, QFileInfo(m_db).size() / 2));
        else if (damage == QLatin1String("readonly"))
            QVERIFY(QFile::setPermissions(m_db, QFile::ReadOwner | QFile::ReadGroup));
    }
    const QMap<QString, QByteArray> before = contents(m_dir->path());
    MessageLog log;
    QList<Verdict> asked;
    QString shown;
    const bool up =
        ProjectDbCheck::resolve(m_db, [&](const QString &path, const ProjectDbCheck::Result &r) {
            asked << r.verdict;
            shown = DatabasePrompt::message(path, r);
            return answer;
        });
    QCOMPARE(up, verdict == Verdict::Usable || answer != Choice::Quit);
    if (verdict == Verdict::Usable) {
        QVERIFY(asked.isEmpty());
        QVERIFY(log.messages().isEmpty());
    } else {
        QCOMPARE(asked, QList<Verdict>{verdict});
        QVERIFY2(shown.contains(QDir::toNativeSeparators(m_db)), qPrintable(shown));
        QVERIFY2(!log.messages().filter(m_db).isEmpty(), qPrintable(log.messages().join('\n')));
    }
    // Every byte the user had is still there, under its own name or moved aside.
    const QMap<QString, QByteArray> after = contents(m_dir->path());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QString kept = after.key(it.value());
        QVERIFY2(!kept.isEmpty(), qPrintable(it.key()));
        if (answer != Choice::StartFresh)
            QCOMPARE(kept, it.key());
    }
    if (answer == Choice::StartFresh) {
        QVERIFY(UserStore::initTables());
        QCOMPARE(UserStore::userType(QStringLiteral("ADMIN")), 0);
        QCOMPARE(contents(m_dir->path()).size(), before.size() + 1);
    }
}

void tst_HostileFiles::lockedDatabaseWaitsForItsOwner()
{
    populate();
    const QMap<QString, QByteArray> before = contents(m_dir->path());
    QProcess holder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZEL_HOLD_LOCK"), m_db);
    holder.setProcessEnvironment(env);
    holder.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(holder.waitForReadyRead(TestTimeouts::Medium));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
    MessageLog log;

    QList<Verdict> asked;
    const bool up =
        ProjectDbCheck::resolve(m_db, [&](const QString &, const ProjectDbCheck::Result &r) {
            asked << r.verdict;
            holder.closeWriteChannel(); // the other program lets go; the user tries again
            holder.waitForFinished(TestTimeouts::Medium);
            return Choice::Retry;
        });
    QVERIFY(up);
    QCOMPARE(asked, QList<Verdict>{Verdict::Locked});
    QVERIFY(!log.messages().filter(m_db).isEmpty());
    QCOMPARE(contents(m_dir->path()), before);
}

void tst_HostileFiles::garbledSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("logged"); // the key the log names, or empty

    const QByteArray huge(1 << 20, 'a');
    QTest::addRow("1 MiB address cut")
        << "[NetWork]\nIp=" + huge + "\nPort=8080\n"
        << QString(AppSettings::MaxAddressLength, 'a') << "ADMIN" << 8080 << "NetWork/Ip";
    QTest::addRow("1 MiB user name cut")
        << "[User]\nUsername=" + huge + "\n"
        << "192.168.1.188" << QString(AppSettings::MaxUsernameLength, 'a') << 80 << "User/Username";
    QTest::addRow("long number ignored")
        << QByteArray("[NetWork]\nPort=0000000000000000000000000000008080\n") << "192.168.1.188"
        << "ADMIN" << 80 << "NetWork/Port";
    QTest::addRow("port out of range") << QByteArray("[NetWork]\nPort=70000\n") << "192.168.1.188"
                                       << "ADMIN" << 80 << "";
    QTest::addRow("list address cut")
        << "[NetWork]\nIp=" + huge.left(200) + "," + huge.left(200) + "\n"
        << QString(AppSettings::MaxAddressLength - 201, 'a').prepend(QString(200, 'a') + ',')
        << "ADMIN" << 80 << "NetWork/Ip";
    QTest::addRow("random bytes read as defaults")
        << randomBytes(4096).replace('\n', 'x').replace('[', 'x').replace('=', 'x')
        << "192.168.1.188"
        << "ADMIN" << 80 << "";
}

void tst_HostileFiles::garbledSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, ip);
    QFETCH(QString, user);
    QFETCH(int, port);
    QFETCH(QString, logged);

    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("config.ini")), ini));
    const QMap<QString, QByteArray> before = contents(m_dir->path());
    MessageLog log;

    AppSettings *settings = AppSettings::instance();
    for (int read = 0; read < 3; ++read) {
        QCOMPARE(settings->ip(), ip);
        QCOMPARE(settings->username(), user);
        QCOMPARE(settings->port(), port);
    }
    const QStringList lines = log.messages().filter(QStringLiteral("config.ini"));
    QCOMPARE(lines.size(), logged.isEmpty() ? 0 : 1); // once, however often it is read
    if (!logged.isEmpty())
        QVERIFY2(lines.first().contains(logged), qPrintable(lines.first()));
    QCOMPARE(contents(m_dir->path()), before);
}

void tst_HostileFiles::storesOnAHostileDatabase_data()
{
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<bool>("readable");
    QTest::addRow("not a database") << Hostile::Garbage << false;
    QTest::addRow("read-only file") << Hostile::ReadOnlyFile << true;
    QTest::addRow("unwritable directory, no file yet") << Hostile::LockedDirNewFile << false;
    QTest::addRow("unwritable directory, existing file") << Hostile::LockedDirOldFile << true;
    QTest::addRow("project.db is a directory") << Hostile::FileIsDirectory << false;
    QTest::addRow("data directory under a file") << Hostile::ParentIsFile << false;
}

void tst_HostileFiles::storesOnAHostileDatabase()
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
    QCOMPARE(PortNameStore::loadPortNames(0).value(1),
             readable ? QStringLiteral("Camera") : QString());
    QCOMPARE(rights.hasPortRight(1, PermissionStore::Input), !readable);
    QCOMPARE(UserStore::loginModel(), 0);
    QVERIFY(CaptionStore::loadRows().isEmpty());
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());

    // The file is exactly as it was: never deleted, truncated or replaced.
    QCOMPARE(QFileInfo(path).isFile(), existed);
    QCOMPARE(fileBytes(path), before);
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("ZEL_HOLD_LOCK")) {
        QCoreApplication app(argc, argv);
        return holdLock(qEnvironmentVariable("ZEL_HOLD_LOCK"));
    }
    QApplication app(argc, argv);
    tst_HostileFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostilefiles.moc"
