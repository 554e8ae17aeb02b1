#pragma once

#include "framelessdialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

// Where the device is: address, control port and type, kept in the device-state store
// until the next login writes them to config.ini. A host that is neither an IPv4 address
// nor a host name, or a port outside 1-65535, is refused with the reason.
class LoginSettingDialog : public FramelessDialog
{
    Q_OBJECT

public:
    LoginSettingDialog(QWidget *parent, bool lockType);
    static QStringList typeNames();
    // What is wrong with the fields after the last OK; empty when nothing is.
    QString problem() const;

public slots:
    void on_btnOK_clicked();
    void on_btnClose_clicked();

private:
    QLineEdit *m_ip = nullptr;
    QLineEdit *m_port = nullptr;
    QComboBox *m_type = nullptr;
    QLabel *m_problem = nullptr;
};
