#pragma once

#include "framelessdialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class SvgCheckBox;

// Who is at the desk: user name and password checked against the user table, with the
// password remembered on request. The settings button leads to the device address.
class LoginDialog : public FramelessDialog
{
    Q_OBJECT

public:
    explicit LoginDialog(QWidget *parent = nullptr);

    QLineEdit *userNameEdit() const { return m_user; }
    QLineEdit *passwordEdit() const { return m_password; }
    SvgCheckBox *rememberBox() const { return m_remember; }
    QString message() const;
    bool isMessageTimerActive() const;
    int messageRemainingMs() const;

    static constexpr int MessageMs = 2000;

public slots:
    void on_btnLogin_clicked();
    void on_settingBtn_clicked();
    void on_btnClose_clicked();
    void on_mini_clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showMessage(const QString &text);
    void togglePasswordShown();
    void addPasswordToggle();
    void addMinimizeButton();
    void connectLink();

    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_showPassword = nullptr;
    SvgCheckBox *m_remember = nullptr;
    QLabel *m_tip = nullptr;
    QTimer *m_messageTimer = nullptr;
    bool m_lockType = false; // the settings dialog's type box is never locked from here
};
