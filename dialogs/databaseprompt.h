#pragma once

#include "projectdbcheck.h"

#include <QCoreApplication>

// Tells the user, before the login, that project.db cannot be used as it is and asks
// what to do. GUI thread.
class DatabasePrompt
{
    Q_DECLARE_TR_FUNCTIONS(DatabasePrompt)

public:
    static ProjectDbCheck::Choice ask(const QString &path, const ProjectDbCheck::Result &result);
    // The message shown for a result: what is wrong with which file, and what follows.
    static QString message(const QString &path, const ProjectDbCheck::Result &result);
};
