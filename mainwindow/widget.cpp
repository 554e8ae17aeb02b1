#include "widget.h"
#include "listroles.h"
#include "ui_widget.h"

#include "aboutpage.h"
#include "activityview.h"
#include "appsettings.h"
#include "changeapplier.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "dialogconfirm.h"
#include "dialoglauncher.h"
#include "droprefusal.h"
#include "gridwiring.h"
#include "languagechoice.h"
#include "linkindicator.h"
#include "linkstatusview.h"
#include "linkwatch.h"
#include "listwidget.h"
#include "localrouting.h"
#include "mainstyle.h"
#include "messagedistance.h"
#include "networkguard.h"
#include "operatorcore.h"
#include "outputdialogs.h"
#include "outputwidget0409.h"
#include "pageconfigurator.h"
#include "plancontroller.h"
#include "planwiring.h"
#include "portmenus.h"
#include "portmenuwiring.h"
#include "portnamestore.h"
#include "projecttables.h"
#include "rightswarning.h"
#include "routeservice.h"
#include "salvowiring.h"
#include "settingpage.h"
#include "showwiring.h"
#include "sigmanager.h"
#include "signalsearch.h"
#include "singlesplitterwidget.h"
#include "svgwidgets.h"
#include "tablewidget.h"
#include "takestage.h"
#include "takewiring.h"
#include "titlebar.h"
#include "userstore.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "wallcontrols.h"
#include "wallpages.h"
#include "windowrules.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QTimer>

namespace {
const char *const ProductWord = "ZEL";
} // namespace

Widget::Widget(QWidget *parent, LoginFlow::Runner login, DialogRunner dialogs)
    : BaseWidget(parent)
    , ui(new Ui::Widget)
    , m_bindColours{QStringLiteral("#f4ebd9"),
                    QStringLiteral("#fcdedb"),
                    QStringLiteral("#e7e3eb"),
                    QStringLiteral("#deefee"),
                    QStringLiteral("#fff9b2"),
                    QStringLiteral("#f6debf"),
                    QStringLiteral("#e6efc1"),
                    QStringLiteral("#d6d6d6"),
                    QStringLiteral("#d0e1e7")}
    , m_login(std::move(login))
{
    m_context.ui = ui.get();
    m_context.runDialog = std::move(dialogs);
    buildForm();
    createProjectTables();
    // Language before the first texts, so the window never shows the other one.
    LanguageChoice::apply(&m_translator);
    retranslate();
    connectLink();
    connectControls();
    m_grids->connectGrids();
    m_status->setGrids(m_grids->grids());
    connectChanges();
    PortMenuWiring::Parts menuParts;
    menuParts.grids = m_grids;
    menuParts.status = m_status;
    menuParts.dialogs = m_dialogs;
    menuParts.tabs = ui->tabWidget;
    menuParts.list = ui->listWidget;
    m_portMenus = PortMenuWiring::build(this, m_context, menuParts);
    m_grids->buildKeyRouting(m_wall, m_status);
    auto *salvos = new SalvoWiring(this, m_context, m_grids, m_status);
    TakeStage *stage = m_grids->take()->stage();
    salvos->setStage([stage] { return stage->routes(); });

    ui->tabWidget->setCurrentIndex(PageConfigurator::VideoTab);
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
    setStyleSheet(MainStyle::window());
    setWindowIcon(QIcon(QStringLiteral(":/Images/applogo.png")));
    setWindowTitle(QStringLiteral("%1VANTOR DESK").arg(QLatin1String(ProductWord)));

    m_grids = new GridWiring(m_context, this);
    m_pages = new PageConfigurator(m_context, this);
    m_settingPage = new SettingPage(m_context, this);
    m_dialogs = new DialogLauncher(m_context, this);
    m_title = new TitleBar(m_context, this);
    m_core = new OperatorCore(MessageDistance::instance(), DeviceState::instance(), this);
    m_context.core = m_core;
    m_changes = m_core->changes();
    m_pages->applyTabStyle(false);
    buildLinkViews();
    WallPages::Hooks wallHooks;
    wallHooks.runDialog = [this](QDialog &dialog) {
        return m_context.run(dialog);
    };
    wallHooks.inputAllowed = [this](int input) {
        return m_context.permissions.hasPortRight(input, PermissionStore::Input);
    };
    wallHooks.permissionWarning = [this] {
        showPermissionWarning();
    };
    wallHooks.inputName = [](int input) {
        return AppSettings::instance()->inputNames().value(input);
    };
    wallHooks.message = [this](const QString &text) {
        m_status->showMessage(text);
    };
    wallHooks.splitterRefusal = [this](int input, bool *noRight) {
        return DropRefusal::splitterArea(m_context.actingUser(),
                                         input,
                                         m_core->indicator()->offlineReason(),
                                         m_context.bind,
                                         noRight);
    };
    wallHooks.routeArea = [this](int input, int area) {
        m_core->routes()->route(m_context.actingUser(), {RouteKind::SplitterArea, area, input});
    };
    m_wallPages = new WallPages(this, ui.get(), wallHooks);

    GridWiring::configureGrids(ui.get());
    ui->videoTableWidget->setBindColours(m_bindColours);
    m_wall = new WallControls(m_context, m_grids, this);
    m_plans = PlanWiring::build(this, m_context, m_wallPages, m_status);
    new ShowWiring(this, m_context, m_status, m_plans);
}

void Widget::buildLinkViews()
{
    m_watch = m_core->watch();
    m_status = new LinkStatusView(ui->titleBar, this, m_core->indicator(), m_core->stale());
    m_status->setRefresh([] { MessageDistance::instance()->sendVersion(); });
    NetworkGuard *guard = m_settingPage->guard();
    guard->setRefusal([this] { return m_status->refuseWhileOffline(); });
    guard->setMessage([this](const QString &text) { m_status->showMessage(text); });
    m_activity = new ActivityView(m_watch, ui->SettingTabWidget);
    m_activity->followRoutes(m_core->routes());
    ui->settingLayout->addWidget(m_activity, 1);
    m_search = new SignalSearch(ui->listWidget);
}

void Widget::connectLink()
{
    m_core->connectLink();
    connect(m_core, &OperatorCore::versionApplied, this, &Widget::showVersion);
    connect(m_core, &OperatorCore::hdmiAudioFollowsVideoChanged, this, [this](bool follows) {
        const QSignalBlocker blocker(ui->HdmiAudioComboBox);
        ui->HdmiAudioComboBox->setCurrentIndex(follows ? 0 : 1);
        m_pages->applyHdmiAudioLayout();
    });
    connect(m_core, &OperatorCore::inputsChanged, this, [this] { m_pages->refreshListDisplay(); });
    connect(m_core, &OperatorCore::networkChanged, this, [this] { m_settingPage->showNetwork(); });
    connect(m_core,
            &OperatorCore::routingApplied,
            this,
            [this](int mode, const QMap<int, int> &windows) {
                if (mode >= 0)
                    applySpliceMode(LocalRouting::spliceModeOf(mode), false);
                m_wallPages->applySplitterAreas(windows);
                m_grids->refreshAllGrids();
            });
    connect(m_core, &OperatorCore::resolutionsChanged, this, [this] {
        m_pages->refreshListDisplay();
        emit si_map_out_resolu_ready();
    });
    connect(m_core, &OperatorCore::rotationChanged, this, &Widget::si_rotate_degree_ready);
    connect(m_core, &OperatorCore::windowStatusApplied, this, [this](const QJsonObject &obj) {
        m_wallPages->applyWindowStatus(obj);
        m_grids->refreshGrid(GridLayout::RefreshKind::HdmiAudio);
        emit si_windows_ready();
    });
    connect(m_core, &OperatorCore::bindApplied, this, [this] {
        m_grids->refreshGrid(GridLayout::RefreshKind::Video);
        updateVideoWidgetOutputInfo();
    });
    connect(m_core, &OperatorCore::videoRouted, m_grids, &GridWiring::showVideoRoute);
    connect(m_core, &OperatorCore::linkConnected, this, [this] {
        m_title->showState(TitleBar::State::Connected);
    });
    connect(m_core, &OperatorCore::linkConnecting, this, &Widget::receiveConnectingSlot);
    connect(m_core, &OperatorCore::linkLost, this, &Widget::disConnectedSlot);

    MessageDistance *link = MessageDistance::instance();
    connect(link, &MessageDistance::si_ForwardAnalysis, this, &Widget::si_ForwardAnalysis);
    connect(link, &MessageDistance::si_http200Analysis, this, &Widget::si_http200Analysis);
    connect(link, &MessageDistance::si_SetDhcpSwitch, this, &Widget::si_SetDhcpSwitch);
    connect(this, &Widget::si_SetDhcpSwitch, this, &Widget::sl_SetDhcpSwitch);
    connect(this, &Widget::si_http200Analysis, this, &Widget::sl_confirmHttpOK);

    connect(SigManager::instance(),
            &SigManager::Sig_UpdateOutputInfo,
            this,
            &Widget::updateVideoWidgetOutputInfo);
}

void Widget::connectControls()
{
    connect(ui->mini, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
    m_settingPage->connectControls();
    m_dialogs->connectControls();
    connect(ui->btnReLogin, &QPushButton::clicked, this, &Widget::reLogin);
    connect(ui->HdmiAudioComboBox,
            QOverload<int>::of(&QComboBox::currentIndexChanged),
            this,
            &Widget::on_hdmiAudioComboBox_currentIndexChanged);
    connect(m_wall->splitterGroup(),
            &QButtonGroup::idClicked,
            this,
            &Widget::SingleSplitterButtonChangeSlot);
    connect(m_wall->wallGroup(), &QButtonGroup::idClicked, this, &Widget::sl_spliceGroupBtnClicked);
    connect(m_wall, &WallControls::permissionWarning, this, [this] { showPermissionWarning(); });
    connect(ui->tabWidget, &QTabWidget::currentChanged, m_pages, &PageConfigurator::onTabChanged);
    connect(
        ui->listWidget, &QListWidget::currentItemChanged, m_pages, [this](QListWidgetItem *item) {
            m_pages->refreshListDisplay();
            const bool input = item && item->data(ListRoles::Kind).toInt() == ListRoles::InputKind;
            m_wallPages->setCurrentInput(input ? item->data(ListRoles::Port).toInt() : 0);
        });
    connect(
        ui->wid_ss, &SingleSplitterWidget::si_layout_change, this, &Widget::splitterLayoutChanged);
    connect(m_grids, &GridWiring::permissionWarning, this, &Widget::showPermissionWarning);
}

void Widget::connectChanges()
{
    connect(m_changes, &ChangeApplier::wallModeChanged, this, [this](int mode) {
        applySpliceMode(mode, false);
    });
    connect(m_changes, &ChangeApplier::gridChanged, m_grids, &GridWiring::refreshGrid);
    connect(m_changes, &ChangeApplier::cellChanged, m_grids, &GridWiring::updateVideoCell);
    connect(m_changes, &ChangeApplier::inputsChanged, m_pages, [this] {
        m_pages->refreshListDisplay();
    });
    connect(m_changes,
            &ChangeApplier::volumesChanged,
            SigManager::instance(),
            &SigManager::Sig_UpdateVolumes);
    connect(m_changes,
            &ChangeApplier::outResolutionChanged,
            this,
            &Widget::si_outResoluChangedByOthers);
    connect(m_changes, &ChangeApplier::hdcpChanged, this, &Widget::si_hdcpChangedByOthers);
    connect(m_changes, &ChangeApplier::forwarded, this, &Widget::si_ForwardAnalysis);
    connect(m_changes, &ChangeApplier::splitterChanged, m_wallPages, &WallPages::refreshSplitter);
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
    QTimer::singleShot(
        0, this, [host, port] { MessageDistance::instance()->connectToDevice(host, port); });

    m_title->showState(TitleBar::State::Connecting);
    m_settingPage->showLoginFree();
    m_title->addLogo();
    show();
    // Only a login that typed the password; the login-free start stays quiet.
    if (outcome == LoginFlow::Outcome::LoggedIn)
        m_dialogs->offerPasswordChange();
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
    m_title->showState(TitleBar::State::Connecting);
    show();
    m_dialogs->offerPasswordChange();
    DeviceState *state = DeviceState::instance();
    MessageDistance::instance()->connectToDevice(state->deviceAddress(),
                                                 quint16(state->devicePort()));
}

void Widget::createBindManager()
{
    if (m_context.bind)
        return;
    m_context.bind = new VideoSplitManager(this);
    // The plan names live beside the bind manager's table; plans work from now on.
    m_plans->setAvailable(true);
    m_context.bind->attachGrid(ui->videoTableWidget);
    m_core->createBindGroups(m_context.bind);
    connect(ui->videoTableWidget, &VideoTableWidget::spliceLayoutModeChanged, this, [this] {
        ui->videoTableWidget->restyleCells();
    });
}

void Widget::configurePages()
{
    m_pages->configurePages();
    m_plans->loadNames();
    AboutPage::write(ui.get());
}

// ---- rights ---------------------------------------------------------------------------

void Widget::applyPermissions()
{
    PermissionStore &rights = m_context.permissions;
    rights.loadForUser(AppSettings::instance()->currentUser());
    m_settingPage->applyRights();
    ui->tabWidget->setTabEnabled(PageConfigurator::AboutTab,
                                 rights.hasFunctionRight(PermissionStore::VersionInformation));
    ui->wid_spliceGroups->setEnabled(rights.hasFunctionRight(PermissionStore::VideoSwitch) &&
                                     rights.hasFunctionRight(PermissionStore::Splice));
    ui->lb_sg->setEnabled(ui->wid_spliceGroups->isEnabled());
    m_wallPages->applyRights(rights);
    m_dialogs->applyRights();
    m_grids->applyIconRights();
}

void Widget::showPermissionWarning(PortRights::Refused refused)
{
    RightsWarning::show(PortRights::Warning::PortsNotPermitted, this, m_context.runDialog, refused);
}

// ---- title, language ------------------------------------------------------------------

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
        ui->HdmiAudioComboBox->setCurrentIndex(m_core->hdmiAudioFollowsVideo() ? 0 : 1);
    }
    setWindowTitle(QStringLiteral("%1VANTOR DESK").arg(QLatin1String(ProductWord)));
    m_pages->writeJointTabText();
    m_title->showStoredState();
    if (m_status) {
        m_status->retranslate();
        m_search->retranslate();
    }
    AboutPage::write(ui.get());
    // Once logged in the views hold names; the default ones ("Input 1") follow the
    // language, the ones the user gave stay as they are.
    if (m_context.bind) {
        refrenshSignalSlot();
        m_pages->rebuildOutputNamesAndGrids();
        m_grids->refreshAllGrids();
    }
}

void Widget::on_languageComboBox_currentIndexChanged(int index)
{
    // Installing the catalogue raises the language change that re-applies the texts.
    LanguageChoice::switchTo(index, &m_translator);
    retranslate();
}

void Widget::on_hdmiAudioComboBox_currentIndexChanged(int index)
{
    if (m_status->refuseWhileOffline()) {
        const QSignalBlocker blocker(ui->HdmiAudioComboBox);
        ui->HdmiAudioComboBox->setCurrentIndex(m_core->hdmiAudioFollowsVideo() ? 0 : 1);
        return;
    }
    m_core->setHdmiAudioFollowsVideo(index == 0);
    m_pages->applyHdmiAudioLayout();
    MessageDistance::instance()->sendFollowVideo(m_core->hdmiAudioFollowsVideo());
}

// ---- buttons --------------------------------------------------------------------------

void Widget::on_btn_RestoreOrMax_clicked()
{
    m_title->toggleMaximized();
}

void Widget::on_refrenshBtn_clicked()
{
    if (m_status->refuseWhileOffline())
        return;
    MessageDistance::instance()->sendVersion();
}

void Widget::SingleSplitterButtonChangeSlot(int id)
{
    if (m_status->refuseWhileOffline()) {
        if (QAbstractButton *b =
                m_wall->splitterGroup()->button(DeviceState::instance()->splitterLayout()))
            b->setChecked(true);
        return;
    }
    ui->wid_ss->setLayout(id);
    m_wall->selectSplitterLayout(id);
}

void Widget::splitterLayoutChanged(int mode)
{
    ui->videoTableWidget->setOutput9Locked(mode != 0);
    m_grids->refreshGrid(GridLayout::RefreshKind::Video);
    ui->videoTableWidget->restyleCells();
}

void Widget::sl_spliceGroupBtnClicked(int id)
{
    if (!m_context.bind)
        return;
    if (m_status->refuseWhileOffline()) {
        if (QAbstractButton *b = m_wall->wallGroup()->button(DeviceState::instance()->spliceMode()))
            b->setChecked(true);
        return;
    }
    applySpliceMode(LocalRouting::spliceModeOf(id), true);
}

void Widget::applySpliceMode(int mode, bool send)
{
    m_wall->applySpliceMode(mode, send);
}

// ---- connection -----------------------------------------------------------------------

void Widget::receiveNetWorkSuccessfulSlot()
{
    MessageDistance::instance()->sendVersion();
    m_title->showState(TitleBar::State::Connected);
}

void Widget::receivenetWorkFailSlot()
{
    m_title->showState(TitleBar::State::Disconnected);
}

void Widget::receiveConnectingSlot()
{
    m_title->showState(TitleBar::State::Connecting);
}

void Widget::disConnectedSlot()
{
    m_title->showState(TitleBar::State::Disconnected);
}

void Widget::sl_SetDhcpSwitch(bool on)
{
    m_settingPage->setDhcpSwitch(on);
}

void Widget::sl_NoSignalOut(int output, int mode)
{
    Q_UNUSED(mode) // the one dialog serves every mode the menus name
    OutputDialogs::openNoSignal(this,
                                output,
                                this,
                                &Widget::si_ForwardAnalysis,
                                m_context.runDialog,
                                PortMenuWiring::outputLabel(output));
}

void Widget::sl_Scalingmode(int output)
{
    OutputDialogs::openScalingMode(
        this, output, this, &Widget::si_ForwardAnalysis, m_context.runDialog);
}

void Widget::openGraphicsTest(int port, bool isInput)
{
    OutputDialogs::openGraphicsTest(this, port, isInput, m_context.runDialog);
}

void Widget::sl_confirmHttpOK()
{
    m_settingPage->confirmHttpOk();
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
    m_wallPages->setInputNames(inputs);
    m_pages->refreshListDisplay();
}

bool Widget::hdmiAudioFollowsVideo() const
{
    return m_core->hdmiAudioFollowsVideo();
}

void Widget::receiveVersionSlot(const QJsonObject &obj)
{
    m_core->receiveVersion(obj);
}

void Widget::showVersion(int code, bool known)
{
    if (known) {
        if (DeviceModels::is(code, DeviceModel::Model0809M)) {
            const int layout = DeviceState::instance()->splitterLayout();
            ui->wid_ss->setLayout(layout);
            QButtonGroup *splitters = m_wall->splitterGroup();
            const QSignalBlocker blocker(splitters);
            if (QAbstractButton *b = splitters->button(layout))
                b->setChecked(true);
        }
        configurePages();
        if (DeviceModels::is(code, DeviceModel::Model0409S))
            m_wallPages->restartMultiview();
    } else {
        m_pages->rebuildOutputNamesAndGrids();
        AboutPage::write(ui.get());
    }
}

// The record slots hand their record to the core, which applies it and signals the views.
void Widget::receiveChangedByOthersSlot(const QJsonObject &obj)
{
    m_core->receiveChangedByOthers(obj);
}

// ---- cell icons -----------------------------------------------------------------------

void Widget::updateVideoWidgetOutputInfo()
{
    m_grids->updateVideoCells();
}

void Widget::updateVideoWidgetOutputInfoByPort(int output)
{
    m_grids->updateVideoCell(output);
}
