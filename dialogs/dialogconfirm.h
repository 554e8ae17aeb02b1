#pragma once

#include "framelessdialog.h"

class QLabel;

// Two answers: btn_ok gives 1, btn_cancel and the close button 0.
class DialogConfirm : public FramelessDialog
{
    Q_OBJECT

public:
    DialogConfirm(QWidget *parent, const QString &title, const QString &text);

protected:
    QLabel *m_content = nullptr;
};

// Three answers: btn_yes 0, btn_no 1, btn_cancel and the close button 2.
class DialogConfirm3Btn : public FramelessDialog
{
    Q_OBJECT

public:
    DialogConfirm3Btn(QWidget *parent, const QString &title, const QString &text);
    enum Answer { Yes = 0, No = 1, Cancel = 2 };

private:
    QLabel *m_content = nullptr;
};
