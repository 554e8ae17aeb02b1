#pragma once

#include "framelessdialog.h"

class QComboBox;
class QLineEdit;

// Where the device is: address, control port and type, kept in the device-state store
// until the next login writes them to config.ini.
class LoginSettingDialog : public FramelessDialog
{
    Q_OBJECT

public:
    LoginSettingDialog(QWidget *parent, bool lockType);
    static QStringList typeNames();

public slots:
    void on_btnOK_clicked();
    void on_btnClose_clicked();

private:
    QLineEdit *m_ip = nullptr;
    QLineEdit *m_port = nullptr;
    QComboBox *m_type = nullptr;
};
