#pragma once

#include "apimessage.h"
#include "remotecontext.h"

#include <QJsonArray>
#include <QObject>

class EventHub;
class RemoteTexts;
struct WebCaller;

// Salvos over HTTP: the list, and a recall for the caller's rights through the window's
// own salvo controller. A recall is paced and verified; its report follows as a "salvo"
// event. Core's thread.
class SalvoActions : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SalvoActions)

public:
    SalvoActions(const RemoteContext &context, const RemoteTexts &texts, EventHub *hub);

    // [{"id","name"}] of the device now addressed.
    QJsonArray list() const;
    ApiResponse recall(qint64 id, const WebCaller &caller);

private:
    void publish(const char *name, const QJsonObject &data);

    RemoteContext m_context;
    const RemoteTexts &m_texts;
    EventHub *m_hub;
};
