#include "inputsignalwidget0409.h"

#include "commands.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

using namespace CanvasMath;

namespace {
constexpr int TopLayer = MaxWindows;
constexpr int BottomLayer = 1;

Qt::CursorShape cursorFor(int edges)
{
    const bool h = edges & (Left | Right);
    const bool v = edges & (Top | Bottom);
    if (h && v)
        return ((edges & Left) && (edges & Top)) || ((edges & Right) && (edges & Bottom))
                   ? Qt::SizeFDiagCursor
                   : Qt::SizeBDiagCursor;
    if (h)
        return Qt::SizeHorCursor;
    if (v)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}
} // namespace

InputSignalWidget0409::InputSignalWidget0409(const QSize &wall,
                                             QWidget *canvas,
                                             int input,
                                             const QString &name,
                                             Grid grid,
                                             int id,
                                             int layer,
                                             bool sendOpen,
                                             CommandSink sink)
    : QWidget(canvas)
    , m_id(id)
    , m_layer(layer)
    , m_input(input)
    , m_name(name)
    , m_wall(wall)
    , m_grid(grid)
    , m_sendOpenOnShow(sendOpen)
    , m_sink(std::move(sink))
{
    setObjectName(QStringLiteral("window%1").arg(id));
    setMouseTracking(true);
    setAttribute(Qt::WA_StyledBackground, false);

    m_title = new QLabel(this);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->setStyleSheet(QStringLiteral("color:#1f5f3a;font-weight:bold;"));
    m_btnOccupied = titleButton(QStringLiteral(":/Images/window/stick.png"));
    m_btnFull = titleButton(QStringLiteral(":/Images/window/fullscreen.png"));
    m_btnFull->setObjectName(QStringLiteral("btn_full"));
    m_btnRestore = titleButton(QStringLiteral(":/Images/window/restore.png"));
    m_btnRestore->setObjectName(QStringLiteral("btn_restore"));
    m_btnClose = titleButton(QString());
    m_btnClose->setObjectName(QStringLiteral("btn_close"));
    m_btnClose->setText(QStringLiteral("\u2715"));
    connect(
        m_btnOccupied, &QToolButton::clicked, this, [this] { runAction(Action::ZoomOccupied); });
    connect(m_btnFull, &QToolButton::clicked, this, [this] { runAction(Action::ZoomMaximum); });
    connect(m_btnRestore, &QToolButton::clicked, this, &InputSignalWidget0409::restore);
    connect(m_btnClose, &QToolButton::clicked, this, [this] { runAction(Action::Close); });

    m_info = new QLabel(this);
    m_info->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_info->setStyleSheet(QStringLiteral("color:#2c3e50;"));

    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(0, 0, 0, 0);
    titleRow->setSpacing(2);
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_btnOccupied);
    titleRow->addWidget(m_btnFull);
    titleRow->addWidget(m_btnRestore);
    titleRow->addWidget(m_btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addLayout(titleRow);
    layout->addWidget(m_info, 1);
    retranslate();
}

QToolButton *InputSignalWidget0409::titleButton(const QString &icon)
{
    auto *button = new QToolButton(this);
    if (!icon.isEmpty())
        button->setIcon(QIcon(icon));
    button->setAutoRaise(true);
    button->setFixedSize(18, 18);
    button->setIconSize(QSize(14, 14));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void InputSignalWidget0409::retranslate()
{
    m_title->setText(tr("ID: ") + QString::number(m_id));
    m_btnOccupied->setToolTip(tr("Zoom to the Occupied Screens"));
    m_btnFull->setToolTip(tr("Zoom to Maximum"));
    m_btnRestore->setToolTip(tr("Restore"));
    m_btnClose->setToolTip(tr("Close"));
    updateInfo();
}

void InputSignalWidget0409::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void InputSignalWidget0409::setInput(int input, const QString &name)
{
    m_input = input;
    m_name = name;
    updateInfo();
}

void InputSignalWidget0409::setLayer(int layer)
{
    m_layer = layer;
    updateInfo();
}

void InputSignalWidget0409::setGrid(int rows, int cols)
{
    m_grid = Grid{rows, cols};
}

QSizeF InputSignalWidget0409::canvasSize() const
{
    return parentWidget() ? QSizeF(parentWidget()->size()) : QSizeF(size());
}

void InputSignalWidget0409::applyRect(const QRectF &rect)
{
    m_rect = rect;
    setGeometry(roundHalfAway(rect.x()),
                roundHalfAway(rect.y()),
                roundHalfAway(rect.width()),
                roundHalfAway(rect.height()));
    updateFractions();
    updateInfo();
}

void InputSignalWidget0409::setGeometryF(const QRectF &rect)
{
    applyRect(rect);
}

void InputSignalWidget0409::keepInside()
{
    const QRectF inside = keptInside(m_rect, canvasSize());
    if (inside != m_rect)
        applyRect(inside);
    else
        updateFractions();
}

void InputSignalWidget0409::updateFractions()
{
    const QSizeF canvas = canvasSize();
    if (canvas.width() <= 0 || canvas.height() <= 0)
        return;
    m_fractions = QRectF(m_rect.x() / canvas.width(),
                         m_rect.y() / canvas.height(),
                         m_rect.width() / canvas.width(),
                         m_rect.height() / canvas.height());
}

QRect InputSignalWidget0409::deviceRect() const
{
    return fractionsToDevice(m_fractions, m_wall);
}

void InputSignalWidget0409::noteSent(const QRect &device, bool position, bool size)
{
    auto apply = [&](QRect &r) {
        if (position)
            r.moveTopLeft(device.topLeft());
        if (size)
            r.setSize(device.size());
    };
    apply(m_lastSent);
    if (!m_zoomed)
        apply(m_restore);
}

void InputSignalWidget0409::recordDeviceRect()
{
    noteSent(deviceRect(), true, true);
}

void InputSignalWidget0409::setDeviceRect(const QRect &device)
{
    applyRect(deviceToWidget(device, m_wall, canvasSize()));
    keepInside();
    update();
}

void InputSignalWidget0409::followCanvas()
{
    if (m_wall.width() <= 0 || m_wall.height() <= 0)
        return;
    applyRect(deviceToWidget(m_lastSent, m_wall, canvasSize()));
    keepInside();
}

void InputSignalWidget0409::setLocked(bool locked)
{
    m_locked = locked;
    if (locked) {
        m_drag = Drag::None;
        unsetCursor();
    }
    update();
}

void InputSignalWidget0409::setPressedLook(bool pressed)
{
    m_pressedLook = pressed;
    update();
}

void InputSignalWidget0409::updateInfo()
{
    const QRect d = deviceRect();
    m_info->setText(tr("Input: ") + QStringLiteral("\t [%1] %2\n").arg(m_input).arg(m_name) +
                    tr("Layer: ") + QStringLiteral("\t %1\n").arg(m_layer) + tr("Position:") +
                    QStringLiteral("\t %1 , %2\n").arg(d.x()).arg(d.y()) + tr("Size: ") +
                    QStringLiteral("\t %1 , %2\n").arg(d.width()).arg(d.height()));
}

void InputSignalWidget0409::sendOpen()
{
    const QRect d = deviceRect();
    m_sink(Commands::windowOpen(m_id, m_input, m_layer, d.x(), d.y(), d.width(), d.height()));
    noteSent(d, true, true);
}

void InputSignalWidget0409::sendMove()
{
    const QRect d = deviceRect();
    m_sink(Commands::windowMove(m_id, d.x(), d.y()));
    noteSent(d, true, false);
}

void InputSignalWidget0409::sendResize()
{
    const QRect d = deviceRect();
    m_sink(Commands::windowResize(m_id, d.x(), d.y(), d.width(), d.height()));
    noteSent(d, true, true);
}

void InputSignalWidget0409::sendLayer()
{
    m_sink(Commands::windowLayer(m_id, m_layer));
}

void InputSignalWidget0409::sendClose()
{
    m_sink(Commands::windowClose(m_id));
}

void InputSignalWidget0409::runAction(Action action)
{
    if (m_locked)
        return;
    switch (action) {
    case Action::Close:
        emit si_deleted(m_id);
        sendClose();
        hide();
        deleteLater();
        break;
    case Action::LayerUp:
        if (m_layer != TopLayer)
            emit si_layerUp(m_id);
        break;
    case Action::LayerDown:
        if (m_layer != BottomLayer)
            emit si_layerDown(m_id);
        break;
    case Action::LayerTop:
        if (m_layer != TopLayer)
            emit si_layerTop(m_id);
        break;
    case Action::LayerBottom:
        if (m_layer != BottomLayer)
            emit si_layerBottom(m_id);
        break;
    case Action::ZoomSingle:
        m_zoomed = true;
        emit si_orderZoomSingleScreen(m_id);
        break;
    case Action::ZoomOccupied:
        m_zoomed = true;
        emit si_orderZoomOccupiedScreens(m_id);
        break;
    case Action::ZoomMaximum:
        m_zoomed = true;
        applyRect(QRectF(QPointF(0, 0), canvasSize()));
        keepInside();
        sendResize();
        break;
    case Action::ZoomAllSingle:
        m_zoomed = true;
        emit si_orderAllZoomSingleScreen();
        break;
    case Action::Property:
        emit si_showProperty(m_id);
        break;
    }
}

void InputSignalWidget0409::restore()
{
    if (m_locked)
        return;
    m_zoomed = false;
    setDeviceRect(m_restore);
    sendResize();
}

void InputSignalWidget0409::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_locked) {
        event->ignore();
        return;
    }
    QMenu menu(tr("Menu"), this);
    menu.setStyleSheet(QStringLiteral(
        "QMenu{background:white;border:1px solid #d0d0d0;border-radius:6px;padding:4px;}"
        "QMenu::item{padding:5px 18px;border-radius:4px;}"
        "QMenu::item:selected{background:#338c56;color:white;}"));
    const QList<QPair<QString, Action>> entries{
        {tr("Close"), Action::Close},
        {tr("Layer Up"), Action::LayerUp},
        {tr("Layer Down"), Action::LayerDown},
        {tr("Layer to Top"), Action::LayerTop},
        {tr("Layer to Bottom"), Action::LayerBottom},
        {tr("Zoom to a Single Screen"), Action::ZoomSingle},
        {tr("Zoom to the Occupied Screens"), Action::ZoomOccupied},
        {tr("Zoom to Maximum"), Action::ZoomMaximum},
        {tr("All Windows Zoom to a Single Screen"), Action::ZoomAllSingle},
        {tr("Property"), Action::Property}};
    for (const auto &entry : entries) {
        const Action action = entry.second;
        menu.addAction(entry.first, this, [this, action] { runAction(action); });
    }
    menu.exec(event->globalPos());
}

void InputSignalWidget0409::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_sendOpenOnShow) {
        m_sendOpenOnShow = false;
        sendOpen();
    }
}

void InputSignalWidget0409::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool marked = m_locked || m_pressedLook;
    p.fillRect(rect(), marked ? QColor(51, 140, 86, 32) : QColor(0, 0, 0, 32));
    p.setPen(QPen(m_locked ? QColor(51, 140, 86) : QColor(80, 90, 100), m_locked ? 2 : 1));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void InputSignalWidget0409::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QFont font = m_info->font();
    font.setPixelSize(qBound(8, qMin(width() / 16, height() / 9), 14));
    m_info->setFont(font);
    // A sliver of a window (a one-row wall zoomed out) shows its title only.
    m_info->setVisible(height() >= 80);
}

void InputSignalWidget0409::mousePressEvent(QMouseEvent *event)
{
    if (m_locked || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_edges = edgesAt(event->localPos(), size());
    m_drag = m_edges == None ? Drag::Moving : Drag::Resizing;
    m_pressPos = QPointF(pos()) + event->localPos();
    m_pressRect = m_rect;
    m_dragged = false;
    event->accept();
}

void InputSignalWidget0409::mouseMoveEvent(QMouseEvent *event)
{
    if (m_locked) {
        event->ignore();
        return;
    }
    if (m_drag == Drag::None) {
        setCursor(cursorFor(edgesAt(event->localPos(), size())));
        return;
    }
    const QPointF at = QPointF(pos()) + event->localPos();
    m_dragged = true;
    if (m_drag == Drag::Moving)
        applyRect(snapMove(m_pressRect.translated(at - m_pressPos), canvasSize(), m_grid));
    else
        applyRect(resizeEdges(m_rect, m_edges, at));
}

void InputSignalWidget0409::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_locked || event->button() != Qt::LeftButton || m_drag == Drag::None) {
        event->ignore();
        return;
    }
    const Drag drag = m_drag;
    m_drag = Drag::None;
    keepInside();
    // A click without a drag leaves the device alone.
    if (!m_dragged)
        return;
    m_zoomed = false;
    if (drag == Drag::Moving)
        sendMove();
    else
        sendResize();
}
