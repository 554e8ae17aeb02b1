#include "dialogconfirm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int FrameWidth = 340;
constexpr int FrameHeight = 170;

QLabel *contentLabel(QFrame *frame, const QString &text)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(QStringLiteral("lb_content"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(18, 46, FrameWidth - 36, 70);
    return label;
}

QPushButton *button(QFrame *frame, const char *name, const QString &text, bool primary, int right)
{
    auto *b = new QPushButton(text, frame);
    b->setObjectName(QLatin1String(name));
    b->setStyleSheet(primary ? DialogStyle::primaryButton() : DialogStyle::secondaryButton());
    b->setCursor(Qt::PointingHandCursor);
    b->setGeometry(FrameWidth - right, FrameHeight - 46, 76, 30);
    return b;
}
} // namespace

DialogConfirm::DialogConfirm(QWidget *parent, const QString &title, const QString &text)
    : FramelessDialog(parent, Kind::Tool, 25)
{
    setTitle(title);
    setFrameSize(QSize(FrameWidth, FrameHeight));
    m_content = contentLabel(frame(), text);
    QPushButton *ok = button(frame(), "btn_ok", tr("OK"), true, 178);
    QPushButton *cancel = button(frame(), "btn_cancel", tr("Cancel"), false, 94);
    connect(ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
}

DialogConfirm3Btn::DialogConfirm3Btn(QWidget *parent, const QString &title, const QString &text)
    : FramelessDialog(parent, Kind::Tool, 25)
{
    setTitle(title);
    setFrameSize(QSize(FrameWidth, FrameHeight));
    m_content = contentLabel(frame(), text);
    QPushButton *yes = button(frame(), "btn_yes", tr("Yes"), true, 262);
    QPushButton *no = button(frame(), "btn_no", tr("No"), false, 178);
    QPushButton *cancel = button(frame(), "btn_cancel", tr("Cancel"), false, 94);
    connect(yes, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(no, &QPushButton::clicked, this, [this] { done(No); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(Cancel); });
    // The close button answers like Cancel, not like "No".
    disconnect(closeButton(), nullptr, this, nullptr);
    connect(closeButton(), &QPushButton::clicked, this, [this] { done(Cancel); });
}
