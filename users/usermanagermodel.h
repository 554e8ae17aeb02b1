#pragma once

#include "userstore.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

class PermissionStore;

// The user management dialog without its window: the user list, the four button states,
// the save order with its messages and the ADMIN protection. Writes go to project.db at
// once through UserStore and, when given, the PermissionStore. GUI thread.
class UserManagerModel
{
    Q_DECLARE_TR_FUNCTIONS(Usermanagerdialog)

public:
    enum class State { Idle = 0, UserSelected = 1, Editing = 2, AdminSelected = 3 };
    enum class Mode { Add, Edit };

    // What the dialog's controls do in a state.
    struct Controls
    {
        bool add, edit, del, save, permissions;
        bool nameEnabled, passwordsEnabled;
        bool clearName, clearPasswords;
    };
    static Controls controlsFor(State state, const QString &nameField);

    static QString adminName() { return QStringLiteral("ADMIN"); }

    explicit UserManagerModel(PermissionStore *permissions = nullptr);
    void setPermissionStore(PermissionStore *permissions) { m_permissions = permissions; }
    PermissionStore *permissionStore() const { return m_permissions; }

    void load();
    const QVector<UserRow> &users() const { return m_users; }
    State state() const { return m_state; }
    Mode mode() const { return m_mode; }
    int selectedRow() const { return m_selected; }
    const UserRow *selectedUser() const;

    // A row (or -1 for none) became current.
    void select(int row);
    void startAdd();
    void startEdit();
    // The message to show, or empty when the change was made (or nothing was to be made);
    // then the list is reloaded and the state is Idle.
    QString save(const QString &name, const QString &password, const QString &confirm);
    // Deletes the selected user unless it is ADMIN; reloads, state Idle.
    void removeSelected();

private:
    void finish();

    PermissionStore *m_permissions = nullptr;
    QVector<UserRow> m_users;
    State m_state = State::Idle;
    Mode m_mode = Mode::Add;
    int m_selected = -1;
};
