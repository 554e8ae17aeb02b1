#include "cdlgnosignaloutput.h"

#include "dialogslog.h"
#include "forwardedtext.h"
#include "messagedistance.h"
#include "patternbuttons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int SolidColour = 0;

const QVector<PatternButtons::Entry> Patterns = {
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
    {SolidColour, "radioButton_SolidColor", QT_TRANSLATE_NOOP("PatternButtons", "Pure Color")},
};

} // namespace

CDlgnosignaloutput::CDlgnosignaloutput(QWidget *parent)
    : FramelessDialog(parent)
{
    setTitle(tr("无信号输出"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });

    auto *body = new QWidget(frame());
    body->setStyleSheet(PatternButtons::style());
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(12);
    m_modes = PatternButtons::add(body, grid, Patterns, 2);
    m_palette = new QToolButton(body);
    m_palette->setObjectName(QStringLiteral("toolButton_ColorPalette"));
    m_palette->setFixedSize(44, 20);
    m_palette->setCursor(Qt::PointingHandCursor);
    m_palette->setToolTip(tr("Select Color"));
    m_palette->hide();
    // Beside "Pure Color", the last entry.
    const int last = Patterns.size() - 1;
    grid->addWidget(m_palette, last / 2, last % 2, Qt::AlignRight | Qt::AlignVCenter);

    const PatternButtons::OkCancel pair =
        PatternButtons::layOutBody(body, grid, tr("Cancel"), tr("OK"));
    QPushButton *cancel = pair.cancel;
    QPushButton *ok = pair.ok;
    const QSize size(380, 292);
    body->setGeometry(0, TitleHeight, size.width(), size.height() - TitleHeight);
    setFrameSize(size);

    for (QAbstractButton *b : m_modes->buttons()) {
        const int mode = m_modes->id(b);
        connect(b, &QAbstractButton::clicked, this, [this, mode](bool checked) {
            patternClicked(mode, checked);
        });
    }
    connect(m_palette,
            &QToolButton::clicked,
            this,
            &CDlgnosignaloutput::on_toolButton_ColorPalette_clicked);
    connect(cancel, &QPushButton::clicked, this, &CDlgnosignaloutput::on_pushButton_clicked);
    connect(ok, &QPushButton::clicked, this, &CDlgnosignaloutput::on_pushButton_2_clicked);
    m_pickColour = [](const QColor &initial, QWidget *owner) {
        return QColorDialog::getColor(initial, owner, tr("Select Color"));
    };
    showColour(m_colour);
}

void CDlgnosignaloutput::setPortLabel(const QString &label)
{
    setTitle(tr("无信号输出 %1").arg(label));
}

int CDlgnosignaloutput::checkedMode() const
{
    return m_modes->checkedId();
}

void CDlgnosignaloutput::patternClicked(int mode, bool checked)
{
    // A click on the checked button comes here too and sends its command again.
    if (!checked) {
        if (mode == SolidColour)
            m_palette->hide();
        return;
    }
    m_palette->setVisible(mode == SolidColour);
    MessageDistance::instance()->sendNoSignal(m_port, mode, 0, 0, 0);
}

void CDlgnosignaloutput::on_toolButton_ColorPalette_clicked()
{
    const QColor chosen = m_pickColour ? m_pickColour(m_colour, this) : QColor();
    if (!chosen.isValid())
        return;
    MessageDistance::instance()->sendNoSignal(
        m_port, SolidColour, chosen.red(), chosen.green(), chosen.blue());
    showColour(chosen);
}

void CDlgnosignaloutput::showColour(const QColor &colour)
{
    m_colour = colour;
    m_palette->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3);border:none;")
                                 .arg(colour.red())
                                 .arg(colour.green())
                                 .arg(colour.blue()));
}

void CDlgnosignaloutput::sl_StateUpdate(const QString &text)
{
    // Another output's record says nothing about this one.
    const std::optional<ForwardedText::NoSignal> setting = ForwardedText::noSignal(text, m_port);
    if (!setting) {
        qCDebug(lcDialogs).noquote() << "no-signal text not for output" << m_port << text.left(120);
        return;
    }
    PatternButtons::uncheckAll(m_modes);
    m_modes->button(setting->mode)->setChecked(true);
    m_palette->setVisible(setting->mode == SolidColour);
    if (setting->mode == SolidColour)
        showColour(QColor(setting->red, setting->green, setting->blue));
}

void CDlgnosignaloutput::on_btnClose_clicked()
{
    reject();
}

void CDlgnosignaloutput::on_pushButton_clicked()
{
    reject();
}

void CDlgnosignaloutput::on_pushButton_2_clicked()
{
    accept();
}
