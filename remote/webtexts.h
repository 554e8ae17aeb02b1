#pragma once

#include <QJsonObject>
#include <QStringList>

// The web page's own texts. They live in the client's catalogues (context "WebPage"),
// so the page and the window are translated in one place; the server hands the page
// the texts of the language its browser asks for. Any thread.
namespace WebTexts {

// Every text the page shows, in English as the page's files spell them.
QStringList sources();

// {"<source text>": "<translation>", ...} for "zh" or "en"; any other language gets
// English. A text without a translation maps to itself.
QJsonObject catalogue(const QString &lang);

} // namespace WebTexts
