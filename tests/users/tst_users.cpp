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
    void saveRules_data();
    void saveRules();
    void deleting_data();
    void deleting();
    void permissionsOpenForTheSelectedUser();
    void rightsShownFromTheRow_data();
    void rightsShownFromTheRow();
    void selectAllToggles_data();
    void selectAllToggles();
    void closing_data();
    void closing();
    void screenshots();

private:
    // Runs a small script: "select NAME", "add", "edit", "name TEXT", "pw A|B", "save", "delete".
    void run(Usermanagerdialog &dialog, const QStringList &steps);
    QString users() const;
    int idOf(const QString &name) const;

    std::unique_ptr<ScopedDataDir> m_dir;
    std::unique_ptr<PermissionStore> m_store;
};

void TestUsers::init()
{
    m_dir = std::make_unique<ScopedDataDir>();
    QVERIFY(UserStore::initTables());
    m_store = std::make_unique<PermissionStore>();
    QVERIFY(UserStore::addUser("bob", "pw"));
    QVERIFY(m_store->createDefaultRights("bob"));
    AppSettings::instance()->setCurrentUserType(0);
}

void TestUsers::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

void TestUsers::run(Usermanagerdialog &dialog, const QStringList &steps)
{
    auto *table = dialog.findChild<QTableWidget *>("tableWidget");
    for (const QString &step : steps) {
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
            QMetaObject::invokeMethod(&dialog, qPrintable("on_" + buttons.value(step) + "_clicked"));
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

int TestUsers::idOf(const QString &name) const
{
    for (const UserRow &u : UserStore::allUsers()) {
        if (u.username == name)
            return u.id;
    }
    return -1;
}

void TestUsers::buttonStates_data()
{
    QTest::addColumn<QStringList>("steps");
    // add edit delete save permissions name passwords
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("name");
    QTest::addRow("user selected") << QStringList{"select bob"} << "1110100" << "bob";
    QTest::addRow("ADMIN selected") << QStringList{"select ADMIN"} << "1100000" << "ADMIN";
    QTest::addRow("adding") << QStringList{"select bob", "add"} << "0001011" << "";
    QTest::addRow("editing a user") << QStringList{"select bob", "edit"} << "0001011" << "bob";
    QTest::addRow("editing ADMIN keeps the name") << QStringList{"select ADMIN", "edit"} << "0001001" << "ADMIN";
    QTest::addRow("idle again after saving") << QStringList{"select bob", "edit", "pw x|x", "save"} << "1000000" << "";
}

void TestUsers::buttonStates()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, enabled);
    QFETCH(QString, name);
    Usermanagerdialog dialog;
    dialog.setPermissionStore(m_store.get());
    dialog.loadUsers();
    run(dialog, steps);
    QString seen;
    for (const char *n : {"btnAdd", "btnEdit", "btnDel", "btnSave", "btnPermission", "usernameEdit", "passwordEdit"})
        seen += dialog.findChild<QWidget *>(n)->isEnabled() ? '1' : '0';
    QCOMPARE(seen, enabled);
    QCOMPARE(dialog.findChild<QLineEdit *>("usernameEdit")->text(), name);
    QCOMPARE(dialog.findChild<QLineEdit *>("passwordEdit")->text(), QString());
}

void TestUsers::saveRules_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    const QString before = "ADMIN:tiger905,bob:pw";
    QTest::addRow("password empty") << QStringList{"add", "name carl", "pw |"} << "password empty!" << before;
    QTest::addRow("passwords differ") << QStringList{"add", "name carl", "pw a|b"} << "two password not equation!" << before;
    QTest::addRow("blanks around the confirm pass, stored as typed")
        << QStringList{"add", "name carl", "pw  pw|pw "} << "" << before + ",carl:pw ";
    QTest::addRow("adding an existing name") << QStringList{"add", "name bob", "pw a|a"} << "user have exsits!" << before;
    QTest::addRow("empty name adds nothing, silently") << QStringList{"add", "pw |"} << "" << before;
    QTest::addRow("renaming to his own name") << QStringList{"select bob", "edit", "pw n|n", "save"} << "" << "ADMIN:tiger905,bob:n";
    QTest::addRow("renaming to another's name") << QStringList{"select bob", "edit", "name ADMIN", "pw n|n"} << "user have exsits!" << before;
    QTest::addRow("editing with an empty name") << QStringList{"select bob", "edit", "name ", "pw n|n"} << "username empty!" << before;
    QTest::addRow("ADMIN changes only the password") << QStringList{"select ADMIN", "edit", "pw new|new"} << "" << "ADMIN:new,bob:pw";
}

void TestUsers::saveRules()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    Usermanagerdialog dialog;
    dialog.setPermissionStore(m_store.get());
    dialog.loadUsers();
    run(dialog, steps);
    if (steps.last() != "save")
        run(dialog, {"save"});
    QCOMPARE(dialog.findChild<QLabel *>("tipLabel")->text(), message);
    QCOMPARE(users(), stored);
    // A refused save stays in the editing state with Save enabled.
    QCOMPARE(dialog.findChild<QPushButton *>("btnSave")->isEnabled(), !message.isEmpty());
    QCOMPARE(dialog.findChild<QTableWidget *>("tableWidget")->rowCount(), stored.count(',') + 1);
}

void TestUsers::deleting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addRow("an ordinary user and his rights") << "bob" << "ADMIN:tiger905";
    QTest::addRow("never ADMIN") << "ADMIN" << "ADMIN:tiger905,bob:pw";
}

void TestUsers::deleting()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    const int bob = idOf("bob");
    Usermanagerdialog dialog;
    dialog.setPermissionStore(m_store.get());
    dialog.loadUsers();
    run(dialog, {"select " + name, "delete"});
    QCOMPARE(users(), stored);
    QCOMPARE(m_store->readRights(bob).functions.isEmpty(), name == "bob");
    QVERIFY(!dialog.findChild<QPushButton *>("btnDel")->isEnabled());
}

void TestUsers::permissionsOpenForTheSelectedUser()
{
    Usermanagerdialog dialog;
    dialog.setPermissionStore(m_store.get());
    QString opened;
    dialog.setDialogRunner([&opened](QDialog &d) {
        opened = static_cast<FramelessDialog &>(d).titleLabel()->text();
        return 0;
    });
    dialog.loadUsers();
    run(dialog, {"select bob"});
    dialog.findChild<QPushButton *>("btnPermission")->click();
    QCOMPARE(opened, QStringLiteral("Permissions Management  User: bob"));
}

void TestUsers::rightsShownFromTheRow_data()
{
    QTest::addColumn<bool>("row");
    QTest::addColumn<QString>("listInfo");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("functions"); // keys 0..27
    QTest::addRow("no row: all but the four switch keys")
        << false << "" << "11111111" << "1111111111111111111111000011";
    QTest::addRow("short ListInfo leaves the rest as built")
        << true << "0/0/0/0/0/0/0/0/0/0" << "01111111" << "0000000000111111111111000011";
    QTest::addRow("stored switch rights shown") << true << "1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/0/1/1/1/1"
                                                << "01111111" << "1111111111111111111111101111";
}

void TestUsers::rightsShownFromTheRow()
{
    QFETCH(bool, row);
    QFETCH(QString, listInfo);
    QFETCH(QString, inputs);
    QFETCH(QString, functions);
    const int bob = idOf("bob");
    m_store->deleteRights(bob);
    if (row) {
        QVERIFY(rawExec(QStringLiteral("insert into PermissionInfo(Id,InputInfo,ListInfo) values(%1,'0','%2')")
                            .arg(bob).arg(listInfo),
                        m_dir->filePath("project.db")));
    }
    PermissionDialog dialog(QString::number(bob), "bob", m_store.get());
    auto text = [](const QVector<bool> &v) {
        QString s;
        for (bool b : v)
            s += b ? '1' : '0';
        return s;
    };
    QCOMPARE(text(dialog.rights().inputs), inputs);
    QCOMPARE(text(dialog.rights().functions), functions);
    QCOMPARE(dialog.rights().outputs.size(), 9);
    QVERIFY(!dialog.isChanged());
}

void TestUsers::selectAllToggles_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("first");  // functions after one press
    QTest::addColumn<QString>("second"); // and after another
    QTest::addRow("switch group starts unticked")
        << "gb_matswi" << "1111111111111111111111111111" << "1111111111111111111111000011";
    QTest::addRow("matrix menu leaves the switch keys")
        << "gb_matrix" << "1111110000000011111111000000" << "1111111111111111111111000011";
}

void TestUsers::selectAllToggles()
{
    QFETCH(QString, group);
    QFETCH(QString, first);
    QFETCH(QString, second);
    m_store->deleteRights(idOf("bob"));
    PermissionDialog dialog(QString::number(idOf("bob")), "bob", m_store.get());
    auto *all = dialog.findChild<QPushButton *>(group + "_all");
    QVERIFY(all);
    auto functions = [&dialog] {
        QString s;
        for (bool b : dialog.rights().functions)
            s += b ? '1' : '0';
        return s;
    };
    all->click();
    QCOMPARE(functions(), first);
    QVERIFY(dialog.isChanged());
    all->click();
    QCOMPARE(functions(), second);
}

void TestUsers::closing_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("applyFirst");
    QTest::addColumn<int>("answer");     // of the confirmation; -1: it must not be asked
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<bool>("saved");      // input 1 denied in the stored row
    QTest::addRow("unchanged closes at once") << false << false << -1 << false << false;
    QTest::addRow("after Apply closes at once") << true << true << -1 << false << true;
    QTest::addRow("Cancel keeps the edits open") << true << false << 2 << true << false;
    QTest::addRow("Yes saves and closes") << true << false << 0 << false << true;
    QTest::addRow("No closes without saving") << true << false << 1 << false << false;
}

void TestUsers::closing()
{
    QFETCH(bool, edit);
    QFETCH(bool, applyFirst);
    QFETCH(int, answer);
    QFETCH(bool, stillOpen);
    QFETCH(bool, saved);
    const int bob = idOf("bob");
    PermissionDialog dialog(QString::number(bob), "bob", m_store.get());
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
    QCOMPARE(dialog.isVisible(), stillOpen);
    QCOMPARE(input1->isChecked(), !edit);
    QCOMPARE(m_store->readRights(bob).inputs.value(0, true), !saved);
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
        run(users, {"select bob"});
        PermissionDialog rights(QString::number(idOf("bob")), "bob", m_store.get());
        const QVector<QPair<QDialog *, const char *>> shots = {{&users, "users"}, {&rights, "rights"}};
        for (const auto &shot : shots) {
            shot.first->show();
            QVERIFY(QTest::qWaitForWindowExposed(shot.first));
            QVERIFY(shot.first->grab().save(QStringLiteral("%1/%2-%3.png").arg(dir, shot.second, language)));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
