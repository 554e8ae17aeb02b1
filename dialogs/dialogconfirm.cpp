#include "dialogconfirm.h"

#include "ui_dialogconfirm.h"
#include "ui_dialogconfirm3btn.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int FrameWidth = 340;
constexpr int FrameHeight = 170;

void styleButtons(QPushButton *primary, std::initializer_list<QPushButton *> others)
{
    primary->setStyleSheet(DialogStyle::primaryButton());
    primary->setCursor(Qt::PointingHandCursor);
    for (QPushButton *b : others) {
        b->setStyleSheet(DialogStyle::secondaryButton());
        b->setCursor(Qt::PointingHandCursor);
    }
}
constexpr int MaxTextWidth = 560;

// Grows the frame so that a long or many-lined text shows whole; the buttons keep their
// place under the text and at the right edge.
QSize fittedFrame(QLabel *text, const QList<QPushButton *> &buttons)
{
    text->ensurePolished();
    const QRect form = text->geometry();
    int widest = 0;
    for (const QString &line : text->text().split(QLatin1Char('\n')))
        widest = qMax(widest, text->fontMetrics().horizontalAdvance(line) + 4);
    const int width = qBound(form.width(), widest, MaxTextWidth);
    const int height = qMax(form.height(), text->heightForWidth(width));
    const QPoint shift(width - form.width(), height - form.height());
    text->setGeometry(QRect(form.topLeft(), QSize(width, height)));
    for (QPushButton *b : buttons)
        b->move(b->pos() + shift);
    return QSize(FrameWidth + shift.x(), FrameHeight + shift.y());
}
} // namespace

DialogConfirm::DialogConfirm(QWidget *parent, const QString &title, const QString &text)
    : FramelessDialog(parent, Kind::Tool, 25)
{
    Ui::DialogConfirm ui;
    ui.setupUi(frame());
    setTitle(title);
    m_content = ui.lb_content;
    m_content->setText(text);
    setFrameSize(fittedFrame(m_content, {ui.btn_ok, ui.btn_cancel}));
    styleButtons(ui.btn_ok, {ui.btn_cancel});
    connect(ui.btn_ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(ui.btn_cancel, &QPushButton::clicked, this, [this] { done(0); });
}

DialogConfirm3Btn::DialogConfirm3Btn(QWidget *parent, const QString &title, const QString &text)
    : FramelessDialog(parent, Kind::Tool, 25)
{
    Ui::DialogConfirm3Btn ui;
    ui.setupUi(frame());
    setTitle(title);
    m_content = ui.lb_content;
    m_content->setText(text);
    setFrameSize(fittedFrame(m_content, {ui.btn_yes, ui.btn_no, ui.btn_cancel}));
    styleButtons(ui.btn_yes, {ui.btn_no, ui.btn_cancel});
    connect(ui.btn_yes, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(ui.btn_no, &QPushButton::clicked, this, [this] { done(No); });
    connect(ui.btn_cancel, &QPushButton::clicked, this, [this] { done(Cancel); });
    // The close button answers like Cancel, not like "No".
    setCloseAction([this] { done(Cancel); });
}
