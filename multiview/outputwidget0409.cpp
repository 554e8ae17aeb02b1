#include "outputwidget0409.h"

#include "devicestate.h"
#include "dialogconfirm.h"
#include "dialogwindowproperty.h"
#include "messagedistance.h"
#include "msgdlg.h"
#include "wallgeometry.h"
#include "windowlayers.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

Q_LOGGING_CATEGORY(lcMultiview, "zel.multiview")

using namespace CanvasMath;

namespace {
constexpr int StatusWaitMs = 5000;
constexpr int QueueStepMs = 100;
constexpr int MinBandDistance = 49;
const char *const DragType = "application/x-qabstractitemmodeldatalist";
} // namespace

OutputWidget0409::OutputWidget0409(QWidget *parent)
    : QWidget(parent)
    , m_statusTimer(new QTimer(this))
    , m_queueTimer(new QTimer(this))
{
    setAcceptDrops(true);
    setMouseTracking(false);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(StatusWaitMs);
    connect(m_statusTimer, &QTimer::timeout, this, &OutputWidget0409::loadWindowsFromDevice);
    m_queueTimer->setInterval(QueueStepMs);
    connect(m_queueTimer, &QTimer::timeout, this, &OutputWidget0409::resizeQueueStep);
    setCommandSink(CommandSink());
}

OutputWidget0409::~OutputWidget0409() = default;

void OutputWidget0409::setCommandSink(CommandSink sink)
{
    if (!sink)
        sink = [](const QString &command) {
            MessageDistance::instance()->sendData(command);
        };
    m_sink = std::move(sink);
}

void OutputWidget0409::recalculate()
{
    const DeviceState *state = DeviceState::instance();
    m_wall = WallGeometry::realResolution(state->virMode(),
                                          state->outputResolutions(1),
                                          WallGeometry::rotationOf(state->rotation(), 1));
    for (InputSignalWidget0409 *item : qAsConst(m_windows))
        item->setRealResolution(m_wall);
    const QSize wall = m_wall;
    QTimer::singleShot(
        0, this, [this, wall] { emit si_orderToOptimiseSizeVis(wall.width(), wall.height()); });
    update();
}

void OutputWidget0409::setViewLayout(int layout)
{
    m_viewLayout = layout;
    const Grid g = grid();
    emit si_layoutChanged(g.rows, g.cols);
    update();
}

void OutputWidget0409::setJoinButton(int button)
{
    m_joinButton = qBound(0, button, 2);
    refreshLayout();
}

void OutputWidget0409::refreshLayout()
{
    setViewLayout(viewLayoutFor(DeviceState::instance()->virMode(), m_joinButton, m_viewLayout));
}

void OutputWidget0409::setInputNames(const QMap<int, QString> &names)
{
    m_inputNames = names;
    if (m_currentInput > 0)
        m_currentName = names.value(m_currentInput);
    for (InputSignalWidget0409 *item : qAsConst(m_windows)) {
        if (item->input() > 0)
            item->setInput(item->input(), names.value(item->input()));
    }
}

void OutputWidget0409::setCurrentInput(int input)
{
    m_currentInput = input;
    m_currentName = m_inputNames.value(input);
}

void OutputWidget0409::setAllLocked(bool locked)
{
    for (InputSignalWidget0409 *item : qAsConst(m_windows))
        item->setLocked(locked);
}

void OutputWidget0409::showError(const QString &text)
{
    MsgDlg dialog(this);
    dialog.setMessage(tr("Error"), text);
    Dialogs::run(m_runDialog, dialog);
}

bool OutputWidget0409::addWindow(const NewWindow &request)
{
    if (InputSignalWidget0409 *item = request.id ? m_windows.value(*request.id) : nullptr) {
        item->setRealResolution(m_wall);
        item->setInput(request.input, request.name);
        if (request.layer)
            item->setLayer(*request.layer);
        item->setGeometryF(request.rect);
        item->keepInside();
        item->recordDeviceRect();
        item->update();
        m_nextId = 1;
        return true;
    }
    if (m_windows.size() >= MaxWindows) {
        showError(tr("Not allowed to add more windows"));
        return false;
    }
    if (m_wall.isEmpty()) {
        qCWarning(lcMultiview) << "No window added: the wall has no size" << m_wall;
        emit refused(tr("No window opened: the wall has no size yet"));
        return false;
    }
    int id = 0;
    if (request.id) {
        id = *request.id;
    } else {
        id = WindowLayers::allocateId(m_windows.keys(), m_nextId);
        if (id < 0) {
            showError(tr("Unable to assign ID to input window"));
            return false;
        }
    }
    const int layer = request.layer.value_or(m_windows.size() + 1);
    auto *item = new InputSignalWidget0409(
        m_wall, this, request.input, request.name, grid(), id, layer, request.sendOpen, m_sink);
    m_windows.insert(id, item);
    if (!request.layer)
        applyLayers(WindowLayers::renumbered(layers()), -1);
    connectItem(item);
    item->setGeometryF(request.rect);
    item->keepInside();
    item->recordDeviceRect();
    restack(-1);
    item->show();
    return true;
}

void OutputWidget0409::connectItem(InputSignalWidget0409 *item)
{
    using Item = InputSignalWidget0409;
    connect(item, &Item::si_layerUp, this, &OutputWidget0409::layerUp);
    connect(item, &Item::si_layerDown, this, &OutputWidget0409::layerDown);
    connect(item, &Item::si_layerTop, this, &OutputWidget0409::layerTop);
    connect(item, &Item::si_layerBottom, this, &OutputWidget0409::layerBottom);
    connect(item, &Item::si_deleted, this, &OutputWidget0409::windowRemoved);
    connect(item, &Item::si_orderZoomSingleScreen, this, [this](int id) { zoomWindow(id, false); });
    connect(
        item, &Item::si_orderZoomOccupiedScreens, this, [this](int id) { zoomWindow(id, true); });
    connect(item, &Item::si_orderAllZoomSingleScreen, this, &OutputWidget0409::zoomAllSingleScreen);
    connect(item, &Item::si_showProperty, this, &OutputWidget0409::showProperty);
    connect(this, &OutputWidget0409::si_layoutChanged, item, &Item::setGrid);
}

QMap<int, int> OutputWidget0409::layers() const
{
    QMap<int, int> out;
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it)
        out.insert(it.key(), it.value()->layer());
    return out;
}

void OutputWidget0409::restack(int id)
{
    for (int each : WindowLayers::stackOrder(layers()))
        m_windows.value(each)->raise();
    if (InputSignalWidget0409 *item = m_windows.value(id))
        item->sendLayer();
}

void OutputWidget0409::applyLayers(const QMap<int, int> &layers, int id)
{
    for (auto it = layers.cbegin(); it != layers.cend(); ++it) {
        if (InputSignalWidget0409 *item = m_windows.value(it.key()))
            item->setLayer(it.value());
    }
    restack(id);
}

void OutputWidget0409::layerUp(int id)
{
    applyLayers(WindowLayers::layerUp(layers(), id), id);
}
void OutputWidget0409::layerDown(int id)
{
    applyLayers(WindowLayers::layerDown(layers(), id), id);
}
void OutputWidget0409::layerTop(int id)
{
    applyLayers(WindowLayers::layerToTop(layers(), id), id);
}
void OutputWidget0409::layerBottom(int id)
{
    applyLayers(WindowLayers::layerToBottom(layers(), id), id);
}

void OutputWidget0409::windowRemoved(int id)
{
    m_windows.remove(id);
    m_nextId = 1;
    applyLayers(WindowLayers::renumbered(layers()), -1);
}

bool OutputWidget0409::zoomWindow(int id, bool occupied)
{
    InputSignalWidget0409 *item = m_windows.value(id);
    if (!item)
        return false;
    const QRect from = item->lastSentRect();
    const auto to = occupied ? zoomOccupiedScreens(from, m_wall, grid())
                             : zoomSingleScreen(from, m_wall, grid());
    if (!to) {
        qCWarning(lcMultiview) << "Zoom refused: the wall" << m_wall << "has no cell size";
        emit refused(tr("Not zoomed: the wall has no size yet"));
        return false;
    }
    item->setDeviceRect(*to);
    item->sendResize();
    return true;
}

void OutputWidget0409::zoomAllSingleScreen()
{
    QList<int> ids;
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
        it.value()->setZoomed(true);
        if (zoomWindow(it.key(), false))
            ids << it.key();
    }
    if (ids.isEmpty())
        return;
    m_queue = ids;
    m_queueBusy = true;
    resizeQueueStep();
    if (m_queueBusy)
        m_queueTimer->start();
}

void OutputWidget0409::resizeQueueStep()
{
    if (m_queue.isEmpty()) {
        resetPending();
        return;
    }
    InputSignalWidget0409 *item = m_windows.value(m_queue.takeFirst());
    if (item && !item->isLocked())
        item->sendResize();
}

void OutputWidget0409::resetPending()
{
    m_queueTimer->stop();
    m_queueBusy = false;
    m_queue.clear();
}

void OutputWidget0409::resetReady()
{
    m_resolutionReady = m_windowsReady = m_rotationReady = false;
    m_loaded = false;
    m_nextId = 1;
}

void OutputWidget0409::reloadOnNextStatus()
{
    m_windowsReady = false;
    m_loaded = false;
}

void OutputWidget0409::startStatusTimer()
{
    m_statusTimer->start();
}

void OutputWidget0409::markResolutionReady()
{
    m_resolutionReady = true;
    checkReady();
}

void OutputWidget0409::markWindowsReady()
{
    m_windowsReady = true;
    checkReady();
}

void OutputWidget0409::markRotationReady()
{
    m_rotationReady = true;
    checkReady();
}

void OutputWidget0409::checkReady()
{
    // Loaded once per wait: a later answer must not bring back windows the user has
    // closed since, while the flags stay set for the Joint-page recall check.
    if (!m_loaded && m_resolutionReady && m_windowsReady && m_rotationReady)
        loadWindowsFromDevice();
}

void OutputWidget0409::loadWindowsFromDevice()
{
    m_statusTimer->stop();
    resetPending();
    if (!(m_resolutionReady && m_windowsReady)) {
        clearWindows();
        recalculate();
        showError(tr("Timeout for Reading The last Window status!"));
        return;
    }
    m_loaded = true;
    // The device's answer is the whole picture: no window of an earlier load stays.
    clearWindows();
    recalculate();
    const QMap<int, WindowGeometry> status = DeviceState::instance()->windowStatus();
    for (auto it = status.cbegin(); it != status.cend(); ++it) {
        const WindowGeometry &w = it.value();
        if (w.size() < 6)
            continue;
        qCDebug(lcMultiview) << "Window ID:" << it.key() << "Input X:" << w[0] << "Layer:" << w[1]
                             << "Position X:" << w[2] << "Position Y:" << w[3] << "Size X:" << w[4]
                             << "Size Y:" << w[5];
        NewWindow request;
        request.input = w[0];
        request.name = m_inputNames.value(w[0]);
        request.rect = deviceToWidget(QRect(w[2], w[3], w[4], w[5]), m_wall, size());
        request.layer = w[1];
        request.id = it.key();
        addWindow(request);
    }
}

void OutputWidget0409::closeAllWindows(bool withoutAsking)
{
    if (m_disabled)
        return;
    if (!withoutAsking) {
        if (!isEnabled())
            return;
        DialogConfirm dialog(this, tr("Close All Windows"), tr("Confirm to close all windows"));
        if (Dialogs::run(m_runDialog, dialog) != QDialog::Accepted)
            return;
    }
    m_sink(Commands::windowCloseAll());
    clearWindows();
}

bool OutputWidget0409::mayCloseAllWindows(const QString &title, const QString &question)
{
    if (m_windows.isEmpty())
        return true;
    DialogConfirm dialog(this, title, question);
    return Dialogs::run(m_runDialog, dialog) == QDialog::Accepted;
}

void OutputWidget0409::clearWindows()
{
    const auto items = m_windows;
    m_windows.clear();
    qDeleteAll(items);
    m_nextId = 1;
}

void OutputWidget0409::zoomBy(double factor)
{
    resize(roundHalfAway(width() * factor), roundHalfAway(height() * factor));
    emit si_resize(factor);
}

void OutputWidget0409::zoomIn()
{
    zoomBy(1.1);
}
void OutputWidget0409::zoomOut()
{
    zoomBy(0.9);
}

void OutputWidget0409::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    zoomBy(event->angleDelta().y() > 0 ? 1.1 : 0.9);
    event->accept();
}

void OutputWidget0409::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (InputSignalWidget0409 *item : qAsConst(m_windows))
        item->followCanvas();
}

bool OutputWidget0409::inputAllowed(int input) const
{
    return !m_inputAllowed || m_inputAllowed(input);
}

InputSignalWidget0409 *OutputWidget0409::topWindowAt(const QPoint &pos) const
{
    InputSignalWidget0409 *top = nullptr;
    for (InputSignalWidget0409 *item : qAsConst(m_windows)) {
        if (item->geometry().contains(pos) && (!top || item->layer() > top->layer()))
            top = item;
    }
    return top;
}

void OutputWidget0409::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_disabled &&
        (event->mimeData()->hasFormat(QLatin1String(DragType)) || event->mimeData()->hasText()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void OutputWidget0409::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_disabled)
        event->ignore();
    else
        event->acceptProposedAction();
}

void OutputWidget0409::dropEvent(QDropEvent *event)
{
    if (m_disabled) {
        event->ignore();
        return;
    }
    const QString text = event->mimeData()->text();
    const int input = text.isEmpty() ? 0 : text.right(1).toInt();
    if (input < 1) {
        qCWarning(lcMultiview) << "Drop refused: no input in" << text.left(20);
        return;
    }
    if (!inputAllowed(input)) {
        emit si_showPermissionWarningDialog();
        return;
    }
    event->acceptProposedAction();
    if (InputSignalWidget0409 *item = topWindowAt(event->pos())) {
        item->setInput(input, m_inputNames.value(input));
        item->sendOpen();
        return;
    }
    if (m_wall.isEmpty()) {
        qCWarning(lcMultiview) << "Drop refused: the wall" << m_wall << "has no cell size";
        emit refused(tr("No window opened: the wall has no size yet"));
        return;
    }
    const auto cell = dropCell(event->posF(), size(), grid());
    if (!cell) {
        qCWarning(lcMultiview) << "Drop refused: no cell under" << event->pos();
        return;
    }
    NewWindow request;
    request.input = input;
    request.name = m_inputNames.value(input);
    request.rect = *cell;
    request.sendOpen = true;
    addWindow(request);
}

void OutputWidget0409::mousePressEvent(QMouseEvent *event)
{
    if (m_disabled || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_banding = true;
    m_bandStart = m_bandEnd = event->pos();
    for (InputSignalWidget0409 *item : qAsConst(m_windows)) {
        if (item->isLocked())
            item->setPressedLook(true);
    }
}

void OutputWidget0409::mouseMoveEvent(QMouseEvent *event)
{
    if (m_disabled || !m_banding) {
        event->ignore();
        return;
    }
    m_bandEnd = event->pos();
    update();
}

void OutputWidget0409::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_disabled || !m_banding || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_banding = false;
    for (InputSignalWidget0409 *item : qAsConst(m_windows))
        item->setPressedLook(false);
    update();
    const QPoint d = event->pos() - m_bandStart;
    if (d.manhattanLength() <= MinBandDistance || d.x() < 0 || d.y() < 0)
        return;
    if (m_currentInput < 1 || m_currentName.isEmpty())
        return;
    if (!inputAllowed(m_currentInput)) {
        emit si_showPermissionWarningDialog();
        return;
    }
    NewWindow request;
    request.input = m_currentInput;
    request.name = m_currentName;
    request.rect = QRectF(m_bandStart, QSizeF(d.x() + 1, d.y() + 1));
    request.sendOpen = true;
    addWindow(request);
}

void OutputWidget0409::showProperty(int id)
{
    InputSignalWidget0409 *item = m_windows.value(id);
    if (!item)
        return;
    DialogWindowProperty dialog(item, m_inputNames, this);
    Dialogs::run(m_runDialog, dialog);
}

void OutputWidget0409::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(236, 239, 241));
    const Grid g = grid();
    p.setPen(QPen(QColor(150, 160, 168), 1, Qt::DashLine));
    for (int c = 1; c < g.cols; ++c) {
        const double x = double(width()) * c / g.cols;
        p.drawLine(QPointF(x, 0), QPointF(x, height()));
    }
    for (int r = 1; r < g.rows; ++r) {
        const double y = double(height()) * r / g.rows;
        p.drawLine(QPointF(0, y), QPointF(width(), y));
    }
    p.setPen(QPen(QColor(120, 130, 140), 1));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (m_banding)
        p.fillRect(QRect(m_bandStart, m_bandEnd).normalized(), QColor(0, 100, 200, 120));
}
