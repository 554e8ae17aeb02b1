#include "webtexts.h"

#include "zelresources.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QTranslator>

namespace {
// The page marks a text with data-text="..." or tr('...'); each one is listed here.
const char *const pageTexts[] = {
    QT_TRANSLATE_NOOP("WebPage", "The server is not answering. Reconnecting..."),
    QT_TRANSLATE_NOOP("WebPage", "User"),
    QT_TRANSLATE_NOOP("WebPage", "Password"),
    QT_TRANSLATE_NOOP("WebPage", "Log in"),
    QT_TRANSLATE_NOOP("WebPage", "Log out"),
    QT_TRANSLATE_NOOP("WebPage", "Stale"),
    QT_TRANSLATE_NOOP("WebPage", "Sources"),
    QT_TRANSLATE_NOOP("WebPage", "Outputs"),
    QT_TRANSLATE_NOOP("WebPage", "Video"),
    QT_TRANSLATE_NOOP("WebPage", "Audio"),
    QT_TRANSLATE_NOOP("WebPage", "HDMI Audio"),
    QT_TRANSLATE_NOOP("WebPage", "Infrared"),
    QT_TRANSLATE_NOOP("WebPage", "Audio Matrix"),
    QT_TRANSLATE_NOOP("WebPage", "Splitter Areas"),
    QT_TRANSLATE_NOOP("WebPage", "Plans"),
    QT_TRANSLATE_NOOP("WebPage", "Salvos"),
    QT_TRANSLATE_NOOP("WebPage", "Connected"),
    QT_TRANSLATE_NOOP("WebPage", "Connecting"),
    QT_TRANSLATE_NOOP("WebPage", "Disconnected"),
    QT_TRANSLATE_NOOP("WebPage", "Nothing"),
    QT_TRANSLATE_NOOP("WebPage", "Clear"),
    QT_TRANSLATE_NOOP("WebPage", "Locked"),
    QT_TRANSLATE_NOOP("WebPage", "No right"),
    QT_TRANSLATE_NOOP("WebPage", "Take mode"),
    QT_TRANSLATE_NOOP("WebPage", "Take"),
    QT_TRANSLATE_NOOP("WebPage", "Cancel"),
    QT_TRANSLATE_NOOP("WebPage", "%1 staged"),
    QT_TRANSLATE_NOOP("WebPage", "%1 (staged)"),
    QT_TRANSLATE_NOOP("WebPage", "%1 staged for %2"),
    QT_TRANSLATE_NOOP("WebPage", "%1 now shows %2"),
    QT_TRANSLATE_NOOP("WebPage", "%1 cleared"),
    QT_TRANSLATE_NOOP("WebPage", "%1 sent"),
    QT_TRANSLATE_NOOP("WebPage", "%1 sent, %2 refused: %3"),
    QT_TRANSLATE_NOOP("WebPage", "Tap a source first, then one or more outputs."),
    QT_TRANSLATE_NOOP("WebPage", "Tap a plan twice to recall it."),
    QT_TRANSLATE_NOOP("WebPage", "Tap a salvo twice to recall it."),
    QT_TRANSLATE_NOOP("WebPage", "Tap again to recall"),
    QT_TRANSLATE_NOOP("WebPage", "%1 recalled"),
    QT_TRANSLATE_NOOP("WebPage", "Plan %1"),
    QT_TRANSLATE_NOOP("WebPage", "No plans saved"),
    QT_TRANSLATE_NOOP("WebPage", "No salvos saved"),
};

QJsonObject build(const QString &lang)
{
    initZelResources();
    // A translator of our own, never installed: the window's language stays as it is.
    QTranslator translator;
    const QString file =
        lang == QLatin1String("zh") ? QStringLiteral(":/Chinese") : QStringLiteral(":/English");
    if (!translator.load(file))
        qWarning("Web page texts: cannot load the catalogue %s", qPrintable(file));
    QJsonObject texts;
    for (const char *text : pageTexts) {
        const QString translated = translator.translate("WebPage", text);
        texts.insert(QString::fromUtf8(text),
                     translated.isEmpty() ? QString::fromUtf8(text) : translated);
    }
    return texts;
}
} // namespace

namespace WebTexts {

QStringList sources()
{
    QStringList list;
    for (const char *text : pageTexts)
        list.append(QString::fromUtf8(text));
    return list;
}

QJsonObject catalogue(const QString &lang)
{
    const QString key = lang == QLatin1String("zh") ? lang : QStringLiteral("en");
    static QMutex mutex;
    static QHash<QString, QJsonObject> built;
    const QMutexLocker locker(&mutex);
    auto it = built.find(key);
    if (it == built.end())
        it = built.insert(key, build(key));
    return *it;
}

} // namespace WebTexts
