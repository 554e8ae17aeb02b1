#include "usermanagermodel.h"

#include "permissionstore.h"

UserManagerModel::Controls UserManagerModel::controlsFor(State state, const QString &nameField)
{
    switch (state) {
    case State::Idle:
        return {true, false, false, false, false, false, false, true, true};
    case State::UserSelected:
        return {true, true, true, false, true, false, false, false, true};
    case State::Editing:
        return {false, false, false, true, false, nameField != adminName(), true, false, true};
    case State::AdminSelected:
        return {true, true, false, false, false, false, false, false, true};
    }
    return {};
}

UserManagerModel::UserManagerModel(PermissionStore *permissions)
    : m_permissions(permissions)
{
}

void UserManagerModel::load()
{
    m_users = UserStore::allUsers();
    if (m_selected >= m_users.size())
        m_selected = -1;
}

const UserRow *UserManagerModel::selectedUser() const
{
    return m_selected >= 0 && m_selected < m_users.size() ? &m_users.at(m_selected) : nullptr;
}

void UserManagerModel::select(int row)
{
    m_selected = row >= 0 && row < m_users.size() ? row : -1;
    if (const UserRow *user = selectedUser())
        m_state = user->username == adminName() ? State::AdminSelected : State::UserSelected;
}

void UserManagerModel::startAdd()
{
    m_mode = Mode::Add;
    m_state = State::Editing;
}

void UserManagerModel::startEdit()
{
    m_mode = Mode::Edit;
    m_state = State::Editing;
}

QString UserManagerModel::save(const QString &name, const QString &password, const QString &confirm)
{
    if (!name.isEmpty() && password.isEmpty())
        return tr("password empty!");
    if (password.trimmed() != confirm.trimmed())
        return tr("two password not equation!");
    bool taken = false;
    for (const UserRow &user : qAsConst(m_users))
        taken = taken || user.username == name;

    if (m_mode == Mode::Edit) {
        if (name.isEmpty())
            return tr("username empty!");
        const UserRow *user = selectedUser();
        if (taken && (!user || user->username != name))
            return tr("user have exsits!");
        // The confirm field as typed: blanks around it are part of the password.
        if (user)
            UserStore::updateUser(user->id, name, confirm);
        finish();
        return QString();
    }
    if (taken)
        return tr("user have exsits!");
    if (UserStore::addUser(name, confirm) && m_permissions)
        m_permissions->createDefaultRights(name);
    finish();
    return QString();
}

void UserManagerModel::removeSelected()
{
    const UserRow *user = selectedUser();
    if (user && user->username != adminName()) {
        const int id = user->id;
        UserStore::deleteUser(id);
        if (m_permissions)
            m_permissions->deleteRights(id);
    }
    finish();
}

void UserManagerModel::finish()
{
    m_selected = -1;
    m_state = State::Idle;
    load();
}
