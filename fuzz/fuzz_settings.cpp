// config.ini as any bytes: every value read back stays within its bounds.
#include "appsettings.h"
#include "datadir.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    static QTemporaryDir dir;
    static int turn = 0;
    // Two directories in turn, so the settings object reads each new file afresh.
    const QString path = dir.path() + QStringLiteral("/%1").arg(turn++ % 2);
    QDir().mkpath(path);
    QFile file(path + QStringLiteral("/config.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        FuzzSupport::fail("cannot write config.ini");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    DataDir::set(path);

    AppSettings *settings = AppSettings::instance();
    if (settings->ip().isEmpty() || settings->ip().size() > AppSettings::MaxAddressLength)
        FuzzSupport::fail("address empty or beyond its bound");
    if (settings->username().size() > AppSettings::MaxUsernameLength)
        FuzzSupport::fail("user name beyond its bound");
    if (settings->port() < 1 || settings->port() > 65535)
        FuzzSupport::fail("port outside 1..65535");
    if (settings->deviceType() < 0 || settings->deviceType() > 4)
        FuzzSupport::fail("device type outside 0..4");
    settings->language();
    return 0;
}
