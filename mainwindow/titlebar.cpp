#include "titlebar.h"
#include "ui_widget.h"

#include "appsettings.h"
#include "framelessresizer.h"
#include "svgwidgets.h"
#include "windowcontext.h"
#include "windowrules.h"

TitleBar::TitleBar(WindowContext &context, QWidget *window)
    : QObject(window)
    , m_context(context)
    , m_window(window)
    , m_resizer(new FramelessResizer(window))
{
    Ui::Widget *ui = m_context.ui;
    m_resizer->setTitleBar(ui->titleBar);
    connect(m_resizer, &FramelessResizer::maximizedChanged, this, [ui](bool maximized) {
        ui->btn_RestoreOrMax->setIcon(
            QIcon(maximized ? QStringLiteral(":/Images/window/restore.png")
                            : QStringLiteral(":/Images/window/fullscreen.png")));
    });
    ui->btn_RestoreOrMax->setIcon(QIcon(QStringLiteral(":/Images/window/fullscreen.png")));
    ui->mini->setText(QStringLiteral("\u2013"));
    ui->btnClose->setText(QStringLiteral("\u2715"));
}

void TitleBar::showState(State state)
{
    AppSettings *settings = AppSettings::instance();
    settings->setConnectionStatus(int(state));
    m_context.ui->connectState->setText(WindowRules::titleText(
        int(state), settings->ip(), settings->port(), settings->currentUser()));
}

void TitleBar::showStoredState()
{
    const int status = AppSettings::instance()->connectionStatus();
    showState(status == 0   ? State::Disconnected
              : status == 2 ? State::Connected
                            : State::Connecting);
}

void TitleBar::addLogo()
{
    if (m_logo)
        return;
    m_logo = new SvgLabel(m_context.ui->titleBar);
    m_logo->setGeometry(10, 3, 194, 39);
    m_logo->setSvg(QStringLiteral(":/Images/logo.svg"));
    m_context.ui->logoLabel->hide();
}

void TitleBar::toggleMaximized()
{
    m_resizer->toggleMaximized();
}
