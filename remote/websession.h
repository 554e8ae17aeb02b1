#pragma once

#include <QByteArray>
#include <QString>

// One logged-in browser or control system. Rights are not kept here: they are read
// again for `userId` on every request.
struct WebSession
{
    QByteArray token; // hex, 256 bits
    QByteArray csrf;  // hex, 128 bits; unused by bearer sessions
    bool bearer = false;
    int userId = 0;
    QString userName;
    // A digest of the stored password at login: a changed password ends the session.
    QByteArray passwordDigest;
    QString language; // "en" or "zh"
    QString clientAddress;
    qint64 lastSeenMs = 0;
};
