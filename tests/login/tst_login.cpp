#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "loginflow.h"
#include "logindialog.h"
#include "loginsettingdialog.h"
#include "svgwidgets.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "userstore.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void freshInstallLogsInAsAdmin();
    void wrongPasswordIsRememberedToo();
    void untickedBoxForgetsThePassword();
    void escapeStaysEnterLogsIn();
    void messageClearsTwoSecondsAfterTheLastFailure();
    void settingsAreNotTrusted();
    void startUpOrder_data();
    void startUpOrder();
    void screenshots();

private:
    void login(LoginDialog &dialog, const QString &user, const QString &password);
    QSettings config() const { return QSettings(DataDir::filePath("config.ini"), QSettings::IniFormat); }
    TempDataDir *m_dir = nullptr;
};

void TestLogin::init()
{
    m_dir = new TempDataDir;
    DataDir::set(m_dir->path());
    DeviceState::instance()->setDeviceAddress(QStringLiteral("192.168.1.50"));
    DeviceState::instance()->setDevicePort(8080);
    DeviceState::instance()->setDeviceType(1);
    QVERIFY(UserStore::initTables());
}

void TestLogin::cleanup()
{
    DataDir::set(QString());
    delete m_dir;
}

void TestLogin::login(LoginDialog &dialog, const QString &user, const QString &password)
{
    dialog.userNameEdit()->setText(user);
    dialog.passwordEdit()->setText(password);
    dialog.findChild<QPushButton *>("btnLogin")->click();
}

void TestLogin::freshInstallLogsInAsAdmin()
{
    LoginDialog dialog;
    QCOMPARE(dialog.userNameEdit()->text(), QStringLiteral("ADMIN"));
    dialog.open();
    login(dialog, "ADMIN", "tiger905");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(AppSettings::instance()->currentUser(), QStringLiteral("ADMIN"));
    QCOMPARE(AppSettings::instance()->currentUserType(), 0);
    QSettings ini(DataDir::filePath("config.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value("User/Username").toString(), QStringLiteral("ADMIN"));
    QCOMPARE(ini.value("NetWork/Ip").toString(), QStringLiteral("192.168.1.50"));
    QCOMPARE(ini.value("NetWork/Port").toInt(), 8080);
    QCOMPARE(ini.value("Type/type").toInt(), 1);
}

void TestLogin::wrongPasswordIsRememberedToo()
{
    {
        LoginDialog dialog;
        dialog.open();
        dialog.rememberBox()->setChecked(true);
        login(dialog, "ADMIN", "wrong'one");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.message(), QStringLiteral("username or password error!"));
    }
    LoginDialog next;
    QVERIFY(next.rememberBox()->isChecked());
    QCOMPARE(next.passwordEdit()->text(), QStringLiteral("wrong'one"));
}

void TestLogin::untickedBoxForgetsThePassword()
{
    UserStore::setRemember(true);
    UserStore::setRememberedPassword(QStringLiteral("tiger905"));
    LoginDialog dialog;
    QCOMPARE(dialog.passwordEdit()->text(), QStringLiteral("tiger905"));
    dialog.open();
    dialog.rememberBox()->setChecked(false);
    login(dialog, "ADMIN", "nope");
    QVERIFY(!UserStore::isRemember());
    LoginDialog next;
    QVERIFY(!next.rememberBox()->isChecked());
    QCOMPARE(next.passwordEdit()->text(), QString());
}

void TestLogin::escapeStaysEnterLogsIn()
{
    LoginDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.passwordEdit()->setFocus();
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    dialog.passwordEdit()->setText(QStringLiteral("tiger905"));
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void TestLogin::messageClearsTwoSecondsAfterTheLastFailure()
{
    LoginDialog dialog;
    dialog.open();
    login(dialog, "ADMIN", "x");
    QVERIFY(dialog.isMessageTimerActive());
    // Let part of the two seconds go by, fail again: the clock starts over.
    QTRY_VERIFY_WITH_TIMEOUT(dialog.messageRemainingMs() < LoginDialog::MessageMs - 300, TestTimeouts::Short);
    login(dialog, "ADMIN", "y");
    QVERIFY(dialog.messageRemainingMs() > LoginDialog::MessageMs - 200);
    QCOMPARE(dialog.message(), QStringLiteral("username or password error!"));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.message(), QString(), TestTimeouts::Medium);
}

void TestLogin::settingsAreNotTrusted()
{
    LoginSettingDialog settings(nullptr, false);
    auto *ip = settings.findChild<QLineEdit *>("DeviceIP");
    auto *port = settings.findChild<QLineEdit *>("DevicePort");
    auto *type = settings.findChild<QComboBox *>("cbb_type");
    QCOMPARE(ip->text(), QStringLiteral("192.168.1.50"));
    QCOMPARE(port->text(), QStringLiteral("8080"));
    QCOMPARE(type->itemText(0), QStringLiteral("ZEL0808"));
    QCOMPARE(type->itemText(4), QStringLiteral("ZEL0809_M"));
    QCOMPARE(type->currentIndex(), 1);
    settings.show();
    ip->clear();
    ip->setFocus();
    QTest::keyClicks(ip, QStringLiteral("192.168.100.200:80801234"));
    QCOMPARE(ip->text().size(), 20);
    port->setText(QStringLiteral("http"));
    type->setCurrentIndex(2);
    settings.findChild<QPushButton *>("btnOK")->click();
    QCOMPARE(DeviceState::instance()->devicePort(), 0);
    QCOMPARE(DeviceState::instance()->deviceType(), 2);

    // The next login writes the port; read back it is the default.
    LoginDialog dialog;
    dialog.open();
    login(dialog, "ADMIN", "tiger905");
    QCOMPARE(AppSettings::instance()->port(), 80);
}

void TestLogin::startUpOrder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("dialogShown");
    QTest::addRow("mode 0, logged in") << 0 << int(QDialog::Accepted) << int(LoginFlow::Outcome::LoggedIn) << true;
    QTest::addRow("mode 0, cancelled") << 0 << int(QDialog::Rejected) << int(LoginFlow::Outcome::Cancelled) << true;
    QTest::addRow("mode 1, no dialog") << 1 << int(QDialog::Accepted) << int(LoginFlow::Outcome::Skipped) << false;
}

void TestLogin::startUpOrder()
{
    QFETCH(int, mode);
    QFETCH(int, answer);
    QFETCH(int, outcome);
    QFETCH(bool, dialogShown);
    {
        QSettings ini(DataDir::filePath("config.ini"), QSettings::IniFormat);
        ini.setValue("NetWork/Ip", "10.0.0.7");
        ini.setValue("NetWork/Port", 4001);
        ini.setValue("Type/type", 7);
        ini.setValue("User/Username", "ghost");
    }
    AppSettings::instance()->sync();
    UserStore::loginModel(); // creates the row that setLoginModel updates
    QVERIFY(UserStore::setLoginModel(mode));
    bool shown = false;
    const LoginFlow::Outcome result = LoginFlow::startUp([&](LoginDialog &) {
        shown = true;
        return answer;
    });
    QCOMPARE(int(result), outcome);
    QCOMPARE(shown, dialogShown);
    QCOMPARE(DeviceState::instance()->deviceAddress(), QStringLiteral("10.0.0.7"));
    QCOMPARE(DeviceState::instance()->devicePort(), 4001);
    QCOMPARE(DeviceState::instance()->deviceType(), 1); // 7 is no model
    if (mode == 1) {
        QCOMPARE(AppSettings::instance()->currentUser(), QStringLiteral("ghost"));
        QCOMPARE(AppSettings::instance()->currentUserType(), 1); // not in the table
    }
}

void TestLogin::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the login");
    Q_INIT_RESOURCE(translations);
    for (const char *language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/") + QLatin1String(language)));
        QCoreApplication::installTranslator(&translator);
        LoginDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        login(dialog, "ADMIN", "x");
        QVERIFY(dialog.grab().save(dir + "/login_" + language + ".png"));
        LoginSettingDialog settings(nullptr, false);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QVERIFY(settings.grab().save(dir + "/loginsetting_" + language + ".png"));
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
