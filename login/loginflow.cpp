#include "loginflow.h"

#include "appsettings.h"
#include "devicestate.h"
#include "logindialog.h"
#include "userstore.h"

#include <QDialog>

namespace LoginFlow {

Runner modalRunner()
{
    return [](LoginDialog &dialog) { return dialog.exec(); };
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
    UserStore::initTables();

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

} // namespace LoginFlow
