#include "devicestate.h"

#include <QMutex>

DeviceState *DeviceState::instance()
{
    static QMutex mutex;
    static DeviceState *s_instance = nullptr;
    QMutexLocker locker(&mutex);
    if (!s_instance)
        s_instance = new DeviceState;
    return s_instance;
}
