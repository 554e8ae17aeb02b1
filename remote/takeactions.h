#pragma once

#include "apimessage.h"
#include "remotecontext.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>

#include <memory>

class EventHub;
class RemoteTexts;
class TakeStage;
struct WebCaller;

// Take mode over HTTP: each session stages routes on a stage of its own and sends them
// together with take, through the same stage the window uses. Core's thread.
class TakeActions
{
public:
    TakeActions(const RemoteContext &context, const RemoteTexts &texts, EventHub *hub);
    ~TakeActions();
    TakeActions(const TakeActions &) = delete;
    TakeActions &operator=(const TakeActions &) = delete;

    ApiResponse stage(const std::string &body, const WebCaller &caller);
    ApiResponse take(const WebCaller &caller);
    ApiResponse cancel(const WebCaller &caller);
    // [{"kind","output","source"}] staged by this session.
    QJsonArray staged(const WebCaller &caller) const;
    // The session ended: its stage goes with it.
    void drop(const QByteArray &token);

private:
    TakeStage *stageOf(const WebCaller &caller);
    void tell(const QByteArray &token);

    RemoteContext m_context;
    const RemoteTexts &m_texts;
    EventHub *m_hub;
    QHash<QByteArray, std::shared_ptr<TakeStage>> m_stages;
};
