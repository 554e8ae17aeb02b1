#pragma once

#include <QObject>

class NetworkGuard;
class RemoteAccessSwitch;
struct WindowContext;

// The network and setting page: address fields, DHCP, login-free and remote-access
// switches, factory reset. A network change waits for the device's HTTP 200 before telling the user
// to reboot; an acknowledgement nobody asked for shows nothing. GUI thread.
class SettingPage : public QObject
{
    Q_OBJECT

public:
    SettingPage(WindowContext &context, QWidget *dialogParent);

    void connectControls();
    void applyRights();
    void showNetwork();
    void showLoginFree();
    void setDhcpSwitch(bool on);
    void confirmHttpOk();
    bool changePending() const { return m_networkChangePending; }
    NetworkGuard *guard() const { return m_guard; }

private:
    void setUpFields();

    WindowContext &m_context;
    QWidget *m_dialogParent;
    bool m_networkChangePending = false;
    NetworkGuard *m_guard = nullptr;
    RemoteAccessSwitch *m_remote = nullptr;
};
