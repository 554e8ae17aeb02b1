#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class SimDevice;
class QTemporaryDir;

// "--demo [MODEL]": a simulated device on loopback and a data directory of its own, so
// the client runs against it without touching the user's config.ini and project.db.
// The device lives on the GUI thread for as long as this object.
class DemoMode
{
public:
    DemoMode();
    ~DemoMode();

    // The model after "--demo", "0809" when none follows; empty when "--demo" is absent.
    static QString requestedModel(const QStringList &args, bool *present);

    // Starts the device, points config.ini at it and turns the login off. False with a
    // reason when the model is unknown or no port could be bound.
    bool start(const QString &model, QString *error);
    quint16 controlPort() const;
    QString dataDir() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimDevice> m_device;
};
