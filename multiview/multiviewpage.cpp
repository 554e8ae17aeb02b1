#include "multiviewpage.h"

#include "canvasmath.h"
#include "commands.h"
#include "devicestate.h"
#include "layouticons.h"
#include "outputwidget0409.h"
#include "wallgeometry.h"
#include "widgetsplicingsetting.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QIcon>
#include <QScrollArea>

MultiviewPage::MultiviewPage(const Controls &controls, CommandSink sink, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_sink(std::move(sink))
{
    OutputWidget0409 *canvas = m_c.canvas;
    canvas->setCommandSink(m_sink);
    connect(canvas, &OutputWidget0409::si_orderToOptimiseSizeVis, this, &MultiviewPage::fitCanvas);
    connect(canvas, &OutputWidget0409::si_resize, this, [this] {
        m_c.content->resize(m_c.canvas->width() + 2, m_c.canvas->height() + 2);
    });
    connect(m_c.zoomIn, &QAbstractButton::clicked, canvas, &OutputWidget0409::zoomIn);
    connect(m_c.zoomOut, &QAbstractButton::clicked, canvas, &OutputWidget0409::zoomOut);
    m_c.lockAll->setCheckable(true);
    connect(m_c.lockAll, &QAbstractButton::toggled, canvas, &OutputWidget0409::setAllLocked);
    connect(m_c.closeAll, &QAbstractButton::clicked, canvas, [canvas] {
        canvas->closeAllWindows(false);
    });
    // The canvas starts on the first join button.
    if (m_c.layoutButtons[0] && m_c.layoutButtons[0]->isCheckable())
        m_c.layoutButtons[0]->setChecked(true);
    updateLayoutButtonIcons();
}

void MultiviewPage::restart()
{
    m_c.canvas->clearWindows();
    m_c.canvas->resetReady();
    m_c.canvas->recalculate();
    m_c.canvas->refreshLayout();
    updateLayoutButtonIcons();
    m_c.canvas->startStatusTimer();
}

void MultiviewPage::updateLayoutButtonIcons()
{
    const QStringList icons = WallGeometry::layoutButtonIcons(DeviceState::instance()->virMode());
    for (int i = 0; i < 3; ++i) {
        if (m_c.layoutButtons[i])
            m_c.layoutButtons[i]->setIcon(LayoutIcons::checkable(icons.at(i)));
    }
}

void MultiviewPage::chooseJoinButton(int id)
{
    if (id < 0 || id > 2)
        return;
    m_c.canvas->setJoinButton(id);
}

void MultiviewPage::fitCanvas(int wallWidth, int wallHeight)
{
    const QSize frame(2, 2);
    // The room without scroll bars, less the content's frame: fitting the viewport a bar
    // happened to narrow, or the frame on top of it, leaves a bar and cuts the edge.
    const QSize room = m_c.area->maximumViewportSize() - frame;
    const auto fit = CanvasMath::fitCanvas(
        room, QSize(wallWidth, wallHeight), DeviceState::instance()->virMode());
    if (!fit)
        return;
    m_c.canvas->setMinimumSize(fit->minimum);
    m_c.content->setMinimumSize(fit->minimum + frame);
    m_c.canvas->setMaximumSize(fit->maximum);
    m_c.content->setMaximumSize(fit->maximum + frame);
    m_c.content->resize(fit->size + frame);
    m_c.canvas->setGeometry(QRect(QPoint(1, 1), fit->size));
}

void MultiviewPage::resolutionMapArrived()
{
    emit splicingClosed();
    m_c.canvas->markResolutionReady();
}

void MultiviewPage::windowsArrived()
{
    emit splicingClosed();
    m_c.canvas->markWindowsReady();
}

void MultiviewPage::rotationArrived()
{
    emit splicingClosed();
    m_c.canvas->markRotationReady();
}

void MultiviewPage::forwardText(const QString &text)
{
    emit forwardedToSplicing(text);
}

void MultiviewPage::openSplicingSettings(QWidget *parent)
{
    if (m_splicing)
        return;
    OutputWidget0409 *canvas = m_c.canvas;
    canvas->resetPending();
    auto *settings = new WidgetSplicingSetting(parent, m_sink);
    m_splicing = settings;
    settings->setLayoutConfirm([canvas](const QString &title, const QString &question) {
        return canvas->mayCloseAllWindows(title, question);
    });
    connect(settings, &WidgetSplicingSetting::si_orderToRecalculate, canvas, [canvas] {
        canvas->closeAllWindows(true);
        canvas->recalculate();
    });
    connect(settings, &WidgetSplicingSetting::si_update3BtnLayout, this, [this] {
        updateLayoutButtonIcons();
        m_c.canvas->refreshLayout();
    });
    connect(this, &MultiviewPage::splicingClosed, settings, &QWidget::close);
    connect(this,
            &MultiviewPage::forwardedToSplicing,
            settings,
            &WidgetSplicingSetting::forwardAnalysis);
    m_sink(Commands::getNoinput(1));
    QEventLoop loop;
    connect(settings, &WidgetSplicingSetting::closed, &loop, &QEventLoop::quit);
    settings->show();
    loop.exec();
    delete settings;
}
