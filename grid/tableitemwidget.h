#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// One output cell of a routing grid: output name on top, routed source below, and the
// frozen / lock / HDMI link / mute icons. A locked cell is disabled as a whole.
// GUI thread.
class TableItemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TableItemWidget(QWidget *parent = nullptr);

    void setOutputText(const QString &text);
    void setInputText(const QString &text);
    QString outputText() const;
    QString inputText() const;
    // A staged source waiting for Take: an amber outline and a line under the live
    // source; empty hides both.
    void setPendingText(const QString &text);
    QString pendingText() const;

    void setFrozen(bool frozen);
    void setOutputLock(bool locked) { m_outputLock = locked; }
    void setHdmiLink(bool link);
    void setMuted(bool muted);
    void setCellLocked(bool locked);
    bool isFrozen() const { return m_frozen; }
    bool isOutputLocked() const { return m_outputLock; }
    bool hasHdmiLink() const { return m_hdmiLink; }
    bool isMuted() const { return m_muted; }
    bool isCellLocked() const { return m_cellLocked; }

    // Icon rights: a label the user may not use stays visible but ignores clicks.
    // Cells whose states the grid does not drive show no icons at all.
    void setPauseAllowed(bool allowed);
    // The frozen / link / mute row; hidden where no command stands behind it.
    void setIconsVisible(bool visible);
    bool iconsVisible() const { return m_iconsVisible; }
    void setMuteAllowed(bool allowed);
    void applyColours(const QString &outputBackground,
                      const QString &outputText,
                      const QString &inputBackground,
                      const QString &inputText,
                      int border);

signals:
    void si_click_pause(bool pause);
    void si_click_lock(bool lock);
    void si_click_mute(bool mute);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_outputName = nullptr;
    QLabel *m_inputName = nullptr;
    QLabel *m_pendingName = nullptr;
    QFrame *m_pendingFrame = nullptr;
    QLabel *m_pauseIcon = nullptr;
    QLabel *m_lockIcon = nullptr;
    QLabel *m_hdmiIcon = nullptr;
    QLabel *m_muteIcon = nullptr;
    bool m_frozen = false;
    bool m_outputLock = false;
    bool m_hdmiLink = false;
    bool m_muted = false;
    bool m_cellLocked = false;
    bool m_iconsVisible = true;
};
