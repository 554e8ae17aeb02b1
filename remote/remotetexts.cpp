#include "remotetexts.h"

#include <QTranslator>

RemoteTexts::RemoteTexts()
    : m_english(std::make_unique<QTranslator>())
    , m_chinese(std::make_unique<QTranslator>())
{
    // Without the resources (a fuzz run) the source texts answer.
    m_english->load(QStringLiteral(":/English"));
    m_chinese->load(QStringLiteral(":/Chinese"));
}

RemoteTexts::~RemoteTexts() = default;

QString RemoteTexts::languageOf(const QString &requested)
{
    return requested.trimmed().startsWith(QLatin1String("zh"), Qt::CaseInsensitive)
               ? QStringLiteral("zh")
               : QStringLiteral("en");
}

QString RemoteTexts::text(const QString &language, const char *context, const char *source) const
{
    const QTranslator *translator =
        language == QLatin1String("zh") ? m_chinese.get() : m_english.get();
    const QString translated = translator->translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString RemoteTexts::text(const QString &language, const char *context, const QString &source) const
{
    const QByteArray utf8 = source.toUtf8();
    return text(language, context, utf8.constData());
}
