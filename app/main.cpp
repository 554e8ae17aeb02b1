#include "captionbitmap.h"
#include "commandline.h"
#include "databaseprompt.h"
#include "datadir.h"
#include "demomode.h"
#include "languagechoice.h"
#include "logmessagehandler.h"
#include "projectdb.h"
#include "projectdbcheck.h"
#include "servemode.h"
#include "widget.h"
#include "zelresources.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFontDatabase>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

void centreOnCursorScreen(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint centre = screen->availableGeometry().center();
    window->move(centre - QPoint((frame.width() - 1) / 2, (frame.height() - 1) / 2));
}

void useDefaultFont()
{
    QFont font = QApplication::font();
    // Keeps the toolkit's family where the font is not installed.
    if (QFontDatabase().families().contains(QStringLiteral("Microsoft YaHei")))
        font.setFamily(QStringLiteral("Microsoft YaHei"));
    QApplication::setFont(font);
}

// Checked before the login reads users from it: a damaged file would only fail statement
// after statement. The window installs its own catalogue later.
bool projectDbUsable()
{
    QTranslator early;
    LanguageChoice::apply(&early);
    const bool usable = ProjectDbCheck::resolve(projectDbPath(), &DatabasePrompt::ask);
    QCoreApplication::removeTranslator(&early);
    return usable;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(1));
    CaptionBitmap::enableLargeGlyphCache();
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    if (CommandLine::asksHelpOrVersion(argc, argv))
        CommandLine::answer(argc, argv);
    // No QApplication: serving needs no display.
    if (ServeMode::requested(argc, argv))
        return ServeMode::run(argc, argv);
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeldesk"));
    QApplication::setApplicationVersion(CommandLine::version());

    useDefaultFont();

    const QStringList args = QApplication::arguments();
    DataDir::applyCommandLine(args);
    bool demo = false;
    const QString model = DemoMode::requestedModel(args, &demo);
    LogFile::install(demo);
    initZelResources();
    DemoMode demoMode;
    if (demo) {
        QString error;
        if (!demoMode.start(model, &error)) {
            qWarning().noquote() << "Demo:" << error;
            std::fprintf(stderr, "zeldesk --demo: %s\n", qPrintable(error));
            return 2;
        }
    }

    if (!projectDbUsable())
        return 1;

    auto window = std::make_unique<Widget>();
    if (window->loginCancelled())
        return 0;
    centreOnCursorScreen(window.get());
    // For the start-up benchmark: report that the window is up and leave.
    if (qEnvironmentVariableIsSet("ZELDESK_QUIT_WHEN_SHOWN") && window->isVisible()) {
        std::fprintf(stdout, "shown\n");
        std::fflush(stdout);
        return 0;
    }

    const int code = app->exec();
    window.reset();
    app.reset();
    return code;
}
