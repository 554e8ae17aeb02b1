#include "operatorcore.h"

#include "bindgroups.h"
#include "changeapplier.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "linkindicator.h"
#include "linkwatch.h"
#include "localrouting.h"
#include "messagedistance.h"
#include "routeservice.h"
#include "splicemodes.h"
#include "staletracker.h"
#include "windowrules.h"

#include <QTimer>

OperatorCore::OperatorCore(MessageDistance *link, DeviceState *state, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_state(state)
    , m_changes(new ChangeApplier(state, this))
    , m_indicator(new LinkIndicator(this))
    , m_watch(new LinkWatch(this))
    , m_stale(new StaleTracker(this))
    , m_routes(new RouteService(this, this))
{
    connect(link, &MessageDistance::connectingSig, m_indicator, &LinkIndicator::linkConnecting);
    connect(
        link, &MessageDistance::connectSuccessFulSig, m_indicator, &LinkIndicator::linkConnected);
    connect(link, &MessageDistance::connectFailureSig, m_indicator, &LinkIndicator::linkFailed);
    connect(link, &MessageDistance::connectFailureSig, m_stale, &StaleTracker::reset);
    connect(m_watch, &LinkWatch::commandSent, m_stale, &StaleTracker::commandSent);
    connect(m_watch, &LinkWatch::recordReceived, m_stale, [this](const QString &query) {
        m_stale->recordReceived(query);
    });
    m_changes->setHdmiAudioFollowsVideo([this] { return m_hdmiAudioFollowsVideo; });
}

void OperatorCore::connectLink()
{
    MessageDistance *link = m_link;
    connect(link, &MessageDistance::receiveVersionSig, this, &OperatorCore::receiveVersion);
    connect(link,
            &MessageDistance::receiveInputChannelStateSig,
            this,
            &OperatorCore::receiveInputPresence);
    connect(
        link, &MessageDistance::receiveNetWorkImforamtionSig, this, &OperatorCore::receiveNetwork);
    connect(link, &MessageDistance::receiveVideoAudioIRMapSig, this, &OperatorCore::receiveRouting);
    connect(link,
            &MessageDistance::receiveInOutChannelResolutionMapSig,
            this,
            &OperatorCore::receiveResolutions);
    connect(link, &MessageDistance::receiveTitleImfSig, this, &OperatorCore::receiveCaption);
    connect(
        link, &MessageDistance::receiveVolumnImformationSig, this, &OperatorCore::receiveVolumes);
    connect(link, &MessageDistance::receiveBindInfoSig, this, &OperatorCore::receiveBind);
    connect(link, &MessageDistance::receiveOutputInfoSig, this, &OperatorCore::receiveOutputInfo);
    connect(link, &MessageDistance::receiveHDCPInfoSig, this, &OperatorCore::receiveHdcp);
    connect(
        link, &MessageDistance::receiveWindowStatusSig, this, &OperatorCore::receiveWindowStatus);
    connect(link, &MessageDistance::receiveRotateAngleSig, this, &OperatorCore::receiveRotation);
    connect(link,
            &MessageDistance::receiveChangedByOthersSig,
            this,
            &OperatorCore::receiveChangedByOthers);

    // Every connection starts with the version query; its record starts the rest.
    connect(link, &MessageDistance::connectSuccessFulSig, this, [this] {
        m_link->sendVersion();
        emit linkConnected();
    });
    connect(link, &MessageDistance::connectingSig, this, &OperatorCore::linkConnecting);
    connect(link, &MessageDistance::connectFailureSig, this, &OperatorCore::linkLost);
}

bool OperatorCore::applySpliceMode(const ActingUser &user, int mode, bool send, QList<int> *touched)
{
    if (send) {
        if (!WindowRules::outputsPermitted(user, SpliceModes::outputsAsked(mode, m_bind)))
            return false;
        m_link->sendMode(mode);
    }
    SpliceModes::apply(mode, *m_state, m_bind);
    if (send)
        *touched = SpliceModes::resetWallOutputs(mode, *m_state);
    return true;
}

void OperatorCore::createBindGroups(BindGroups *groups)
{
    if (m_bind)
        return;
    m_bind = groups ? groups : new BindGroups(this);
    m_changes->setBindManager(m_bind);
    connect(m_bind,
            &BindGroups::si_sendNewBindMsg,
            this,
            [this](int master, const QList<int> &outputs) {
                const int input = m_state->videoRouting(master);
                emit videoRouted(LocalRouting::applyVideoRoute(
                    input, master, m_bind, m_hdmiAudioFollowsVideo, false));
                m_link->sendBind(master, outputs);
            });
    connect(m_bind, &BindGroups::si_sendUnBindMsg, this, [this](int output) {
        m_link->sendUnBind(output);
    });
}

void OperatorCore::receiveVersion(const QJsonObject &record)
{
    const ReplyRecords::Version version = ReplyRecords::applyVersion(record);
    const bool known = version.code >= 0;
    const int code = known ? version.code : 1;
    emit versionApplied(code, known);
    // The 0409-S has no HDMI audio to follow video.
    m_hdmiAudioFollowsVideo =
        version.hdmiAudioFollowsVideo && !DeviceModels::is(code, DeviceModel::Model0409S);
    emit hdmiAudioFollowsVideoChanged(m_hdmiAudioFollowsVideo);
    scheduleStartUpQueries(code);
}

void OperatorCore::scheduleStartUpQueries(int deviceCode)
{
    const QList<QPair<int, QString>> queries = ReplyRecords::startUpQueries(deviceCode);
    for (const auto &query : queries) {
        const QString command = query.second;
        QTimer::singleShot(query.first, this, [this, command] { m_link->sendData(command); });
    }
}

void OperatorCore::receiveInputPresence(const QJsonObject &record)
{
    ReplyRecords::applyInputPresence(record);
    emit inputsChanged();
}

void OperatorCore::receiveNetwork(const QJsonObject &record)
{
    ReplyRecords::applyNetwork(record);
    emit networkChanged();
}

void OperatorCore::receiveRouting(const QJsonObject &record)
{
    const ReplyRecords::Routing routing = ReplyRecords::applyRouting(record);
    // The 0809-M splitter areas ride on the status record.
    if (!routing.wallWindows.isEmpty())
        m_state->setSplitterRouting(routing.wallWindows);
    emit routingApplied(routing.spliceMode, routing.wallWindows);
}

void OperatorCore::receiveResolutions(const QJsonObject &record)
{
    ReplyRecords::applyResolutions(record);
    emit resolutionsChanged();
}

void OperatorCore::receiveCaption(const QJsonObject &record)
{
    ReplyRecords::applyCaption(record);
}

void OperatorCore::receiveVolumes(const QJsonObject &record)
{
    ReplyRecords::applyVolumes(record);
}

void OperatorCore::receiveOutputInfo(const QJsonObject &record)
{
    ReplyRecords::applyOutputInfo(record); // raises Sig_UpdateOutputInfo
}

void OperatorCore::receiveHdcp(const QJsonObject &record)
{
    ReplyRecords::applyHdcp(record);
}

void OperatorCore::receiveRotation(const QJsonObject &record)
{
    ReplyRecords::applyRotation(record);
    emit rotationChanged();
}

void OperatorCore::receiveWindowStatus(const QJsonObject &record)
{
    // The HDMI audio source; the windows and the layout are the wall view's.
    ReplyRecords::applyWindowAudio(record);
    emit windowStatusApplied(record);
}

void OperatorCore::receiveChangedByOthers(const QJsonObject &notice)
{
    m_changes->apply(notice);
}

void OperatorCore::receiveBind(const QJsonObject &record)
{
    int mode = -1;
    const BindGroups::Groups groups = BindGroups::groupsFromBindRecord(record, &mode);
    if (!m_bind)
        return;
    if (mode >= 0) {
        m_state->setSpliceMode(mode);
        m_bind->setSpliceLayout(false, m_state->spliceMode());
    }
    m_bind->setGroups(groups);
    m_bind->refresh();
    emit bindApplied();
}
