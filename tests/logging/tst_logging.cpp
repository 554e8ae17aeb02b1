#include "logmessagehandler.h"
#include "messagedistance.h"
#include "testtimeouts.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
QDateTime s_fakeNow;
int s_clockCalls = 0;
// First call answers s_fakeNow, every later one a second later.
QDateTime midnightClock()
{
    return s_clockCalls++ == 0 ? s_fakeNow : s_fakeNow.addSecs(1);
}
// The link's debug lines on, whatever the environment's rules say.
QLoggingCategory::CategoryFilter s_rules = nullptr;
void linkDebugOn(QLoggingCategory *category)
{
    if (s_rules) // null while the filter is being installed
        s_rules(category);
    if (qstrcmp(category->categoryName(), "zel.device.link") == 0)
        category->setEnabled(QtDebugMsg, true);
}
} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lineFormat_data();
    void lineFormat();
    void writesCrLfLinesToTheDailyFile();
    void logDirectory_data();
    void logDirectory();
    void aSetDirectoryTakesTheLogWhateverTheWorkingDirectory();
    void theFileFollowsTheDateOfTheNextSecond();
    void twoThreadsNeverMixLines();
    void linkLinesHeldByTheWorkerReachTheFile();

private:
    QByteArray readLog(const QString &name) const;
    QByteArrayList todaysMessages() const;
    QTemporaryDir *m_dir = nullptr;
    QString m_oldCwd;
};

void TestLogging::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_oldCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QVERIFY(QDir().mkpath(QStringLiteral("log")));
}

void TestLogging::cleanup()
{
    qInstallMessageHandler(nullptr);
    LogFile::setDirectory(QString());
    LogFile::setClockForTesting(nullptr);
    QDir::setCurrent(m_oldCwd);
    delete m_dir;
}

QByteArray TestLogging::readLog(const QString &name) const
{
    QFile file(QDir(m_dir->path()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Today's messages, one per line, without the time, the place and the line end.
QByteArrayList TestLogging::todaysMessages() const
{
    QByteArrayList messages;
    for (const QByteArray &line :
         readLog(LogFile::fileNameFor(QDateTime::currentDateTime())).split('\n')) {
        if (!line.isEmpty())
            messages << line.mid(line.indexOf("]:", line.indexOf("Line:")) + 2).chopped(1);
    }
    return messages;
}

void TestLogging::lineFormat_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    QTest::addRow("full context")
        << "send: {param=version}" << QByteArray("device/messagedistance.cpp") << 42
        << "[2026-12-07 09:05:03][File:device/messagedistance.cpp  Line:42]:send: {param=version}";
    QTest::addRow("no context") << "hello" << QByteArray() << 0
                                << "[2026-12-07 09:05:03][File:  Line:0]:hello";
    // The message must not be taken for a placeholder.
    QTest::addRow("percent signs") << "%1 %2 %3 %4" << QByteArray("a.cpp") << 1
                                   << "[2026-12-07 09:05:03][File:a.cpp  Line:1]:%1 %2 %3 %4";
}

void TestLogging::lineFormat()
{
    QFETCH(QString, message);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QString, expected);
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3));
    QCOMPARE(LogFile::formatLine(message, file.isEmpty() ? nullptr : file.constData(), line, when),
             expected);
}

void TestLogging::writesCrLfLinesToTheDailyFile()
{
    qInstallMessageHandler(logMessageHandler);
    const int firstLine = __LINE__ + 1;
    qWarning("first");
    qWarning() << QStringLiteral("第二 line");
    qInstallMessageHandler(nullptr);
    const QList<QByteArray> lines =
        readLog(LogFile::fileNameFor(QDateTime::currentDateTime())).split('\n');
    QCOMPARE(lines.size(), 3);
    // Release builds too name the file and line.
    QVERIFY(lines.at(0).endsWith("[File:" __FILE__ "  Line:" + QByteArray::number(firstLine) +
                                 "]:first\r"));
    QVERIFY(lines.at(1).endsWith(QStringLiteral("]:\"第二 line\"\r").toUtf8()));
}

void TestLogging::logDirectory_data()
{
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("data"); // under the temporary directory
    QTest::addColumn<QString>("app");
    QTest::addColumn<bool>("inDataDir");
    QTest::addRow("data dir elsewhere") << false << "data"
                                        << "bin" << true;
    QTest::addRow("data dir is the application's") << false << "bin"
                                                   << "bin" << false;
    QTest::addRow("same directory spelt another way") << false << "bin/../bin/"
                                                      << "bin" << false;
    QTest::addRow("demo keeps the working directory") << true << "data"
                                                      << "bin" << false;
}

// Outside the demo a data directory of its own takes the log; else the working directory.
void TestLogging::logDirectory()
{
    QFETCH(bool, demo);
    QFETCH(QString, data);
    QFETCH(QString, app);
    QFETCH(bool, inDataDir);
    QDir top(m_dir->path());
    QVERIFY(top.mkpath("data") && top.mkpath("bin"));
    const QString chosen = LogFile::directoryFor(demo, top.filePath(data), top.filePath(app));
    QCOMPARE(chosen, inDataDir ? QDir(top.filePath(data)).canonicalPath() : QString());
}

void TestLogging::aSetDirectoryTakesTheLogWhateverTheWorkingDirectory()
{
    QDir top(m_dir->path());
    QVERIFY(top.mkpath("data/log") && top.mkpath("elsewhere"));
    LogFile::setDirectory(top.filePath("data"));
    QVERIFY(QDir::setCurrent(top.filePath("elsewhere")));
    qInstallMessageHandler(logMessageHandler);
    qWarning("kept");
    qInstallMessageHandler(nullptr);
    const QString day = QDateTime::currentDateTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    QVERIFY(readLog("data/log/" + day + ".log").endsWith("]:kept\r\n"));
    QVERIFY(!QDir(top.filePath("elsewhere/log")).exists());
}

// The open file is left for the next day's; a line stamped 23:59:59 whose file is
// looked up after midnight lands in the next day's file.
void TestLogging::theFileFollowsTheDateOfTheNextSecond()
{
    s_fakeNow = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58));
    LogFile::setClockForTesting([] { return s_fakeNow; });
    qInstallMessageHandler(logMessageHandler);
    qWarning("old year");
    s_fakeNow = s_fakeNow.addSecs(1);
    s_clockCalls = 0;
    LogFile::setClockForTesting(midnightClock);
    qWarning("at midnight");
    qInstallMessageHandler(nullptr);
    const QByteArray old = readLog(QStringLiteral("log/2026-12-31.log"));
    QVERIFY2(old.startsWith("[2026-12-31 23:59:58]") && old.count('\n') == 1, old.constData());
    const QByteArray next = readLog(QStringLiteral("log/2027-01-01.log"));
    QVERIFY(next.startsWith("[2026-12-31 23:59:59]"));
    QVERIFY(next.endsWith("]:at midnight\r\n"));
}

void TestLogging::twoThreadsNeverMixLines()
{
    constexpr int PerThread = 300;
    qInstallMessageHandler(logMessageHandler);
    std::vector<std::unique_ptr<QThread>> writers;
    for (const char tag : {'a', 'b'}) {
        writers.emplace_back(QThread::create([tag] {
            const QByteArray body(200, tag);
            for (int i = 0; i < PerThread; ++i)
                qWarning("%s", body.constData());
        }));
        writers.back()->start();
    }
    for (const auto &writer : writers)
        QVERIFY(writer->wait(TestTimeouts::Long));
    qInstallMessageHandler(nullptr);
    const QByteArrayList messages = todaysMessages();
    QCOMPARE(messages.size(), 2 * PerThread);
    QCOMPARE(messages.count(QByteArray(200, 'a')), PerThread);
    QCOMPARE(messages.count(QByteArray(200, 'b')), PerThread);
}

// The reply worker holds its lines back in a batch, and the read's line waits for the
// worker's flush; they still reach the file, in order, once the link goes quiet.
void TestLogging::linkLinesHeldByTheWorkerReachTheFile()
{
    s_rules = QLoggingCategory::installFilter(linkDebugOn);
    qInstallMessageHandler(logMessageHandler);
    MessageDistance *link = MessageDistance::instance();
    link->feedReceivedData("{video3_change=5}");
    link->feedReceivedData("{\"bind1\":\"1/2/3\",\"mode\":1}");
    QVERIFY(link->waitUntilDrained(TestTimeouts::Short));
    const QString name = LogFile::fileNameFor(QDateTime::currentDateTime());
    QTRY_VERIFY_WITH_TIMEOUT(readLog(name).contains("receive bindinfo"), TestTimeouts::Short);
    qInstallMessageHandler(nullptr);
    QLoggingCategory::installFilter(s_rules);
    const QByteArray log = readLog(name);
    const int change = log.indexOf("]:TCP Receive {video3_change=5}\r\n");
    const int bind = log.indexOf("]:TCP Receive {\"bind1\"");
    QVERIFY(change >= 0);
    QVERIFY(bind > change);
    QVERIFY(log.indexOf("]:******-receive bindinfo-******\r\n") > bind);
}

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
