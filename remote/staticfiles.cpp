#include "staticfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

const char StaticPrefix[] = "/static/";
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

// Plain names only: no "..", no hidden files, no escapes.
bool safeRelative(const QString &relative)
{
    static const QRegularExpression part(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9._-]{0,99}$"));
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (parts.size() > 4)
        return false;
    for (const QString &p : parts) {
        if (!part.match(p).hasMatch() || p.contains(QLatin1String("..")))
            return false;
    }
    return true;
}

} // namespace

bool StaticFiles::isStaticPath(const std::string &path)
{
    return path == "/" || path.rfind(StaticPrefix, 0) == 0;
}

QString StaticFiles::contentType(const QString &name)
{
    static const QList<QPair<QString, QString>> types{
        {QStringLiteral(".html"), QStringLiteral("text/html; charset=utf-8")},
        {QStringLiteral(".js"), QStringLiteral("text/javascript; charset=utf-8")},
        {QStringLiteral(".css"), QStringLiteral("text/css; charset=utf-8")},
        {QStringLiteral(".svg"), QStringLiteral("image/svg+xml")},
        {QStringLiteral(".png"), QStringLiteral("image/png")},
        {QStringLiteral(".ico"), QStringLiteral("image/x-icon")},
        {QStringLiteral(".json"), QStringLiteral("application/json")},
        {QStringLiteral(".webmanifest"), QStringLiteral("application/manifest+json")},
        {QStringLiteral(".woff2"), QStringLiteral("font/woff2")},
    };
    for (const auto &type : types) {
        if (name.endsWith(type.first, Qt::CaseInsensitive))
            return type.second;
    }
    return QStringLiteral("application/octet-stream");
}

ApiResponse StaticFiles::serve(const std::string &path)
{
    ApiResponse response;
    const QString relative = path == "/"
                                 ? QStringLiteral("index.html")
                                 : QString::fromStdString(path.substr(sizeof(StaticPrefix) - 1));
    QFile file(QStringLiteral(":/web/") + relative);
    if (!safeRelative(relative) || !file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes) {
        response.status = 404;
        response.contentType = "text/plain; charset=utf-8";
        response.body = "not found\n";
        return response;
    }
    response.body = file.readAll().toStdString();
    response.contentType = contentType(relative).toStdString();
    response.setHeader("Content-Security-Policy", "default-src 'self'; frame-ancestors 'none'");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Referrer-Policy", "no-referrer");
    response.setHeader("Cache-Control", "no-cache");
    return response;
}
