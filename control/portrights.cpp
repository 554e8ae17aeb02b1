#include "portrights.h"

PortRights::PortRights(User user, Warn warn)
    : m_user(std::move(user))
    , m_warn(std::move(warn))
{
}

bool PortRights::portAllowed(int port, int category, bool warn) const
{
    const bool allowed = user().portAllowed(port, category);
    if (!allowed && warn)
        tell(Warning::NoPermission, {port, category});
    return allowed;
}

bool PortRights::functionAllowed(int key, bool warn) const
{
    const bool allowed = user().functionAllowed(key);
    if (!allowed && warn)
        tell(Warning::NoPermission, {key, -1});
    return allowed;
}

bool PortRights::outputsAllowed(const QList<int> &outputs, bool warn) const
{
    const ActingUser acting = user();
    for (int o : outputs) {
        if (!acting.portAllowed(o, PermissionStore::Output)) {
            if (warn)
                tell(Warning::PortsNotPermitted, {o, PermissionStore::Output});
            return false;
        }
    }
    return true;
}

void PortRights::tell(Warning warning, Refused refused) const
{
    if (m_warn)
        m_warn(warning, refused);
}
