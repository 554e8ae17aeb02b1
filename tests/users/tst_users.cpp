#include "appsettings.h"
#include "permissiondialog.h"
#include "permissionstore.h"
#include "storagetestkit.h"
#include "svgwidgets.h"
#include "usermanagerdialog.h"
#include "userstore.h"
#include "zelresources.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

// User management and the rights dialog on a private project.db.
class TestUsers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonStates_data();
    void buttonStates();
    void editRules_data();
    void editRules();
    void rightsDialogShowsTheRow_data();
    void rightsDialogShowsTheRow();
    void closing_data();
    void closing();
    void screenshots();

private:
    // Runs a small script: "select NAME; add; edit; name TEXT; pw A|B; save; delete".
    void run(Usermanagerdialog &dialog, const QString &script);
    QString users() const;

    std::unique_ptr<ScopedDataDir> m_dir;
    std::unique_ptr<PermissionStore> m_store;
    int m_bob = -1;
};

void TestUsers::init()
{
    m_dir = std::make_unique<ScopedDataDir>();
    QVERIFY(UserStore::initTables());
    m_store = std::make_unique<PermissionStore>();
    QVERIFY(UserStore::addUser("bob", "pw"));
    QVERIFY(m_store->createDefaultRights("bob"));
    m_store->loadForUser("bob");
    m_bob = m_store->userId();
    AppSettings::instance()->setCurrentUserType(0);
}

void TestUsers::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

void TestUsers::run(Usermanagerdialog &dialog, const QString &script)
{
    auto *table = dialog.findChild<QTableWidget *>("tableWidget");
    for (const QString &step : script.split("; ")) {
        const QString arg = step.section(' ', 1);
        if (step.startsWith("select")) {
            for (int row = 0; row < table->rowCount(); ++row) {
                if (table->item(row, 1)->text() == arg)
                    table->setCurrentCell(row, 1);
            }
        } else if (step.startsWith("name")) {
            dialog.findChild<QLineEdit *>("usernameEdit")->setText(arg);
        } else if (step.startsWith("pw")) {
            dialog.findChild<QLineEdit *>("passwordEdit")->setText(arg.section('|', 0, 0));
            dialog.findChild<QLineEdit *>("repeatEdit")->setText(arg.section('|', 1));
        } else {
            const QMap<QString, QString> buttons{
                {"add", "btnAdd"}, {"edit", "btnEdit"}, {"save", "btnSave"}, {"delete", "btnDel"}};
            // Slots directly: a disabled button must not stop the model's own rules.
            QMetaObject::invokeMethod(&dialog,
                                      qPrintable("on_" + buttons.value(step) + "_clicked"));
        }
    }
}

QString TestUsers::users() const
{
    QStringList all;
    for (const UserRow &u : UserStore::allUsers())
        all << u.username + ':' + u.password;
    return all.join(',');
}

static QString bits(const QVector<bool> &rights)
{
    QString text;
    for (bool right : rights)
        text += right ? '1' : '0';
    return text;
}

void TestUsers::buttonStates_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("enabled"); // add edit delete save permissions name passwords
    QTest::addColumn<QString>("name");
    QTest::addRow("user selected") << "select bob"
                                   << "1110100"
                                   << "bob";
    QTest::addRow("ADMIN selected") << "select ADMIN"
                                    << "1100000"
                                    << "ADMIN";
    QTest::addRow("editing ADMIN keeps the name") << "select ADMIN; edit"
                                                  << "0001001"
                                                  << "ADMIN";
}

void TestUsers::buttonStates()
{
    QFETCH(QString, script);
    QFETCH(QString, enabled);
    QFETCH(QString, name);
    Usermanagerdialog dialog;
    dialog.setPermissionStore(m_store.get());
    dialog.loadUsers();
    run(dialog, script);
    QString seen;
    for (const char *widget : {"btnAdd",
                               "btnEdit",
                               "btnDel",
                               "btnSave",
                               "btnPermission",
                               "usernameEdit",
                               "passwordEdit"})
        seen += dialog.findChild<QWidget *>(widget)->isEnabled() ? '1' : '0';
    QCOMPARE(seen, enabled);
    QCOMPARE(dialog.findChild<QLineEdit *>("usernameEdit")->text(), name);
}

void TestUsers::editRules_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    const QString before = "ADMIN:tiger905,bob:pw";
    QTest::addRow("password empty") << "add; name carl; pw |; save"
                                    << "password empty!" << before;
    QTest::addRow("passwords differ") << "add; name carl; pw a|b; save"
                                      << "two password not equation!" << before;
    QTest::addRow("blanks around the confirm pass, stored as typed")
        << "add; name carl; pw  pw|pw ; save"
        << "" << before + ",carl:pw ";
    QTest::addRow("adding an existing name") << "add; name bob; pw a|a; save"
                                             << "user have exsits!" << before;
    QTest::addRow("empty name adds nothing, silently") << "add; pw |; save"
                                                       << "" << before;
    QTest::addRow("renaming to his own name") << "select bob; edit; pw n|n; save"
                                              << ""
                                              << "ADMIN:tiger905,bob:n";
    QTest::addRow("renaming to another's name") << "select bob; edit; name ADMIN; pw n|n; save"
                                                << "user have exsits!" << before;
    QTest::addRow("editing with an empty name") << "select bob; edit; name ; pw n|n; save"
                                                << "username empty!" << before;
    QTest::addRow("ADMIN changes only the password") << "select ADMIN; edit; pw new|new; save"
                                                     << ""
                                                     << "ADMIN:new,bob:pw";
    QTest::addRow("deleting a user and his rights") << "select bob; delete"
                                                    << ""
                                                    << "ADMIN:tiger905";
    QTest::addRow("never ADMIN") << "select ADMIN; delete"
                                 << "" << before;
}

void TestUsers::editRules()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    Usermanagerdialog dialog;
    dialog.setPermissionStore(m_store.get());
    dialog.loadUsers();
    run(dialog, script);
    QCOMPARE(dialog.findChild<QLabel *>("tipLabel")->text(), message);
    QCOMPARE(users(), stored);
    QCOMPARE(m_store->readRights(m_bob).functions.isEmpty(), !stored.contains("bob:"));
    // A refused save stays in the editing state with Save enabled.
    QCOMPARE(dialog.findChild<QPushButton *>("btnSave")->isEnabled(), !message.isEmpty());
    QCOMPARE(dialog.findChild<QTableWidget *>("tableWidget")->rowCount(), stored.count(',') + 1);
}

void TestUsers::rightsDialogShowsTheRow_data()
{
    QTest::addColumn<QString>("listInfo");    // empty: no row at all
    QTest::addColumn<QStringList>("presses"); // select-all buttons
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("functions"); // keys 0..27
    const QString allButSwitching = "1111111111111111111111000011";
    QTest::addRow("no row: all but the four switch keys")
        << "" << QStringList() << "11111111" << allButSwitching;
    QTest::addRow("short ListInfo leaves the rest as built")
        << "0/0/0/0/0/0/0/0/0/0" << QStringList() << "01111111"
        << "0000000000111111111111000011";
    QTest::addRow("stored switch rights shown")
        << QString("1/").repeated(23) + "0/1/1/1/1" << QStringList() << "01111111"
        << "1111111111111111111111101111";
    QTest::addRow("switch group starts unticked") << "" << QStringList{"gb_matswi"} << "11111111"
                                                  << "1111111111111111111111111111";
    QTest::addRow("switch group pressed again")
        << "" << QStringList{"gb_matswi", "gb_matswi"} << "11111111" << allButSwitching;
    QTest::addRow("matrix menu leaves the switch keys")
        << "" << QStringList{"gb_matrix"} << "11111111"
        << "1111110000000011111111000000";
}

void TestUsers::rightsDialogShowsTheRow()
{
    QFETCH(QString, listInfo);
    QFETCH(QStringList, presses);
    QFETCH(QString, inputs);
    QFETCH(QString, functions);
    m_store->deleteRights(m_bob);
    if (!listInfo.isEmpty()) {
        const QString insert =
            "insert into PermissionInfo(Id,InputInfo,ListInfo) values(%1,'0','%2')";
        QVERIFY(rawExec(insert.arg(m_bob).arg(listInfo), m_dir->filePath("project.db")));
    }
    PermissionDialog dialog(QString::number(m_bob), "bob", m_store.get());
    for (const QString &group : presses)
        dialog.findChild<QPushButton *>(group + "_all")->click();
    QCOMPARE(bits(dialog.rights().inputs), inputs);
    QCOMPARE(bits(dialog.rights().functions), functions);
    QCOMPARE(dialog.rights().outputs.size(), 9);
    QCOMPARE(dialog.isChanged(), !presses.isEmpty());
}

void TestUsers::closing_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("applyFirst");
    // Of the confirmation: 0 Yes, 1 No, 2 Cancel; -1 it must not be asked.
    QTest::addColumn<int>("answer");
    QTest::addRow("unchanged closes at once") << false << false << -1;
    QTest::addRow("after Apply closes at once") << true << true << -1;
    QTest::addRow("Cancel keeps the edits open") << true << false << 2;
    QTest::addRow("Yes saves and closes") << true << false << 0;
    QTest::addRow("No closes without saving") << true << false << 1;
}

void TestUsers::closing()
{
    QFETCH(bool, edit);
    QFETCH(bool, applyFirst);
    QFETCH(int, answer);
    PermissionDialog dialog(QString::number(m_bob), "bob", m_store.get());
    int asked = 0;
    dialog.setDialogRunner([&](QDialog &) {
        ++asked;
        return answer;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *input1 = dialog.findChild<SvgCheckBox *>("gb_input_1");
    if (edit)
        QTest::mouseClick(input1, Qt::LeftButton);
    if (applyFirst)
        dialog.findChild<QPushButton *>("btnApply")->click();
    dialog.findChild<QPushButton *>("btnClose")->click();
    QCOMPARE(asked, answer < 0 ? 0 : 1);
    QCOMPARE(dialog.isVisible(), answer == 2);
    QCOMPARE(input1->isChecked(), !edit);
    const bool saved = applyFirst || answer == 0; // input 1 denied in the stored row
    QCOMPARE(m_store->readRights(m_bob).inputs.value(0, true), !saved);
}

// Renders the dialogs in both languages when ZEL_SCREENSHOT_DIR names a directory.
void TestUsers::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the dialogs");
    initZelResources();
    for (const char *language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/%1").arg(language)));
        QCoreApplication::installTranslator(&translator);
        Usermanagerdialog users;
        users.loadUsers();
        run(users, "select bob");
        PermissionDialog rights(QString::number(m_bob), "bob", m_store.get());
        const QVector<QPair<QDialog *, const char *>> shots = {{&users, "users"},
                                                               {&rights, "rights"}};
        for (const auto &shot : shots) {
            shot.first->show();
            QVERIFY(QTest::qWaitForWindowExposed(shot.first));
            QVERIFY(shot.first->grab().save(
                QStringLiteral("%1/%2-%3.png").arg(dir, shot.second, language)));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
