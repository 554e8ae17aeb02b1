#pragma once

#include <functional>

class LoginDialog;

// The order of logging in before the main window connects, and of logging in again.
namespace LoginFlow {

enum class Outcome { LoggedIn, Skipped, Cancelled };

// Runs a dialog modally; tests replace it to answer the dialog themselves.
using Runner = std::function<int(LoginDialog &)>;
Runner modalRunner();

// Start-up: the store gets address, port and type from config.ini; login mode 0 runs the
// dialog, mode 1 logs in the stored user without one. Cancelled means: exit with 0.
Outcome startUp(const Runner &run = modalRunner());

// The re-login button: the dialog again; Cancelled means: quit the application.
Outcome reLogin(const Runner &run = modalRunner());

// True once per data directory, and again after the administrator was created afresh,
// while the logged-in user is the administrator with the password the client seeds:
// the window then offers to change it. Asking marks the offer as made.
bool takePasswordChangeOffer();

} // namespace LoginFlow
