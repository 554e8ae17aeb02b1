#pragma once

#include "apimessage.h"

#include <QString>

// The page's files, only ever from the resources under ":/web/": a request's path is
// checked name by name and never reaches the file system. Core's thread.
namespace StaticFiles {

// For "/" (index.html) and "/static/<name>"; false when the path is neither.
bool isStaticPath(const std::string &path);
// 200 with the file and the page's security headers, or 404.
ApiResponse serve(const std::string &path);
// "text/css; charset=utf-8" and the like, from the file name.
QString contentType(const QString &name);

} // namespace StaticFiles
