#pragma once

#include <QString>
#include <QStringList>

// Where config.ini and project.db live. The directory given to set() wins, else the
// environment variable ZELDESK_DATA_DIR, else the application directory. Thread-safe.
namespace DataDir {

// An empty dir drops an earlier set() and falls back to the environment or the
// application directory. A relative dir is taken against the current directory now.
void set(const QString &dir);
QString path();
QString filePath(const QString &name);

// Looks for "--data-dir DIR" or "--data-dir=DIR" (the last one wins) and calls set().
// Returns false when the option is absent or has no value.
bool applyCommandLine(const QStringList &args);

} // namespace DataDir
