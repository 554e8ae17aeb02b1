#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QObject;

// How the upload dialogs use the link's upload channel: the socket is closed while a
// dialog is open and between uploads, opened for each upload. GUI thread.
class UploadLink
{
public:
    // Stops the close countdown and closes the upload socket.
    static void dialogOpened();
    // Closes the upload socket and starts the close countdown; a dialog that goes
    // away stops waiting for an open first.
    static void dialogClosed();
    // Opens the upload socket and returns at once; `then` runs on `context`'s thread
    // with whether it connected, within two seconds, unless `context` is gone.
    static void open(QObject *context, std::function<void(bool connected)> then);
    // Queues announce, the bytes and "{param=Done}" on the open socket.
    static void send(const QString &announce, const QByteArray &data);
};
