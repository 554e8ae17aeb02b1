#include "projectdb.h"
#include "salvostore.h"
#include "storagetestkit.h"

#include <QFile>
#include <QSqlDatabase>
#include <QtTest>

#include <memory>

namespace {

const QString kIp = QStringLiteral("192.168.1.188");
const QString kOtherIp = QStringLiteral("10.0.0.7");

Salvo salvo(const QString &name, const QVector<SalvoRoute> &routes = {})
{
    Salvo s;
    s.name = name;
    s.routes = routes;
    return s;
}

QStringList namesOf(const QVector<Salvo> &salvos)
{
    QStringList names;
    for (const Salvo &s : salvos)
        names.append(s.name);
    return names;
}

} // namespace

Q_DECLARE_METATYPE(SalvoStore::Error)

// The salvo tables in project.db: names per address, routes kept whole, and a database that
// cannot be changed turning the store off without being touched.
class TestSalvoStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void namesUniquePerAddress_data();
    void namesUniquePerAddress();
    void nameLength_data();
    void nameLength();
    void routesKeptInOrderAndReplaced();
    void removeTakesTheRoutesAlong();
    void failedRouteLeavesNoSalvo();
    void callerTransactionCoversTheWrites();
    void existingDatabaseGainsTheTables();
    void unchangeableDatabaseIsUnusable_data();
    void unchangeableDatabaseIsUnusable();

private:
    QString db() const { return m_dir->filePath(QStringLiteral("project.db")); }
    std::unique_ptr<ScopedDataDir> m_dir;
};

void TestSalvoStore::init()
{
    m_dir.reset(new ScopedDataDir);
}

void TestSalvoStore::cleanup()
{
    m_dir.reset();
}

void TestSalvoStore::namesUniquePerAddress_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");

    QTest::addRow("same name, same address") << kIp << "Show" << false;
    QTest::addRow("blanks around the same name") << kIp << "  Show " << false;
    QTest::addRow("same name, other address") << kOtherIp << "Show" << true;
    QTest::addRow("other case is another name") << kIp << "show" << true;
}

void TestSalvoStore::namesUniquePerAddress()
{
    QFETCH(QString, ip);
    QFETCH(QString, name);
    QFETCH(bool, created);

    SalvoStore store;
    QVERIFY(store.isUsable());
    const qint64 first = store.create(kIp, salvo(QStringLiteral("Show")));
    QVERIFY(first > 0);
    const qint64 id = store.create(ip, salvo(name));
    QCOMPARE(id > 0, created);
    if (!created) {
        QCOMPARE(store.lastErrorKind(), SalvoStore::Error::NameTaken);
        QCOMPARE(store.list(kIp).size(), 1);
        return;
    }
    QCOMPARE(store.list(ip).last().name, name.trimmed());
    // Renaming onto a taken name fails; renaming onto itself does not.
    QCOMPARE(store.rename(id, QStringLiteral("Show")), ip != kIp);
    QVERIFY(store.rename(first, QStringLiteral("Show")));
}

void TestSalvoStore::nameLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<SalvoStore::Error>("error");

    QTest::addRow("64 letters") << QString(64, 'a') << SalvoStore::Error::None;
    QTest::addRow("65 letters") << QString(65, 'a') << SalvoStore::Error::NameTooLong;
    QTest::addRow("64 letters and blanks")
        << "  " + QString(64, 'a') + " " << SalvoStore::Error::None;
    QTest::addRow("64 Chinese") << QString(64, QChar(0x6f14)) << SalvoStore::Error::None;
    const QString wide = QString::fromUcs4(U"\U0001F3AC");
    QTest::addRow("64 outside the BMP") << wide.repeated(64) << SalvoStore::Error::None;
    QTest::addRow("65 outside the BMP") << wide.repeated(65) << SalvoStore::Error::NameTooLong;
    QTest::addRow("blanks only") << "   " << SalvoStore::Error::EmptyName;
}

void TestSalvoStore::nameLength()
{
    QFETCH(QString, name);
    QFETCH(SalvoStore::Error, error);

    SalvoStore store;
    const bool ok = error == SalvoStore::Error::None;
    const qint64 id = store.create(kIp, salvo(name));
    QCOMPARE(id > 0, ok);
    QCOMPARE(store.lastErrorKind(), error);
    const qint64 other = store.create(kIp, salvo(QStringLiteral("x")));
    QVERIFY(!store.rename(other, name)); // taken when valid
    QCOMPARE(store.lastErrorKind(), ok ? SalvoStore::Error::NameTaken : error);
}

void TestSalvoStore::routesKeptInOrderAndReplaced()
{
    SalvoStore store;
    const QVector<SalvoRoute> routes{{"video", 9, 2}, {"hdmiAudio", 101, 103}, {"video", 1, 0}};
    const qint64 id = store.create(kIp, salvo(QStringLiteral("Quote's \"x\""), routes));
    QVERIFY(id > 0);
    QCOMPARE(store.list(kIp).value(0).routes, routes);
    QCOMPARE(store.list(kIp).value(0).name, QStringLiteral("Quote's \"x\""));

    // The same output twice keeps the last source.
    QVERIFY(store.replaceRoutes(id, {{"audio", 3, 4}, {"audio", 3, 5}, {"splitter", 2, 1}}));
    QCOMPARE(store.list(kIp).value(0).routes,
             (QVector<SalvoRoute>{{"audio", 3, 5}, {"splitter", 2, 1}}));
    QVERIFY(!store.replaceRoutes(id, {{"video", 0, 1}}));
    QCOMPARE(store.lastErrorKind(), SalvoStore::Error::BadRoute);
    QCOMPARE(store.list(kIp).value(0).routes.size(), 2);
    QVERIFY(!store.replaceRoutes(id + 1, {}));
    QCOMPARE(store.lastErrorKind(), SalvoStore::Error::NotFound);
}

void TestSalvoStore::removeTakesTheRoutesAlong()
{
    SalvoStore store;
    const qint64 a = store.create(kIp, salvo(QStringLiteral("b-second"), {{"video", 1, 1}}));
    const qint64 b = store.create(kIp, salvo(QStringLiteral("A-first"), {{"video", 2, 2}}));
    QCOMPARE(namesOf(store.list(kIp)), (QStringList{"A-first", "b-second"}));
    QVERIFY(store.remove(a));
    QCOMPARE(namesOf(store.list(kIp)), QStringList{"A-first"});
    QCOMPARE(rawRows(QStringLiteral("select SalvoId,Output from SalvoRoute"), db()),
             QStringList{QStringLiteral("%1|2").arg(b)});
    QVERIFY(!store.remove(a));
    // A removed salvo's id is never handed out again.
    QVERIFY(store.create(kIp, salvo(QStringLiteral("c"))) > b);
}

void TestSalvoStore::failedRouteLeavesNoSalvo()
{
    SalvoStore store;
    QVERIFY(rawExec(QStringLiteral("create trigger refuse before insert on SalvoRoute when "
                                   "new.Output = 7 begin select raise(abort, 'no'); end"),
                    db()));
    const QVector<SalvoRoute> routes{{"video", 1, 1}, {"video", 7, 1}};
    QCOMPARE(store.create(kIp, salvo(QStringLiteral("half"), routes)), qint64(0));
    QCOMPARE(store.lastErrorKind(), SalvoStore::Error::Database);
    QCOMPARE(rawRows(QStringLiteral("select count(*) from Salvo"), db()), QStringList{"0"});
    QCOMPARE(rawRows(QStringLiteral("select count(*) from SalvoRoute"), db()), QStringList{"0"});

    const qint64 id = store.create(kIp, salvo(QStringLiteral("whole"), {{"video", 2, 2}}));
    QVERIFY(!store.replaceRoutes(id, routes));
    QCOMPARE(store.list(kIp).value(0).routes, (QVector<SalvoRoute>{{"video", 2, 2}}));
}

void TestSalvoStore::callerTransactionCoversTheWrites()
{
    QVERIFY(SalvoStore::createTables());
    const QString name = QStringLiteral("caller");
    {
        QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        conn.setDatabaseName(db());
        QVERIFY(conn.open());
        QVERIFY(conn.transaction());
        SalvoStore store(name);
        QVERIFY(store.isUsable());
        QVERIFY(store.create(kIp, salvo(QStringLiteral("inside"), {{"video", 1, 1}})) > 0);
        QCOMPARE(store.list(kIp).size(), 1);
        QVERIFY(conn.rollback());
        QVERIFY(conn.isOpen()); // the store leaves the caller's connection alone
        conn.close();
    }
    QSqlDatabase::removeDatabase(name);
    QCOMPARE(SalvoStore().list(kIp).size(), 0);
}

void TestSalvoStore::existingDatabaseGainsTheTables()
{
    QVERIFY(rawExec(QStringLiteral("create table SplitPlanName(Id integer NOT NULL,Name text,Ip "
                                   "text NOT NULL,PRIMARY KEY (Id, Ip))"),
                    db()));
    QVERIFY(rawExec(QStringLiteral("insert into SplitPlanName values(3,'Morning','%1')").arg(kIp),
                    db()));
    SalvoStore store;
    QVERIFY(store.isUsable());
    QVERIFY(store.create(kIp, salvo(QStringLiteral("kept"), {{"video", 1, 1}})) > 0);
    QCOMPARE(rawRows(QStringLiteral("select * from SplitPlanName"), db()),
             QStringList{"3|Morning|" + kIp});
    QCOMPARE(SalvoStore().list(kIp).value(0).name, QStringLiteral("kept"));
}

void TestSalvoStore::unchangeableDatabaseIsUnusable_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("read-only file") << "readonly";
    QTest::addRow("immutable file") << "immutable";
    QTest::addRow("not a database") << "garbage";
}

void TestSalvoStore::unchangeableDatabaseIsUnusable()
{
    QFETCH(QString, how);

    {
        SalvoStore before;
        QVERIFY(before.create(kIp, salvo(QStringLiteral("old"))) > 0);
    }
    if (how == QLatin1String("garbage"))
        QVERIFY(writeFile(db(), QByteArray(4096, 'x')));
    std::unique_ptr<Unwritable> lock;
    if (how == QLatin1String("readonly"))
        QVERIFY(QFile::setPermissions(db(), QFile::ReadOwner));
    if (how == QLatin1String("immutable")) {
        lock.reset(new Unwritable(db()));
        if (!lock->isActive())
            QSKIP("the file system cannot make a file immutable here");
    }
    const QByteArray bytes = fileBytes(db());

    SalvoStore store;
    QVERIFY(!store.isUsable());
    QCOMPARE(store.create(kIp, salvo(QStringLiteral("new"))), qint64(0));
    QCOMPARE(store.lastErrorKind(), SalvoStore::Error::Unusable);
    QVERIFY(!store.rename(1, QStringLiteral("renamed")));
    QVERIFY(!store.remove(1));
    QCOMPARE(fileBytes(db()), bytes);
    QFile::setPermissions(db(), QFile::ReadOwner | QFile::WriteOwner);
}

QTEST_GUILESS_MAIN(TestSalvoStore)
#include "tst_salvostore.moc"
