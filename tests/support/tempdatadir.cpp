#include "tempdatadir.h"

#include <QDir>

TempDataDir::TempDataDir()
    : m_dir(QDir::tempPath() + QStringLiteral("/zeldesk-test-XXXXXX"))
{
}
