#pragma once

#include "dialogrunner.h"
#include "framelessdialog.h"
#include "titleosdrules.h"

#include <QJsonObject>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QToolButton;
class QRadioButton;
struct CaptionRow;

// The caption (port -1) or OSD logo (an input port) dialog: renders a text or converts
// an image to the device's bitmap and uploads it, and sends the caption's display
// settings one command per control. Created per use and run modally. GUI thread.
class TitleOrOsdDialog : public FramelessDialog
{
    Q_OBJECT

public:
    // Runs a modal message or confirmation; tests answer them themselves.

    explicit TitleOrOsdDialog(int port, QWidget *parent = nullptr);
    ~TitleOrOsdDialog() override;

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    int port() const { return m_port; }
    bool isOsd() const { return TitleOsdRules::isOsd(m_port); }
    // Sends a finished bitmap: opens the upload socket and queues it behind the announce.
    void startUpload(const QByteArray &bitmap);

public slots:
    void on_btnClose_clicked();
    void on_OkBtn_clicked();
    void on_ColorSetting_clicked();
    void on_BgColorSetting_clicked();
    void on_BrowserBtn_clicked();
    void on_uploadCharBtn_clicked();
    void on_speedSplider_sliderReleased();
    void on_IsShowCheck_toggled(bool checked);
    void on_BgColorSwitch_toggled(bool checked);
    void directionButtonClicked(int id, bool bSet);
    void on_uploadImgBtn_clicked();
    void on_EraseBtn_clicked();

    void fillFromRecord(const QJsonObject &record);
    void setFormEnabled(bool enabled);

private:
    QWidget *buildTextGroup();
    QWidget *buildDisplayGroup();
    void connectDisplayGroup();
    void buildForm();
    void connectLink();
    void fillFromStoredRow();
    CaptionRow currentRow() const;
    void uploadBitmapFile(const QString &path, bool fromText);
    void showMessage(const TitleOsdRules::Message &message);
    void showFinished();
    void onProgress(int packNum);
    void pickColour(QToolButton *button, bool background);
    void sendPosition();
    int runDialog(QDialog &dialog);

    int m_port;
    int m_totalBytes = 0;
    DialogRunner m_runDialog;

    QLineEdit *m_text = nullptr;
    QComboBox *m_family = nullptr;
    QComboBox *m_size = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
    QCheckBox *m_underline = nullptr;
    QPushButton *m_uploadChar = nullptr;
    QLineEdit *m_imagePath = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_uploadImg = nullptr;
    QComboBox *m_output = nullptr;
    QLabel *m_outputLabel = nullptr;
    QProgressBar *m_progress = nullptr;
    QCheckBox *m_show = nullptr;
    QCheckBox *m_bgSwitch = nullptr;
    QButtonGroup *m_direction = nullptr;
    QRadioButton *m_left = nullptr;
    QRadioButton *m_right = nullptr;
    QSlider *m_speed = nullptr;
    QLabel *m_speedValue = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QToolButton *m_colour = nullptr;
    QToolButton *m_bgColour = nullptr;
    QPushButton *m_erase = nullptr;
    QPushButton *m_ok = nullptr;
};
