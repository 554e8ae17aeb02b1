#include "webpage.h"

#include <QtGlobal>

// Outside any namespace: Q_INIT_RESOURCE names a global function.
void initWebPage()
{
    Q_INIT_RESOURCE(web);
}
