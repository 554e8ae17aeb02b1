// config.ini as any bytes: every value read back stays within its bounds.
#include "appsettings.h"
#include "datadir.h"
#include "devicemodel.h"
#include "fuzzsupport.h"

#include <QDateTime>
#include <QFile>

namespace {

// A new modification time each turn, so the settings object reads the file again
// whatever its size.
void writeConfig(const QByteArray &bytes)
{
    static qint64 turn = 0;
    QFile file(DataDir::filePath(QStringLiteral("config.ini")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        FuzzSupport::fail("cannot write config.ini");
    file.write(bytes);
    file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++turn, Qt::UTC),
                     QFileDevice::FileModificationTime);
    file.close();
    AppSettings::instance()->sync();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    static const bool once = (DataDir::set(FuzzSupport::scratchDir()), true);
    Q_UNUSED(once)
    writeConfig(QByteArray(reinterpret_cast<const char *>(data), int(size)));

    AppSettings *settings = AppSettings::instance();
    if (settings->ip().isEmpty() || settings->ip().size() > AppSettings::MaxAddressLength)
        FuzzSupport::fail("address empty or beyond its bound");
    if (settings->username().size() > AppSettings::MaxUsernameLength)
        FuzzSupport::fail("user name beyond its bound");
    if (settings->port() < 1 || settings->port() > 65535)
        FuzzSupport::fail("port outside 1..65535");
    if (!DeviceModels::fromCode(settings->deviceType()))
        FuzzSupport::fail("device type names no model");
    settings->language();
    // Back to an empty file: a run keeps nothing, so the leak check has nothing to
    // look for unless something really leaked.
    writeConfig(QByteArray());
    return 0;
}
