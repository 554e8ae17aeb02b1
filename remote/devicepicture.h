#pragma once

#include "route.h"

#include <QJsonObject>
#include <QString>

struct ActingUser;
struct RemoteContext;
class RemoteTexts;

// The device as the API shows it: model, connection, and per kind of grid the outputs
// (name, lock, whether this user may route them), the sources and the routes; plans.
// Names as the client shows them. Core's thread.
namespace DevicePicture {

QJsonObject build(const RemoteContext &context,
                  const ActingUser &user,
                  const RemoteTexts &texts,
                  const QString &language);

// {"connection": "connected"|"connecting"|"disconnected", "stale": bool}
QJsonObject connection(const RemoteContext &context);
QJsonArray plans(const RemoteContext &context);

// The right that routing on `output` of `kind` needs, as the window checks it.
bool outputPermitted(const ActingUser &user, RouteKind kind, int output);
// A port without a stored name gets the client's default name in `language`.
QString sourceName(RouteKind kind, int source, const RemoteTexts &texts, const QString &language);
QString outputName(RouteKind kind, int output, const RemoteTexts &texts, const QString &language);

} // namespace DevicePicture
