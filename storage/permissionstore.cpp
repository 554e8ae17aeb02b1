#include "permissionstore.h"

#include "appsettings.h"
#include "projectdb.h"

#include <QStringList>

namespace {

const char *const kCreate =
    "create table if not exists PermissionInfo(Id integer PRIMARY KEY NOT NULL,"
    "InputInfo text DEFAULT '1/1/1/1/1/1/1/1',OutputInfo text DEFAULT '1/1/1/1/1/1/1/1/1',"
    "AudioInfo text DEFAULT '1/1/1/1/1/1/1/1',AnalogInfo text DEFAULT '1/1/1/1/1/1/1/1/1',"
    "ListInfo text DEFAULT '1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1')";

bool isAdministrator()
{
    return AppSettings::instance()->currentUserType() == 0;
}

// Port maps count from 1, the function map from 0.
QMap<int, bool> toMap(const QVector<bool> &rights, int firstKey)
{
    QMap<int, bool> map;
    for (int i = 0; i < rights.size(); ++i)
        map.insert(firstKey + i, rights.at(i));
    return map;
}

SqlRow rightsRow(int id)
{
    const SqlRows rows =
        querySql(QStringLiteral("select * from PermissionInfo where Id = ?"), {id});
    return rows.isEmpty() ? SqlRow() : rows.first();
}

} // namespace

PermissionStore::PermissionStore()
{
    createTable();
}

bool PermissionStore::createTable()
{
    return execSql(QString::fromLatin1(kCreate));
}

bool PermissionStore::userIdOf(const QString &userName, int *id)
{
    const SqlRows rows =
        querySql(QStringLiteral("select id from user where username = ?"), {textValue(userName)});
    if (rows.isEmpty() || rows.first().isEmpty())
        return false;
    bool ok = false;
    const int value = rows.first().first().toInt(&ok);
    if (ok)
        *id = value;
    return ok;
}

void PermissionStore::loadForUser(const QString &userName)
{
    userIdOf(userName, &m_userId);
    m_inputs.clear();
    m_outputs.clear();
    m_audio.clear();
    m_analog.clear();
    m_functions.clear();
    m_loaded = PermissionRights();
    if (m_userId == 1)
        return;
    const PermissionRights rights = readRights(m_userId);
    m_loaded = rights;
    m_inputs = toMap(rights.inputs, 1);
    m_outputs = toMap(rights.outputs, 1);
    m_audio = toMap(rights.audio, 1);
    m_analog = toMap(rights.analog, 1);
    m_functions = toMap(rights.functions, 0);
}

bool PermissionStore::hasFunctionRight(int key) const
{
    return isAdministrator() || m_functions.value(key, true);
}

bool PermissionStore::hasPortRight(int port, int kind) const
{
    if (isAdministrator())
        return true;
    switch (kind) {
    case Input:
        return m_inputs.value(port, true);
    case Output:
        return m_outputs.value(port, true);
    case Audio:
        return m_audio.value(port, true);
    case Analog:
        return m_analog.value(port, true);
    default:
        return true;
    }
}

bool PermissionStore::createDefaultRights(const QString &userName)
{
    int id = 0;
    if (!userIdOf(userName, &id))
        return false;
    return execBound(QStringLiteral("insert or replace into PermissionInfo(Id)values(?)"), {id});
}

bool PermissionStore::saveRights(int id,
                                 const QVector<bool> &inputs,
                                 const QVector<bool> &outputs,
                                 const QVector<bool> &audio,
                                 const QVector<bool> &analog,
                                 const QVector<bool> &functions)
{
    return execBound(
        QStringLiteral("insert or replace into PermissionInfo(Id,InputInfo,OutputInfo,"
                       "AudioInfo,AnalogInfo,ListInfo)values(?,?,?,?,?,?)"),
        {id, encode(inputs), encode(outputs), encode(audio), encode(analog), encode(functions)});
}

bool PermissionStore::saveRights(int id, const PermissionRights &rights)
{
    return saveRights(
        id, rights.inputs, rights.outputs, rights.audio, rights.analog, rights.functions);
}

bool PermissionStore::deleteRights(int id)
{
    return execBound(QStringLiteral("DELETE FROM PermissionInfo WHERE Id = ?"), {id});
}

PermissionRights PermissionStore::readRights(int id) const
{
    const SqlRow row = rightsRow(id);
    PermissionRights rights;
    if (row.size() < 6)
        return rights;
    rights.inputs = decode(row.at(1).toString());
    rights.outputs = decode(row.at(2).toString());
    rights.audio = decode(row.at(3).toString());
    rights.analog = decode(row.at(4).toString());
    rights.functions = decode(row.at(5).toString());
    return rights;
}

QString PermissionStore::encode(const QVector<bool> &rights)
{
    QString text = QStringLiteral("");
    for (int i = 0; i < rights.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('/');
        text += rights.at(i) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

QVector<bool> PermissionStore::decode(const QString &text)
{
    QVector<bool> rights;
    if (text.isEmpty())
        return rights;
    const QStringList parts = text.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    rights.reserve(parts.size());
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        rights.append(ok && value != 0);
    }
    return rights;
}
