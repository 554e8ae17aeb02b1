#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "listwidget.h"
#include "logindialog.h"
#include "messagedistance.h"
#include "portmenus.h"
#include "portnamestore.h"
#include "simdevice.h"
#include "tableitemwidget.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "userstore.h"
#include "tablewidget.h"
#include "widget.h"
#include "zelresources.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

// A real window against the simulator as an operator uses it: routing from the keyboard
// and Ctrl+Z (what reaches the device, what the message line says), refusals while
// offline, and a language switch.
class tst_OperatorWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init();
    void cleanup();
    void keysTake_data();
    void keysTake();
    void undoSendsPreviousSources_data();
    void undoSendsPreviousSources();
    void offlineRefused_data();
    void offlineRefused();
    void languageSwitchRenamesDefaults_data();
    void languageSwitchRenamesDefaults();
    void screenshots();

private:
    bool open(const QString &model);
    // Space-separated keys to the focused widget: "3", "Enter", "S+Right", "C+Space", "C+Z".
    void type(const QString &keys);
    bool waitForCommand(const QString &command);
    QString message() const { return m_window->findChild<QLabel *>(QStringLiteral("messageLine"))->text(); }

    std::unique_ptr<TempDataDir> m_dir;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<Widget> m_window;
};

void tst_OperatorWindow::init()
{
    m_dir = std::make_unique<TempDataDir>();
    QVERIFY(m_dir->isValid());
    DataDir::set(m_dir->path());
    DeviceState::instance()->setSpliceMode(0);
    AppSettings::instance()->setLanguage(1);
    UserStore::initTables();
    UserStore::setLoginModel(1);
}

void tst_OperatorWindow::cleanup()
{
    m_window.reset();
    MessageDistance::instance()->disconnectFromDevice();
    m_device.reset();
    DataDir::set(QString());
    m_dir.reset();
}

bool tst_OperatorWindow::open(const QString &model)
{
    m_device = std::make_unique<SimDevice>(model);
    if (!m_device->listen(QHostAddress::LocalHost, 0, 0))
        return false;
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), m_device->controlPort());
    m_window = std::make_unique<Widget>(nullptr, [](LoginDialog &) { return int(QDialog::Rejected); },
                                        [](QDialog &) { return int(QDialog::Accepted); });
    m_window->resize(1280, 800);
    auto last = model == QLatin1String("0808-S") ? &MessageDistance::receiveOutputInfoSig
                                                 : &MessageDistance::receiveBindInfoSig;
    QSignalSpy settled(MessageDistance::instance(), last);
    if (!settled.wait(TestTimeouts::Medium))
        return false;
    QCoreApplication::processEvents();
    m_window->findChild<ListWidget *>(QStringLiteral("listWidget"))->setFocus();
    m_device->clearReceivedCommands();
    return true;
}

void tst_OperatorWindow::type(const QString &keys)
{
    static const QMap<QString, Qt::Key> names{{"Enter", Qt::Key_Return}, {"Right", Qt::Key_Right},
                                              {"Down", Qt::Key_Down}, {"Space", Qt::Key_Space},
                                              {"Z", Qt::Key_Z}, {"Esc", Qt::Key_Escape}};
    for (QString key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        if (key.startsWith(QLatin1String("C+")))
            modifiers = Qt::ControlModifier;
        else if (key.startsWith(QLatin1String("S+")))
            modifiers = Qt::ShiftModifier;
        key = key.mid(modifiers ? 2 : 0);
        const Qt::Key code = names.value(key, Qt::Key(Qt::Key_0 + key.toInt()));
        QWidget *target = m_window->focusWidget() ? m_window->focusWidget() : m_window.get();
        QTest::keyClick(target, code, modifiers);
    }
}

bool tst_OperatorWindow::waitForCommand(const QString &command)
{
    return QTest::qWaitFor([&] { return m_device->receivedCommands().contains(command); },
                           TestTimeouts::Medium);
}

void tst_OperatorWindow::keysTake_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("lockedOutput");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QString>("message");
    // 0809: outputs 1-3 in the first row, 4-6 below.
    QTest::addRow("number and Enter take the first cell") << "3 Enter Enter" << 0 << QStringList{"{param=3VIDEO1}"} << "";
    QTest::addRow("Shift extends to the next output")
        << "2 Enter S+Right Enter" << 0 << QStringList{"{param=2VIDEO1}", "{param=2VIDEO2}"} << "";
    QTest::addRow("Ctrl picks outputs apart")
        << "4 Enter C+Down C+Space Enter" << 0 << QStringList{"{param=4VIDEO1}", "{param=4VIDEO4}"} << "";
    QTest::addRow("a locked output is left out and named")
        << "2 Enter S+Right Enter" << 2 << QStringList{"{param=2VIDEO1}"} << "Output 2 is locked.";
    QTest::addRow("no source picked sends nothing")
        << "Enter Enter" << 0 << QStringList() << "Pick a source in the signal list first.";
}

void tst_OperatorWindow::keysTake()
{
    QFETCH(int, lockedOutput);
    QVERIFY(open(QStringLiteral("0809")));
    if (lockedOutput)
        m_window->findChild<TableWidget *>(QStringLiteral("videoTableWidget"))->cellForPort(lockedOutput)->setCellLocked(true);
    m_window->findChild<ListWidget *>(QStringLiteral("listWidget"))->setCurrentItem(nullptr);
    type([] { QFETCH(QString, keys); return keys; }());
    // A query after the take marks the end of what it sent.
    MessageDistance::instance()->sendVersion();
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    QTEST(m_device->receivedCommands().filter(QStringLiteral("VIDEO")), "sent");
    QFETCH(QString, message);
    if (!message.isEmpty())
        QCOMPARE(this->message(), message);
}

void tst_OperatorWindow::undoSendsPreviousSources_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("take"); // keys, or "wall" for the first wall-group preset
    QTest::addColumn<QStringList>("undo"); // sent by Ctrl+Z; the simulator starts with input n on output n
    QTest::addColumn<QString>("message");
    QTest::addRow("one output") << "0809" << "5 Enter Enter" << QStringList{"{param=1VIDEO1}"}
                                << "Undone: output 1 back to [1] Input 1.";
    QTest::addRow("a take to two outputs at once")
        << "0809" << "5 Enter S+Right Enter" << QStringList{"{param=1VIDEO1}", "{param=2VIDEO2}"}
        << "Undone: output 1 back to [1] Input 1; output 2 back to [2] Input 2.";
    QTest::addRow("wall-group preset") << "0808-S" << "wall" << QStringList{"{param=mode0}"}
                                       << "Undone: no wall group again.";
}

void tst_OperatorWindow::undoSendsPreviousSources()
{
    QFETCH(QString, take);
    QVERIFY(open([] { QFETCH(QString, model); return model; }()));
    if (take == QLatin1String("wall"))
        m_window->findChild<QPushButton *>(QStringLiteral("btn_spliceMode1"))->click();
    else
        type(take);
    // Version queries mark the end of what the take and the undo sent.
    MessageDistance::instance()->sendVersion();
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    m_device->clearReceivedCommands();
    type(QStringLiteral("C+Z"));
    MessageDistance::instance()->sendVersion();
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    QFETCH(QStringList, undo);
    QCOMPARE(m_device->receivedCommands().mid(0, undo.size()), undo);
    QTEST(message(), "message");
    // Undone once: a second Ctrl+Z has nothing left.
    type(QStringLiteral("C+Z"));
    QCOMPARE(message(), QStringLiteral("Nothing to undo."));
}

void tst_OperatorWindow::offlineRefused_data()
{
    QTest::addColumn<QString>("action"); // keys, or "menu:" and the entry on output 1
    QTest::addColumn<QString>("refused"); // no command containing it after the reconnect
    QTest::addRow("keyboard take") << "Esc 7 Enter Enter" << "VIDEO";
    QTest::addRow("Ctrl+Z") << "C+Z" << "VIDEO";
    QTest::addRow("menu command") << "menu:Freeze / Unfreeze" << "Freeze";
    QTest::addRow("menu clear") << "menu:Clear" << "VIDEO";
}

// While the device is away: refused with the reason, and nothing reaches the device
// once it is back.
void tst_OperatorWindow::offlineRefused()
{
    QFETCH(QString, action);
    QFETCH(QString, refused);
    QVERIFY(open(QStringLiteral("0809")));
    type(QStringLiteral("6 Enter Enter")); // something to undo
    QVERIFY(waitForCommand(QStringLiteral("{param=6VIDEO1}")));
    const quint16 port = m_device->controlPort();
    m_device->close();
    auto *word = m_window->findChild<QLabel *>(QStringLiteral("linkWord"));
    QTRY_VERIFY_WITH_TIMEOUT(word->text() != QLatin1String("Connected"), TestTimeouts::Medium);
    if (action.startsWith(QLatin1String("menu:"))) {
        action = action.mid(5);
        m_window->portMenus()->setMenuRunner([&](QMenu &menu) {
            for (QAction *entry : menu.actions()) {
                if (entry->text() == action)
                    entry->trigger();
            }
        });
        auto *video = m_window->findChild<TableWidget *>(QStringLiteral("videoTableWidget"));
        m_window->portMenus()->showGridMenu(video, 1);
    } else {
        type(action);
    }
    QVERIFY(message().contains(QLatin1String("not connected")));
    m_device->clearReceivedCommands();
    QVERIFY(m_device->listen(QHostAddress::LocalHost, port, 0));
    QTRY_COMPARE_WITH_TIMEOUT(word->text(), QStringLiteral("Connected"), TestTimeouts::Long);
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    MessageDistance::instance()->sendVersion();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedCommands().count(QStringLiteral("{param=version}")), 2,
                              TestTimeouts::Medium);
    QCOMPARE(m_device->receivedCommands().filter(refused), QStringList());
}

void tst_OperatorWindow::languageSwitchRenamesDefaults_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::addRow("signal list default") << "list" << 3 << "[3] 输入 3" << "[3] Input 3";
    QTest::addRow("signal list, the user's name") << "list" << 2 << "[2] Lobby" << "[2] Lobby";
    QTest::addRow("source in a cell") << "source" << 3 << "[3] 输入 3" << "[3] Input 3";
    QTest::addRow("output name of a cell") << "output" << 3 << "[3] 输出 3" << "[3] Output 3";
    QTest::addRow("title") << "title" << 0 << "IP地址:127.0.0.1" << "Ip:127.0.0.1";
}

// To Chinese and back: the default names follow, the user's stay.
void tst_OperatorWindow::languageSwitchRenamesDefaults()
{
    QFETCH(QString, view);
    QFETCH(int, port);
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PortNameStore::savePortName(2, QStringLiteral("Lobby"), PortNameStore::InputVideo));
    QVERIFY(open(QStringLiteral("0809")));
    auto *video = m_window->findChild<TableWidget *>(QStringLiteral("videoTableWidget"));
    auto shown = [&] {
        if (view == QLatin1String("list"))
            return m_window->findChild<ListWidget *>(QStringLiteral("listWidget"))->item(7 + port)->text();
        if (view == QLatin1String("title"))
            return m_window->findChild<QLabel *>(QStringLiteral("connectState"))->text();
        return view == QLatin1String("source") ? video->cellForPort(port)->inputText()
                                               : video->cellForPort(port)->outputText();
    };
    auto *language = m_window->findChild<QComboBox *>(QStringLiteral("languageComboBox"));
    language->setCurrentIndex(0);
    QVERIFY2(shown().contains([] { QFETCH(QString, chinese); return chinese; }()), qPrintable(shown()));
    language->setCurrentIndex(1);
    QVERIFY2(shown().contains([] { QFETCH(QString, english); return english; }()), qPrintable(shown()));
}

// Every page of the window in both languages, and the open popup of a combo box on the
// setting page, written when ZEL_SCREENSHOT_DIR names a directory.
void tst_OperatorWindow::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the pages");
    for (const char *model : {"0809", "0808-S"}) {
        for (int language : {0, 1}) {
            AppSettings::instance()->setLanguage(language);
            QVERIFY(open(QLatin1String(model)));
            const QString tag = QLatin1String(model) + (language ? QLatin1String("-en") : QLatin1String("-zh"));
            auto *tabs = m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QCoreApplication::processEvents();
                QVERIFY(m_window->grab().save(QStringLiteral("%1/page-%2-%3.png").arg(dir, tag).arg(tab)));
            }
            auto *combo = m_window->findChild<QComboBox *>(QStringLiteral("HdmiAudioComboBox"));
            combo->showPopup();
            QCoreApplication::processEvents();
            QVERIFY(combo->view()->window()->grab().save(QStringLiteral("%1/popup-%2.png").arg(dir, tag)));
            combo->hidePopup();
            cleanup();
            init();
        }
    }
}

QTEST_MAIN(tst_OperatorWindow)
#include "tst_operatorwindow.moc"
