#include "apierror.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct ErrorEntry
{
    ApiError error;
    int status;
    const char *code;
};

constexpr ErrorEntry Errors[] = {
    {ApiError::BadRequest, 400, "bad_request"},
    {ApiError::NotLoggedIn, 401, "not_logged_in"},
    {ApiError::Forbidden, 403, "forbidden"},
    {ApiError::NotFound, 404, "not_found"},
    {ApiError::MethodNotAllowed, 405, "method_not_allowed"},
    {ApiError::Locked, 409, "locked"},
    {ApiError::TooLarge, 413, "too_large"},
    {ApiError::TooManyAttempts, 429, "too_many_attempts"},
    {ApiError::Offline, 503, "offline"},
    {ApiError::Busy, 503, "busy"},
};

const ErrorEntry &entry(ApiError error)
{
    for (const ErrorEntry &e : Errors) {
        if (e.error == error)
            return e;
    }
    return Errors[0];
}

} // namespace

int ApiErrors::status(ApiError error)
{
    return entry(error).status;
}

const char *ApiErrors::code(ApiError error)
{
    return entry(error).code;
}

ApiResponse ApiErrors::make(ApiError error, const QString &message)
{
    ApiResponse response;
    response.status = status(error);
    const QJsonObject body{{QStringLiteral("error"), QString::fromLatin1(code(error))},
                           {QStringLiteral("message"), message}};
    response.body = QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString();
    return response;
}
