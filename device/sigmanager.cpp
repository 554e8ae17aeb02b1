#include "sigmanager.h"

#include <QMutex>

SigManager *SigManager::instance()
{
    static QMutex mutex;
    static SigManager *s_instance = nullptr;
    QMutexLocker locker(&mutex);
    if (!s_instance)
        s_instance = new SigManager;
    return s_instance;
}
