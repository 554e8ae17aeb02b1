#include "demomode.h"

#include "appsettings.h"
#include "datadir.h"
#include "messagedistance.h"
#include "simdevice.h"
#include "userstore.h"

#include <QHostAddress>
#include <QTemporaryDir>

DemoMode::DemoMode() = default;
DemoMode::~DemoMode() = default;

QString DemoMode::requestedModel(const QStringList &args, bool *present)
{
    *present = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) != QLatin1String("--demo"))
            continue;
        *present = true;
        if (i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1String("--")))
            return args.at(i + 1);
        return QStringLiteral("0809");
    }
    return QString();
}

bool DemoMode::start(const QString &model, QString *error)
{
    if (!SimDevice::models().contains(model)) {
        *error = QStringLiteral("unknown model \"%1\"; known: %2")
                     .arg(model, SimDevice::models().join(QStringLiteral(", ")));
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        *error = QStringLiteral("cannot create a data directory: %1").arg(m_dir->errorString());
        return false;
    }
    m_device = std::make_unique<SimDevice>(model);
    if (!m_device->listen(QHostAddress::LocalHost, 0, 0)) {
        *error = QStringLiteral("the simulated device cannot listen on loopback");
        return false;
    }
    DataDir::set(m_dir->path());
    AppSettings *settings = AppSettings::instance();
    settings->setNetwork(QStringLiteral("127.0.0.1"), m_device->controlPort());
    settings->setUsername(QStringLiteral("ADMIN"));
    UserStore::initTables();
    UserStore::setLoginModel(1);
    MessageDistance::instance()->setUploadPort(m_device->uploadPort());
    qDebug().noquote() << QStringLiteral("Demo: simulated %1 on 127.0.0.1:%2, data in %3")
                              .arg(model)
                              .arg(m_device->controlPort())
                              .arg(m_dir->path());
    return true;
}

quint16 DemoMode::controlPort() const
{
    return m_device ? m_device->controlPort() : 0;
}

QString DemoMode::dataDir() const
{
    return m_dir ? m_dir->path() : QString();
}
