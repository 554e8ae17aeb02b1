#pragma once

#include <QByteArray>
#include <QString>

// How the upload dialogs use the link's upload channel: the socket is closed while a
// dialog is open and between uploads, opened for each upload. GUI thread.
class UploadLink
{
public:
    // Stops the close countdown and closes the upload socket.
    static void dialogOpened();
    // Closes the upload socket and starts the close countdown.
    static void dialogClosed();
    // Opens the upload socket; false when it cannot be connected.
    static bool open();
    // Queues announce, the bytes and "{param=Done}" on the open socket.
    static void send(const QString &announce, const QByteArray &data);
};
