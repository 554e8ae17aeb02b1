#include "rawclient.h"
#include "tempdatadir.h"
#include "testtimeouts.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// zelsim as a user runs it: options, the port line, --verbose, the state file, signals.
class TestZelsim : public QObject
{
    Q_OBJECT

private slots:
    void runsRemembersAndStopsOnSigterm();
    void badOptionsAreRefused_data();
    void badOptionsAreRefused();
};

void TestZelsim::runsRemembersAndStopsOnSigterm()
{
    TempDataDir dir;
    const QString state = dir.filePath("demo.json");
    QProcess process;
    process.start(
        QStringLiteral(ZELSIM_PATH),
        {"--model", "0808", "--port", "0", "--upload-port", "0", "--state", state, "--verbose"});
    // The first line names the ports.
    QVERIFY(QTest::qWaitFor([&] { return process.canReadLine(); }, TestTimeouts::Medium));
    const QRegularExpressionMatch ports = QRegularExpression(R"(control (\d+) upload (\d+))")
                                              .match(QString::fromUtf8(process.readLine()));
    QVERIFY(ports.hasMatch());
    {
        RawClient client;
        QVERIFY(client.connectTo(quint16(ports.captured(1).toUInt())));
        client.command("5VIDEO2");
        QVERIFY(client.ask("version").contains(R"("device":"0808")"));
        RawClient uploader;
        QVERIFY(uploader.connectTo(quint16(ports.captured(2).toUInt())));
    }
#ifdef Q_OS_UNIX
    process.terminate();
    QVERIFY(process.waitForFinished(TestTimeouts::Medium));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(output.contains("client 1: {param=5VIDEO2}"), qPrintable(output));
    QVERIFY2(output.contains("client 1 connected from 127.0.0.1:"), qPrintable(output));
    QVERIFY2(output.contains("zelsim stopped"), qPrintable(output));
#else
    process.kill();
    QVERIFY(process.waitForFinished(TestTimeouts::Medium));
#endif
    QFile file(state);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(saved.value("model").toString(), QStringLiteral("0808"));
    QCOMPARE(saved.value("video").toObject().value("2").toInt(), 5);
}

void TestZelsim::badOptionsAreRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::addRow("unknown model") << QStringList{"--model", "0909"} << "unknown model";
    QTest::addRow("port out of range") << QStringList{"--port", "70000"} << "--port";
    QTest::addRow("address") << QStringList{"--listen", "localhost.nowhere"} << "--listen";
}

void TestZelsim::badOptionsAreRefused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QProcess process;
    // The row's own options come last and win.
    process.start(QStringLiteral(ZELSIM_PATH),
                  QStringList{"--port", "0", "--upload-port", "0"} + args);
    QVERIFY(process.waitForFinished(TestTimeouts::Medium));
    QCOMPARE(process.exitCode(), 2);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestZelsim)
#include "tst_zelsim.moc"
