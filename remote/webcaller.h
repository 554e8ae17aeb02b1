#pragma once

#include "actinguser.h"
#include "websession.h"

#include <QString>

// Who sent a request that passed the session checks: their session and their rights as
// stored at this moment.
struct WebCaller
{
    WebSession session;
    ActingUser user;
    QString address;
};
