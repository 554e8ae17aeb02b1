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

private:
    // Starts zelsim and reads the ports from its first line.
    bool start(QProcess &process, const QStringList &args, quint16 *control, quint16 *upload);
};

bool TestZelsim::start(QProcess &process,
                       const QStringList &args,
                       quint16 *control,
                       quint16 *upload)
{
    process.start(QStringLiteral(ZELSIM_PATH), args);
    if (!process.waitForStarted(TestTimeouts::Short))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (!process.canReadLine() && clock.elapsed() < TestTimeouts::Medium)
        process.waitForReadyRead(100);
    const QString line = QString::fromUtf8(process.readLine());
    const QRegularExpressionMatch m =
        QRegularExpression(R"(control (\d+) upload (\d+))").match(line);
    if (!m.hasMatch()) {
        qWarning() << "no port line:" << line << process.readAllStandardError();
        return false;
    }
    *control = quint16(m.captured(1).toUInt());
    *upload = quint16(m.captured(2).toUInt());
    return *control != 0 && *upload != 0;
}

void TestZelsim::runsRemembersAndStopsOnSigterm()
{
    TempDataDir dir;
    const QString state = dir.filePath("demo.json");
    const QStringList args{
        "--model", "0808", "--port", "0", "--upload-port", "0", "--state", state, "--verbose"};
    QProcess process;
    quint16 control = 0, upload = 0;
    QVERIFY(start(process, args, &control, &upload));
    {
        RawClient client;
        QVERIFY(client.connectTo(control));
        client.command("5VIDEO2");
        QVERIFY(client.ask("version").contains(R"("device":"0808")"));
        RawClient uploader;
        QVERIFY(uploader.connectTo(upload));
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
    QTest::addRow("fragment not a number") << QStringList{"--fragment", "x"} << "--fragment";
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
