#pragma once

#include "replyrecords.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>

struct ActingUser;
class BindGroups;
class ChangeApplier;
class DeviceState;
class LinkIndicator;
class LinkWatch;
class MessageDistance;
class RouteService;
class StaleTracker;

// The operator's model of the device: takes every record and change notice of the link
// into the device-state store and the bind groups, schedules the start-up queries after
// the version record, and signals what changed. Faces (the main window, a test, a
// server) only listen and show. No widgets; GUI thread.
class OperatorCore : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OperatorCore)

public:
    OperatorCore(MessageDistance *link, DeviceState *state, QObject *parent = nullptr);

    // Connects the link's records and connection state to this core.
    void connectLink();

    DeviceState *state() const { return m_state; }
    MessageDistance *link() const { return m_link; }
    ChangeApplier *changes() const { return m_changes; }
    // Whether the link is up (and why a command is refused while it is not).
    LinkIndicator *indicator() const { return m_indicator; }
    // Commands written and records received, for the stale marker and the activity view.
    LinkWatch *watch() const { return m_watch; }
    // Whether the picture may be out of date: a query went unanswered.
    StaleTracker *stale() const { return m_stale; }
    // Every route, whoever makes it, goes through here.
    RouteService *routes() const { return m_routes; }
    // Null until createBindGroups.
    BindGroups *bindGroups() const { return m_bind; }
    // Takes `groups` (a view's, which draws them) or, when null, groups of its own. The
    // first call wins: the groups live as long as the core.
    void createBindGroups(BindGroups *groups = nullptr);

    bool hdmiAudioFollowsVideo() const { return m_hdmiAudioFollowsVideo; }
    void setHdmiAudioFollowsVideo(bool follows) { m_hdmiAudioFollowsVideo = follows; }

    // Sets an 0808-S wall mode for `user` (send false: the device reported it, nothing
    // goes out and no rights are asked). False, and nothing changed, when a right is
    // missing. `touched` gets the outputs whose picture a sent mode reset.
    bool applySpliceMode(const ActingUser &user, int mode, bool send, QList<int> *touched);

    // The record entry points; the link's signals arrive here.
    void receiveVersion(const QJsonObject &record);
    void receiveInputPresence(const QJsonObject &record);
    void receiveNetwork(const QJsonObject &record);
    void receiveRouting(const QJsonObject &record);
    void receiveResolutions(const QJsonObject &record);
    void receiveCaption(const QJsonObject &record);
    void receiveVolumes(const QJsonObject &record);
    void receiveOutputInfo(const QJsonObject &record);
    void receiveHdcp(const QJsonObject &record);
    void receiveRotation(const QJsonObject &record);
    void receiveWindowStatus(const QJsonObject &record);
    void receiveChangedByOthers(const QJsonObject &notice);
    void receiveBind(const QJsonObject &record);

signals:
    void linkConnecting();
    void linkConnected();
    void linkLost();
    // The version record is stored: `code` is the model (1 when the device text is
    // unknown, `known` false). The start-up queries are scheduled right after.
    void versionApplied(int code, bool known);
    // After the version record: whether HDMI audio follows video on this device.
    void hdmiAudioFollowsVideoChanged(bool follows);
    void inputsChanged();
    void networkChanged();
    // spliceMode -1: the record named none.
    void routingApplied(int spliceMode, QMap<int, int> wallWindows);
    void resolutionsChanged();
    void rotationChanged();
    void windowStatusApplied(QJsonObject record);
    void bindApplied();
    // A new binding moved the group's outputs to the master's source.
    void videoRouted(QList<int> outputs);

private:
    void scheduleStartUpQueries(int deviceCode);

    MessageDistance *m_link;
    DeviceState *m_state;
    ChangeApplier *m_changes;
    LinkIndicator *m_indicator;
    LinkWatch *m_watch;
    StaleTracker *m_stale;
    RouteService *m_routes;
    BindGroups *m_bind = nullptr;
    bool m_hdmiAudioFollowsVideo = false;
};
