#include "zelresources.h"

#include <QtGlobal>

// Outside any namespace: Q_INIT_RESOURCE names a global function.
void initZelResources()
{
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(styles);
}
