#include "devicestate.h"
#include "messagedistance.h"
#include "outputdialogs.h"
#include "testtimeouts.h"
#include "wirepeer.h"

#include <QAbstractButton>
#include <QTranslator>
#include <QToolButton>
#include <QtTest>

// Stands in for the main window, which forwards the device's texts to the dialogs.
class Forwarder : public QObject
{
    Q_OBJECT
signals:
    void si_ForwardAnalysis(QString text);
};

// The scaling mode, no-signal output and graphics test dialogs, opened as a port
// menu opens them, against a listening peer that records what goes on the wire.
class tst_OutputDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dialogs_data();
    void dialogs();
    void screenshots();

private:
    int open(const QString &kind, QWidget *parent, const OutputDialogs::Runner &runner);
    // What reached the wire, up to a marker sent last, so "nothing" is seen too.
    QByteArray wire();

    WirePeer m_peer;
    Forwarder m_forwarder;
};

void tst_OutputDialogs::initTestCase()
{
    QVERIFY(m_peer.listen());
    MessageDistance *link = MessageDistance::instance();
    QSignalSpy connected(link, &MessageDistance::connectSuccessFulSig);
    link->connectToDevice(QStringLiteral("127.0.0.1"), m_peer.port());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(m_peer.hasPeer(), TestTimeouts::Short);
}

void tst_OutputDialogs::cleanupTestCase()
{
    MessageDistance::instance()->disconnectFromDevice();
}

QByteArray tst_OutputDialogs::wire()
{
    MessageDistance::instance()->sendVersion();
    return m_peer.takeBefore("{param=version}", TestTimeouts::Short);
}

int tst_OutputDialogs::open(const QString &kind, QWidget *parent, const OutputDialogs::Runner &runner)
{
    if (kind == QLatin1String("scaling"))
        return OutputDialogs::openScalingMode(parent, 4, &m_forwarder, &Forwarder::si_ForwardAnalysis, runner);
    if (kind == QLatin1String("nosignal"))
        return OutputDialogs::openNoSignal(parent, 4, &m_forwarder, &Forwarder::si_ForwardAnalysis, runner);
    return OutputDialogs::openGraphicsTest(parent, 4, kind == QLatin1String("input"), runner);
}

void tst_OutputDialogs::dialogs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("storedScaling");
    QTest::addColumn<QString>("forwarded");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("checked"); // the checked button afterwards, "" for none
    QTest::addColumn<QString>("colour");  // the colour button's colour, "" while hidden
    QTest::addColumn<int>("result");

    const QByteArray getScaler("{param=Get_Scaler4}");
    const QByteArray getNoinput("{param=Get_Noinput4}");
    QTest::addRow("scaling: stored mode checked, OK sends it")
        << "scaling" << 2 << "" << QStringList{"pushButton_2"} << getScaler + "{param=Scaler_Mode4/2}"
        << "radioButton_black" << "" << 1;
    QTest::addRow("scaling: choice sent on OK")
        << "scaling" << 0 << "" << QStringList{"radioButton_tailor", "pushButton_2"}
        << getScaler + "{param=Scaler_Mode4/3}" << "radioButton_tailor" << "" << 0 + 1;
    QTest::addRow("scaling: cancel sends nothing")
        << "scaling" << 0 << "" << QStringList{"radioButton_black", "pushButton"} << getScaler
        << "radioButton_black" << "" << 0;
    QTest::addRow("scaling: mode 1 checks nothing, OK only closes")
        << "scaling" << 1 << "" << QStringList{"pushButton_2"} << getScaler << "" << "" << 1;
    QTest::addRow("scaling: own channel applied")
        << "scaling" << 0 << "{\"Chn\":4,\"Scaler_Mode\":3}" << QStringList{"btnClose"} << getScaler
        << "radioButton_tailor" << "" << 0;
    QTest::addRow("scaling: other channel ignored")
        << "scaling" << 2 << "{\"Chn\":5,\"Scaler_Mode\":3}" << QStringList{} << getScaler
        << "radioButton_black" << "" << 0;
    QTest::addRow("scaling: its record after a no-signal record")
        << "scaling" << 0 << "{\"Chn\":4,\"Mode\":3,\"Color\":1,2,3}{\"Chn\":4,\"Scaler_Mode\":2}"
        << QStringList{} << getScaler << "radioButton_black" << "" << 0;

    QTest::addRow("no-signal: checked button clicked again sends again")
        << "nosignal" << 0 << "" << QStringList{"radioButton_WhiteGrid", "radioButton_WhiteGrid", "pushButton_2"}
        << getNoinput + "{param=No_Signal4/8/0/0/0}{param=No_Signal4/8/0/0/0}" << "radioButton_WhiteGrid" << ""
        << 1;
    QTest::addRow("no-signal: picked colour sent and painted")
        << "nosignal" << 0 << "" << QStringList{"radioButton_SolidColor", "toolButton_ColorPalette"}
        << getNoinput + "{param=No_Signal4/0/0/0/0}{param=No_Signal4/0/10/20/30}" << "radioButton_SolidColor"
        << "rgb(10, 20, 30)" << 0;
    QTest::addRow("no-signal: another pattern hides the colour")
        << "nosignal" << 0 << "" << QStringList{"radioButton_SolidColor", "radioButton_BlueGrid"}
        << getNoinput + "{param=No_Signal4/0/0/0/0}{param=No_Signal4/7/0/0/0}" << "radioButton_BlueGrid" << ""
        << 0;
    QTest::addRow("no-signal: reported pattern checked")
        << "nosignal" << 0 << "{\"Chn\":4,\"Mode\":10,\"Color\":0,0,0}" << QStringList{} << getNoinput
        << "radioButton_VerticalScrollBar" << "" << 0;
    QTest::addRow("no-signal: reported colour painted")
        << "nosignal" << 0 << "{\"Chn\":4,\"Mode\":0,\"Color\":255,128,0}" << QStringList{} << getNoinput
        << "radioButton_SolidColor" << "rgb(255, 128, 0)" << 0;
    QTest::addRow("no-signal: colour of two parts reads black")
        << "nosignal" << 0 << "{\"Chn\":4,\"Mode\":0,\"Color\":255,128}" << QStringList{} << getNoinput
        << "radioButton_SolidColor" << "rgb(0, 0, 0)" << 0;
    QTest::addRow("no-signal: another output's record ignored")
        << "nosignal" << 0 << "{\"Chn\":7,\"Mode\":0,\"Color\":255,0,0}" << QStringList{"radioButton_RGB_bars"}
        << getNoinput + "{param=No_Signal4/1/0/0/0}" << "radioButton_RGB_bars" << "" << 0;

    QTest::addRow("output pattern: by pass is 0, solid colour 11")
        << "output" << 0 << "" << QStringList{"radioButton_Through", "radioButton_SolidColor", "btnApply"}
        << QByteArray("{param=Out_Pattern4/0}{param=Out_Pattern4/11}") << "radioButton_SolidColor" << "" << 1;
    QTest::addRow("input pattern: clicked again sends again")
        << "input" << 0 << "" << QStringList{"radioButton_RGB_bars", "radioButton_RGB_bars", "btnClose"}
        << QByteArray("{param=In_Pattern4/1}{param=In_Pattern4/1}") << "radioButton_RGB_bars" << "" << 0;
}

void tst_OutputDialogs::dialogs()
{
    QFETCH(QString, kind);
    QFETCH(int, storedScaling);
    QFETCH(QString, forwarded);
    QFETCH(QStringList, clicks);
    DeviceState::instance()->setScalingMode(4, storedScaling);
    QString checked = QStringLiteral("-");
    QString colour = QStringLiteral("-");
    const int result = open(kind, nullptr, [&](QDialog &dialog) {
        if (auto *noSignal = qobject_cast<CDlgnosignaloutput *>(&dialog))
            noSignal->setColorPicker([](const QColor &, QWidget *) { return QColor(10, 20, 30); });
        dialog.show();
        if (!forwarded.isEmpty())
            emit m_forwarder.si_ForwardAnalysis(forwarded);
        for (const QString &name : clicks) {
            auto *button = dialog.findChild<QAbstractButton *>(name);
            if (!button)
                return -1;
            button->click();
        }
        checked.clear();
        for (QAbstractButton *b : dialog.findChildren<QAbstractButton *>(QRegularExpression("^radioButton")))
            if (b->isChecked())
                checked = b->objectName();
        auto *palette = dialog.findChild<QToolButton *>(QStringLiteral("toolButton_ColorPalette"));
        colour = palette && palette->isVisibleTo(&dialog)
            ? palette->styleSheet().section(QLatin1String("background-color: "), 1).section(';', 0, 0)
            : QString();
        return dialog.isVisible() ? 0 : dialog.result();
    });
    QTEST(result, "result");
    QTEST(checked, "checked");
    QTEST(colour, "colour");
    QTEST(wire(), "sent");
}

void tst_OutputDialogs::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the dialogs");
    Q_INIT_RESOURCE(translations);
    for (const char *language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/") + QLatin1String(language)));
        QCoreApplication::installTranslator(&translator);
        for (const char *kind : {"scaling", "nosignal", "output", "input"}) {
            open(QLatin1String(kind), nullptr, [&](QDialog &dialog) {
                if (QLatin1String(kind) == QLatin1String("nosignal"))
                    emit m_forwarder.si_ForwardAnalysis("{\"Chn\":4,\"Mode\":0,\"Color\":51,140,86}");
                dialog.show();
                if (!QTest::qWaitForWindowExposed(&dialog))
                    return -1;
                dialog.grab().save(QStringLiteral("%1/%2_%3.png").arg(dir, QLatin1String(kind),
                                                                      QLatin1String(language)));
                return 0;
            });
        }
        QCoreApplication::removeTranslator(&translator);
    }
    wire();
}

QTEST_MAIN(tst_OutputDialogs)
#include "tst_outputdialogs.moc"
