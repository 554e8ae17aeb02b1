#pragma once

#include "apimessage.h"

#include <QString>

// The error answers of the API: a status and {"error": code, "message": text}.
enum class ApiError {
    BadRequest,
    NotLoggedIn,
    Forbidden,
    NotFound,
    MethodNotAllowed,
    Locked,
    TooLarge,
    TooManyAttempts,
    Offline,
    Busy
};

namespace ApiErrors {

int status(ApiError error);
const char *code(ApiError error);
// `message` already in the session's language.
ApiResponse make(ApiError error, const QString &message);

} // namespace ApiErrors
