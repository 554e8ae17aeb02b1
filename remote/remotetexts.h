#pragma once

#include <QString>

#include <memory>

class QTranslator;

// The client's two catalogues, loaded side by side so every answer speaks the language
// of the session that asked, whatever language the window shows. Core's thread.
class RemoteTexts
{
public:
    RemoteTexts();
    ~RemoteTexts();
    RemoteTexts(const RemoteTexts &) = delete;
    RemoteTexts &operator=(const RemoteTexts &) = delete;

    // "zh" for a language starting with "zh", else "en".
    static QString languageOf(const QString &requested);

    // `source` in `context` translated into `language`; the source when untranslated.
    QString text(const QString &language, const char *context, const char *source) const;
    QString text(const QString &language, const char *context, const QString &source) const;

private:
    std::unique_ptr<QTranslator> m_english;
    std::unique_ptr<QTranslator> m_chinese;
};
