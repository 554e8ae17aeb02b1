#pragma once

#include "basewidgets.h"
#include "gridlayout.h"
#include "loginflow.h"
#include "permissionstore.h"

#include <QJsonObject>
#include <QMap>
#include <QStringList>
#include <QTranslator>

#include <functional>
#include <memory>

class QButtonGroup;
class PortMenus;
class QDialog;
class SvgLabel;
class TableWidget;
class VideoSplitManager;

namespace Ui {
class Widget;
}

// The main window: signal list, routing grids, the device's pages and the title bar
// with the connection state. Constructing it logs in (or skips the login) and connects
// the device link. GUI thread.
class Widget : public BaseWidget
{
    Q_OBJECT

public:
    // Runs a modal dialog and returns its result; tests answer dialogs themselves.
    using DialogRunner = std::function<int(QDialog &)>;

    explicit Widget(QWidget *parent = nullptr,
                    LoginFlow::Runner login = LoginFlow::modalRunner(),
                    DialogRunner dialogs = DialogRunner());
    ~Widget() override;

    // The login at construction was cancelled: nothing was connected, the caller ends
    // the process with 0.
    bool loginCancelled() const { return m_loginCancelled; }
    bool hdmiAudioFollowsVideo() const { return m_hdmiAudioFollowsVideo; }
    VideoSplitManager *bindManager() const { return m_bindManager; }
    // The port menus; dialogs of other windows plug in with setDialogOpener.
    PortMenus *portMenus() const { return m_portMenus; }
    // Applies a splice mode (0..5) as the wall-group buttons, the status record and
    // change notices do; with sending the rights are checked and the command sent.
    void applySpliceMode(int mode, bool send);

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
    void refrenshSignalSlot();
    void receiveVersionSlot(QJsonObject obj);
    void receiveInputChannelStateSlot(QJsonObject obj);
    void receiveNetWorkImforamtionSlot(QJsonObject obj);
    void receiveVideoAudioIRMapSlot(QJsonObject obj);
    void receiveInOutChannelResolutionSlot(QJsonObject obj);
    void receiveTitleImfSlot(QJsonObject obj);
    void receiveVolumeValueSlot(QJsonObject obj);
    void SingleSplitterButtonChangeSlot(int id);
    void updateVideoWidgetOutputInfo();
    void updateVideoWidgetOutputInfoByPort(int output);
    void receiveOutputInfoSlot(QJsonObject obj);
    void receiveHDCPInfoSlot(QJsonObject obj);
    void sl_spliceGroupBtnClicked(int id);
    void receiveWindowStatusSlot(QJsonObject obj);
    void receiveRotateAngleSlot(QJsonObject obj);
    void receiveChangedByOthersSlot(QJsonObject obj);
    void receiveBindInfoSlot(QJsonObject obj);
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
    enum TabIndex { VideoTab = 0, JointTab, AudioTab, InfaredTab, SettingTab, AboutTab };
    enum class TitleState { Disconnected = 0, Connecting = 1, Connected = 2 };

    void buildForm();
    void connectLink();
    void connectControls();
    void connectGrids();
    void connectPortMenus();
    void logIn(const LoginFlow::Runner &login);
    void reLogin();
    void createBindManager();

    void configurePages();
    void configureMatrix();
    void configureMultiview();
    void rebuildOutputNamesAndGrids();
    void refreshListDisplay();
    void refreshGrid(int kind);
    void refreshAllGrids();
    void routeVideoLocally(int input, int output, bool keepFlags);
    void updateCell(TableWidget *grid, int output);

    void applyPermissions();
    void applyIconRights();
    bool dropAllowed(int kind, int output, const GridLayout::DropRights &rights) const;
    bool outputsPermitted(const QList<int> &outputs) const;
    void showPermissionWarning();
    int runDialog(QDialog &dialog);

    void showTitle(TitleState state);
    void retranslate();
    void writeAboutLabels();
    void applyHdmiAudioLayout();
    void applyTabStyle(bool shifted);
    void onTabChanged(int index);
    void scheduleStartUpQueries(int deviceCode);
    void disableLaterControls();

    std::unique_ptr<Ui::Widget> ui;
    bool m_maximized = false;
    QButtonGroup *m_splitterGroup = nullptr;
    PermissionStore m_permissions;
    QButtonGroup *m_multiviewGroup = nullptr;
    QStringList m_bindColours;
    QButtonGroup *m_planGroup = nullptr;
    QButtonGroup *m_planGroup2 = nullptr;
    QButtonGroup *m_wallGroup = nullptr;
    bool m_hdmiAudioFollowsVideo = false;
    bool m_networkChangePending = false;
    QTranslator m_translator;
    VideoSplitManager *m_bindManager = nullptr;
    SvgLabel *m_logo = nullptr;
    PortMenus *m_portMenus = nullptr;

    DialogRunner m_runDialog;
    LoginFlow::Runner m_login;
    bool m_loginCancelled = false;
};

// The one main window, set by main() once it exists.
extern Widget *g_mainWindow;
