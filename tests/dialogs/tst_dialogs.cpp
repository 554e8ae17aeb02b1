#include "basewidgets.h"
#include "dialogconfirm.h"
#include "messagedistance.h"
#include "msgdlg.h"
#include "renamedialog.h"
#include "switchcontrol.h"
#include "svgwidgets.h"
#include "volumnsettingdialog.h"
#include "devicestate.h"
#include "testtimeouts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void confirmResults_data();
    void confirmResults();
    void renameEmitsOnlyARealChange_data();
    void renameEmitsOnlyARealChange();
    void messageBoxWidensForLongText_data();
    void messageBoxWidensForLongText();
    void uploadFailureShowsTheMessage();
    void volumeDialogSendsItsCommands();
    void svgCheckBoxFollowsItsState();
    void dialogsDragWithTheLeftButton();
    void switchSlidesAndReversesMidWay();
    void screenshots();
};

void TestDialogs::confirmResults_data()
{
    QTest::addColumn<bool>("three");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addRow("ok") << false << "btn_ok" << 1;
    QTest::addRow("close") << false << "btn_close" << 0;
    QTest::addRow("yes") << true << "btn_yes" << 0;
    QTest::addRow("no") << true << "btn_no" << 1;
    QTest::addRow("3 cancel") << true << "btn_cancel" << 2;
    QTest::addRow("3 close answers like cancel") << true << "btn_close" << 2;
}

void TestDialogs::confirmResults()
{
    QFETCH(bool, three);
    QFETCH(QString, button);
    QFETCH(int, result);
    QScopedPointer<QDialog> dialog(three ? static_cast<QDialog *>(new DialogConfirm3Btn(nullptr, "t", "x"))
                                         : new DialogConfirm(nullptr, "t", "x"));
    dialog->setResult(-1);
    dialog->open();
    auto *b = dialog->findChild<QPushButton *>(button);
    QVERIFY(b);
    b->click();
    QCOMPARE(dialog->result(), result);
    QVERIFY(!dialog->isVisible());
}

void TestDialogs::renameEmitsOnlyARealChange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("emitted");
    QTest::addRow("new name") << "Lobby" << true;
    QTest::addRow("same name") << "Input 3" << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("quote kept") << "O'Brien" << true;
}

void TestDialogs::renameEmitsOnlyARealChange()
{
    QFETCH(QString, typed);
    QFETCH(bool, emitted);
    RenameDialog dialog(QStringLiteral("Input 3"));
    QCOMPARE(dialog.lineEdit()->objectName(), QStringLiteral("RenameLineedit"));
    QCOMPARE(dialog.lineEdit()->text(), QStringLiteral("Input 3"));
    QSignalSpy spy(&dialog, &RenameDialog::Sig_SetNewName);
    dialog.open();
    dialog.lineEdit()->setText(typed);
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(spy.count(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(spy.at(0).at(0).toString(), typed);
}

void TestDialogs::messageBoxWidensForLongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("short") << "传输文件端口连接发生错误！";
    QTest::addRow("long") << QString(60, QLatin1Char('W'));
}

void TestDialogs::messageBoxWidensForLongText()
{
    QFETCH(QString, text);
    MsgDlg dialog;
    const int designed = dialog.width();
    dialog.setMessage(QStringLiteral("NetWork Error"), text);
    auto *label = dialog.findChild<QLabel *>("lb_text");
    const QRect bounds = QFontMetrics(label->font()).boundingRect(text);
    const int w = bounds.right() - bounds.left();
    if (w + 21 > MsgDlg::DesignedFrameWidth) {
        QCOMPARE(dialog.width(), w + 96);
        QCOMPARE(dialog.frame()->width(), w + 21);
        QCOMPARE(label->width(), w + 1);
        QCOMPARE(dialog.findChild<QPushButton *>("btnOk")->x(), w - 50);
        QCOMPARE(dialog.findChild<QPushButton *>("btnClose")->x(), w - 6);
    } else {
        QCOMPARE(dialog.width(), designed);
    }
    QCOMPARE(dialog.titleLabel()->text(), QStringLiteral("NetWork Error"));
}

void TestDialogs::uploadFailureShowsTheMessage()
{
    installUploadFailureDialog();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto *dialog = qobject_cast<MsgDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = dialog->titleLabel()->text() + '|' + dialog->findChild<QLabel *>("lb_text")->text();
        dialog->findChild<QPushButton *>("btnOk")->click();
    });
    // No upload connection: the port failure is shown and the queue stays empty.
    MessageDistance::instance()->uploadData(QStringLiteral("{param=Update_EDID1}"), QByteArray(10, 'x'),
                                            QStringLiteral("{param=Done}"));
    QCOMPARE(shown, QStringLiteral("NetWork Error|传输文件端口连接发生错误！"));
    QCOMPARE(MessageDistance::instance()->uploadQueueSize(), 0);
    MessageDistance::instance()->setUploadFailureHook(nullptr);
}

void TestDialogs::volumeDialogSendsItsCommands()
{
    QTcpServer device;
    QVERIFY(device.listen(QHostAddress::LocalHost));
    MessageDistance *link = MessageDistance::instance();
    QSignalSpy connected(link, &MessageDistance::connectSuccessFulSig);
    link->connectToDevice(QStringLiteral("127.0.0.1"), device.serverPort());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(device.hasPendingConnections(), TestTimeouts::Short);
    QTcpSocket *peer = device.nextPendingConnection();
    QByteArray received;
    connect(peer, &QTcpSocket::readyRead, peer, [&] { received += peer->readAll(); });

    DeviceState::instance()->setVolume(3, 40);
    DeviceState::instance()->setAudioMuted(3, 0);
    VolumnSettingDialog dialog(3);
    // The mute images come from the resources linked in with the dialogs.
    QVERIFY(!QIcon(QStringLiteral(":/Images/vol_unmute.png")).pixmap(16, 16).isNull());
    QCOMPARE(dialog.slider()->value(), 40);
    QCOMPARE(dialog.findChild<QLabel *>("volumnLabel")->text(), QStringLiteral("40"));
    QVERIFY(!dialog.isMuted());
    QTest::qWait(0);
    QCOMPARE(received, QByteArray()); // opening sends nothing

    dialog.slider()->setValue(0);
    emit dialog.slider()->sliderReleased();
    auto *mute = dialog.findChild<QPushButton *>("btn_mute");
    mute->click();
    QVERIFY(dialog.isMuted());
    mute->click();
    QVERIFY(!dialog.isMuted());
    QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("{param=Volume3/0}{param=MuteOn3}{param=MuteOff3}"),
                              TestTimeouts::Short);
    dialog.findChild<QPushButton *>("btnApply")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    link->disconnectFromDevice();
}

void TestDialogs::svgCheckBoxFollowsItsState()
{
    SvgCheckBox box;
    box.resize(120, 24);
    QCOMPARE(box.currentImage(), QStringLiteral(":/Images/off2.svg"));
    QTest::mouseClick(&box, Qt::LeftButton);
    QVERIFY(box.isChecked());
    QCOMPARE(box.currentImage(), QStringLiteral(":/Images/on2.svg"));
    box.setImages(QStringLiteral(":/Images/on.svg"), QStringLiteral(":/Images/off.svg"));
    QCOMPARE(box.currentImage(), QStringLiteral(":/Images/on.svg"));
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(box.currentImage(), QStringLiteral(":/Images/off.svg"));
}

void TestDialogs::dialogsDragWithTheLeftButton()
{
    DialogConfirm dialog(nullptr, "t", "x");
    BaseWidget panel;
    panel.resize(200, 100);
    for (QWidget *w : {static_cast<QWidget *>(&dialog), static_cast<QWidget *>(&panel)}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->move(100, 100);
        const QPoint start = w->frameGeometry().topLeft();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), QPointF(w->mapToGlobal(QPoint(40, 30))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
        QCOMPARE(w->frameGeometry().topLeft() - start, QPoint(30, 20));
        // A move with no button held after the release does nothing.
        QMouseEvent stray(QEvent::MouseMove, QPointF(90, 90), QPointF(w->mapToGlobal(QPoint(90, 90))), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &stray);
        QCOMPARE(w->frameGeometry().topLeft() - start, QPoint(30, 20));
    }
}

// A click slides the thumb towards "on"; a second one mid-way turns it back, and only
// that second toggle arrives at the end.
void TestDialogs::switchSlidesAndReversesMidWay()
{
    SwitchControl control;
    control.resize(control.sizeHint());
    QSignalSpy toggled(&control, &SwitchControl::toggled);
    QSignalSpy after(&control, &SwitchControl::toggledAfter);
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).toBool(), true);
    const int off = control.endPosition(false);
    QTRY_VERIFY_WITH_TIMEOUT(control.thumbPosition() > off, TestTimeouts::Short);
    QVERIFY(control.thumbPosition() < control.endPosition(true));
    QTest::mouseClick(&control, Qt::LeftButton);
    QVERIFY(after.wait(TestTimeouts::Short));
    QCOMPARE(after.count(), 1);
    QCOMPARE(after.at(0).at(0).toBool(), false);
    QCOMPARE(control.thumbPosition(), off);
    QTest::mouseClick(&control, Qt::LeftButton);
    QVERIFY(after.wait(TestTimeouts::Short));
    QCOMPARE(after.last().at(0).toBool(), true);
    QCOMPARE(control.thumbPosition(), control.endPosition(true));
}

static void renderDialogs(const QString &dir, const QString &suffix)
{
    MsgDlg msg;
    msg.setMessage(QCoreApplication::translate("MessageDistance", "NetWork Error"),
                   QCoreApplication::translate("MessageDistance", "传输文件过程网络发生错误！请重新上传"));
    DialogConfirm confirm(nullptr, QStringLiteral("Warning"), QStringLiteral("No Permission!"));
    DialogConfirm3Btn three(nullptr, QStringLiteral("Save"), QStringLiteral("Save the changes to plan 3?"));
    RenameDialog rename(QStringLiteral("Input 3"));
    DeviceState::instance()->setVolume(2, 65);
    VolumnSettingDialog volume(2);
    const QList<QPair<QString, QWidget *>> shots{{"msgdlg", &msg}, {"confirm", &confirm}, {"confirm3", &three},
                                                 {"rename", &rename}, {"volume", &volume}};
    for (const auto &shot : shots) {
        shot.second->show();
        QVERIFY(QTest::qWaitForWindowExposed(shot.second));
        QVERIFY(shot.second->grab().save(dir + '/' + shot.first + suffix + ".png"));
    }
}

void TestDialogs::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the dialogs");
    Q_INIT_RESOURCE(translations);
    for (const char *language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/") + QLatin1String(language)));
        QCoreApplication::installTranslator(&translator);
        renderDialogs(dir, QStringLiteral("_") + QLatin1String(language));
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
