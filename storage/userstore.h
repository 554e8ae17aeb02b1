#pragma once

#include <QString>
#include <QVector>

// One row of table user.
struct UserRow
{
    int id = 0;
    QString username;
    int type = 1; // 0 administrator, 1 ordinary user
    QString password;

    bool operator==(const UserRow &o) const
    {
        return id == o.id && username == o.username && type == o.type && password == o.password;
    }
};

// Operator accounts and login preferences in project.db (tables user, loginmodel,
// PasswordTable). Stateless: every call reads or writes the file. Any thread.
class UserStore
{
public:
    // Creates the three tables and the ADMIN seed row; the seed never overwrites a
    // changed ADMIN. Returns false if any statement failed.
    static bool initTables();

    // A new ordinary user (type 1). False for an empty name or password (nothing is
    // run) and for a name that exists.
    static bool addUser(const QString &username, const QString &password);
    static bool deleteUser(int id);
    // Changes name and password, never the type. False for an empty name or password.
    static bool updateUser(int id, const QString &username, const QString &password);
    static QVector<UserRow> allUsers();
    static bool checkLogin(const QString &username, const QString &password);
    // The user's type; 1 when the name is unknown or the file cannot be read.
    static int userType(const QString &username);

    // Replacing the row also forgets the remembered password.
    static bool setRemember(bool flag);
    static bool setRememberedPassword(const QString &password);
    static bool isRemember();
    static QString rememberedPassword();

    // 0 show the login dialog at start-up, 1 log in as the last user. Other values are
    // ignored (false).
    static bool setLoginModel(int model);
    // Creates the row (1, 0) when it is missing. Anything stored but 1 reads as 0, so a
    // damaged row never skips the login.
    static int loginModel();
};
