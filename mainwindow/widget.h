#pragma once

#include "basewidgets.h"
#include "gridlayout.h"
#include "loginflow.h"
#include "permissionstore.h"
#include "portrights.h"
#include "windowcontext.h"

#include <QJsonObject>
#include <QMap>
#include <QStringList>
#include <QTranslator>

#include <memory>

class ActivityView;
class ChangeApplier;
class OperatorCore;
class DialogLauncher;
class GridWiring;
class LinkStatusView;
class LinkWatch;
class PageConfigurator;
class PlanController;
class QButtonGroup;
class PortMenus;
class QDialog;
class SettingPage;
class SignalSearch;
class TableWidget;
class TitleBar;
class WallPages;
class VideoSplitManager;
class WallControls;

namespace Ui {
class Widget;
}

// The main window: signal list, routing grids, the device's pages and the title bar
// with the connection state. Constructing it logs in (or skips the login) and connects
// the device link. The operator core applies the records and notices; the window shows
// what it signals through GridWiring, PageConfigurator, SettingPage and TitleBar. GUI thread.
class Widget : public BaseWidget
{
    Q_OBJECT

public:
    // Runs a modal dialog and returns its result; tests answer dialogs themselves.

    explicit Widget(QWidget *parent = nullptr,
                    LoginFlow::Runner login = LoginFlow::modalRunner(),
                    DialogRunner dialogs = DialogRunner());
    ~Widget() override;

    // The login at construction was cancelled: nothing was connected, the caller ends
    // the process with 0.
    bool loginCancelled() const { return m_loginCancelled; }
    bool hdmiAudioFollowsVideo() const;
    // The device picture and the operator's rules; the window shows what it signals.
    OperatorCore *core() const { return m_core; }
    VideoSplitManager *bindManager() const { return m_context.bind; }
    // The port menus; dialogs of other windows plug in with setDialogOpener.
    PortMenus *portMenus() const { return m_portMenus; }
    // Applies a splice mode (0..5) as the wall-group buttons, the status record and
    // change notices do; with sending the rights are checked and the command sent.
    void applySpliceMode(int mode, bool send);
    // The caption, OSD, EDID and user dialogs; the port menus open OSD and EDID here.
    DialogLauncher *dialogs() const { return m_dialogs; }

signals:
    void si_SetDhcpSwitch(bool on);
    void si_ForwardAnalysis(QString text);
    void si_hdcpChangedByOthers(int port);
    void si_outResoluChangedByOthers(int port, QString resolution);
    void si_http200Analysis();
    void si_map_out_resolu_ready();
    void si_windows_ready();
    void si_rotate_degree_ready();

public slots:
    void sl_SetDhcpSwitch(bool on);
    // The output setting dialogs of the port menus; each asks the device first.
    void sl_NoSignalOut(int output, int mode = 2);
    void sl_Scalingmode(int output);
    void openGraphicsTest(int port, bool isInput);
    void refrenshSignalSlot();
    void receiveVersionSlot(const QJsonObject &obj);
    void SingleSplitterButtonChangeSlot(int id);
    void updateVideoWidgetOutputInfo();
    void updateVideoWidgetOutputInfoByPort(int output);
    void sl_spliceGroupBtnClicked(int id);
    void receiveChangedByOthersSlot(const QJsonObject &obj);
    void on_btn_RestoreOrMax_clicked();
    void on_refrenshBtn_clicked();
    void receiveNetWorkSuccessfulSlot();
    void receivenetWorkFailSlot();
    void receiveConnectingSlot();
    void on_languageComboBox_currentIndexChanged(int index);
    void disConnectedSlot();
    void sl_confirmHttpOK();

public:
    // Connected by hand: the combo box is HdmiAudioComboBox, so the name does not match it.
    void on_hdmiAudioComboBox_currentIndexChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    // "[3] Lobby": the output's number and name, for dialog titles.
    void buildForm();
    void buildLinkViews();
    void connectLink();
    void connectControls();
    void connectChanges();
    void logIn(const LoginFlow::Runner &login);
    void reLogin();
    void createBindManager();

    void configurePages();
    void applyPermissions();
    void showPermissionWarning(PortRights::Refused refused = {});
    void splitterLayoutChanged(int mode);
    void retranslate();
    void showVersion(int code, bool known);

    std::unique_ptr<Ui::Widget> ui;
    WindowContext m_context;
    GridWiring *m_grids = nullptr;
    PageConfigurator *m_pages = nullptr;
    SettingPage *m_settingPage = nullptr;
    DialogLauncher *m_dialogs = nullptr;
    TitleBar *m_title = nullptr;
    OperatorCore *m_core = nullptr;
    ChangeApplier *m_changes = nullptr;
    PortMenus *m_portMenus = nullptr;
    LinkWatch *m_watch = nullptr;
    LinkStatusView *m_status = nullptr;
    ActivityView *m_activity = nullptr;
    SignalSearch *m_search = nullptr;
    WallControls *m_wall = nullptr;
    PlanController *m_plans = nullptr;
    WallPages *m_wallPages = nullptr;
    QStringList m_bindColours;
    QTranslator m_translator;
    LoginFlow::Runner m_login;
    bool m_loginCancelled = false;
};
