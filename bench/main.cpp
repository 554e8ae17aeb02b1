#include "benchregistry.h"

#include "captionbitmap.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct Entry
{
    const char *help;
    BenchFunction run;
};

std::map<std::string, Entry> &registry()
{
    static std::map<std::string, Entry> entries;
    return entries;
}

void usage()
{
    QTextStream err(stderr);
    err << "usage: zelbench [SUBCOMMAND [ARGS...]]\n"
           "Without a subcommand every benchmark runs with its defaults.\n";
    for (const auto &[name, entry] : registry())
        err << "  " << name.c_str() << "  " << entry.help << "\n";
}

} // namespace

BenchRegistration::BenchRegistration(const char *name, const char *help, BenchFunction run)
{
    registry()[name] = Entry{help, run};
}

void printFigure(const QString &name, double value, const QString &unit)
{
    std::printf("%s %s %s\n",
                qPrintable(name),
                qPrintable(QString::number(value, 'f', 3)),
                qPrintable(unit));
    std::fflush(stdout);
}

int main(int argc, char **argv)
{
    // Window benchmarks render offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As zeldesk does, so the caption figures are the client's.
    CaptionBitmap::enableLargeGlyphCache();
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        int rc = 0;
        for (const auto &[name, entry] : registry())
            rc |= entry.run({});
        return rc;
    }
    const QString name = args.takeFirst();
    const auto it = registry().find(name.toStdString());
    if (it == registry().end()) {
        usage();
        return 2;
    }
    return it->second.run(args);
}
