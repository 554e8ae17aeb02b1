#include "cdlgscalingmode.h"

#include "devicestate.h"
#include "dialogslog.h"
#include "forwardedtext.h"
#include "messagedistance.h"
#include "patternbuttons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>

namespace {

const QVector<PatternButtons::Entry> Modes = {
    {0, "radioButton_full", QT_TRANSLATE_NOOP("PatternButtons", "Squeeze into Frame (distortion)")},
    {2, "radioButton_black", QT_TRANSLATE_NOOP("PatternButtons", "Correct aspect ratio (no crop)")},
    {3,
     "radioButton_tailor",
     QT_TRANSLATE_NOOP("PatternButtons", "Correct aspect ratio (with crop)")},
};

} // namespace

CDlgScalingmode::CDlgScalingmode(QWidget *parent)
    : FramelessDialog(parent)
{
    setTitle(tr("缩放模式"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });

    auto *body = new QWidget(frame());
    body->setStyleSheet(PatternButtons::style());
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(14);
    m_modes = PatternButtons::add(body, grid, Modes, 1);

    const PatternButtons::OkCancel pair =
        PatternButtons::layOutBody(body, grid, tr("Cancel"), tr("OK"));
    QPushButton *cancel = pair.cancel;
    QPushButton *ok = pair.ok;
    const QSize size(340, 210);
    body->setGeometry(0, TitleHeight, size.width(), size.height() - TitleHeight);
    setFrameSize(size);

    connect(ok, &QPushButton::clicked, this, &CDlgScalingmode::on_pushButton_2_clicked);
    connect(cancel, &QPushButton::clicked, this, &CDlgScalingmode::on_pushButton_clicked);
}

void CDlgScalingmode::setPort(int port)
{
    m_port = port;
    checkMode(DeviceState::instance()->scalingMode(port));
}

int CDlgScalingmode::checkedMode() const
{
    return m_modes->checkedId();
}

void CDlgScalingmode::checkMode(int mode)
{
    // Mode 1 has no button: the choice on screen stays as it is.
    if (QAbstractButton *b = m_modes->button(mode))
        b->setChecked(true);
}

void CDlgScalingmode::sl_StateUpdate(const QString &text)
{
    qCDebug(lcDialogs).noquote() << "------------------>>>>" << text;
    if (const std::optional<int> mode = ForwardedText::scalerMode(text, m_port))
        checkMode(*mode);
}

void CDlgScalingmode::on_pushButton_2_clicked()
{
    const int mode = checkedMode();
    if (mode >= 0)
        MessageDistance::instance()->sendScalerMode(m_port, mode);
    accept();
}

void CDlgScalingmode::on_pushButton_clicked()
{
    reject();
}

void CDlgScalingmode::on_btnClose_clicked()
{
    reject();
}
