#include "appsettings.h"
#include "devicestate.h"
#include "outputwidget0409.h"
#include "singlesplitterwidget.h"
#include "widgetsplicingsetting.h"
#include "windowkit.h"
#include "zelresources.h"

#include "../sim/rawclient.h"

#include <QApplication>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

// The wall pages of the main window against the simulated device.
class tst_WallWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }

    void windowsOfAnotherClientAppear();
    void unansweredWindowStatusTimesOut();
    void splitterDropSendsAreaOutput();
    void splicingAndBezelButtons();
    void screenshots_data();
    void screenshots();

private:
    template <typename T> T *child(const char *name) { return m_kit.child<T>(name); }
    bool waitForCommand(const QString &command) { return m_kit.waitForCommand(command); }

    WindowKit m_kit;
};

// Client A opens two windows; client B's start-up reads the window status and shows
// them where A put them, without sending anything for them.
void tst_WallWindow::windowsOfAnotherClientAppear()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S")));
    RawClient a;
    QVERIFY(a.connectTo(m_kit.device()->controlPort()));
    a.command(QStringLiteral("WindowOpen1/2/1/0/0/1920/1080"));
    a.command(QStringLiteral("WindowOpen3/4/2/1920/1080/3840/2160"));
    QTRY_VERIFY_WITH_TIMEOUT(m_kit.device()->state().windows.value(2).isOpen(), TestTimeouts::Short);
    m_kit.device()->clearReceivedCommands();
    m_kit.openWindow();
    auto *canvas = child<OutputWidget0409>("widget_out_0409");
    QTRY_COMPARE_WITH_TIMEOUT(canvas->windows().keys(), (QList<int>{1, 3}), TestTimeouts::Long);
    QCOMPARE(canvas->window(3)->input(), 4);
    QCOMPARE(canvas->window(3)->layer(), 2);
    QCOMPARE(canvas->window(3)->lastSentRect(), QRect(1920, 1080, 3840, 2160));
    QCOMPARE(canvas->realResolution(), QSize(5760, 3240));
    QVERIFY(canvas->isEnabled());
    QVERIFY(!canvas->window(1)->isHidden());
    for (const QString &c : m_kit.device()->receivedCommands())
        QVERIFY2(!c.startsWith(QLatin1String("{param=Window")), qPrintable(c));
    QVERIFY(m_kit.dialogs.isEmpty());
}

void tst_WallWindow::unansweredWindowStatusTimesOut()
{
    SimFaults faults;
    faults.ignoredQueries.insert(QStringLiteral("status"));
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S"), faults));
    m_kit.device()->applyPanelCommand(QStringLiteral("WindowOpen1/2/1/0/0/1920/1080"));
    m_kit.openWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!m_kit.dialogs.isEmpty(), TestTimeouts::Long);
    QCOMPARE(m_kit.dialogs, QStringList{"Error|Error|Timeout for Reading The last Window status!"});
    QVERIFY(child<OutputWidget0409>("widget_out_0409")->windows().isEmpty());
}

void tst_WallWindow::splitterDropSendsAreaOutput()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809-M")));
    m_kit.openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=bindinfo}")));
    child<QPushButton>("btn_splitter_1")->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=Splitter1}")));
    auto *view = child<SingleSplitterWidget>("wid_ss");
    QCOMPARE(view->layoutMode(), 1);
    view->resize(800, 450);
    QMimeData data;
    data.setText(QStringLiteral("103"));
    QDropEvent drop(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject *>(view)->event(&drop); // dropEvent is protected
    QVERIFY(waitForCommand(QStringLiteral("{param=3VIDEO902}")));
    QCOMPARE(DeviceState::instance()->splitterRouting(2), 3);
}

void tst_WallWindow::splicingAndBezelButtons()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S")));
    m_kit.openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=Get_Rotate}")));
    auto *bezel = child<QPushButton>("bezelBtn");
    QVERIFY(bezel->isEnabled());
    bezel->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=Bezel_y0/0/0/0}")));
    const QStringList sent = m_kit.device()->receivedCommands();
    QVERIFY(sent.indexOf("{param=Bezel_x0/0/0/0}") < sent.indexOf("{param=Bezel_y0/0/0/0}"));

    // The settings run their own loop: choose "1x9" inside it, then close them.
    QTimer::singleShot(0, this, [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *settings = qobject_cast<WidgetSplicingSetting *>(w)) {
                settings->findChild<QComboBox *>("cbb_layout")->setCurrentIndex(1);
                settings->close();
            }
        }
    });
    child<QPushButton>("btn_splicing_set")->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=VIR1}")));
    QVERIFY(m_kit.device()->receivedCommands().contains("{param=Get_Noinput1}"));
    QCOMPARE(child<OutputWidget0409>("widget_out_0409")->realResolution(), QSize(17280, 1080));
}

void tst_WallWindow::screenshots_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("zh") << 0;
    QTest::newRow("en") << 1;
}

void tst_WallWindow::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the wall pages");
    QFETCH(int, language);
    AppSettings::instance()->setLanguage(language);
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S")));
    m_kit.device()->applyPanelCommand(QStringLiteral("WindowOpen1/1/1/0/0/2880/1620"));
    m_kit.device()->applyPanelCommand(QStringLiteral("WindowOpen2/3/2/1920/1080/1920/1080"));
    m_kit.openWindow();
    auto *canvas = child<OutputWidget0409>("widget_out_0409");
    QTRY_COMPARE_WITH_TIMEOUT(canvas->windows().size(), 2, TestTimeouts::Long);
    QCoreApplication::processEvents();
    QVERIFY(m_kit.window()->grab().save(QStringLiteral("%1/main-multiview-%2.png").arg(dir, QTest::currentDataTag())));
}

QTEST_MAIN(tst_WallWindow)
#include "tst_wallwindow.moc"
