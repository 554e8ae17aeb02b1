#include "wallpages.h"

#include "devicemodel.h"
#include "devicestate.h"
#include "dialogbezel.h"
#include "dialogconfirm.h"
#include "messagedistance.h"
#include "multiviewpage.h"
#include "outputwidget0409.h"
#include "permissionstore.h"
#include "singlesplitterwidget.h"
#include "splitterlayout.h"
#include "ui_widget.h"
#include "widget.h"
#include "windowstatusrecord.h"

#include <QDebug>

namespace {
void sendToDevice(const QString &command)
{
    MessageDistance::instance()->sendData(command);
}
} // namespace

WallPages::WallPages(Widget *window, Ui::Widget *ui, Hooks hooks)
    : QObject(window)
    , m_window(window)
    , m_ui(ui)
    , m_hooks(std::move(hooks))
{
    MultiviewPage::Controls c;
    c.area = ui->sa_0409;
    c.content = ui->saw_content_0409;
    c.canvas = ui->widget_out_0409;
    c.layoutButtons[0] = ui->btn_vir_1;
    c.layoutButtons[1] = ui->btn_vir_2;
    c.layoutButtons[2] = ui->btn_vir_3;
    c.zoomIn = ui->btn_0409_zoom_in;
    c.zoomOut = ui->btn_0409_zoom_out;
    c.lockAll = ui->btn_0409_lock_all;
    c.closeAll = ui->btn_0409_close_all;
    m_multiview = new MultiviewPage(c, sendToDevice, this);

    OutputWidget0409 *canvas = ui->widget_out_0409;
    canvas->setDialogRunner(m_hooks.runDialog);
    canvas->setPermissionChecker(m_hooks.inputAllowed);
    connect(canvas, &OutputWidget0409::si_showPermissionWarningDialog, this, [this] {
        m_hooks.permissionWarning();
    });
    connect(canvas, &OutputWidget0409::refused, this, [this](const QString &reason) {
        if (m_hooks.message)
            m_hooks.message(reason);
    });
    connect(window,
            &Widget::si_map_out_resolu_ready,
            m_multiview,
            &MultiviewPage::resolutionMapArrived);
    connect(window, &Widget::si_windows_ready, m_multiview, &MultiviewPage::windowsArrived);
    connect(window, &Widget::si_rotate_degree_ready, m_multiview, &MultiviewPage::rotationArrived);
    connect(window, &Widget::si_ForwardAnalysis, m_multiview, &MultiviewPage::forwardText);
    QAbstractButton *const join[3] = {ui->btn_vir_1, ui->btn_vir_2, ui->btn_vir_3};
    for (int i = 0; i < 3; ++i)
        connect(join[i], &QAbstractButton::clicked, this, [this, i] {
            m_multiview->chooseJoinButton(i);
        });
    connect(ui->btn_splicing_set, &QAbstractButton::clicked, this, [this] {
        m_multiview->openSplicingSettings(m_window);
    });
    connect(ui->bezelBtn, &QAbstractButton::clicked, this, &WallPages::openBezel);

    SingleSplitterWidget *view = ui->wid_ss;
    view->setInputNames(m_hooks.inputName);
    view->setDropCheck(m_hooks.splitterRefusal);
    connect(view, &SingleSplitterWidget::refused, this, [this](const QString &reason) {
        if (m_hooks.message)
            m_hooks.message(reason);
    });
    connect(view, &SingleSplitterWidget::si_showPermissionWarningDialog, this, [this] {
        m_hooks.permissionWarning();
    });
    connect(view, &SingleSplitterWidget::si_drop, this, [this](int input, int area) {
        m_hooks.routeArea(input, area);
    });
}

OutputWidget0409 *WallPages::canvas() const
{
    return m_ui->widget_out_0409;
}

SingleSplitterWidget *WallPages::splitter() const
{
    return m_ui->wid_ss;
}

void WallPages::restartMultiview()
{
    m_multiview->restart();
}

void WallPages::setInputNames(const QMap<int, QString> &names)
{
    canvas()->setInputNames(names);
    splitter()->refreshTexts();
}

void WallPages::setCurrentInput(int input)
{
    canvas()->setCurrentInput(input);
}

void WallPages::applyWindowStatus(const QJsonObject &obj)
{
    const WindowStatusRecord record = WindowStatusRecord::read(obj);
    for (const QString &key : record.unknownKeys)
        qDebug() << "Unknow Window Status Key: " << key;
    DeviceState *state = DeviceState::instance();
    state->setWindowStatus(record.windows);
    if (record.virMode)
        state->setVirMode(*record.virMode);
    m_multiview->updateLayoutButtonIcons();
    canvas()->refreshLayout();
}

void WallPages::applySplitterAreas(const QMap<int, int> &areas)
{
    if (areas.isEmpty())
        return;
    DeviceState::instance()->setSplitterRouting(areas);
    refreshSplitter();
}

void WallPages::refreshSplitter()
{
    splitter()->refreshTexts();
}

void WallPages::openBezel()
{
    DialogBezel dialog(m_window);
    const int result = Dialogs::run(m_hooks.runDialog, dialog);
    if (result == 1)
        DialogBezel::sendStored(this, sendToDevice);
}

bool WallPages::jointRecallAllowed()
{
    const RecallCheck::Received received = canvas()->received();
    if (!DeviceModels::is(DeviceState::instance()->deviceType(), DeviceModel::Model0409S) ||
        RecallCheck::complete(received))
        return true;
    DialogConfirm dialog(m_window, tr("Warning"), RecallCheck::warningText(received));
    dialog.resize(m_window->width() * 3 / 2, dialog.height());
    Dialogs::run(m_hooks.runDialog, dialog);
    return false;
}

void WallPages::applyRights(const PermissionStore &rights)
{
    m_ui->btn_splicing_set->setEnabled(rights.hasFunctionRight(PermissionStore::SplicingSetting));
    const bool wall = rights.hasFunctionRight(PermissionStore::SplicingWall);
    m_ui->btn_0409_close_all->setEnabled(wall);
    m_ui->widget_out_0409->setEnabled(wall);
    m_ui->bezelBtn->setEnabled(rights.hasFunctionRight(PermissionStore::Bezel));
}
