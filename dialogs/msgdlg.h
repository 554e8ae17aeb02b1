#pragma once

#include "framelessdialog.h"

class QLabel;
class QPushButton;

// The message box of the upload, caption and EDID dialogs. It widens for a long text
// instead of wrapping it.
class MsgDlg : public FramelessDialog
{
    Q_OBJECT

public:
    explicit MsgDlg(QWidget *parent = nullptr);
    void setMessage(const QString &title, const QString &text);

    static constexpr int DesignedFrameWidth = 291;

private:
    QLabel *m_text = nullptr;
    QPushButton *m_ok = nullptr;
};

// Shows the link's upload failures in a MsgDlg.
void installUploadFailureDialog();
