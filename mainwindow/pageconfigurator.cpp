#include "pageconfigurator.h"
#include "ui_widget.h"

#include "appsettings.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "mainstyle.h"
#include "operatorcore.h"
#include "portnamestore.h"
#include "windowcontext.h"
#include "windowrules.h"

#include <QCoreApplication>

namespace {
// The texts stay in the window's catalogue context.
QString jointTabText(int code)
{
    return QCoreApplication::translate("Widget",
                                       (DeviceModels::is(code, DeviceModel::Model0809M) ||
                                        DeviceModels::is(code, DeviceModel::Model0409S))
                                           ? QT_TRANSLATE_NOOP("Widget", "Multiview")
                                           : QT_TRANSLATE_NOOP("Widget", "Splice"));
}
} // namespace

PageConfigurator::PageConfigurator(WindowContext &context, QObject *parent)
    : QObject(parent)
    , m_context(context)
{
}

void PageConfigurator::configurePages()
{
    if (DeviceModels::is(DeviceState::instance()->deviceType(), DeviceModel::Model0409S))
        configureMultiview();
    else
        configureMatrix();
    rebuildOutputNamesAndGrids();
    refreshListDisplay();
}

void PageConfigurator::configureMatrix()
{
    Ui::Widget *ui = m_context.ui;
    const int code = DeviceState::instance()->deviceType();
    ui->HdmiAudioComboBox->setEnabled(
        m_context.permissions.hasFunctionRight(PermissionStore::AudioSwitch));

    for (int i = 0; i < ui->listWidget->count(); ++i)
        ui->listWidget->setOnPage(i, true);
    ui->subwidget_joint_0409->hide();
    ui->subwidget_joint_not_0409->show();

    ui->tabWidget->setTabEnabled(VideoTab, true);
    ui->tabWidget->setTabEnabled(InfaredTab, true);
    ui->tabWidget->setTabEnabled(JointTab, DeviceModels::is(code, DeviceModel::Model0809M));

    auto *bottom = qobject_cast<QGridLayout *>(ui->vtcWidBottomVideoTable->layout());
    if (DeviceModels::is(code, DeviceModel::Model0808S)) {
        for (int i = 0; i < 8; ++i)
            ui->listWidget->setOnPage(i, false);
        ui->widget_audio_normal->hide();
        ui->widget_audio_0808S->show();
        ui->tabWidget->setTabEnabled(InfaredTab, false);
        DeviceState::instance()->setSpliceMode(1);
        ui->wid_spliceGroups->show();
        ui->lb_sg->show();
        bottom->setColumnStretch(1, 80);
    } else {
        ui->widget_audio_normal->show();
        ui->widget_audio_0808S->hide();
        ui->wid_spliceGroups->hide();
        ui->lb_sg->hide();
        bottom->setColumnStretch(1, 40);
    }
    ui->tabWidget->setTabText(JointTab, jointTabText(code));
}

void PageConfigurator::configureMultiview()
{
    Ui::Widget *ui = m_context.ui;
    m_context.core->setHdmiAudioFollowsVideo(false);
    ui->HdmiAudioComboBox->setEnabled(false);
    ui->tabWidget->setTabEnabled(JointTab, true);
    ui->tabWidget->setTabEnabled(VideoTab, false);
    ui->tabWidget->setTabEnabled(InfaredTab, false);
    ui->subwidget_joint_0409->show();
    ui->subwidget_joint_not_0409->hide();
    ui->widget_audio_normal->show();
    ui->widget_audio_0808S->hide();
    ui->tabWidget->setTabText(JointTab, jointTabText(DeviceModels::code(DeviceModel::Model0409S)));
    ui->tabWidget->setCurrentIndex(JointTab);
    applyHdmiAudioLayout();
}

void PageConfigurator::writeJointTabText()
{
    const int code = DeviceState::instance()->deviceType();
    m_context.ui->tabWidget->setTabText(JointTab, jointTabText(code));
}

void PageConfigurator::rebuildOutputNamesAndGrids()
{
    Ui::Widget *ui = m_context.ui;
    const int code = DeviceState::instance()->deviceType();
    const WindowRules::OutputNames names =
        WindowRules::outputNames(code,
                                 PortNameStore::loadPortNames(PortNameStore::OutputVideo),
                                 PortNameStore::loadOutInfraredNames(),
                                 PortNameStore::loadOutAudioNames());
    AppSettings::instance()->setOutputNames(names.video);

    ui->videoTableWidget->setNames(names.video);
    ui->InfaredTable->setNames(names.infrared);
    ui->AudioTable->setNames(names.audio);
    ui->audioHDMITable->setNames(names.hdmiAudio);
    QMap<int, QString> mixed = names.hdmiAudio;
    mixed.insert(1, names.audio.value(1));
    ui->audioTable0808S->setNames(mixed);

    ui->videoTableWidget->setDeviceCode(code);
    // The splitter view holds output 9 whenever a layout is set, also one the device reports.
    ui->videoTableWidget->setOutput9Locked(DeviceModels::is(code, DeviceModel::Model0809M) &&
                                           DeviceState::instance()->splitterLayout() != 0);
    ui->videoTableWidget->rebuildForSpliceMode(DeviceState::instance()->spliceMode());
    for (TableWidget *grid : {ui->AudioTable, ui->audioHDMITable, ui->InfaredTable}) {
        const auto kind = GridLayout::Kind(grid->gridKind());
        const GridLayout::Shape shape = GridLayout::shapeFor(kind, code, 0);
        grid->setVisible(shape.visible);
        if (shape.visible)
            grid->setGridShape(shape.columns, shape.rows, code);
    }
    ui->audioTable0808S->build();
    ui->lb_audioTable->setVisible(ui->AudioTable->isVisibleTo(ui->AudioWidget));
    applyHdmiAudioLayout();
}

void PageConfigurator::refreshListDisplay()
{
    Ui::Widget *ui = m_context.ui;
    const int code = DeviceState::instance()->deviceType();
    ListWidget::DisplayMode mode = ListWidget::DisplayMode::Video;
    if (ui->tabWidget->currentIndex() == AudioTab)
        mode = ListWidget::DisplayMode::Audio;
    else if (ui->tabWidget->currentIndex() == InfaredTab)
        mode = ListWidget::DisplayMode::Infrared;
    ui->listWidget->setDisplayMode(mode, code);
    ui->listWidget->setInputPresence(DeviceState::instance()->inputPresent());
    if (DeviceModels::is(code, DeviceModel::Model0409S)) {
        // The multiview device has four inputs.
        for (int i = 12; i < ui->listWidget->count(); ++i)
            ui->listWidget->setOnPage(i, false);
    }
}

void PageConfigurator::applyHdmiAudioLayout()
{
    Ui::Widget *ui = m_context.ui;
    const bool follows = m_context.core->hdmiAudioFollowsVideo();
    const int stretch = follows ? 4 : 1;
    ui->wid_audioHdmi->setVisible(
        !follows ||
        DeviceModels::is(DeviceState::instance()->deviceType(), DeviceModel::Model0409S));
    auto *layout = qobject_cast<QGridLayout *>(ui->AudioWidget->layout());
    for (int row : {0, 1, 4})
        layout->setRowStretch(row, stretch);
    for (int column : {0, 3})
        layout->setColumnStretch(column, stretch);
    for (int row : {2, 3})
        layout->setRowStretch(row, 10);
    for (int column : {1, 2})
        layout->setColumnStretch(column, 10);
    ui->audioTable0808S->setHdmiIndependent(!follows);
}

void PageConfigurator::applyTabStyle(bool shifted)
{
    // Without the signal list the tab widget starts where the list did: the bar moves
    // right by the list and the gap after it, so the tabs stay where they were.
    Ui::Widget *ui = m_context.ui;
    const int shift =
        shifted ? ui->leftContentWidget->maximumWidth() + ui->bodyLayout->spacing() : 0;
    ui->tabWidget->setStyleSheet(MainStyle::tabs(shift));
}

void PageConfigurator::onTabChanged(int index)
{
    refreshListDisplay();
    const bool side = index == SettingTab || index == AboutTab;
    m_context.ui->leftContentWidget->setVisible(!side);
    applyTabStyle(side);
}
