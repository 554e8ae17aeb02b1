#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A private data directory for one test: config.ini and project.db go here,
// never to the application directory.
class TempDataDir
{
public:
    TempDataDir()
        : m_dir(QDir::tempPath() + QStringLiteral("/zeldesk-test-XXXXXX"))
    {
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
