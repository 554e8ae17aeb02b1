#include "msgdlg.h"

#include "messagedistance.h"
#include "ui_msgdlg.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int FrameHeight = 150;
} // namespace

MsgDlg::MsgDlg(QWidget *parent)
    : FramelessDialog(parent, Kind::Tool, 25)
{
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    Ui::MsgDlg ui;
    ui.setupUi(frame());
    m_text = ui.lb_text;
    m_ok = ui.btnOk;
    m_ok->setStyleSheet(DialogStyle::primaryButton());
    m_ok->setCursor(Qt::PointingHandCursor);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    setFrameSize(QSize(DesignedFrameWidth, FrameHeight));
}

void MsgDlg::setMessage(const QString &title, const QString &text)
{
    setTitle(title);
    m_text->setText(text);
    const QRect bounds = QFontMetrics(m_text->font()).boundingRect(text);
    const int w = bounds.right() - bounds.left();
    if (w + 21 <= DesignedFrameWidth)
        return;
    frame()->setFixedWidth(w + 21);
    titleBar()->setFixedWidth(w + 21);
    m_text->setFixedWidth(w + 1);
    closeButton()->move(w - 6, closeButton()->y());
    m_ok->move(w - 50, m_ok->y());
    titleLabel()->setFixedWidth(w - 40);
    setFixedWidth(w + 96);
}

void installUploadFailureDialog()
{
    MessageDistance::instance()->setUploadFailureHook(
        [](const QString &heading, const QString &text) {
            MsgDlg dialog;
            dialog.setMessage(heading, text);
            dialog.exec();
        });
}
