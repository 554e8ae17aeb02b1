#include "uploadlink.h"

#include "commands.h"
#include "messagedistance.h"

void UploadLink::dialogOpened()
{
    MessageDistance::instance()->setUploadCloseCountdown(false);
    MessageDistance::instance()->openUploadSocket(false);
}

void UploadLink::dialogClosed()
{
    MessageDistance::instance()->openUploadSocket(false);
    MessageDistance::instance()->setUploadCloseCountdown(true);
}

bool UploadLink::open()
{
    MessageDistance::instance()->openUploadSocket(true);
    return MessageDistance::instance()->isUploadConnected();
}

void UploadLink::send(const QString &announce, const QByteArray &data)
{
    MessageDistance::instance()->uploadData(announce, data, Commands::done());
}
