// Multiview canvas figure: one window dragged across a canvas that holds four, timed
// from each mouse-move event until the window's geometry is set.
#include "benchregistry.h"

#include "devicestate.h"
#include "outputwidget0409.h"
#include "zelresources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int runCanvasBench(const QStringList &)
{
    initZelResources();
    DeviceState::instance()->setVirMode(0);
    DeviceState::instance()->setOutputResolutions(1, QStringLiteral("1920x1080x60Hz"));
    OutputWidget0409 canvas;
    canvas.setCommandSink([](const QString &) {});
    canvas.resize(1200, 675);
    canvas.setJoinButton(2);
    canvas.recalculate();
    canvas.show();
    QApplication::processEvents();
    const QRectF cells[] = {
        {0, 0, 400, 225}, {400, 0, 400, 225}, {0, 225, 400, 225}, {400, 225, 400, 225}};
    for (int i = 0; i < 4; ++i) {
        OutputWidget0409::NewWindow w;
        w.input = i + 1;
        w.name = QStringLiteral("Input %1").arg(i + 1);
        w.rect = cells[i];
        canvas.addWindow(w);
    }
    InputSignalWidget0409 *item = canvas.window(1);
    QApplication::processEvents();

    auto send = [&](QEvent::Type type, const QPointF &canvasPos, Qt::MouseButtons buttons) {
        const QPointF local = canvasPos - QPointF(item->pos());
        QMouseEvent event(type,
                          local,
                          item->mapToGlobal(local.toPoint()),
                          Qt::LeftButton,
                          buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(item, &event);
    };
    constexpr int Moves = 1000;
    send(QEvent::MouseButtonPress, QPointF(200, 100), Qt::LeftButton);
    std::vector<double> us;
    us.reserve(Moves);
    QElapsedTimer clock;
    for (int i = 1; i <= Moves; ++i) {
        // Back and forth across the canvas, so snapping and clamping both take part.
        const double t = double(i) / Moves;
        const QPointF at(200 + 700 * std::sin(t * 6.283), 100 + 400 * t);
        clock.start();
        send(QEvent::MouseMove, at, Qt::LeftButton);
        us.push_back(clock.nsecsElapsed() / 1e3);
        QApplication::processEvents();
    }
    send(QEvent::MouseButtonRelease, QPointF(200, 500), Qt::NoButton);
    std::sort(us.begin(), us.end());
    printFigure(QStringLiteral("canvas_move_us_median"), us[us.size() / 2], QStringLiteral("us"));
    printFigure(
        QStringLiteral("canvas_move_us_p99"), us[us.size() * 99 / 100], QStringLiteral("us"));
    return 0;
}

const BenchRegistration
    reg("canvas", "multiview canvas: a window dragged across four", &runCanvasBench);

} // namespace
