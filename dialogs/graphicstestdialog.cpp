#include "graphicstestdialog.h"

#include "messagedistance.h"
#include "patternbuttons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Here 0 lets the source through and the solid colour is 11, unlike the no-signal codes.
const QVector<PatternButtons::Entry> Patterns = {
    {0, "radioButton_Through", QT_TRANSLATE_NOOP("PatternButtons", "By pass")},
    {1, "radioButton_RGB_bars", QT_TRANSLATE_NOOP("PatternButtons", "RGB stripe")},
    {2, "radioButton_16levelsofgray", QT_TRANSLATE_NOOP("PatternButtons", "16 Gray Scales")},
    {3, "radioButton_32levelsofgray", QT_TRANSLATE_NOOP("PatternButtons", "32 Gray Scales")},
    {4, "radioButton_64levelsofgray", QT_TRANSLATE_NOOP("PatternButtons", "64 Gray Scales")},
    {5, "radioButton_RedGrid", QT_TRANSLATE_NOOP("PatternButtons", "Red Grid")},
    {6, "radioButton_GreenGrid", QT_TRANSLATE_NOOP("PatternButtons", "Green Grid")},
    {7, "radioButton_BlueGrid", QT_TRANSLATE_NOOP("PatternButtons", "Blue Grid")},
    {8, "radioButton_WhiteGrid", QT_TRANSLATE_NOOP("PatternButtons", "White Grid")},
    {9, "radioButton_HorizontalScrollBar", QT_TRANSLATE_NOOP("PatternButtons", "Horizon Scroll")},
    {10, "radioButton_VerticalScrollBar", QT_TRANSLATE_NOOP("PatternButtons", "Vertical Scroll")},
    {11, "radioButton_SolidColor", QT_TRANSLATE_NOOP("PatternButtons", "Pure Color")},
};

} // namespace

GraphicsTestDialog::GraphicsTestDialog(int port, bool isInput, QWidget *parent)
    : FramelessDialog(parent)
    , m_port(port)
    , m_isInput(isInput)
{
    setTitle(tr("图形测试模式"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });

    auto *body = new QWidget(frame());
    body->setStyleSheet(PatternButtons::style());
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(12);
    m_patterns = PatternButtons::add(body, grid, Patterns, 2);

    auto *apply = new QPushButton(tr("OK"), body);
    apply->setObjectName(QStringLiteral("btnApply"));
    apply->setStyleSheet(DialogStyle::primaryButton());
    apply->setFixedSize(88, 30);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);

    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(28, 18, 20, 16);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    const QSize size(380, 292);
    body->setGeometry(0, TitleHeight, size.width(), size.height() - TitleHeight);
    setFrameSize(size);

    for (QAbstractButton *b : m_patterns->buttons()) {
        const int pattern = m_patterns->id(b);
        connect(b, &QAbstractButton::clicked, this, [this, pattern](bool checked) {
            patternClicked(pattern, checked);
        });
    }
    connect(apply, &QPushButton::clicked, this, &GraphicsTestDialog::on_btnApply_clicked);
}

void GraphicsTestDialog::patternClicked(int pattern, bool checked)
{
    if (!checked)
        return;
    MessageDistance *link = MessageDistance::instance();
    if (m_isInput)
        link->sendInPattern(m_port, pattern);
    else
        link->sendOutPattern(m_port, pattern);
}

void GraphicsTestDialog::on_btnClose_clicked()
{
    reject();
}

void GraphicsTestDialog::on_btnApply_clicked()
{
    accept();
}
