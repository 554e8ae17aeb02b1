#pragma once

#include "actinguser.h"

#include <QList>

#include <functional>

// The two rights checks an operator meets on ports and functions, for the user who acts,
// and which warning a refusal earns; the face that asked shows it. GUI thread.
class PortRights
{
public:
    enum class Warning { NoPermission, PortsNotPermitted };
    // What was refused: port `number` of `category` (0..3), or function key `number` with
    // category -1; a negative number names nothing.
    struct Refused
    {
        int number = -1;
        int category = -1;
    };
    using Warn = std::function<void(Warning, Refused)>;
    // The user acting now; unset: an administrator.
    using User = std::function<ActingUser()>;

    explicit PortRights(User user, Warn warn = {});

    // Category 0 input, 1 output, 2 audio input, 3 audio output. With `warn` a refusal
    // is told as NoPermission.
    bool portAllowed(int port, int category, bool warn = false) const;
    bool functionAllowed(int key, bool warn = false) const;
    // Every output permitted; otherwise PortsNotPermitted.
    bool outputsAllowed(const QList<int> &outputs, bool warn) const;

private:
    ActingUser user() const { return m_user ? m_user() : ActingUser(); }
    void tell(Warning warning, Refused refused) const;

    User m_user;
    Warn m_warn;
};
