#include "webpage.h"
#include "webtexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The page's files as the server serves them from the resources, and the texts the
// catalogues give the page: a text the page shows but nobody can translate, a catalogue
// that answers in the wrong language or loses an argument, markup the page's security
// policy would block.
class TestWebPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWebPage(); }
    void everyPageTextIsInTheCatalogues();
    void languages_data();
    void languages();
    void chineseKeepsEveryArgument();
    void indexLoadsOnlyPageFilesAndNothingInline();
};

namespace {

QString resource(const QString &name)
{
    QFile file(QStringLiteral(":/web/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QSet<QString> matches(const QString &text, const QString &pattern)
{
    QSet<QString> found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

} // namespace

void TestWebPage::everyPageTextIsInTheCatalogues()
{
    const QString html = resource(QStringLiteral("index.html"));
    const QString js = resource(QStringLiteral("app.js"));
    QVERIFY(!html.isEmpty());
    QVERIFY(!js.isEmpty());
    QSet<QString> used = matches(html, QStringLiteral("data-text=\"([^\"]+)\""));
    used += matches(js, QStringLiteral("\\btr\\('((?:[^'\\\\]|\\\\.)+)'"));
    // The kind and connection names reach tr() through tables of their own.
    used += matches(js, QStringLiteral("(?m)^ +\\w+: '([A-Z][^']*)',$"));
    const QStringList sources = WebTexts::sources();
    const QSet<QString> listed(sources.cbegin(), sources.cend());
    QSet<QString> missing = used - listed;
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringList(missing.values()).join(QLatin1String(" | "))));
    QSet<QString> unused = listed - used;
    QVERIFY2(unused.isEmpty(), qPrintable(QStringList(unused.values()).join(QLatin1String(" | "))));
}

void TestWebPage::languages_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("chinese");
    QTest::newRow("zh") << QStringLiteral("zh") << true;
    QTest::newRow("en") << QStringLiteral("en") << false;
    QTest::newRow("unknown language speaks English") << QStringLiteral("fr") << false;
    QTest::newRow("no language speaks English") << QString() << false;
}

void TestWebPage::languages()
{
    QFETCH(QString, lang);
    QFETCH(bool, chinese);
    const QJsonObject texts = WebTexts::catalogue(lang);
    const QStringList sources = WebTexts::sources();
    QCOMPARE(texts.size(), sources.size());
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    for (const QString &source : sources) {
        const QString text = texts.value(source).toString();
        if (chinese)
            QVERIFY2(text.contains(han), qPrintable(source + QLatin1String(" -> ") + text));
        else
            QCOMPARE(text, source);
    }
}

void TestWebPage::chineseKeepsEveryArgument()
{
    const QJsonObject texts = WebTexts::catalogue(QStringLiteral("zh"));
    const QRegularExpression argument(QStringLiteral("%\\d"));
    for (const QString &source : WebTexts::sources()) {
        const QString text = texts.value(source).toString();
        QStringList wanted;
        QRegularExpressionMatchIterator it = argument.globalMatch(source);
        while (it.hasNext())
            wanted.append(it.next().captured(0));
        for (const QString &arg : wanted)
            QVERIFY2(text.contains(arg), qPrintable(source + QLatin1String(" -> ") + text));
    }
}

void TestWebPage::indexLoadsOnlyPageFilesAndNothingInline()
{
    const QString html = resource(QStringLiteral("index.html"));
    // default-src 'self' blocks inline code and style, and a venue may have no internet.
    QVERIFY(!html.contains(QRegularExpression(QStringLiteral("<script(?![^>]*\\bsrc=)"))));
    QVERIFY(!html.contains(QLatin1String("<style")));
    QVERIFY(!html.contains(QRegularExpression(QStringLiteral("\\s(style|on[a-z]+)="))));
    const QSet<QString> loaded = matches(html, QStringLiteral("(?:src|href)=\"([^\"]+)\""));
    QCOMPARE(loaded.size(), 2);
    for (const QString &path : loaded) {
        QVERIFY2(path.startsWith(QLatin1String("/static/")), qPrintable(path));
        QVERIFY2(!resource(path.mid(8)).isEmpty(), qPrintable(path));
    }
}

QTEST_GUILESS_MAIN(TestWebPage)
#include "tst_webpage.moc"
