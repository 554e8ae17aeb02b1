#include "userstore.h"

#include "projectdb.h"

bool UserStore::initTables()
{
    static const char *const statements[] = {
        "create table if not exists user(id integer primary key, username text unique, "
        "type integer, password text not null)",
        "INSERT OR  IGNORE INTO user (username,password,type) VALUES ('ADMIN','tiger905',0)",
        "create table if not exists loginmodel(id integer primary key, model integer not null)",
        "create table if not exists PasswordTable(id integer primary key, isRemember integer, "
        "password text)",
    };
    bool ok = true;
    for (const char *sql : statements)
        ok = execSql(QString::fromLatin1(sql)) && ok;
    return ok;
}

bool UserStore::addUser(const QString &username, const QString &password)
{
    if (username.isEmpty() || password.isEmpty())
        return false;
    return execBound(QStringLiteral("INSERT INTO user (username,password,type) VALUES (?,?,?)"),
                     {username, password, 1});
}

bool UserStore::deleteUser(int id)
{
    return execBound(QStringLiteral("delete from user where id=?"), {id});
}

bool UserStore::updateUser(int id, const QString &username, const QString &password)
{
    // An account without a name or password could not log in again, or anyone could.
    if (username.isEmpty() || password.isEmpty())
        return false;
    return execBound(QStringLiteral("Update user set username=?,password=? where id=?"),
                     {username, password, id});
}

QVector<UserRow> UserStore::allUsers()
{
    QVector<UserRow> users;
    const SqlRows rows = querySql(QStringLiteral("Select * from user "));
    for (const SqlRow &row : rows) {
        if (row.size() < 4)
            continue;
        UserRow user;
        user.id = row.at(0).toInt();
        user.username = row.at(1).toString();
        user.type = row.at(2).toInt();
        user.password = row.at(3).toString();
        users.append(user);
    }
    return users;
}

bool UserStore::checkLogin(const QString &username, const QString &password)
{
    return !querySql(QStringLiteral("Select * from user where username=? and password=?"),
                     {textValue(username), textValue(password)})
                .isEmpty();
}

int UserStore::userType(const QString &username)
{
    const SqlRows rows =
        querySql(QStringLiteral("Select type from user where username=?"), {textValue(username)});
    if (rows.isEmpty() || rows.first().isEmpty())
        return 1;
    bool ok = false;
    const int type = rows.first().first().toInt(&ok);
    return ok ? type : 1;
}

bool UserStore::setRemember(bool flag)
{
    return execBound(
        QStringLiteral("INSERT OR REPLACE INTO PasswordTable (id,isRemember) values(1,?)"),
        {flag ? 1 : 0});
}

bool UserStore::setRememberedPassword(const QString &password)
{
    return execBound(QStringLiteral("INSERT OR REPLACE INTO PasswordTable (id,isRemember,password) "
                                    "values(1,1,?)"),
                     {textValue(password)});
}

bool UserStore::isRemember()
{
    const SqlRows rows =
        querySql(QStringLiteral("select isRemember from PasswordTable where id=1"));
    return !rows.isEmpty() && !rows.first().isEmpty() && rows.first().first().toInt() != 0;
}

QString UserStore::rememberedPassword()
{
    const SqlRows rows = querySql(QStringLiteral("select password from PasswordTable where id=1"));
    if (rows.isEmpty() || rows.first().isEmpty() || rows.first().first().isNull())
        return QString();
    return rows.first().first().toString();
}

bool UserStore::setLoginModel(int model)
{
    if (model != 0 && model != 1)
        return false;
    // The row may not exist yet on a new file; an update alone would change nothing and
    // still report success.
    return execBound(QStringLiteral("insert or replace into loginmodel(id,model) values(1,?)"),
                     {model});
}

int UserStore::loginModel()
{
    const SqlRows rows = querySql(QStringLiteral("Select * from loginmodel where id=1 "));
    if (rows.isEmpty()) {
        execSql(QStringLiteral("Insert into loginmodel(id,model) values(1,0)"));
        return 0;
    }
    const SqlRow &row = rows.first();
    return row.size() >= 2 && row.at(1).toInt() == 1 ? 1 : 0;
}
