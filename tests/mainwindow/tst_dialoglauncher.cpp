#include "dialoglauncher.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The main window's caption, OSD, EDID and user dialogs behind the logged-in user's rights.
class tst_DialogLauncher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init();
    void cleanup() { m_kit.cleanup(); }
    void buttonsFollowTheRights_data();
    void buttonsFollowTheRights();
    void operationsAskTheRights_data();
    void operationsAskTheRights();
    void uploadFailureReachesTheUser();

private:
    // Logs in (login-free) as `user`, who lacks the function keys and inputs named.
    void openAs(const QString &user, const QList<int> &deniedKeys, const QList<int> &deniedInputs);
    bool waitForCommand(const QString &command) { return m_kit.waitForCommand(command); }
    template<typename T> T *child(const char *name) { return m_kit.child<T>(name); }

    WindowKit m_kit;
};

void tst_DialogLauncher::init()
{
    QVERIFY(m_kit.init());
    m_kit.answer = QDialog::Rejected;
    m_kit.dialogLabels = QStringList{QStringLiteral("lb_content"), QStringLiteral("lb_text")};
    QVERIFY(m_kit.startDevice(QStringLiteral("0809")));
}

void tst_DialogLauncher::openAs(const QString &user, const QList<int> &deniedKeys, const QList<int> &deniedInputs)
{
    if (user != QLatin1String("ADMIN"))
        QVERIFY(WindowKit::setRights(user, deniedKeys, deniedInputs));
    m_kit.openWindow();
    // The last start-up query: nothing else is sent unasked after it.
    QVERIFY(waitForCommand(QStringLiteral("{param=bindinfo}")));
}

void tst_DialogLauncher::buttonsFollowTheRights_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QList<int>>("denied");
    QTest::addColumn<QString>("enabled"); // CaptionBtn btn_caption_0409 usermanageBtn
    QTest::addRow("without the caption right") << "guest" << QList<int>{PermissionStore::Caption} << "001";
    QTest::addRow("without the user right") << "guest" << QList<int>{PermissionStore::User} << "110";
}

void tst_DialogLauncher::buttonsFollowTheRights()
{
    QFETCH(QString, user);
    QFETCH(QList<int>, denied);
    QFETCH(QString, enabled);
    openAs(user, denied, {});
    QString seen;
    for (const char *name : {"CaptionBtn", "btn_caption_0409", "usermanageBtn"}) {
        // The multiview page itself is off on this model; the button's own state counts.
        QPushButton *button = child<QPushButton>(name);
        seen += button->isEnabledTo(button->parentWidget()) ? '1' : '0';
        // Disabled, never hidden.
        QVERIFY(!child<QPushButton>(name)->isHidden());
    }
    QCOMPARE(seen, enabled);
}

void tst_DialogLauncher::operationsAskTheRights_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QList<int>>("deniedKeys");
    QTest::addColumn<QList<int>>("deniedInputs");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("shown");   // the first dialog run
    QTest::addColumn<QString>("command"); // sent to the device, or empty
    const QString warning = QStringLiteral("Warning|No Permission!");
    QTest::addRow("osd of an input without its right") << "guest" << QList<int>{} << QList<int>{3} << "osd 3" << warning << "";
    QTest::addRow("osd of another input") << "guest" << QList<int>{} << QList<int>{3} << "osd 4" << "[Input4]" << "{param=Get_OSD4}";
    QTest::addRow("edid without the edid right") << "guest" << QList<int>{PermissionStore::Edid} << QList<int>{} << "edid 2" << warning << "";
    QTest::addRow("edid with the rights") << "guest" << QList<int>{} << QList<int>{} << "edid 2" << "EDID Setting [Input2]" << "";
    QTest::addRow("caption button") << "guest" << QList<int>{} << QList<int>{} << "caption" << "Caption Setting" << "{param=Get_Subtitle}";
    QTest::addRow("administrator never refused") << "ADMIN" << QList<int>{} << QList<int>{} << "osd 3" << "[Input3]" << "{param=Get_OSD3}";
}

void tst_DialogLauncher::operationsAskTheRights()
{
    QFETCH(QString, user);
    QFETCH(QList<int>, deniedKeys);
    QFETCH(QList<int>, deniedInputs);
    QFETCH(QString, operation);
    QFETCH(QString, shown);
    QFETCH(QString, command);
    openAs(user, deniedKeys, deniedInputs);
    m_kit.device()->clearReceivedCommands();
    const int port = operation.section(' ', 1).toInt();
    if (operation.startsWith("osd"))
        m_kit.window()->dialogs()->openOsd(port);
    else if (operation.startsWith("edid"))
        m_kit.window()->dialogs()->openEdid(port);
    else
        child<QPushButton>(operation == "caption" ? "CaptionBtn" : "usermanageBtn")->click();
    QVERIFY(!m_kit.dialogs.isEmpty());
    QCOMPARE(m_kit.dialogs.first().section('|', 0, shown.count('|')), shown);
    if (!command.isEmpty())
        QVERIFY(waitForCommand(command));
    if (shown.startsWith("Warning")) {
        // Nothing is asked of the device for a refused operation.
        QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
    }
}

void tst_DialogLauncher::uploadFailureReachesTheUser()
{
    openAs(QStringLiteral("ADMIN"), {}, {});
    // No upload connection: the link's failure is shown by the window.
    MessageDistance::instance()->uploadData(QStringLiteral("{param=Update_EDID1}"), QByteArray(10, 'x'),
                                            QStringLiteral("{param=Done}"));
    QCOMPARE(m_kit.dialogs, QStringList{"NetWork Error|The file transfer port could not be connected!"});
}

QTEST_MAIN(tst_DialogLauncher)
#include "tst_dialoglauncher.moc"
