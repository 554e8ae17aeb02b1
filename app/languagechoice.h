#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

// Which catalogue the interface speaks: Language/language of config.ini, 0 Chinese,
// 1 English; with no key the system language decides once and is remembered.
namespace LanguageChoice {

struct Choice
{
    QString catalogue;  // ":/Chinese" or ":/English"
    int writeBack = -1; // value to store, -1 for none
};

Choice choose(int stored, QLocale::Language systemLanguage);

// Start-up: reads the setting, stores the system's choice when there was none, loads
// the catalogue into `translator` and installs it (also when loading failed).
bool apply(QTranslator *translator,
           QLocale::Language systemLanguage = QLocale::system().language());

// Run time: stores the index, reloads the catalogue; the caller re-applies its texts.
bool switchTo(int index, QTranslator *translator);

} // namespace LanguageChoice
