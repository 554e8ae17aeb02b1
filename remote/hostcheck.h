#pragma once

#include <QString>
#include <QStringList>

// Whether a request's Host header names this server: an IP literal, "localhost" or one
// of the names the installer allowed, with no port or our own. A page that a DNS
// rebinding attack loads under its own name therefore gets nothing. Pure.
namespace HostCheck {

bool allowed(const QString &host, quint16 listenPort, const QStringList &extraNames = {});

} // namespace HostCheck
