#include "widget.h"
#include "ui_widget.h"

#include "appsettings.h"
#include "changenotice.h"
#include "dialogconfirm.h"
#include "devicestate.h"
#include "languagechoice.h"
#include "listwidget.h"
#include "localrouting.h"
#include "messagedistance.h"
#include "portmenus.h"
#include "portnamestore.h"
#include "projecttables.h"
#include "replyrecords.h"
#include "sigmanager.h"
#include "svgwidgets.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "userstore.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "wallgroupbutton.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QRegExpValidator>
#include <QTimer>

Widget *g_mainWindow = nullptr;

namespace {

const char *const SoftwareVersion = "V2.1.0(241212)";
const char *const ReleaseText = "r1";
const char *const ProductWord = "ZEL";

QString tabStyle(bool shifted)
{
    return QStringLiteral(
               "QTabWidget::tab-bar{%1}"
               "QTabBar::tab{border:none;color:#338c56;min-width:100px;min-height:30px;height:45px;"
               "font:bold 15px \"Microsoft YaHei\";background:transparent;padding:0 14px;}"
               "QTabBar::tab:hover{background:#F0F1EC;color:#2BC9A6;}"
               "QTabBar::tab:selected{background:#338c56;color:white;}"
               "QTabBar::tab:disabled{color:#b5bab3;}"
               "QTabWidget::pane{border:none;border-top:2px solid #338c56;background:white;}"
               "QTableWidget{border:none;gridline-color:transparent;font-size:18pt;background:white;}")
        .arg(shifted ? QStringLiteral("left:200px;") : QStringLiteral("left:0;"));
}

const char *const WindowStyle =
    "QWidget#titleBar{background:#338c56;border-top-left-radius:8px;border-top-right-radius:8px;}"
    "QLabel#connectState{color:white;font:bold 14px \"Microsoft YaHei\";}"
    "QWidget#titleBar QPushButton{color:white;background:transparent;border:none;border-radius:4px;font:16px;}"
    "QWidget#titleBar QPushButton:hover{background:rgba(255,255,255,40);}"
    "QPushButton#btnClose:hover{background:#e05545;}"
    "QLabel#lb_signals,QLabel#lb_plan,QLabel#lb_sg,QLabel#lb_audioTable,QLabel#lb_audioHDMITable"
    "{color:#2c3e50;font:bold 14px \"Microsoft YaHei\";}"
    "QListWidget{border:1px solid #dcdfd8;border-radius:6px;background:#fafbf8;font:14px \"Microsoft YaHei\";}"
    "QListWidget::item:selected{background:#e3f1e8;color:#2c3e50;}"
    "QPushButton{color:#2c3e50;background:#f0f1ec;border:1px solid #d4d8cf;border-radius:5px;"
    "font:13px \"Microsoft YaHei\";padding:0 10px;}"
    "QPushButton:hover{border-color:#338c56;}"
    "QPushButton:checked{background:#338c56;color:white;border-color:#338c56;}"
    "QPushButton:disabled{color:#a9aea6;background:#f5f6f3;border-color:#e3e5e0;}"
    "QPushButton#refrenshBtn,QPushButton#netWorkConfirmBtn{background:#338c56;color:white;border:none;}"
    "QPushButton#refrenshBtn:disabled,QPushButton#netWorkConfirmBtn:disabled{background:#a9c9b4;}"
    "QGroupBox{border:1px solid #dcdfd8;border-radius:8px;margin-top:14px;font:bold 15px \"Microsoft YaHei\";"
    "color:#338c56;}"
    "QGroupBox::title{subcontrol-origin:margin;left:14px;padding:0 6px;}"
    "QGroupBox QLabel{color:#2c3e50;font:14px \"Microsoft YaHei\";}"
    "QLineEdit,QComboBox{border:1px solid #d4d8cf;border-radius:5px;padding:0 8px;font:14px \"Microsoft YaHei\";"
    "background:white;}"
    "QLineEdit:focus,QComboBox:focus{border-color:#338c56;}"
    "QWidget#About QLabel{color:#2c3e50;font:15px \"Microsoft YaHei\";}"
    "QLabel#typeLabel{font:bold 20px \"Microsoft YaHei\";color:#338c56;}";

// With its signals blocked a switch keeps its old image; this draws the state it has.
void showSwitchImage(SvgCheckBox *box)
{
    box->setImages(QStringLiteral(":/Images/on.svg"), QStringLiteral(":/Images/off.svg"));
}

} // namespace

Widget::Widget(QWidget *parent, LoginFlow::Runner login, DialogRunner dialogs)
    : BaseWidget(parent)
    , ui(new Ui::Widget)
    , m_bindColours{QStringLiteral("#f4ebd9"), QStringLiteral("#fcdedb"), QStringLiteral("#e7e3eb"),
                    QStringLiteral("#deefee"), QStringLiteral("#fff9b2"), QStringLiteral("#f6debf"),
                    QStringLiteral("#e6efc1"), QStringLiteral("#d6d6d6"), QStringLiteral("#d0e1e7")}
    , m_runDialog(std::move(dialogs))
    , m_login(std::move(login))
{
    buildForm();
    createProjectTables();
    // Language before the first texts, so the window never shows the other one.
    LanguageChoice::apply(&m_translator);
    retranslate();
    connectLink();
    connectControls();
    connectGrids();
    connectPortMenus();

    ui->tabWidget->setCurrentIndex(VideoTab);
    DeviceState::instance()->setDeviceType(AppSettings::instance()->deviceType());
    refrenshSignalSlot();
    logIn(m_login);
}

Widget::~Widget()
{
    MessageDistance::instance()->disconnectFromDevice();
}

void Widget::buildForm()
{
    ui->setupUi(this);
    ui->te_log->hide();

    ui->logo_ver->setSvg(QStringLiteral(":/Images/ver.svg"));
    for (SvgCheckBox *box : {ui->IsNotNeedLoginCheck, ui->DhcpSwitchCheck}) {
        box->setImages(QStringLiteral(":/Images/on.svg"), QStringLiteral(":/Images/off.svg"));
        box->setSvgIconSize(QSize(48, 24));
    }

    setStyleSheet(QString::fromLatin1(WindowStyle));
    applyTabStyle(false);
    ui->btn_RestoreOrMax->setIcon(QIcon(QStringLiteral(":/Images/window/fullscreen.png")));
    ui->mini->setText(QStringLiteral("\u2013"));
    ui->btnClose->setText(QStringLiteral("\u2715"));

    ui->AudioTable->setReduceHdmiSource(false);
    ui->audioHDMITable->setReduceHdmiSource(false);
    ui->audioTable0808S->setReduceHdmiSource(false);
    ui->audioHDMITable->setPortBase(100);

    const QString ipPattern = QStringLiteral(
        "((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])[\\.]){3}"
        "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])");
    auto *ipValidator = new QRegExpValidator(QRegExp(ipPattern), this);
    ui->IpEdit->setValidator(ipValidator);
    ui->GateWayEdit->setValidator(ipValidator);
    ui->SubnetEdit->setValidator(ipValidator);
    ui->MacEdit->setValidator(new QRegExpValidator(
        QRegExp(QStringLiteral("^([0-9a-fA-F]{2}(:|-)){5}[0-9a-fA-F]{2}$")), this));
    setWindowIcon(QIcon(QStringLiteral(":/Images/applogo.png")));

    ui->videoTableWidget->setGridKind(int(GridLayout::Kind::Video));
    ui->AudioTable->setGridKind(int(GridLayout::Kind::Audio));
    ui->audioHDMITable->setGridKind(int(GridLayout::Kind::HdmiAudio));
    ui->InfaredTable->setGridKind(int(GridLayout::Kind::Infrared));
    ui->audioTable0808S->setGridKind(int(GridLayout::Kind::Audio0808S));
    ui->videoTableWidget->setBindColours(m_bindColours);
    for (TableWidget *grid : {ui->InfaredTable, ui->AudioTable, ui->audioHDMITable,
                              ui->audioTable0808S}) {
        grid->setSelectionMode(QAbstractItemView::NoSelection);
    }

    setWindowTitle(QStringLiteral("%1VANTOR DESK").arg(QLatin1String(ProductWord)));

    m_splitterGroup = new QButtonGroup(this);
    QPushButton *splitters[] = {ui->btn_splitter_0, ui->btn_splitter_1, ui->btn_splitter_2,
                                ui->btn_splitter_3, ui->btn_splitter_4, ui->btn_splitter_5,
                                ui->btn_splitter_6};
    for (int i = 0; i < 7; ++i)
        m_splitterGroup->addButton(splitters[i], i);
    ui->btn_splitter_0->setChecked(true);

    m_multiviewGroup = new QButtonGroup(this);
    m_multiviewGroup->addButton(ui->btn_vir_1, 0);
    m_multiviewGroup->addButton(ui->btn_vir_2, 1);
    m_multiviewGroup->addButton(ui->btn_vir_3, 2);

    m_planGroup = new QButtonGroup(this);
    m_planGroup2 = new QButtonGroup(this);
    for (int i = 1; i <= 10; ++i) {
        auto *plan = findChild<QPushButton *>(QStringLiteral("btn_plan%1").arg(i));
        auto *plan2 = findChild<QPushButton *>(QStringLiteral("btn_plan%1_2").arg(i));
        m_planGroup->addButton(plan, i - 1);
        m_planGroup2->addButton(plan2, i - 1);
        plan->setText(QString::number(i));
        plan2->setText(QString::number(i));
    }

    m_wallGroup = new QButtonGroup(this);
    WallGroupButton *walls[] = {ui->btn_spliceMode0, ui->btn_spliceMode1, ui->btn_spliceMode2,
                                ui->btn_spliceMode3, ui->btn_spliceMode4, ui->btn_spliceMode5};
    for (int i = 0; i < 6; ++i) {
        walls[i]->setOutputs(VideoSplitManager::presetOutputs(i));
        m_wallGroup->addButton(walls[i], i);
    }
    ui->btn_spliceMode0->setChecked(true);
}

void Widget::connectLink()
{
    MessageDistance *link = MessageDistance::instance();
    connect(link, &MessageDistance::receiveVersionSig, this, &Widget::receiveVersionSlot);
    connect(link, &MessageDistance::receiveInputChannelStateSig, this,
            &Widget::receiveInputChannelStateSlot);
    connect(link, &MessageDistance::receiveNetWorkImforamtionSig, this,
            &Widget::receiveNetWorkImforamtionSlot);
    connect(link, &MessageDistance::receiveVideoAudioIRMapSig, this,
            &Widget::receiveVideoAudioIRMapSlot);
    connect(link, &MessageDistance::receiveInOutChannelResolutionMapSig, this,
            &Widget::receiveInOutChannelResolutionSlot);
    connect(link, &MessageDistance::receiveTitleImfSig, this, &Widget::receiveTitleImfSlot);
    connect(link, &MessageDistance::connectSuccessFulSig, this,
            &Widget::receiveNetWorkSuccessfulSlot);
    connect(link, &MessageDistance::connectingSig, this, &Widget::receiveConnectingSlot);
    connect(link, &MessageDistance::connectFailureSig, this, &Widget::disConnectedSlot);
    connect(link, &MessageDistance::receiveVolumnImformationSig, this,
            &Widget::receiveVolumeValueSlot);
    connect(link, &MessageDistance::receiveBindInfoSig, this, &Widget::receiveBindInfoSlot);
    connect(link, &MessageDistance::receiveOutputInfoSig, this, &Widget::receiveOutputInfoSlot);
    connect(link, &MessageDistance::receiveHDCPInfoSig, this, &Widget::receiveHDCPInfoSlot);
    connect(link, &MessageDistance::receiveWindowStatusSig, this, &Widget::receiveWindowStatusSlot);
    connect(link, &MessageDistance::receiveRotateAngleSig, this, &Widget::receiveRotateAngleSlot);
    connect(link, &MessageDistance::receiveChangedByOthersSig, this,
            &Widget::receiveChangedByOthersSlot);

    connect(link, &MessageDistance::si_ForwardAnalysis, this, &Widget::si_ForwardAnalysis);
    connect(link, &MessageDistance::si_http200Analysis, this, &Widget::si_http200Analysis);
    connect(link, &MessageDistance::si_SetDhcpSwitch, this, &Widget::si_SetDhcpSwitch);
    connect(this, &Widget::si_SetDhcpSwitch, this, &Widget::sl_SetDhcpSwitch);
    connect(this, &Widget::si_http200Analysis, this, &Widget::sl_confirmHttpOK);

    connect(SigManager::instance(), &SigManager::Sig_UpdateOutputInfo, this,
            &Widget::updateVideoWidgetOutputInfo);
}

void Widget::connectControls()
{
    MessageDistance *link = MessageDistance::instance();
    connect(ui->mini, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->factorResetBtn, &QPushButton::clicked, this, [this, link] {
        m_networkChangePending = true;
        link->sendDefault();
    });
    connect(ui->netWorkConfirmBtn, &QPushButton::clicked, this, [this, link] {
        m_networkChangePending = true;
        link->sendSetNetwork(ui->IpEdit->text(), ui->GateWayEdit->text(), ui->SubnetEdit->text(),
                             ui->MacEdit->text());
    });
    connect(ui->DhcpSwitchCheck, &QCheckBox::toggled, link,
            [link](bool checked) { link->sendDhcp(checked); });
    connect(ui->IsNotNeedLoginCheck, &QCheckBox::toggled, this,
            [](bool checked) { UserStore::setLoginModel(checked ? 1 : 0); });
    connect(ui->btnReLogin, &QPushButton::clicked, this, &Widget::reLogin);
    connect(ui->HdmiAudioComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Widget::on_hdmiAudioComboBox_currentIndexChanged);
    connect(m_splitterGroup, &QButtonGroup::idClicked, this,
            &Widget::SingleSplitterButtonChangeSlot);
    connect(m_wallGroup, &QButtonGroup::idClicked, this,
            &Widget::sl_spliceGroupBtnClicked);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Widget::onTabChanged);
    connect(ui->listWidget, &QListWidget::currentItemChanged, this,
            [this] { refreshListDisplay(); });
}

void Widget::connectGrids()
{
    MessageDistance *link = MessageDistance::instance();
    auto inputName = [](int port) { return AppSettings::instance()->inputName(port); };
    auto audioName = [](int port) { return AppSettings::instance()->audioName(port); };
    const QList<TableWidget *> grids = {ui->videoTableWidget, ui->AudioTable, ui->audioHDMITable,
                                        ui->InfaredTable, ui->audioTable0808S};
    for (TableWidget *grid : grids) {
        grid->setSourceNames(audioName, inputName);
        grid->setDropCheck([this, grid](const GridLayout::DropRights &rights, int output) {
            return dropAllowed(grid->gridKind(), output, rights);
        });
        connect(grid, &TableWidget::si_showPermissionWarningDialog, this,
                &Widget::showPermissionWarning, Qt::UniqueConnection);
    }

    connect(ui->videoTableWidget, &TableWidget::dropPortToItemSig, this, [this, link](int i, int o) {
        link->sendSwitch(i, 0, o);
        routeVideoLocally(i, o, true);
    });
    for (TableWidget *audio : {ui->AudioTable, ui->audioHDMITable, ui->audioTable0808S}) {
        connect(audio, &TableWidget::dropPortToItemSig, this, [link](int i, int o) {
            link->sendSwitch(i, 1, o);
            DeviceState::instance()->setAudioRouting(o, i);
        });
    }
    connect(ui->InfaredTable, &TableWidget::dropPortToItemSig, this, [link](int i, int o) {
        link->sendSwitch(i, 2, o);
        DeviceState::instance()->setIrRouting(o, i);
    });

    connect(ui->videoTableWidget, &TableWidget::layoutChangedSig, this, [this] {
        updateVideoWidgetOutputInfo();
        refreshGrid(0);
    });
    connect(ui->AudioTable, &TableWidget::layoutChangedSig, this, [this] { refreshGrid(1); });
    connect(ui->audioHDMITable, &TableWidget::layoutChangedSig, this, [this] { refreshGrid(4); });
    connect(ui->audioTable0808S, &TableWidget::layoutChangedSig, this, [this] { refreshGrid(5); });
    connect(ui->InfaredTable, &TableWidget::layoutChangedSig, this, [this] { refreshGrid(3); });
    connect(ui->videoTableWidget, &TableWidget::si_requsetCheckPermissionLabelClicked, this,
            &Widget::applyIconRights);

    connect(ui->videoTableWidget, &TableWidget::si_orderToLock, this, [link](int port, bool on) {
        link->sendOutputLock(port, on);
        DeviceState::instance()->setOutputLocked(port, on);
    });
    connect(ui->videoTableWidget, &TableWidget::si_orderToPause, this,
            [this, link](int port, bool on) {
                if (!outputsPermitted({port}) ||
                    !m_permissions.hasFunctionRight(PermissionStore::PausePlayOutput)) {
                    updateVideoWidgetOutputInfoByPort(port);
                    return;
                }
                link->sendFrozen(port, on);
                DeviceState::instance()->setOutputFrozen(port, on);
            });
    connect(ui->videoTableWidget, &TableWidget::si_orderToMute, this,
            [this, link](int port, bool on) {
                if (!outputsPermitted({port}) ||
                    !m_permissions.hasFunctionRight(PermissionStore::CloseOpenOutput)) {
                    updateVideoWidgetOutputInfoByPort(port);
                    return;
                }
                link->sendVideoMute(port, on);
                DeviceState::instance()->setOutputVideoMuted(port, on);
            });
}

void Widget::connectPortMenus()
{
    PortMenus::Host host;
    host.window = this;
    host.runDialog = m_runDialog;
    host.rights = &m_permissions;
    host.bindManager = [this] { return m_bindManager; };
    host.infraredPage = [this] { return ui->tabWidget->currentIndex() == InfaredTab; };
    host.refreshList = [this] { refrenshSignalSlot(); };
    host.refreshSources = [this] { refreshAllGrids(); };
    m_portMenus = new PortMenus(host, this);
    for (TableWidget *grid : {static_cast<TableWidget *>(ui->videoTableWidget), ui->AudioTable,
                              ui->audioHDMITable, ui->InfaredTable, ui->audioTable0808S})
        m_portMenus->attachGrid(grid);
    m_portMenus->attachList(ui->listWidget);
    connect(this, &Widget::si_outResoluChangedByOthers, m_portMenus,
            &PortMenus::outputResolutionChanged);
    connect(this, &Widget::si_hdcpChangedByOthers, m_portMenus, &PortMenus::hdcpChanged);
}

// ---- login ----------------------------------------------------------------------------

void Widget::logIn(const LoginFlow::Runner &login)
{
    const LoginFlow::Outcome outcome = LoginFlow::startUp(login);
    if (outcome == LoginFlow::Outcome::Cancelled) {
        m_loginCancelled = true;
        return;
    }
    applyPermissions();
    createBindManager();
    configurePages();

    DeviceState *state = DeviceState::instance();
    const QString host = state->deviceAddress();
    const quint16 port = quint16(state->devicePort());
    QTimer::singleShot(0, this, [host, port] { MessageDistance::instance()->connectToDevice(host, port); });

    showTitle(TitleState::Connecting);
    {
        const QSignalBlocker blocker(ui->IsNotNeedLoginCheck);
        ui->IsNotNeedLoginCheck->setChecked(UserStore::loginModel() == 1);
    }
    showSwitchImage(ui->IsNotNeedLoginCheck);
    m_logo = new SvgLabel(ui->titleBar);
    m_logo->setGeometry(10, 3, 194, 39);
    m_logo->setSvg(QStringLiteral(":/Images/logo.svg"));
    ui->logoLabel->hide();
    show();
}

void Widget::reLogin()
{
    hide();
    if (LoginFlow::reLogin(m_login) == LoginFlow::Outcome::Cancelled) {
        qApp->quit();
        return;
    }
    applyPermissions();
    configurePages();
    showTitle(TitleState::Connecting);
    show();
    DeviceState *state = DeviceState::instance();
    MessageDistance::instance()->connectToDevice(state->deviceAddress(),
                                                 quint16(state->devicePort()));
}

void Widget::createBindManager()
{
    if (m_bindManager)
        return;
    m_bindManager = new VideoSplitManager(this);
    m_bindManager->attachGrid(ui->videoTableWidget);
    MessageDistance *link = MessageDistance::instance();
    connect(m_bindManager, &VideoSplitManager::si_sendNewBindMsg, this,
            [this, link](int master, QList<int> outputs) {
                routeVideoLocally(DeviceState::instance()->videoRouting(master), master, false);
                link->sendBind(master, outputs);
            });
    connect(m_bindManager, &VideoSplitManager::si_sendUnBindMsg, link,
            [link](int output) { link->sendUnBind(output); });
    connect(ui->videoTableWidget, &VideoTableWidget::si_spliceLayoutModeChanged, this,
            [this] { ui->videoTableWidget->restyleCells(); });
}

// ---- pages per device -----------------------------------------------------------------

void Widget::configurePages()
{
    if (DeviceState::instance()->deviceType() == 2)
        configureMultiview();
    else
        configureMatrix();
    rebuildOutputNamesAndGrids();
    refreshListDisplay();
    writeAboutLabels();
}

void Widget::configureMatrix()
{
    const int code = DeviceState::instance()->deviceType();
    ui->HdmiAudioComboBox->setEnabled(true);
    if (!m_permissions.hasFunctionRight(PermissionStore::AudioSwitch))
        ui->HdmiAudioComboBox->setEnabled(false);

    for (int i = 0; i < ui->listWidget->count(); ++i)
        ui->listWidget->item(i)->setHidden(false);
    ui->subwidget_joint_0409->hide();
    ui->subwidget_joint_not_0409->show();

    ui->tabWidget->setTabEnabled(VideoTab, true);
    ui->tabWidget->setTabEnabled(InfaredTab, true);
    ui->tabWidget->setTabEnabled(JointTab, code == 4);

    auto *bottom = qobject_cast<QGridLayout *>(ui->vtcWidBottomVideoTable->layout());
    if (code == 3) {
        for (int i = 0; i < 8; ++i)
            ui->listWidget->item(i)->setHidden(true);
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
    ui->tabWidget->setTabText(JointTab, code == 4 ? tr("Multiview") : tr("Splice"));
}

void Widget::configureMultiview()
{
    m_hdmiAudioFollowsVideo = false;
    ui->HdmiAudioComboBox->setEnabled(false);
    ui->tabWidget->setTabEnabled(JointTab, true);
    ui->tabWidget->setTabEnabled(VideoTab, false);
    ui->tabWidget->setTabEnabled(InfaredTab, false);
    ui->subwidget_joint_0409->show();
    ui->subwidget_joint_not_0409->hide();
    ui->widget_audio_normal->show();
    ui->widget_audio_0808S->hide();
    ui->tabWidget->setTabText(JointTab, tr("Multiview"));
    ui->tabWidget->setCurrentIndex(JointTab);
    applyHdmiAudioLayout();
}

void Widget::rebuildOutputNamesAndGrids()
{
    const int code = DeviceState::instance()->deviceType();
    const int outputs = (code == 0 || code == 3) ? 8 : 9;
    const QMap<int, QString> storedVideo = PortNameStore::loadPortNames(PortNameStore::OutputVideo);
    const QMap<int, QString> storedIr = PortNameStore::loadOutInfraredNames();
    const QMap<int, QString> storedAudio = PortNameStore::loadOutAudioNames();
    QMap<int, QString> video, ir, audio, hdmi;
    for (int n = 1; n <= outputs; ++n) {
        const QString fallback = tr("Output %1").arg(n);
        video.insert(n, storedVideo.value(n).isEmpty() ? fallback : storedVideo.value(n));
        ir.insert(n, storedIr.value(n).isEmpty() ? fallback : storedIr.value(n));
        audio.insert(n, storedAudio.value(n).isEmpty() ? tr("Audio %1").arg(n) : storedAudio.value(n));
        hdmi.insert(100 + n, video.value(n));
    }
    AppSettings::instance()->setOutputNames(video);

    ui->videoTableWidget->setNames(video);
    ui->InfaredTable->setNames(ir);
    ui->AudioTable->setNames(audio);
    ui->audioHDMITable->setNames(hdmi);
    ui->audioTable0808S->setNames(audio);

    ui->videoTableWidget->setDeviceCode(code);
    // The splitter view holds output 9 whenever a layout is set, also one the device reports.
    ui->videoTableWidget->setOutput9Locked(code == 4 && DeviceState::instance()->splitterLayout() != 0);
    ui->videoTableWidget->rebuildForSpliceMode(DeviceState::instance()->spliceMode());
    const struct {
        TableWidget *grid;
        GridLayout::Kind kind;
    } others[] = {{ui->AudioTable, GridLayout::Kind::Audio},
                  {ui->audioHDMITable, GridLayout::Kind::HdmiAudio},
                  {ui->InfaredTable, GridLayout::Kind::Infrared},
                  {ui->audioTable0808S, GridLayout::Kind::Audio0808S}};
    for (const auto &g : others) {
        const GridLayout::Shape shape = GridLayout::shapeFor(g.kind, code, 0);
        g.grid->setVisible(shape.visible);
        if (shape.visible)
            g.grid->setGridShape(shape.columns, shape.rows, code);
    }
    ui->lb_audioTable->setVisible(ui->AudioTable->isVisibleTo(ui->AudioWidget));
    applyHdmiAudioLayout();
}

void Widget::refreshListDisplay()
{
    const int code = DeviceState::instance()->deviceType();
    ListWidget::DisplayMode mode = ListWidget::DisplayMode::Video;
    if (ui->tabWidget->currentIndex() == AudioTab)
        mode = ListWidget::DisplayMode::Audio;
    else if (ui->tabWidget->currentIndex() == InfaredTab)
        mode = ListWidget::DisplayMode::Infrared;
    ui->listWidget->setDisplayMode(mode, code);
    ui->listWidget->setInputPresence(DeviceState::instance()->inputPresent());
    if (code == 2) {
        // The multiview device has four inputs.
        for (int i = 12; i < ui->listWidget->count(); ++i)
            ui->listWidget->item(i)->setHidden(true);
    }
}

void Widget::refreshGrid(int kind)
{
    DeviceState *state = DeviceState::instance();
    switch (kind) {
    case 0:
    case 3: {
        TableWidget *grid = kind == 0 ? static_cast<TableWidget *>(ui->videoTableWidget)
                                      : ui->InfaredTable;
        const QMap<int, int> routes = kind == 0 ? state->videoRouting() : state->irRouting();
        for (auto it = routes.cbegin(); it != routes.cend(); ++it) {
            if (it.value() < 100)
                grid->showInput(it.key(), it.value());
        }
        break;
    }
    case 1:
    case 5: {
        TableWidget *grid = kind == 1 ? ui->AudioTable : ui->audioTable0808S;
        const QMap<int, int> routes = state->audioRouting();
        for (auto it = routes.cbegin(); it != routes.cend(); ++it) {
            if (it.key() <= 100)
                grid->showSource(it.key(), it.value());
        }
        break;
    }
    case 4: {
        const QMap<int, int> routes = state->audioRouting();
        for (auto it = routes.cbegin(); it != routes.cend(); ++it) {
            if (it.key() >= 100)
                ui->audioHDMITable->showSource(it.key(), it.value());
        }
        break;
    }
    default:
        break;
    }
}

void Widget::refreshAllGrids()
{
    for (int kind : {0, 1, 4, 5, 3})
        refreshGrid(kind);
}

void Widget::routeVideoLocally(int input, int output, bool keepFlags)
{
    const QList<int> touched = LocalRouting::applyVideoRoute(
        input, output, m_bindManager, m_hdmiAudioFollowsVideo, keepFlags);
    for (int o : touched)
        updateVideoWidgetOutputInfoByPort(o);
    refreshGrid(0);
    if (m_hdmiAudioFollowsVideo) {
        refreshGrid(5);
        refreshGrid(4);
    }
}

// ---- rights ---------------------------------------------------------------------------

void Widget::applyPermissions()
{
    m_permissions.loadForUser(AppSettings::instance()->currentUser());
    auto allowed = [this](int key) { return m_permissions.hasFunctionRight(key); };
    ui->factorResetBtn->setEnabled(allowed(PermissionStore::NetWork));
    ui->netWorkConfirmBtn->setEnabled(allowed(PermissionStore::NetWork));
    ui->DhcpSwitchCheck->setEnabled(allowed(PermissionStore::Dhcp));
    ui->IsNotNeedLoginCheck->setEnabled(allowed(PermissionStore::LoginFreeOption));
    ui->tabWidget->setTabEnabled(AboutTab, allowed(PermissionStore::VersionInformation));
    ui->wid_spliceGroups->setEnabled(allowed(PermissionStore::VideoSwitch) &&
                                     allowed(PermissionStore::Splice));
    ui->lb_sg->setEnabled(ui->wid_spliceGroups->isEnabled());
    disableLaterControls();
    applyIconRights();
}

void Widget::disableLaterControls()
{
    // Plans, the multiview canvas, caption, users, bezel and the splicing settings have
    // no dialogs in this version: their buttons stay visible but cannot be pressed.
    QList<QWidget *> later = {ui->CaptionBtn, ui->btn_caption_0409, ui->usermanageBtn,
                              ui->bezelBtn, ui->btn_splicing_set, ui->btn_vir_1, ui->btn_vir_2,
                              ui->btn_vir_3, ui->btn_0409_zoom_in, ui->btn_0409_zoom_out,
                              ui->btn_0409_lock_all, ui->btn_0409_close_all, ui->widget_out_0409};
    for (QAbstractButton *b : m_planGroup->buttons())
        later << b;
    for (QAbstractButton *b : m_planGroup2->buttons())
        later << b;
    for (QWidget *w : later) {
        w->setEnabled(false);
        w->setToolTip(tr("Not available in this version"));
    }
}

void Widget::applyIconRights()
{
    const bool pause = m_permissions.hasFunctionRight(PermissionStore::PausePlayOutput);
    const bool mute = m_permissions.hasFunctionRight(PermissionStore::CloseOpenOutput);
    for (int port = 1; port <= 9; ++port) {
        if (TableItemWidget *cell = ui->videoTableWidget->cellForPort(port)) {
            const bool output = m_permissions.hasPortRight(port, PermissionStore::Output);
            cell->setPauseAllowed(output && pause);
            cell->setMuteAllowed(output && mute);
        }
    }
}

bool Widget::dropAllowed(int kind, int output, const GridLayout::DropRights &rights) const
{
    if (!rights.checked)
        return true;
    if (rights.outputPort > 0 && !m_permissions.hasPortRight(rights.outputPort, rights.outputCategory))
        return false;
    if (rights.functionRight > 0 && !m_permissions.hasFunctionRight(rights.functionRight))
        return false;
    if (rights.sourcePort > 0 && !m_permissions.hasPortRight(rights.sourcePort, rights.sourceCategory))
        return false;
    if (kind == int(GridLayout::Kind::Video))
        return outputsPermitted(LocalRouting::outputsReached(output, m_bindManager));
    return true;
}

bool Widget::outputsPermitted(const QList<int> &outputs) const
{
    for (int o : outputs) {
        if (!m_permissions.hasPortRight(o, PermissionStore::Output))
            return false;
    }
    return true;
}

void Widget::showPermissionWarning()
{
    PortRights(&m_permissions, this, m_runDialog).showPermissionWarning();
}

int Widget::runDialog(QDialog &dialog)
{
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

// ---- title, language, about -----------------------------------------------------------

void Widget::showTitle(TitleState state)
{
    AppSettings *settings = AppSettings::instance();
    settings->setConnectionStatus(int(state));
    QString text;
    switch (state) {
    case TitleState::Connected:
        text = tr("%4Vantor  User:%3  Ip:%1  Port:%2 connected");
        break;
    case TitleState::Disconnected:
        text = tr("%4Vantor  User:%3  Ip:%1  Port:%2 disconnected");
        break;
    default:
        text = tr("%4Vantor  User:%3  Ip:%1  Port:%2 connecting");
        break;
    }
    const QString ip = settings->ip();
    const QString port = QString::number(settings->port());
    const QString user = settings->currentUser();
    // One pass, so a user name holding "%1" stays as typed.
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('%') && i + 1 < text.size()) {
            const QChar n = text.at(i + 1);
            if (n == QLatin1Char('1')) { out += ip; ++i; continue; }
            if (n == QLatin1Char('2')) { out += port; ++i; continue; }
            if (n == QLatin1Char('3')) { out += user; ++i; continue; }
            if (n == QLatin1Char('4')) { out += QLatin1String(ProductWord); ++i; continue; }
        }
        out += text.at(i);
    }
    ui->connectState->setText(out);
}

void Widget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui && ui->connectState)
        retranslate();
    BaseWidget::changeEvent(event);
}

void Widget::retranslate()
{
    {
        const QSignalBlocker language(ui->languageComboBox);
        const QSignalBlocker hdmi(ui->HdmiAudioComboBox);
        ui->retranslateUi(this);
        const int stored = AppSettings::instance()->language();
        ui->languageComboBox->setCurrentIndex(stored == 0 ? 0 : 1);
        ui->HdmiAudioComboBox->setCurrentIndex(m_hdmiAudioFollowsVideo ? 0 : 1);
    }
    setWindowTitle(QStringLiteral("%1VANTOR DESK").arg(QLatin1String(ProductWord)));
    const int code = DeviceState::instance()->deviceType();
    ui->tabWidget->setTabText(JointTab, (code == 4 || code == 2) ? tr("Multiview") : tr("Splice"));
    const int status = AppSettings::instance()->connectionStatus();
    showTitle(status == 0 ? TitleState::Disconnected
                          : status == 2 ? TitleState::Connected : TitleState::Connecting);
    writeAboutLabels();
    if (m_planGroup && m_bindManager)
        disableLaterControls();
}

void Widget::writeAboutLabels()
{
    DeviceState *state = DeviceState::instance();
    ui->typeLabel->setText(state->deviceModel());
    ui->deviceFPGA_label->setText(state->fpgaVersion());
    ui->deviceMCU_label->setText(state->mcuVersion());
    ui->softwareLabel->setText(QLatin1String(SoftwareVersion));
    ui->releaseLabel->setText(QLatin1String(ReleaseText));
}

void Widget::on_languageComboBox_currentIndexChanged(int index)
{
    // Installing the catalogue raises the language change that re-applies the texts.
    LanguageChoice::switchTo(index, &m_translator);
    retranslate();
}

void Widget::applyTabStyle(bool shifted)
{
    ui->tabWidget->setStyleSheet(tabStyle(shifted));
}

void Widget::onTabChanged(int index)
{
    refreshListDisplay();
    const bool side = index == SettingTab || index == AboutTab;
    ui->leftContentWidget->setVisible(!side);
    applyTabStyle(side);
}

// ---- HDMI audio -----------------------------------------------------------------------

void Widget::applyHdmiAudioLayout()
{
    const int stretch = m_hdmiAudioFollowsVideo ? 4 : 1;
    ui->wid_audioHdmi->setVisible(!m_hdmiAudioFollowsVideo ||
                                  DeviceState::instance()->deviceType() == 2);
    auto *layout = qobject_cast<QGridLayout *>(ui->AudioWidget->layout());
    for (int row : {0, 1, 4})
        layout->setRowStretch(row, stretch);
    for (int column : {0, 3})
        layout->setColumnStretch(column, stretch);
    for (int row : {2, 3})
        layout->setRowStretch(row, 10);
    for (int column : {1, 2})
        layout->setColumnStretch(column, 10);
}

void Widget::on_hdmiAudioComboBox_currentIndexChanged(int index)
{
    m_hdmiAudioFollowsVideo = index == 0;
    applyHdmiAudioLayout();
    MessageDistance::instance()->sendFollowVideo(m_hdmiAudioFollowsVideo);
}

// ---- buttons --------------------------------------------------------------------------

void Widget::on_btn_RestoreOrMax_clicked()
{
    m_maximized = !m_maximized;
    if (m_maximized) {
        showMaximized();
        ui->btn_RestoreOrMax->setIcon(QIcon(QStringLiteral(":/Images/window/restore.png")));
    } else {
        ui->btn_RestoreOrMax->setIcon(QIcon(QStringLiteral(":/Images/window/fullscreen.png")));
        showNormal();
    }
}

void Widget::on_refrenshBtn_clicked()
{
    MessageDistance::instance()->sendVersion();
}

void Widget::SingleSplitterButtonChangeSlot(int id)
{
    DeviceState::instance()->selectSplitterLayout(id);
    MessageDistance::instance()->sendSplitter(id);
    ui->videoTableWidget->setOutput9Locked(id != 0);
    refreshGrid(0);
    ui->videoTableWidget->restyleCells();
}

void Widget::sl_spliceGroupBtnClicked(int id)
{
    if (!m_bindManager)
        return;
    applySpliceMode(LocalRouting::spliceModeOf(id), true);
}

void Widget::applySpliceMode(int mode, bool send)
{
    const QList<int> outputs = VideoSplitManager::presetOutputs(mode);
    if (send) {
        QList<int> asked = outputs;
        if (m_bindManager) {
            for (const QList<int> &group : m_bindManager->groups())
                asked << group;
        }
        if (!outputsPermitted(asked)) {
            showPermissionWarning();
            if (QAbstractButton *b = m_wallGroup->button(DeviceState::instance()->spliceMode()))
                b->setChecked(true);
            return;
        }
        MessageDistance::instance()->sendMode(mode);
    }
    DeviceState::instance()->setSpliceMode(mode);
    if (m_bindManager) {
        m_bindManager->clearGroups();
        m_bindManager->toggleGroup(outputs, false);
    }
    if (send && !outputs.isEmpty()) {
        DeviceState *state = DeviceState::instance();
        const int source = state->videoRouting(outputs.first());
        for (int o : outputs) {
            state->setVideoRouting(o, source);
            state->setOutputFrozen(o, false);
            state->setOutputVideoMuted(o, false);
            updateVideoWidgetOutputInfoByPort(o);
        }
        refreshGrid(0);
    }
    if (QAbstractButton *b = m_wallGroup->button(mode))
        b->setChecked(true);
}

// ---- connection -----------------------------------------------------------------------

void Widget::receiveNetWorkSuccessfulSlot()
{
    MessageDistance::instance()->sendVersion();
    showTitle(TitleState::Connected);
}

void Widget::receivenetWorkFailSlot()
{
    showTitle(TitleState::Disconnected);
}

void Widget::receiveConnectingSlot()
{
    showTitle(TitleState::Connecting);
}

void Widget::disConnectedSlot()
{
    showTitle(TitleState::Disconnected);
}

void Widget::sl_SetDhcpSwitch(bool on)
{
    const QSignalBlocker blocker(ui->DhcpSwitchCheck);
    ui->DhcpSwitchCheck->setChecked(on);
    showSwitchImage(ui->DhcpSwitchCheck);
}

void Widget::sl_confirmHttpOK()
{
    if (!m_networkChangePending)
        return;
    m_networkChangePending = false;
    DialogConfirm dialog(this, tr("Network Changed"),
                         tr("The network has changed, please reboot the device immediately"));
    runDialog(dialog);
}

// ---- replies --------------------------------------------------------------------------

void Widget::refrenshSignalSlot()
{
    QMap<int, QString> audio = PortNameStore::loadPortNames(PortNameStore::InputAudio);
    QMap<int, QString> inputs = PortNameStore::loadPortNames(PortNameStore::InputVideo);
    ui->listWidget->rebuild(audio, inputs);
    for (int n = 1; n <= 8; ++n) {
        if (audio.value(n).isEmpty())
            audio.insert(n, tr("Audio %1").arg(n));
        if (inputs.value(n).isEmpty())
            inputs.insert(n, tr("Input %1").arg(n));
    }
    AppSettings::instance()->setAudioNames(audio);
    AppSettings::instance()->setInputNames(inputs);
    refreshListDisplay();
}

void Widget::receiveVersionSlot(QJsonObject obj)
{
    const ReplyRecords::Version version = ReplyRecords::applyVersion(obj);
    int code = 1;
    if (version.code >= 0) {
        code = version.code;
        if (code == 4) {
            const QSignalBlocker blocker(m_splitterGroup);
            if (QAbstractButton *b = m_splitterGroup->button(DeviceState::instance()->splitterLayout()))
                b->setChecked(true);
        }
        configurePages();
    } else {
        rebuildOutputNamesAndGrids();
        writeAboutLabels();
    }

    m_hdmiAudioFollowsVideo = version.hdmiAudioFollowsVideo && code != 2;
    {
        const QSignalBlocker blocker(ui->HdmiAudioComboBox);
        ui->HdmiAudioComboBox->setCurrentIndex(m_hdmiAudioFollowsVideo ? 0 : 1);
    }
    applyHdmiAudioLayout();
    scheduleStartUpQueries(code);
}

void Widget::scheduleStartUpQueries(int deviceCode)
{
    const QList<QPair<int, QString>> queries = ReplyRecords::startUpQueries(deviceCode);
    for (const auto &query : queries) {
        const QString command = query.second;
        QTimer::singleShot(query.first, this,
                           [command] { MessageDistance::instance()->sendData(command); });
    }
}

void Widget::receiveInputChannelStateSlot(QJsonObject obj)
{
    ReplyRecords::applyInputPresence(obj);
    refreshListDisplay();
}

void Widget::receiveNetWorkImforamtionSlot(QJsonObject obj)
{
    ReplyRecords::applyNetwork(obj);
    DeviceState *state = DeviceState::instance();
    ui->IpEdit->setText(state->deviceAddress());
    ui->GateWayEdit->setText(state->gateway());
    ui->SubnetEdit->setText(state->subnetMask());
    ui->MacEdit->setText(state->macAddress());
}

void Widget::receiveVideoAudioIRMapSlot(QJsonObject obj)
{
    const ReplyRecords::Routing routing = ReplyRecords::applyRouting(obj);
    if (routing.spliceMode >= 0)
        applySpliceMode(LocalRouting::spliceModeOf(routing.spliceMode), false);
    refreshAllGrids();
}

void Widget::receiveInOutChannelResolutionSlot(QJsonObject obj)
{
    ReplyRecords::applyResolutions(obj);
    refreshListDisplay();
    emit si_map_out_resolu_ready();
}

void Widget::receiveTitleImfSlot(QJsonObject obj)
{
    ReplyRecords::applyCaption(obj);
}

void Widget::receiveVolumeValueSlot(QJsonObject obj)
{
    ReplyRecords::applyVolumes(obj);
}

void Widget::receiveOutputInfoSlot(QJsonObject obj)
{
    ReplyRecords::applyOutputInfo(obj); // raises Sig_UpdateOutputInfo
}

void Widget::receiveHDCPInfoSlot(QJsonObject obj)
{
    ReplyRecords::applyHdcp(obj);
}

void Widget::receiveRotateAngleSlot(QJsonObject obj)
{
    ReplyRecords::applyRotation(obj);
    emit si_rotate_degree_ready();
}

void Widget::receiveWindowStatusSlot(QJsonObject obj)
{
    // The window model belongs to the multiview canvas; it reads the record itself.
    ReplyRecords::applyWindowStatus(obj);
    refreshGrid(4);
    emit si_windows_ready();
}

void Widget::receiveChangedByOthersSlot(QJsonObject obj)
{
    qDebug() << "*** Status Changed by Others ***";
    DeviceState *state = DeviceState::instance();
    const int code = state->deviceType();
    using ChangeNotice::Kind;
    // Applied here without a word back to the device: it already holds the change.
    for (const ChangeNotice::Change &c : ChangeNotice::read(obj, code)) {
        switch (c.kind) {
        case Kind::SpliceMode:
            if (code == 3) {
                applySpliceMode(LocalRouting::spliceModeOf(c.value), false);
            } else {
                state->setSpliceMode(c.value);
                if (m_bindManager)
                    m_bindManager->setSpliceLayout(true, state->spliceMode());
            }
            break;
        case Kind::Audio:
            state->setAudioRouting(c.port, c.value);
            refreshGrid(1);
            refreshGrid(4);
            refreshGrid(5);
            break;
        case Kind::Infrared:
            state->setIrRouting(c.port, c.value);
            refreshGrid(3);
            break;
        case Kind::Video:
            routeVideoLocally(c.value, c.port, true);
            break;
        case Kind::Splitter:
            state->setSplitterRouting(c.port, c.value);
            break;
        case Kind::Link:
            state->setOutputLinked(c.port, c.flag);
            updateVideoWidgetOutputInfoByPort(c.port);
            break;
        case Kind::InputPresence:
            state->setInputPresent(c.port, c.flag);
            refreshListDisplay();
            break;
        case Kind::Unbind:
            if (m_bindManager)
                m_bindManager->removeGroup(c.port);
            break;
        case Kind::Bind:
            if (m_bindManager)
                m_bindManager->toggleGroup(c.outputs, false);
            break;
        case Kind::OutputResolution:
            state->setOutputResolutions(c.port, c.text);
            emit si_outResoluChangedByOthers(c.port, c.text);
            break;
        case Kind::Frozen:
            state->setOutputFrozen(c.port, c.flag);
            updateVideoWidgetOutputInfoByPort(c.port);
            break;
        case Kind::OutputLock:
            state->setOutputLocked(c.port, c.flag);
            updateVideoWidgetOutputInfoByPort(c.port);
            break;
        case Kind::InputHdcp:
            state->setInputHdcp(c.port, c.value);
            emit si_hdcpChangedByOthers(c.port);
            break;
        case Kind::Volume:
            state->setVolume(c.port, c.value);
            emit SigManager::instance()->Sig_UpdateVolumes();
            break;
        case Kind::Mute:
            state->setAudioMuted(c.port, c.flag ? 1 : 0);
            emit SigManager::instance()->Sig_UpdateVolumes();
            break;
        case Kind::ScalingMode:
            state->setScalingMode(c.port, c.value);
            emit si_ForwardAnalysis(QStringLiteral("{\"Chn\":%1,\"Scaler_Mode\":%2}")
                                        .arg(c.port)
                                        .arg(c.value));
            break;
        }
    }
}

void Widget::receiveBindInfoSlot(QJsonObject obj)
{
    int mode = -1;
    const VideoSplitManager::Groups groups = VideoSplitManager::groupsFromBindRecord(obj, &mode);
    if (!m_bindManager)
        return;
    if (mode >= 0) {
        DeviceState::instance()->setSpliceMode(mode);
        m_bindManager->setSpliceLayout(false, DeviceState::instance()->spliceMode());
    }
    m_bindManager->setGroups(groups);
    m_bindManager->refreshGrid();
    refreshGrid(0);
    updateVideoWidgetOutputInfo();
}

// ---- cell icons -----------------------------------------------------------------------

void Widget::updateVideoWidgetOutputInfo()
{
    for (int port = 1; port <= 9; ++port)
        updateVideoWidgetOutputInfoByPort(port);
}

void Widget::updateVideoWidgetOutputInfoByPort(int output)
{
    updateCell(ui->videoTableWidget, output);
}

void Widget::updateCell(TableWidget *grid, int output)
{
    TableItemWidget *cell = grid->cellForPort(output);
    if (!cell)
        return;
    DeviceState *state = DeviceState::instance();
    cell->setFrozen(state->outputFrozen(output));
    cell->setOutputLock(state->outputLocked(output));
    cell->setHdmiLink(state->outputLinked(output));
    cell->setMuted(state->outputVideoMuted(output));
}
