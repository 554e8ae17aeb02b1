#pragma once

#include "dialogrunner.h"
#include "framelessdialog.h"
#include "titleosdrules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// EDID of one input: copied from an output, chosen from the built-in set, or uploaded
// from a file through the link's upload channel; its status line says what became of each. Created
// per use, modal. GUI thread.
class EdidSettingDilog : public FramelessDialog
{
    Q_OBJECT

public:
    explicit EdidSettingDilog(int inputPort, QWidget *parent = nullptr);
    ~EdidSettingDilog() override;

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    int inputPort() const { return m_input; }

public slots:
    void on_btnClose_clicked();
    void on_UploadBtn_clicked();
    void on_btnAppInputEDID_clicked();
    void on_btnCopy_clicked();
    void on_btnBrowse_clicked();

private:
    void buildForm();
    void showMessage(const TitleOsdRules::Message &message);
    // Sends while the link is up and says so in the status line; false when offline.
    bool sendNow(const QString &command, const QString &done);
    void showUploadFinished();

    int m_input;
    DialogRunner m_runDialog;
    QComboBox *m_outputs = nullptr;
    QComboBox *m_builtIn = nullptr;
    QLineEdit *m_path = nullptr;
    QLabel *m_status = nullptr;
    bool m_uploading = false;
};
