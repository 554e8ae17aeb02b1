#include "devicestate.h"
#include "listwidget.h"
#include "messagedistance.h"
#include "planpushbutton.h"
#include "renamedialog.h"
#include "singlesplitterwidget.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "windowkit.h"
#include "zelresources.h"

#include "rawclient.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

// One scripted session per model through the whole window against the simulator; every
// command the window's connection carried, and a few cells it finally shows, must match
// the recorded transcript byte for byte. ZEL_TRANSCRIPT_UPDATE=1 records it anew.
class tst_Transcript : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }
    void session_data();
    void session();

private:
    // Starts a step: its heading goes to the transcript before anything it sends.
    void step(const QString &what) { m_lines << "> " + what; }
    // Orders everything the step sent before the next one.
    bool settle()
    {
        return !m_kit.sentBeforeMarker().contains(QStringLiteral("(the marker never arrived)"));
    }
    TableWidget *grid(const char *name)
    {
        return m_kit.window()->findChild<TableWidget *>(QLatin1String(name));
    }
    bool usable(QWidget *w);
    void drop(const char *name, int port, const QString &text);
    void clickPlan(const QString &button, bool twice);
    void picture();

    WindowKit m_kit;
    QStringList m_lines;
};

void tst_Transcript::initTestCase()
{
    initZelResources();
    // A quick operator: the plan menu opens once a click is known not to be a double click.
    QApplication::setDoubleClickInterval(150);
}

void tst_Transcript::session_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("change"); // what the second client does
    for (const QString &model : SimDevice::models())
        QTest::newRow(qPrintable(model))
            << model << (model == QLatin1String("0409-S") ? "3AUDIO1" : "5VIDEO3");
}

// Turns to the page holding w, as the operator would, and says whether w can be used there.
bool tst_Transcript::usable(QWidget *w)
{
    auto *tabs = m_kit.child<QTabWidget>("tabWidget");
    for (int i = 0; w && i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(w) && tabs->isTabEnabled(i))
            tabs->setCurrentIndex(i);
    }
    return w && w->isEnabled() && w->isVisibleTo(m_kit.window());
}

void tst_Transcript::drop(const char *name, int port, const QString &text)
{
    step(QStringLiteral("drop %1 on %2 %3").arg(text, QLatin1String(name)).arg(port));
    TableWidget *table = grid(name);
    if (!usable(table) || !table->cellForPort(port))
        return step(QStringLiteral("(not shown)"));
    QVERIFY(WindowKit::dropOn(table, port, text));
}

// A single click opens the plan menu, where Save is chosen; a double click recalls.
void tst_Transcript::clickPlan(const QString &button, bool twice)
{
    auto *plan = m_kit.child<PlanPushButton>(qPrintable(button));
    QVERIFY(usable(plan));
    if (twice)
        return QTest::mouseDClick(plan, Qt::LeftButton);
    bool chosen = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *a : menu->actions()) {
            if (a->text() == QLatin1String("Save Plan 1") && a->isEnabled())
                a->trigger();
        }
        menu->close();
        chosen = true;
    });
    poll.start(5);
    QTest::mouseClick(plan, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return chosen; }, TestTimeouts::Medium));
}

// The cells the session touched, as the operator sees them.
void tst_Transcript::picture()
{
    const QVector<QPair<const char *, QList<int>>> cells{{"videoTableWidget", {3, 5, 6}},
                                                         {"AudioTable", {2}},
                                                         {"audioHDMITable", {102, 103}},
                                                         {"InfaredTable", {7}},
                                                         {"audioTable0808S", {102}}};
    for (const auto &c : cells) {
        TableWidget *table = grid(c.first);
        if (!usable(table))
            continue;
        for (int port : c.second) {
            if (TableItemWidget *cell = table ? table->cellForPort(port) : nullptr)
                m_lines << QStringLiteral("= %1 %2: %3 <- %4")
                               .arg(QLatin1String(c.first))
                               .arg(port)
                               .arg(cell->outputText(), cell->inputText());
        }
    }
    if (QListWidgetItem *input3 = m_kit.child<ListWidget>("listWidget")->item(10))
        m_lines << "= listWidget 10: " + input3->text();
}

void tst_Transcript::session()
{
    QFETCH(QString, model);
    m_lines = QStringList{"# " + model};
    QVERIFY(m_kit.startDevice(model));
    SimDevice *device = m_kit.device();
    int other = -1; // the second client; 0 is the front panel
    QObject scope;  // ends the recording with the case, whichever way it ends
    connect(device, &SimDevice::commandReceived, &scope, [&](int id, const QString &command) {
        if (id != 0 && id != other)
            m_lines << command;
    });
    connect(device, &SimDevice::clientConnected, &scope, [&](int id) {
        if (device->clientCount() > 1)
            other = id;
    });
    step(QStringLiteral("start-up"));
    QVERIFY(m_kit.openSettled(model));
    m_kit.onDialog = [](QDialog &dialog) {
        if (auto *rename = qobject_cast<RenameDialog *>(&dialog)) {
            rename->lineEdit()->setText(QStringLiteral("Lobby"));
            rename->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        }
    };
    QVERIFY(settle());

    const bool videoPage = m_kit.child<QTabWidget>("tabWidget")->isTabEnabled(0);
    drop("videoTableWidget", 5, QStringLiteral("103"));
    QVERIFY(settle());
    drop("AudioTable", 2, QStringLiteral("103"));
    QVERIFY(settle());
    step(QStringLiteral("HDMI audio independent"));
    auto *hdmiMode = m_kit.child<QComboBox>("HdmiAudioComboBox");
    if (usable(hdmiMode))
        hdmiMode->setCurrentIndex(1);
    else
        step(QStringLiteral("(not shown)"));
    QVERIFY(settle());
    drop("audioHDMITable", 102, QStringLiteral("3"));
    QVERIFY(settle());
    drop("audioTable0808S", 102, QStringLiteral("103"));
    QVERIFY(settle());
    drop("InfaredTable", 7, QStringLiteral("104"));
    QVERIFY(settle());

    if (model == QLatin1String("0809-M")) {
        step(QStringLiteral("splitter layout 1, area 2 takes input 3"));
        QVERIFY(usable(m_kit.child<QPushButton>("btn_splitter_1")));
        m_kit.child<QPushButton>("btn_splitter_1")->click();
        QVERIFY(settle());
        auto *view = m_kit.child<SingleSplitterWidget>("wid_ss");
        view->resize(800, 450);
        QMimeData data;
        data.setText(QStringLiteral("103"));
        QDropEvent event(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject *>(view)->event(&event); // dropEvent is protected
        QVERIFY(settle());
    }

    step(QStringLiteral("drop 103 on the multiview canvas"));
    auto *canvas = m_kit.child<QWidget>("widget_out_0409");
    if (usable(canvas)) {
        QMimeData data;
        data.setText(QStringLiteral("103"));
        QDropEvent event(
            canvas->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject *>(canvas)->event(&event); // dropEvent is protected
    } else {
        step(QStringLiteral("(not shown)"));
    }
    QVERIFY(settle());

    step(QStringLiteral("wall group 2"));
    auto *wall = m_kit.child<QPushButton>("btn_spliceMode2");
    if (videoPage && usable(wall))
        wall->click();
    else
        step(QStringLiteral("(not shown)"));
    QVERIFY(settle());

    step(QStringLiteral("double click clears video 5"));
    if (TableWidget *video = videoPage ? grid("videoTableWidget") : nullptr) {
        const QPoint at = video->visualItemRect(video->itemForPort(5)).center();
        usable(video);
        QTest::mouseClick(video->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(video->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    } else {
        step(QStringLiteral("(not shown)"));
    }
    QVERIFY(settle());

    step(QStringLiteral("rename input 3"));
    auto *list = m_kit.child<ListWidget>("listWidget");
    list->setCurrentRow(10);
    QTest::keyClick(list, Qt::Key_F2);
    QVERIFY(settle());

    // The plans sit on the video page, or on the joint page of a model without one.
    const QString plans = videoPage ? QStringLiteral("btn_plan%1") : QStringLiteral("btn_plan%1_2");
    step(QStringLiteral("save plan 1"));
    clickPlan(plans.arg(1), false);
    QVERIFY(settle());
    step(QStringLiteral("recall plan 3"));
    const bool bindings = videoPage && model != QLatin1String("0808-S");
    QSignalSpy status(MessageDistance::instance(), &MessageDistance::receiveVideoAudioIRMapSig);
    QSignalSpy bound(MessageDistance::instance(), &MessageDistance::receiveBindInfoSig);
    // The multiview device answers the status with its window status.
    QSignalSpy windows(MessageDistance::instance(), &MessageDistance::receiveWindowStatusSig);
    clickPlan(plans.arg(3), true);
    QVERIFY(settle());
    // A recall's queries leave on timers; their answers end it.
    if (device->receivedCommands().contains(QStringLiteral("{param=Recall2}")))
        QTRY_VERIFY_WITH_TIMEOUT((!status.isEmpty() || !windows.isEmpty()) &&
                                     (!bindings || !bound.isEmpty()),
                                 TestTimeouts::Medium);
    QVERIFY(settle());

    QFETCH(QString, change);
    step("another client sends " + change);
    RawClient raw;
    QVERIFY(raw.connectTo(device->controlPort()));
    QTRY_VERIFY_WITH_TIMEOUT(other > 0, TestTimeouts::Short);
    QSignalSpy notices(MessageDistance::instance(), &MessageDistance::receiveChangedByOthersSig);
    raw.command(change);
    QVERIFY(notices.wait(TestTimeouts::Medium));
    step(QStringLiteral("marker"));
    QVERIFY(settle());
    picture();

    const QByteArray text = m_lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    QFile golden(QStringLiteral(ZEL_TRANSCRIPT_GOLDEN "/%1.txt").arg(model));
    if (qEnvironmentVariableIntValue("ZEL_TRANSCRIPT_UPDATE") == 1) {
        QVERIFY(golden.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(golden.write(text), qint64(text.size()));
        return;
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = QString::fromUtf8(text).split(QLatin1Char('\n'));
    // Line by line, so a failure names the first line that differs.
    for (int i = 0; i < qMax(expected.size(), actual.size()); ++i) {
        const QString got = actual.value(i, QStringLiteral("(end)"));
        const QString want = expected.value(i, QStringLiteral("(end)"));
        if (got != want)
            QFAIL(qPrintable(
                QStringLiteral("line %1: \"%2\", recorded \"%3\"").arg(i + 1).arg(got, want)));
    }
}

QTEST_MAIN(tst_Transcript)
#include "tst_transcript.moc"
