#include "uploadlink.h"

#include "commands.h"
#include "messagedistance.h"

namespace {

// The one caller waiting for the open's outcome (the dialogs are modal).
QMetaObject::Connection s_waiting;

} // namespace

void UploadLink::dialogOpened()
{
    MessageDistance::instance()->setUploadCloseCountdown(false);
    MessageDistance::instance()->openUploadSocket(false);
}

void UploadLink::dialogClosed()
{
    // Called from the dialog's destructor: its callback must not run any more.
    QObject::disconnect(s_waiting);
    MessageDistance::instance()->openUploadSocket(false);
    MessageDistance::instance()->setUploadCloseCountdown(true);
}

void UploadLink::open(QObject *context, std::function<void(bool connected)> then)
{
    MessageDistance *link = MessageDistance::instance();
    QObject::disconnect(s_waiting);
    s_waiting = QObject::connect(link,
                                 &MessageDistance::uploadOpenFinished,
                                 context,
                                 [then = std::move(then)](bool connected) {
                                     const auto run = then; // outlives the connection
                                     QObject::disconnect(s_waiting);
                                     run(connected);
                                 });
    link->openUploadSocket(true);
}

void UploadLink::send(const QString &announce, const QByteArray &data)
{
    MessageDistance::instance()->uploadData(announce, data, Commands::done());
}
