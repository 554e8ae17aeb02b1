#include "loginflow.h"

#include "appsettings.h"
#include "devicestate.h"
#include "logindialog.h"
#include "userstore.h"

#include <QDialog>

#include <algorithm>

namespace LoginFlow {

namespace {
const QString DefaultAdmin = QStringLiteral("ADMIN");
const QString DefaultAdminPassword = QStringLiteral("tiger905");

bool adminExists()
{
    const QVector<UserRow> users = UserStore::allUsers();
    return std::any_of(
        users.begin(), users.end(), [](const UserRow &u) { return u.username == DefaultAdmin; });
}
} // namespace

Runner modalRunner()
{
    return [](LoginDialog &dialog) {
        return dialog.exec();
    };
}

static Outcome runDialog(const Runner &run)
{
    LoginDialog dialog;
    return run(dialog) == QDialog::Accepted ? Outcome::LoggedIn : Outcome::Cancelled;
}

Outcome startUp(const Runner &run)
{
    AppSettings *settings = AppSettings::instance();
    DeviceState *state = DeviceState::instance();
    state->setDeviceAddress(settings->ip());
    state->setDevicePort(settings->port());
    state->setDeviceType(settings->type());
    const bool adminWasThere = adminExists();
    UserStore::initTables();
    // A fresh administrator has the seeded password again: offer the change again.
    if (!adminWasThere && adminExists())
        settings->setDefaultPasswordOffered(false);

    if (UserStore::loginModel() == 1) {
        settings->setCurrentUser(settings->username());
        settings->setCurrentUserType(UserStore::userType(settings->username()));
        return Outcome::Skipped;
    }
    return runDialog(run);
}

Outcome reLogin(const Runner &run)
{
    return runDialog(run);
}

bool takePasswordChangeOffer()
{
    AppSettings *settings = AppSettings::instance();
    if (settings->currentUser() != DefaultAdmin || settings->defaultPasswordOffered() ||
        !UserStore::checkLogin(DefaultAdmin, DefaultAdminPassword))
        return false;
    settings->setDefaultPasswordOffered(true);
    return true;
}

} // namespace LoginFlow
