#pragma once

#include "permissionstore.h"

#include <QVector>

// The user an operator action is taken for: the user's type (0 administrator) and rights.
// Rules take it as an argument, so a window and a web user can act side by side; a right
// a list does not name is allowed, as in the permission store. Plain value, any thread.
struct ActingUser
{
    int type = 0;
    PermissionRights rights;

    bool isAdministrator() const { return type == 0; }
    // Kind 0 input, 1 output, 2 audio, 3 analog (ports from 1); any other kind is allowed.
    bool portAllowed(int port, int kind) const;
    // Keys from 0, PermissionStore::FunctionKey.
    bool functionAllowed(int key) const;

    // A user of `type` with the rights loaded into `store`.
    static ActingUser of(int type, const PermissionStore &store);
};
