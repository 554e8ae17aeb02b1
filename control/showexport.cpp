#include "showexport.h"

#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "showlocalstore.h"
#include "showsnapshot.h"

#include <QDateTime>
#include <QFileInfo>

bool ShowExport::isOnline(const OperatorCore *core)
{
    return core && core->link() && core->link()->isConnected();
}

ShowDocument ShowExport::collect(const OperatorCore *core, bool withDevice)
{
    const AppSettings *settings = AppSettings::instance();
    ShowDocument doc = ShowLocalStore().load(settings->ip());
    const bool online = isOnline(core);
    doc.model = online ? core->state()->deviceTypeModel()
                       : DeviceModels::fromCodeOr(settings->deviceType());
    if (withDevice && online)
        doc.device = ShowSnapshot::capture(*core->state(), core->bindGroups());
    return doc;
}

bool ShowExport::write(const OperatorCore *core,
                       bool withDevice,
                       const QString &path,
                       QString *error)
{
    return collect(core, withDevice).writeFile(path, error);
}

QString ShowExport::backupPath()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString base = DataDir::filePath(QStringLiteral("show-backup-") + stamp);
    QString path = base + QStringLiteral(".json");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("-%1.json").arg(n);
    return path;
}
