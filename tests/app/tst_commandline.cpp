#include "commandline.h"

#include <QProcess>
#include <QtTest>

// Runs the installed-style programs as a script or a package check would: no display.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
};

void TestCommandLine::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("zeldesk --help")
        << "zeldesk" << QStringList{"--help"}
        << QStringList{
               "--data-dir <dir>", "--demo", "[MODEL]", "ZELDESK_DATA_DIR", "ZELDESK_UPLOAD_PORT"};
    QTest::addRow("zeldesk --help: first login and where the log goes")
        << "zeldesk" << QStringList{"--help"}
        << QStringList{
               "user ADMIN, password tiger905", "User Management", "under the data directory"};
    QTest::addRow("zeldesk --version") << "zeldesk" << QStringList{"--version"}
                                       << QStringList{"zeldesk " + CommandLine::version()};
    QTest::addRow("help after a data dir")
        << "zeldesk" << QStringList{"--data-dir", "x", "-h"} << QStringList{"--data-dir <dir>"};
    QTest::addRow("zelsim --help")
        << "zelsim" << QStringList{"--help"} << QStringList{"--model <model>", "--port <port>"};
}

void TestCommandLine::answersWithoutDisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb"); // would abort if a GUI were started
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + "/" + program, args);
    QVERIFY(process.waitForFinished(10000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    for (const QString &text : expected)
        QVERIFY2(out.contains(text), qPrintable(out));
    QVERIFY(!QDir("x").exists()); // help touches no data directory
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
