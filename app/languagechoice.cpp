#include "languagechoice.h"

#include "appsettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTranslator>

// The catalogues sit in a static library; naming the initialiser keeps them linked in.
static void initCatalogues()
{
    Q_INIT_RESOURCE(translations);
}

namespace LanguageChoice {

Choice choose(int stored, QLocale::Language systemLanguage)
{
    if (stored == 0)
        return {QStringLiteral(":/Chinese"), -1};
    if (stored == -1) {
        if (systemLanguage == QLocale::Chinese)
            return {QStringLiteral(":/Chinese"), 0};
        return {QStringLiteral(":/English"), 1};
    }
    return {QStringLiteral(":/English"), -1};
}

static bool load(QTranslator *translator, const QString &catalogue)
{
    static const bool ready = (initCatalogues(), true);
    Q_UNUSED(ready)
    QCoreApplication::removeTranslator(translator);
    const bool loaded = translator->load(catalogue);
    if (!loaded)
        qWarning().noquote() << "language: cannot load the catalogue" << catalogue;
    QCoreApplication::installTranslator(translator);
    return loaded;
}

bool apply(QTranslator *translator, QLocale::Language systemLanguage)
{
    AppSettings *settings = AppSettings::instance();
    const Choice choice = choose(settings->language(), systemLanguage);
    if (choice.writeBack >= 0)
        settings->setLanguage(choice.writeBack);
    return load(translator, choice.catalogue);
}

bool switchTo(int index, QTranslator *translator)
{
    AppSettings::instance()->setLanguage(index);
    return load(translator, choose(index, QLocale::AnyLanguage).catalogue);
}

} // namespace LanguageChoice
