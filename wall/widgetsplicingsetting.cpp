#include "widgetsplicingsetting.h"

#include "commands.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "tableitemsplicingrealscreen.h"
#include "wallgeometry.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int Margin = 20;
} // namespace

WidgetSplicingSetting::WidgetSplicingSetting(QWidget *parent, CommandSink sink)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_sink(std::move(sink))
{
    if (!m_sink)
        m_sink = [](const QString &c) {
            MessageDistance::instance()->sendData(c);
        };
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("WidgetSplicingSetting"));
    resize(760 + 2 * Margin, 540 + 2 * Margin);
    buildForm();
    retranslate();
}

QFrame *WidgetSplicingSetting::buildFrame()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(Margin, Margin, Margin, Margin);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setStyleSheet(QStringLiteral(
        "QFrame#frame{background:#ffffff;border-radius:6px;}"
        "QFrame#titleBar{background:#338c56;border-top-left-radius:6px;border-top-right-radius:6px;"
        "}"
        "QLabel#lb_title{color:#ffffff;font-weight:bold;font-size:14px;}"
        "QPushButton#btn_close{border:none;color:#ffffff;font-size:16px;background:transparent;}"
        "QPushButton#btn_close:hover{background:#2a7447;}"
        "QLabel{color:#2c3e50;font-size:13px;}"
        "QTableWidget{border:1px solid #cfd8d4;gridline-color:#cfd8d4;font-size:13px;}"
        "QTableWidget::item:selected{background:#c9e3d3;color:#1f3b2b;}"));
    auto *shadow = new QGraphicsDropShadowEffect(frame);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(19, 106, 103));
    shadow->setBlurRadius(25);
    frame->setGraphicsEffect(shadow);
    outer->addWidget(frame);

    auto *titleBar = new QFrame(frame);
    titleBar->setObjectName(QStringLiteral("titleBar"));
    titleBar->setFixedHeight(36);
    auto *titleRow = new QHBoxLayout(titleBar);
    titleRow->setContentsMargins(14, 0, 6, 0);
    m_title = new QLabel(titleBar);
    m_title->setObjectName(QStringLiteral("lb_title"));
    m_close = new QPushButton(QStringLiteral("\u2715"), titleBar);
    m_close->setObjectName(QStringLiteral("btn_close"));
    m_close->setFixedSize(24, 24);
    m_close->setCursor(Qt::PointingHandCursor);
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_close);

    return frame;
}

QGridLayout *WidgetSplicingSetting::buildControls(QFrame *frame)
{
    auto *controls = new QGridLayout;
    controls->setHorizontalSpacing(10);
    for (int i = 0; i < 4; ++i)
        m_labels[i] = new QLabel(frame);
    m_layout = new QComboBox(frame);
    m_layout->setObjectName(QStringLiteral("cbb_layout"));
    m_layout->addItems(WallGeometry::layoutTexts());
    m_resolution = new QComboBox(frame);
    m_resolution->setObjectName(QStringLiteral("cbb_resolu"));
    m_resolution->addItems(WallGeometry::resolutionTexts());
    m_rotation = new QComboBox(frame);
    m_rotation->setObjectName(QStringLiteral("cbb_rotate"));
    m_rotation->addItems(WallGeometry::rotationTexts());
    m_colourButton = new QToolButton(frame);
    m_colourButton->setObjectName(QStringLiteral("toolButton_ColorPalette"));
    m_colourButton->setFixedSize(60, 24);
    m_colourButton->setCursor(Qt::PointingHandCursor);
    QWidget *fields[4] = {m_layout, m_resolution, m_rotation, m_colourButton};
    for (int i = 0; i < 4; ++i) {
        controls->addWidget(m_labels[i], 0, 2 * i);
        controls->addWidget(fields[i], 0, 2 * i + 1);
    }
    controls->setColumnStretch(8, 1);

    return controls;
}

void WidgetSplicingSetting::buildForm()
{
    QFrame *frame = buildFrame();
    QGridLayout *controls = buildControls(frame);
    QWidget *titleBar = m_title->parentWidget();
    m_grid = new QTableWidget(frame);
    m_grid->setObjectName(QStringLiteral("tw_real_screen"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *body = new QVBoxLayout(frame);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(titleBar);
    auto *content = new QVBoxLayout;
    content->setContentsMargins(16, 14, 16, 16);
    content->setSpacing(12);
    content->addLayout(controls);
    content->addWidget(m_grid, 1);
    body->addLayout(content, 1);

    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_grid,
            &QTableWidget::itemSelectionChanged,
            this,
            &WidgetSplicingSetting::selectionChanged);
    connect(m_grid,
            &QTableWidget::customContextMenuRequested,
            this,
            &WidgetSplicingSetting::showGridMenu);
    connect(m_colourButton, &QToolButton::clicked, this, &WidgetSplicingSetting::pickColour);
    styleColourButton();
}

void WidgetSplicingSetting::retranslate()
{
    m_title->setText(tr("Layout & Splicing of Real Screens"));
    setWindowTitle(tr("Splicing Settings"));
    m_labels[0]->setText(tr("Layout"));
    m_labels[1]->setText(tr("Resolution"));
    m_labels[2]->setText(tr("Rotate"));
    m_labels[3]->setText(tr("No Input"));
}

void WidgetSplicingSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void WidgetSplicingSetting::showEvent(QShowEvent *event)
{
    // A frameless top-level window is otherwise put at the screen's corner.
    if (!m_placed && parentWidget()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(parentWidget()->window()->geometry().center());
        move(placed.topLeft());
        m_placed = true;
    }
    QWidget::showEvent(event);
    open();
}

void WidgetSplicingSetting::open()
{
    disconnect(m_layout, nullptr, this, nullptr);
    disconnect(m_resolution, nullptr, this, nullptr);
    disconnect(m_rotation, nullptr, this, nullptr);
    const DeviceState *state = DeviceState::instance();
    const QString resolution = WallGeometry::wallResolution(state->outputResolutions());
    const int mode = state->virMode();
    m_currentRotation = WallGeometry::rotationOf(state->rotation(), 1);
    m_layout->setCurrentIndex(mode >= 0 && mode <= 3 ? mode : 0);
    buildGrid(mode);
    m_resolution->setCurrentText(resolution);
    m_rotation->setCurrentIndex(m_currentRotation);
    connect(m_layout,
            QOverload<int>::of(&QComboBox::currentIndexChanged),
            this,
            &WidgetSplicingSetting::layoutChosen);
    connect(m_resolution,
            &QComboBox::currentTextChanged,
            this,
            &WidgetSplicingSetting::resolutionChosen);
    connect(m_rotation,
            QOverload<int>::of(&QComboBox::currentIndexChanged),
            this,
            &WidgetSplicingSetting::rotationChosen);
}

void WidgetSplicingSetting::buildGrid(int virMode)
{
    const WallGeometry::Grid g = WallGeometry::wallGrid(virMode);
    const DeviceState *state = DeviceState::instance();
    const QSignalBlocker blocker(m_grid);
    m_grid->clear();
    m_grid->setRowCount(0);
    m_grid->setColumnCount(0);
    const QString resolution = WallGeometry::wallResolution(state->outputResolutions());
    m_grid->setRowCount(g.rows);
    m_grid->setColumnCount(g.cols);
    const QMap<int, int> rotations = state->rotation();
    const QStringList rotationTexts = WallGeometry::rotationTexts();
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.cols; ++c) {
            const int output = r * g.cols + c + 1;
            m_grid->setItem(r,
                            c,
                            new TableItemSplicingRealScreen(
                                output,
                                resolution,
                                rotationTexts.at(WallGeometry::rotationOf(rotations, output))));
        }
    }
}

void WidgetSplicingSetting::layoutChosen(int index)
{
    if (index < 0 || index > 3)
        return;
    if (m_layoutConfirm &&
        !m_layoutConfirm(tr("Change Layout"),
                         tr("Changing the wall layout closes every open window. Continue?"))) {
        const QSignalBlocker blocker(m_layout);
        const int mode = DeviceState::instance()->virMode();
        m_layout->setCurrentIndex(mode >= 0 && mode <= 3 ? mode : 0);
        return;
    }
    m_sink(Commands::vir(index));
    DeviceState::instance()->setVirMode(index);
    emit si_update3BtnLayout();
    buildGrid(index);
    emit si_orderToRecalculate();
}

void WidgetSplicingSetting::resolutionChosen(const QString &text)
{
    m_sink(Commands::portResolution(1, text));
    DeviceState::instance()->setOutputResolutions(1, text);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        for (int c = 0; c < m_grid->columnCount(); ++c) {
            if (auto *cell = static_cast<TableItemSplicingRealScreen *>(m_grid->item(r, c)))
                cell->setResolution(text);
        }
    }
    emit si_orderToRecalculate();
}

void WidgetSplicingSetting::rotationChosen(int index)
{
    if (index < 0)
        return;
    m_currentRotation = index;
    DeviceState::instance()->setRotation(1, index);
    m_sink(Commands::rotate(1, index));
    if (auto *first = static_cast<TableItemSplicingRealScreen *>(m_grid->item(0, 0)))
        first->setRotation(WallGeometry::rotationTexts().value(index));
    emit si_update3BtnLayout();
    emit si_orderToRecalculate();
}

void WidgetSplicingSetting::setRotationQuietly(int index)
{
    m_currentRotation = index;
    const QSignalBlocker blocker(m_rotation);
    m_rotation->setCurrentIndex(index);
}

void WidgetSplicingSetting::selectionChanged()
{
    const QList<QTableWidgetItem *> cells = m_grid->selectedItems();
    if (cells.isEmpty())
        return;
    QString common = static_cast<TableItemSplicingRealScreen *>(cells.first())->rotation();
    for (QTableWidgetItem *cell : cells) {
        if (static_cast<TableItemSplicingRealScreen *>(cell)->rotation() != common)
            common.clear();
    }
    setRotationQuietly(common.isEmpty() ? -1 : int(WallGeometry::rotationTexts().indexOf(common)));
}

void WidgetSplicingSetting::showGridMenu(const QPoint &pos)
{
    if (!m_grid->currentItem())
        return;
    QMenu menu(this);
    const QStringList texts = WallGeometry::rotationTexts();
    for (int i = 0; i < texts.size(); ++i) {
        QAction *action = menu.addAction(texts.at(i));
        action->setCheckable(true);
        action->setChecked(i == m_currentRotation);
        connect(action, &QAction::triggered, this, [this, i] {
            if (i != m_currentRotation)
                m_rotation->setCurrentIndex(i);
        });
    }
    menu.exec(m_grid->viewport()->mapToGlobal(pos));
}

void WidgetSplicingSetting::pickColour()
{
    applyPickedColour(QColorDialog::getColor(m_colour, this, tr("Select Color")));
}

void WidgetSplicingSetting::applyPickedColour(const QColor &colour)
{
    if (!colour.isValid())
        return;
    m_sink(Commands::noSignal(1, 0, colour.red(), colour.green(), colour.blue()));
    m_colour = colour;
    styleColourButton();
}

void WidgetSplicingSetting::styleColourButton()
{
    m_colourButton->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3);border:none;")
                                      .arg(m_colour.red())
                                      .arg(m_colour.green())
                                      .arg(m_colour.blue()));
}

bool WidgetSplicingSetting::readNoInputColour(const QString &text, QColor *colour)
{
    const int chn = text.indexOf(QLatin1String("\"Chn\":"));
    if (chn < 0)
        return false;
    const int start = qMax(0, chn - 1);
    const int end = text.indexOf(QLatin1Char('}'), start);
    const QString part = text.mid(start, end < 0 ? -1 : end - start);
    const QString modeKey = QStringLiteral("\"Mode\":");
    const int mode = part.indexOf(modeKey);
    if (mode < 0)
        return false;
    const int modeFrom = mode + modeKey.size();
    const int comma = part.indexOf(QLatin1Char(','), modeFrom);
    if (part.mid(modeFrom, comma < 0 ? -1 : comma - modeFrom) != QLatin1String("0"))
        return false;
    const QString colourKey = QStringLiteral("\"Color\":");
    const int at = text.indexOf(colourKey, start);
    if (at >= 0) {
        const int from = at + colourKey.size();
        const int close = text.indexOf(QLatin1Char('}'), from);
        const QStringList parts =
            text.mid(from, close < 0 ? -1 : close - from).split(QLatin1Char(','));
        if (parts.size() == 3)
            *colour = QColor(qBound(0, parts[0].toInt(), 255),
                             qBound(0, parts[1].toInt(), 255),
                             qBound(0, parts[2].toInt(), 255));
    }
    return true;
}

void WidgetSplicingSetting::forwardAnalysis(const QString &text)
{
    if (readNoInputColour(text, &m_colour))
        styleColourButton();
}

void WidgetSplicingSetting::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void WidgetSplicingSetting::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(this, event);
}

void WidgetSplicingSetting::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
}

void WidgetSplicingSetting::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release(event);
}
