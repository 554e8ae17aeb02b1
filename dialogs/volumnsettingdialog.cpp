#include "volumnsettingdialog.h"

#include "devicestate.h"
#include "messagedistance.h"
#include "sigmanager.h"
#include "ui_volumnsettingdialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

VolumnSettingDialog::VolumnSettingDialog(int port, QWidget *parent)
    : FramelessDialog(parent, Kind::Tool, 25)
    , m_port(port)
{
    setTitle(tr("Volumn Setting"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));

    Ui::VolumnSettingDialog ui;
    ui.setupUi(frame());
    m_mute = ui.btn_mute;
    m_mute->setIconSize(QSize(28, 28));
    m_mute->setStyleSheet(QStringLiteral("QPushButton{border:none;background:transparent;}"));
    m_mute->setCursor(Qt::PointingHandCursor);
    m_slider = ui.volumnSplider;
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal{height:6px;background:#dfe6e2;border-radius:3px;}"
        "QSlider::sub-page:horizontal{background:#338c56;border-radius:3px;}"
        "QSlider::handle:horizontal{background:#ffffff;border:2px solid "
        "#338c56;width:14px;margin:-6px 0;"
        "border-radius:9px;}"));
    m_value = ui.volumnLabel;
    QPushButton *apply = ui.btnApply;
    apply->setStyleSheet(DialogStyle::primaryButton());
    setFrameSize(QSize(340, 170));

    connect(m_slider, &QSlider::sliderReleased, this, [this] {
        m_value->setText(QString::number(m_slider->value()));
        MessageDistance::instance()->sendVolume(m_port, m_slider->value());
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        m_value->setText(QString::number(value));
    });
    connect(m_mute, &QPushButton::clicked, this, [this] {
        MessageDistance::instance()->sendAudioMute(m_port, !m_muted);
        showMuted(!m_muted);
    });
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    // Another client may change the volume while the dialog is open.
    connect(SigManager::instance(),
            &SigManager::Sig_UpdateVolumes,
            this,
            &VolumnSettingDialog::refresh);
    refresh();
    // The store holds a volume only after a record or a notice brought one; ask, and the
    // answer shows through Sig_UpdateVolumes.
    MessageDistance::instance()->sendGetVolume();
}

void VolumnSettingDialog::refresh()
{
    const DeviceState *state = DeviceState::instance();
    {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(state->volume(m_port));
    }
    m_value->setText(QString::number(state->volume(m_port)));
    showMuted(state->audioMuted(m_port) != 0);
}

void VolumnSettingDialog::showMuted(bool muted)
{
    m_muted = muted;
    m_mute->setIcon(QIcon(muted ? QStringLiteral(":/Images/vol_mute.png")
                                : QStringLiteral(":/Images/vol_unmute.png")));
}
