#pragma once

#include "changenotice.h"
#include "gridlayout.h"

#include <QJsonObject>
#include <QObject>

#include <functional>

class DeviceState;
class BindGroups;

// Writes the changes of a notice from another client (or the front panel) into the
// device-state store and the bind groups, without a word back to the device, which
// already holds the change. What a view must redraw is told by signals. No window.
class ChangeApplier : public QObject
{
    Q_OBJECT

public:
    explicit ChangeApplier(DeviceState *state, QObject *parent = nullptr);

    void setBindManager(BindGroups *bind) { m_bind = bind; }
    void setHdmiAudioFollowsVideo(std::function<bool()> follows) { m_follows = std::move(follows); }

    void apply(const QJsonObject &notice);
    void applyChange(const ChangeNotice::Change &change, int deviceCode);
    void applyPortSetting(const ChangeNotice::Change &change);

signals:
    // 0808-S: the wall takes the splice mode as if recorded (store, groups, buttons).
    void wallModeChanged(int mode);
    void gridChanged(GridLayout::RefreshKind kind);
    void cellChanged(int output);
    void inputsChanged();
    void volumesChanged();
    void outResolutionChanged(int port, QString resolution);
    void hdcpChanged(int port);
    void forwarded(QString text);
    void splitterChanged();
    // Another client chose a splitter layout: output 9 is locked while it is not 0.
    void splitterLayoutChanged(int layout);

private:
    void applyVideo(int input, int output);

    DeviceState *m_state;
    BindGroups *m_bind = nullptr;
    std::function<bool()> m_follows;
};
