#include "basewidgets.h"
#include "devicestate.h"
#include "dialogconfirm.h"
#include "framelessresizer.h"
#include "layouticons.h"
#include "messagedistance.h"
#include "msgdlg.h"
#include "outputdialogs.h"
#include "renamedialog.h"
#include "testtimeouts.h"
#include "volumnsettingdialog.h"
#include "wirepeer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

// A frameless window at (100, 100) resized with the mouse: a title bar over a body that
// covers its edges, and no window manager to help.
struct ResizableWindow
{
    ResizableWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        title->setFixedHeight(40);
        layout->addWidget(title);
        layout->addWidget(body);
        window.setMinimumSize(400, 300);
        window.setGeometry(100, 100, 800, 600);
        (new FramelessResizer(&window))->setTitleBar(title);
        window.show();
    }

    // A left-button event at a screen position, as the pointer gives it to the widget under it.
    static void
    send(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(
            type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    BaseWidget window;
    QWidget *title = new QWidget;
    QWidget *body = new QWidget;
};

// Stands in for the main window, which forwards the device's texts to the dialogs.
class Forwarder : public QObject
{
    Q_OBJECT
signals:
    void si_ForwardAnalysis(QString text);
};

// The shared dialogs; the ones that send commands talk to a listening peer that records
// what goes on the wire.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    // First, while the link is not connected.
    void uploadFailureShowsTheMessage();
    void confirmResults_data();
    void confirmResults();
    void layoutIconsShowWhenChecked();
    void confirmTextShowsWhole_data();
    void confirmTextShowsWhole();
    void renameEmitsOnlyARealChange_data();
    void renameEmitsOnlyARealChange();
    void volumeDialogSendsItsCommands();
    void outputDialogs_data();
    void outputDialogs();
    void dialogsDragWithTheLeftButton();
    void framelessDrags_data();
    void framelessDrags();
    void doubleClickOnTitleMaximisesAndRestores();
    void screenshots();
    void cleanupTestCase() { MessageDistance::instance()->disconnectFromDevice(); }

private:
    void connectPeer();
    // What reached the wire, up to a marker sent last, so "nothing" is seen too.
    QByteArray wire();
    int openOutputDialog(const QString &kind, const DialogRunner &runner);

    WirePeer m_peer;
    Forwarder m_forwarder;
};

void TestDialogs::connectPeer()
{
    if (m_peer.hasPeer())
        return;
    QVERIFY(m_peer.listen());
    MessageDistance *link = MessageDistance::instance();
    QSignalSpy connected(link, &MessageDistance::connectSuccessFulSig);
    link->connectToDevice(QStringLiteral("127.0.0.1"), m_peer.port());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(m_peer.hasPeer(), TestTimeouts::Short);
}

QByteArray TestDialogs::wire()
{
    MessageDistance::instance()->sendVersion();
    return m_peer.takeBefore("{param=version}", TestTimeouts::Short);
}

int TestDialogs::openOutputDialog(const QString &kind, const DialogRunner &runner)
{
    if (kind == QLatin1String("scaling"))
        return OutputDialogs::openScalingMode(
            nullptr, 4, &m_forwarder, &Forwarder::si_ForwardAnalysis, runner);
    if (kind == QLatin1String("nosignal"))
        return OutputDialogs::openNoSignal(
            nullptr, 4, &m_forwarder, &Forwarder::si_ForwardAnalysis, runner);
    return OutputDialogs::openGraphicsTest(nullptr, 4, kind == QLatin1String("input"), runner);
}

void TestDialogs::confirmResults_data()
{
    QTest::addColumn<bool>("three");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addRow("ok") << false << "btn_ok" << 1;
    QTest::addRow("close") << false << "btn_close" << 0;
    QTest::addRow("yes") << true << "btn_yes" << 0;
    QTest::addRow("no") << true << "btn_no" << 1;
    QTest::addRow("3 close answers like cancel") << true << "btn_close" << 2;
}

void TestDialogs::confirmResults()
{
    QFETCH(bool, three);
    QFETCH(QString, button);
    QFETCH(int, result);
    QScopedPointer<QDialog> dialog(
        three ? static_cast<QDialog *>(new DialogConfirm3Btn(nullptr, "t", "x"))
              : new DialogConfirm(nullptr, "t", "x"));
    dialog->setResult(-1);
    dialog->open();
    auto *b = dialog->findChild<QPushButton *>(button);
    QVERIFY(b);
    b->click();
    QCOMPARE(dialog->result(), result);
    QVERIFY(!dialog->isVisible());
}

// The checked layout button is filled with the icons' own green: its icon turns white.
void TestDialogs::layoutIconsShowWhenChecked()
{
    const QIcon shipped = LayoutIcons::checkable(QStringLiteral(":/Images/4_units.png"));
    // A picture in picture over a full area: the small one is drawn on top.
    const QIcon drawn =
        LayoutIcons::areas({QRectF(0, 0, 1, 1), QRectF(0.5, 0.5, 0.5, 0.5)}, QSize(40, 24));
    for (const QIcon &icon : {shipped, drawn}) {
        const QImage off = icon.pixmap(QSize(40, 40), QIcon::Normal, QIcon::Off).toImage();
        const QImage on = icon.pixmap(QSize(40, 40), QIcon::Normal, QIcon::On).toImage();
        QVERIFY(off != on);
        int white = 0;
        for (int y = 0; y < on.height(); ++y) {
            for (int x = 0; x < on.width(); ++x)
                white += qAlpha(on.pixel(x, y)) > 200 && on.pixelColor(x, y).lightness() > 240;
        }
        QVERIFY2(white > 20, qPrintable(QString::number(white)));
    }
    const QImage picture = drawn.pixmap(QSize(40, 24), QIcon::Normal, QIcon::Off).toImage();
    QCOMPARE(picture.pixelColor(30, 18), picture.pixelColor(10, 6));  // both areas filled alike
    QVERIFY(picture.pixelColor(20, 12) != picture.pixelColor(10, 6)); // the small one's outline
}

void TestDialogs::confirmTextShowsWhole_data()
{
    QTest::addColumn<bool>("three");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grows");
    const QString network = QStringLiteral(
        "Send these network settings to the device?\nIP: 192.168.1.188 → 192.168.10.200\n"
        "Gateway: 192.168.1.1 → 192.168.10.1\nSubnet mask: 255.255.255.0 (unchanged)\n"
        "MAC: 00:11:22:33:44:55 (unchanged)\nThe device may become reachable only at the new "
        "address.");
    QTest::addRow("short") << false << "Close all windows?" << false;
    QTest::addRow("network settings") << false << network << true;
    QTest::addRow("network settings, three buttons") << true << network << true;
}

// A long confirmation grows its dialog instead of being cut; the buttons stay under it.
void TestDialogs::confirmTextShowsWhole()
{
    QFETCH(bool, three);
    QFETCH(QString, text);
    QFETCH(bool, grows);
    QScopedPointer<QDialog> dialog(
        three ? static_cast<QDialog *>(new DialogConfirm3Btn(nullptr, "t", text))
              : new DialogConfirm(nullptr, "t", text));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    auto *label = dialog->findChild<QLabel *>(QStringLiteral("lb_content"));
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    for (const QString &line : text.split('\n'))
        QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(), qPrintable(line));
    auto *frame = label->parentWidget();
    QVERIFY(frame->rect().contains(label->geometry()));
    for (QPushButton *b :
         frame->findChildren<QPushButton *>(QRegularExpression("^btn_(ok|yes|no|cancel)$"))) {
        QVERIFY(b->geometry().top() >= label->geometry().bottom());
        QVERIFY(frame->rect().contains(b->geometry()));
    }
    QCOMPARE(frame->width() > 340, grows);
}

void TestDialogs::renameEmitsOnlyARealChange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("emitted");
    QTest::addRow("new name") << "Lobby" << QStringList{"Lobby"};
    QTest::addRow("same name") << "Input 3" << QStringList();
    QTest::addRow("empty") << "" << QStringList();
}

void TestDialogs::renameEmitsOnlyARealChange()
{
    QFETCH(QString, typed);
    RenameDialog dialog(QStringLiteral("Input 3"));
    QSignalSpy spy(&dialog, &RenameDialog::Sig_SetNewName);
    dialog.open();
    dialog.lineEdit()->setText(typed);
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QStringList emitted;
    for (const auto &args : qAsConst(spy))
        emitted << args.at(0).toString();
    QTEST(emitted, "emitted");
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
    MessageDistance::instance()->uploadData(QStringLiteral("{param=Update_EDID1}"),
                                            QByteArray(10, 'x'),
                                            QStringLiteral("{param=Done}"));
    QCOMPARE(shown, QStringLiteral("NetWork Error|传输文件端口连接发生错误！"));
    QCOMPARE(MessageDistance::instance()->uploadQueueSize(), 0);
    MessageDistance::instance()->setUploadFailureHook(nullptr);
}

void TestDialogs::volumeDialogSendsItsCommands()
{
    connectPeer();
    DeviceState::instance()->setVolume(3, 40);
    DeviceState::instance()->setAudioMuted(3, 0);
    VolumnSettingDialog dialog(3);
    // The mute images come from the resources linked in with the dialogs.
    QVERIFY(!QIcon(QStringLiteral(":/Images/vol_unmute.png")).pixmap(16, 16).isNull());
    QCOMPARE(dialog.findChild<QLabel *>("volumnLabel")->text(), QStringLiteral("40"));
    dialog.slider()->setValue(0);
    emit dialog.slider()->sliderReleased();
    auto *mute = dialog.findChild<QPushButton *>("btn_mute");
    mute->click();
    QVERIFY(dialog.isMuted());
    mute->click();
    dialog.findChild<QPushButton *>("btnApply")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(wire(),
             QByteArray("{param=Get_Volume}{param=Volume3/0}{param=MuteOn3}{param=MuteOff3}"));
}

void TestDialogs::outputDialogs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("storedScaling");
    QTest::addColumn<QString>("forwarded");
    QTest::addColumn<QStringList>("clicks"); // "picker cancels": the colour dialog is cancelled
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("checked"); // the checked button afterwards, "" for none
    QTest::addColumn<QString>("colour");  // the colour button's colour, "" while hidden
    QTest::addColumn<int>("result");

    const QByteArray getScaler("{param=Get_Scaler4}");
    const QByteArray getNoinput("{param=Get_Noinput4}");
    QTest::addRow("scaling: stored mode checked, OK sends it")
        << "scaling" << 2 << "" << QStringList{"pushButton_2"}
        << getScaler + "{param=Scaler_Mode4/2}"
        << "radioButton_black"
        << "" << 1;
    QTest::addRow("scaling: the first mode (0) sent on OK")
        << "scaling" << 2 << "" << QStringList{"radioButton_full", "pushButton_2"}
        << getScaler + "{param=Scaler_Mode4/0}"
        << "radioButton_full"
        << "" << 1;
    QTest::addRow("scaling: choice sent on OK")
        << "scaling" << 0 << "" << QStringList{"radioButton_tailor", "pushButton_2"}
        << getScaler + "{param=Scaler_Mode4/3}"
        << "radioButton_tailor"
        << "" << 1;
    QTest::addRow("scaling: cancel sends nothing")
        << "scaling" << 0 << "" << QStringList{"radioButton_black", "pushButton"} << getScaler
        << "radioButton_black"
        << "" << 0;
    QTest::addRow("scaling: own channel applied")
        << "scaling" << 0 << "{\"Chn\":4,\"Scaler_Mode\":3}" << QStringList{"btnClose"} << getScaler
        << "radioButton_tailor"
        << "" << 0;
    QTest::addRow("scaling: its record after a no-signal record")
        << "scaling" << 0 << "{\"Chn\":4,\"Mode\":3,\"Color\":1,2,3}{\"Chn\":4,\"Scaler_Mode\":2}"
        << QStringList{} << getScaler << "radioButton_black"
        << "" << 0;

    QTest::addRow("no-signal: checked button clicked again sends again")
        << "nosignal" << 0 << ""
        << QStringList{"radioButton_WhiteGrid", "radioButton_WhiteGrid", "pushButton_2"}
        << getNoinput + "{param=No_Signal4/8/0/0/0}{param=No_Signal4/8/0/0/0}"
        << "radioButton_WhiteGrid"
        << "" << 1;
    QTest::addRow("no-signal: picked colour sent and painted")
        << "nosignal" << 0 << "" << QStringList{"radioButton_SolidColor", "toolButton_ColorPalette"}
        << getNoinput + "{param=No_Signal4/0/0/0/0}{param=No_Signal4/0/10/20/30}"
        << "radioButton_SolidColor"
        << "rgb(10, 20, 30)" << 0;
    QTest::addRow("no-signal: cancelled picker sends nothing, keeps the colour")
        << "nosignal" << 0 << "{\"Chn\":4,\"Mode\":0,\"Color\":255,128,0}"
        << QStringList{"picker cancels", "toolButton_ColorPalette"} << getNoinput
        << "radioButton_SolidColor"
        << "rgb(255, 128, 0)" << 0;
    QTest::addRow("no-signal: reported colour painted")
        << "nosignal" << 0 << "{\"Chn\":4,\"Mode\":0,\"Color\":255,128,0}" << QStringList{}
        << getNoinput << "radioButton_SolidColor"
        << "rgb(255, 128, 0)" << 0;
    QTest::addRow("no-signal: colour of two parts reads black")
        << "nosignal" << 0 << "{\"Chn\":4,\"Mode\":0,\"Color\":255,128}" << QStringList{}
        << getNoinput << "radioButton_SolidColor"
        << "rgb(0, 0, 0)" << 0;
    QTest::addRow("no-signal: another output's record ignored")
        << "nosignal" << 0 << "{\"Chn\":7,\"Mode\":0,\"Color\":255,0,0}"
        << QStringList{"radioButton_RGB_bars"} << getNoinput + "{param=No_Signal4/1/0/0/0}"
        << "radioButton_RGB_bars"
        << "" << 0;

    QTest::addRow("output pattern: by pass is 0, solid colour 11")
        << "output" << 0 << ""
        << QStringList{"radioButton_Through", "radioButton_SolidColor", "btnApply"}
        << QByteArray("{param=Out_Pattern4/0}{param=Out_Pattern4/11}") << "radioButton_SolidColor"
        << "" << 1;
}

void TestDialogs::outputDialogs()
{
    QFETCH(QString, kind);
    QFETCH(int, storedScaling);
    QFETCH(QString, forwarded);
    QFETCH(QStringList, clicks);
    DeviceState::instance()->setScalingMode(4, storedScaling);
    QString checked = QStringLiteral("-");
    QString colour = QStringLiteral("-");
    connectPeer();
    QColor picked(10, 20, 30);
    const int result = openOutputDialog(kind, [&](QDialog &dialog) {
        if (auto *noSignal = qobject_cast<CDlgnosignaloutput *>(&dialog))
            noSignal->setColorPicker([&picked](const QColor &, QWidget *) { return picked; });
        dialog.show();
        if (!forwarded.isEmpty())
            emit m_forwarder.si_ForwardAnalysis(forwarded);
        for (const QString &name : clicks) {
            if (name == QLatin1String("picker cancels")) {
                picked = QColor();
                continue;
            }
            auto *button = dialog.findChild<QAbstractButton *>(name);
            if (!button)
                return -1;
            button->click();
        }
        checked.clear();
        for (QAbstractButton *b :
             dialog.findChildren<QAbstractButton *>(QRegularExpression("^radioButton")))
            if (b->isChecked())
                checked = b->objectName();
        auto *palette = dialog.findChild<QToolButton *>(QStringLiteral("toolButton_ColorPalette"));
        colour = palette && palette->isVisibleTo(&dialog)
                     ? palette->styleSheet()
                           .section(QLatin1String("background-color: "), 1)
                           .section(';', 0, 0)
                     : QString();
        return dialog.isVisible() ? 0 : dialog.result();
    });
    // The wire first, so a failed row leaves nothing for the next.
    QTEST(wire(), "sent");
    QTEST(result, "result");
    QTEST(checked, "checked");
    QTEST(colour, "colour");
}

void TestDialogs::dialogsDragWithTheLeftButton()
{
    DialogConfirm dialog(nullptr, "t", "x");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(100, 100);
    const QPoint start = dialog.frameGeometry().topLeft();
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ResizableWindow::send(
        &dialog, QEvent::MouseMove, dialog.mapToGlobal(QPoint(40, 30)), Qt::LeftButton);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    // A move with no button held after the release does nothing.
    ResizableWindow::send(
        &dialog, QEvent::MouseMove, dialog.mapToGlobal(QPoint(90, 90)), Qt::NoButton);
    QCOMPARE(dialog.frameGeometry().topLeft() - start, QPoint(30, 20));
}

void TestDialogs::framelessDrags_data()
{
    QTest::addColumn<QPoint>("press"); // window coordinates; the body child covers the edges
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("geometry");
    QTest::addRow("right edge") << QPoint(797, 300) << QPoint(50, 20) << QRect(100, 100, 850, 600);
    QTest::addRow("bottom-right corner resizes, does not move")
        << QPoint(798, 598) << QPoint(40, 30) << QRect(100, 100, 840, 630);
    QTest::addRow("left edge keeps the right edge")
        << QPoint(2, 300) << QPoint(-30, 0) << QRect(70, 100, 830, 600);
    QTest::addRow("top-left stops at the minimum size")
        << QPoint(1, 1) << QPoint(600, 500) << QRect(500, 400, 400, 300);
    QTest::addRow("inside: a move, not a resize")
        << QPoint(400, 300) << QPoint(30, 40) << QRect(130, 140, 800, 600);
}

void TestDialogs::framelessDrags()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    ResizableWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.mapToGlobal(press);
    w.send(w.body, QEvent::MouseButtonPress, start, Qt::LeftButton);
    w.send(w.body, QEvent::MouseMove, start + delta / 2, Qt::LeftButton);
    w.send(w.body, QEvent::MouseMove, start + delta, Qt::LeftButton);
    w.send(w.body, QEvent::MouseButtonRelease, start + delta, Qt::NoButton);
    QTEST(w.window.geometry(), "geometry");
}

void TestDialogs::doubleClickOnTitleMaximisesAndRestores()
{
    ResizableWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.send(w.title,
           QEvent::MouseButtonDblClick,
           w.window.mapToGlobal(QPoint(300, 20)),
           Qt::LeftButton);
    QCOMPARE(w.window.geometry(), w.window.screen()->availableGeometry());
    w.send(w.title,
           QEvent::MouseButtonDblClick,
           w.window.mapToGlobal(QPoint(300, 20)),
           Qt::LeftButton);
    QCOMPARE(w.window.geometry(), QRect(100, 100, 800, 600));
}

void TestDialogs::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the dialogs");
    Q_INIT_RESOURCE(translations);
    DeviceState::instance()->setVolume(2, 65);
    for (const QString language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/") + language));
        QCoreApplication::installTranslator(&translator);
        MsgDlg msg;
        msg.setMessage(
            QCoreApplication::translate("MessageDistance", "NetWork Error"),
            QCoreApplication::translate("MessageDistance", "传输文件过程网络发生错误！请重新上传"));
        DialogConfirm confirm(nullptr, QStringLiteral("Warning"), QStringLiteral("No Permission!"));
        DialogConfirm3Btn three(
            nullptr, QStringLiteral("Save"), QStringLiteral("Save the changes to plan 3?"));
        RenameDialog rename(QStringLiteral("Input 3"));
        VolumnSettingDialog volume(2);
        const QList<QPair<QString, QWidget *>> shots{{"msgdlg", &msg},
                                                     {"confirm", &confirm},
                                                     {"confirm3", &three},
                                                     {"rename", &rename},
                                                     {"volume", &volume}};
        for (const auto &shot : shots) {
            shot.second->show();
            QVERIFY(QTest::qWaitForWindowExposed(shot.second));
            QVERIFY(shot.second->grab().save(dir + '/' + shot.first + '_' + language + ".png"));
        }
        for (const QString kind : {"scaling", "nosignal", "output", "input"}) {
            openOutputDialog(kind, [&](QDialog &dialog) {
                emit m_forwarder.si_ForwardAnalysis("{\"Chn\":4,\"Mode\":0,\"Color\":51,140,86}");
                dialog.show();
                return QTest::qWaitForWindowExposed(&dialog) &&
                       dialog.grab().save(QStringLiteral("%1/%2_%3.png").arg(dir, kind, language));
            });
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
