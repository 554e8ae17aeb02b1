#include "actinguser.h"

namespace {

bool allowedAt(const QVector<bool> &list, int index)
{
    return index < 0 || index >= list.size() || list.at(index);
}

} // namespace

bool ActingUser::portAllowed(int port, int kind) const
{
    if (isAdministrator())
        return true;
    switch (kind) {
    case PermissionStore::Input:
        return allowedAt(rights.inputs, port - 1);
    case PermissionStore::Output:
        return allowedAt(rights.outputs, port - 1);
    case PermissionStore::Audio:
        return allowedAt(rights.audio, port - 1);
    case PermissionStore::Analog:
        return allowedAt(rights.analog, port - 1);
    default:
        return true;
    }
}

bool ActingUser::functionAllowed(int key) const
{
    return isAdministrator() || allowedAt(rights.functions, key);
}

ActingUser ActingUser::of(int type, const PermissionStore &store)
{
    return ActingUser{type, store.loadedRights()};
}
