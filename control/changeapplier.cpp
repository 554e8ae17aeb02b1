#include "changeapplier.h"

#include "bindgroups.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "localrouting.h"

#include <QDebug>

using GridLayout::RefreshKind;

ChangeApplier::ChangeApplier(DeviceState *state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
}

void ChangeApplier::apply(const QJsonObject &notice)
{
    qDebug() << "*** Status Changed by Others ***";
    const int code = m_state->deviceType();
    for (const ChangeNotice::Change &c : ChangeNotice::read(notice, code))
        applyChange(c, code);
}

void ChangeApplier::applyChange(const ChangeNotice::Change &c, int code)
{
    using ChangeNotice::Kind;
    switch (c.kind) {
    case Kind::SpliceMode:
        if (DeviceModels::fromCode(code) == DeviceModel::Model0808S) {
            emit wallModeChanged(LocalRouting::spliceModeOf(c.value));
        } else {
            m_state->setSpliceMode(c.value);
            if (m_bind)
                m_bind->setSpliceLayout(true, m_state->spliceMode());
        }
        break;
    case Kind::Audio:
        m_state->setAudioRouting(c.port, c.value);
        for (RefreshKind kind :
             {RefreshKind::Audio, RefreshKind::HdmiAudio, RefreshKind::Audio0808S})
            emit gridChanged(kind);
        break;
    case Kind::Infrared:
        m_state->setIrRouting(c.port, c.value);
        emit gridChanged(RefreshKind::Infrared);
        break;
    case Kind::Video:
        applyVideo(c.value, c.port);
        break;
    case Kind::Splitter:
        m_state->setSplitterRouting(c.port, c.value);
        emit splitterChanged();
        break;
    case Kind::Link:
        m_state->setOutputLinked(c.port, c.flag);
        emit cellChanged(c.port);
        break;
    case Kind::InputPresence:
        m_state->setInputPresent(c.port, c.flag);
        emit inputsChanged();
        break;
    case Kind::Unbind:
        if (m_bind)
            m_bind->removeGroup(c.port);
        break;
    case Kind::Bind:
        if (m_bind)
            m_bind->toggleGroup(c.outputs, false);
        break;
    default:
        applyPortSetting(c);
        break;
    }
}

// The port settings a notice echoes: stored, and the views of that port told.
void ChangeApplier::applyPortSetting(const ChangeNotice::Change &c)
{
    using ChangeNotice::Kind;
    switch (c.kind) {
    case Kind::OutputResolution:
        m_state->setOutputResolutions(c.port, c.text);
        emit outResolutionChanged(c.port, c.text);
        break;
    case Kind::Frozen:
        m_state->setOutputFrozen(c.port, c.flag);
        emit cellChanged(c.port);
        break;
    case Kind::OutputLock:
        m_state->setOutputLocked(c.port, c.flag);
        emit cellChanged(c.port);
        break;
    case Kind::InputHdcp:
        m_state->setInputHdcp(c.port, c.value);
        emit hdcpChanged(c.port);
        break;
    case Kind::Volume:
        m_state->setVolume(c.port, c.value);
        emit volumesChanged();
        break;
    case Kind::Mute:
        m_state->setAudioMuted(c.port, c.flag ? 1 : 0);
        emit volumesChanged();
        break;
    case Kind::ScalingMode:
        m_state->setScalingMode(c.port, c.value);
        emit forwarded(QStringLiteral("{\"Chn\":%1,\"Scaler_Mode\":%2}").arg(c.port).arg(c.value));
        break;
    case Kind::SplitterLayout:
        m_state->selectSplitterLayout(c.value);
        emit splitterLayoutChanged(m_state->splitterLayout());
        break;
    default:
        break;
    }
}

void ChangeApplier::applyVideo(int input, int output)
{
    // A video route moves the whole bind group, as a drop does; the flags stay.
    const bool follows = m_follows && m_follows();
    const QList<int> touched = LocalRouting::applyVideoRoute(input, output, m_bind, follows, true);
    for (int o : touched)
        emit cellChanged(o);
    emit gridChanged(RefreshKind::Video);
    if (follows) {
        emit gridChanged(RefreshKind::Audio0808S);
        emit gridChanged(RefreshKind::HdmiAudio);
    }
}
