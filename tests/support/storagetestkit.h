#pragma once

#include "datadir.h"
#include "tempdatadir.h"

#include <QByteArray>
#include <QStringList>

// Each case gets its own data directory; DataDir points there until the case ends.
class ScopedDataDir
{
public:
    ScopedDataDir() { DataDir::set(m_dir.path()); }
    ~ScopedDataDir() { DataDir::set(QString()); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    TempDataDir m_dir;
};

// Runs sql on project.db (or another file) on a connection of its own, bypassing the
// stores; one "a|b|c" text per row.
QStringList rawRows(const QString &sql, const QString &dbPath, bool *ok = nullptr);

inline bool rawExec(const QString &sql, const QString &dbPath)
{
    bool ok = false;
    rawRows(sql, dbPath, &ok);
    return ok;
}

// Collects every message (debug included, whatever QT_LOGGING_RULES says) while alive.
class MessageLog
{
public:
    MessageLog();
    ~MessageLog();
    QStringList messages() const;
};

QByteArray fileBytes(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

// Makes a file or directory unwritable even for root (the immutable flag there); undone
// by the destructor. isActive() is false when the system does not allow it.
class Unwritable
{
public:
    explicit Unwritable(const QString &path);
    ~Unwritable();
    bool isActive() const { return m_active; }

private:
    QString m_path;
    bool m_active = false;
    bool m_immutable = false;
};
