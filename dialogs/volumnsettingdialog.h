#pragma once

#include "framelessdialog.h"

class QLabel;
class QPushButton;
class QSlider;

// Volume and mute of one audio port, asked of the device on opening; every change goes to the
// device at once, closing sends nothing. GUI thread.
class VolumnSettingDialog : public FramelessDialog
{
    Q_OBJECT

public:
    explicit VolumnSettingDialog(int port, QWidget *parent = nullptr);
    int port() const { return m_port; }
    bool isMuted() const { return m_muted; }
    QSlider *slider() const { return m_slider; }

private:
    void refresh();
    void showMuted(bool muted);

    int m_port = 0;
    bool m_muted = false;
    QSlider *m_slider = nullptr;
    QLabel *m_value = nullptr;
    QPushButton *m_mute = nullptr;
};
