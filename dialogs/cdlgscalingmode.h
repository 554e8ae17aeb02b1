#pragma once

#include "framelessdialog.h"

class QButtonGroup;

// How one output scales its picture: "Squeeze into Frame", or the aspect ratio kept
// with or without crop. OK sends the choice; the device's current mode arrives as
// forwarded text (sl_StateUpdate). GUI thread, one modal run per use.
class CDlgScalingmode : public FramelessDialog
{
    Q_OBJECT

public:
    explicit CDlgScalingmode(QWidget *parent = nullptr);

    // Checks the stored mode of the port (0 when none is stored).
    void setPort(int port);
    int port() const { return m_port; }
    // The code of the checked button, -1 for none.
    int checkedMode() const;

public slots:
    void sl_StateUpdate(const QString &text);
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();
    void on_btnClose_clicked();

private:
    void checkMode(int mode);

    int m_port = 0;
    QButtonGroup *m_modes = nullptr;
};
