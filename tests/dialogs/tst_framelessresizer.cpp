#include "basewidgets.h"
#include "framelessresizer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

// A frameless window resized with the mouse, where children cover its edges and no
// window manager helps.
class tst_FramelessResizer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_window; }
    void drags_data();
    void drags();
    void doubleClickOnTitleMaximisesAndRestores();

private:
    void send(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons);

    BaseWidget *m_window = nullptr;
    QWidget *m_title = nullptr;
    QWidget *m_body = nullptr;
};

void tst_FramelessResizer::init()
{
    m_window = new BaseWidget;
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    m_title = new QWidget;
    m_title->setFixedHeight(40);
    m_body = new QWidget;
    layout->addWidget(m_title);
    layout->addWidget(m_body);
    m_window->setMinimumSize(400, 300);
    m_window->setGeometry(100, 100, 800, 600);
    auto *resizer = new FramelessResizer(m_window);
    resizer->setTitleBar(m_title);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

// A mouse event at a screen position, as the pointer gives it to the widget under it.
void tst_FramelessResizer::send(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void tst_FramelessResizer::drags_data()
{
    QTest::addColumn<QPoint>("press"); // window coordinates; the body child covers the edges
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("geometry");
    QTest::addRow("right edge") << QPoint(797, 300) << QPoint(50, 20) << QRect(100, 100, 850, 600);
    QTest::addRow("bottom-right corner resizes, does not move")
        << QPoint(798, 598) << QPoint(40, 30) << QRect(100, 100, 840, 630);
    QTest::addRow("left edge keeps the right edge") << QPoint(2, 300) << QPoint(-30, 0) << QRect(70, 100, 830, 600);
    QTest::addRow("top-left stops at the minimum size")
        << QPoint(1, 1) << QPoint(600, 500) << QRect(500, 400, 400, 300);
    QTest::addRow("inside: a move, not a resize") << QPoint(400, 300) << QPoint(30, 40) << QRect(130, 140, 800, 600);
}

void tst_FramelessResizer::drags()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    const QPoint start = m_window->mapToGlobal(press);
    send(m_body, QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(m_body, QEvent::MouseMove, start + delta / 2, Qt::LeftButton);
    send(m_body, QEvent::MouseMove, start + delta, Qt::LeftButton);
    send(m_body, QEvent::MouseButtonRelease, start + delta, Qt::NoButton);
    QTEST(m_window->geometry(), "geometry");
}

void tst_FramelessResizer::doubleClickOnTitleMaximisesAndRestores()
{
    send(m_title, QEvent::MouseButtonDblClick, m_window->mapToGlobal(QPoint(300, 20)), Qt::LeftButton);
    QCOMPARE(m_window->geometry(), m_window->screen()->availableGeometry());
    send(m_title, QEvent::MouseButtonDblClick, m_window->mapToGlobal(QPoint(300, 20)), Qt::LeftButton);
    QCOMPARE(m_window->geometry(), QRect(100, 100, 800, 600));
}

QTEST_MAIN(tst_FramelessResizer)
#include "tst_framelessresizer.moc"
