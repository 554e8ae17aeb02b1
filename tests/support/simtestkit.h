#pragma once

#include "simdevice.h"

#include <QHostAddress>

#include <memory>

// A simulated device on loopback with ephemeral ports, misbehaving as `faults` says;
// null when it cannot listen.
inline std::unique_ptr<SimDevice> startSim(const QString &model,
                                           const SimFaults &faults = SimFaults())
{
    auto device = std::make_unique<SimDevice>(model);
    device->setFaults(faults);
    if (!device->listen(QHostAddress::LocalHost, 0, 0))
        return nullptr;
    return device;
}
