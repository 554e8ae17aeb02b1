#include "commandtap.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <cstring>

namespace {

QtMessageHandler s_next = nullptr;
QLoggingCategory::CategoryFilter s_nextFilter = nullptr;
QBasicMutex s_installMutex;
bool s_installed = false;
// The categories the link writes its "send:" lines to, and whether the logging rules
// want their debug messages passed on.
const char *const s_linkCategories[] = {"zel.device.link", "default"};
std::atomic<bool> s_debugWanted[2] = {{true}, {true}};

int linkCategory(const char *name)
{
    for (int i = 0; name && i < 2; ++i) {
        if (std::strcmp(name, s_linkCategories[i]) == 0)
            return i;
    }
    return -1;
}

// The tap keeps the link's debug lines coming even where the rules turn debug off, and
// then swallows them itself.
void tapFilter(QLoggingCategory *category)
{
    if (s_nextFilter)
        s_nextFilter(category);
    const int link = linkCategory(category->categoryName());
    if (link >= 0) {
        s_debugWanted[link] = category->isDebugEnabled();
        category->setEnabled(QtDebugMsg, true);
    }
}

void tapHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const int link = type == QtDebugMsg ? linkCategory(context.category) : -1;
    if (link >= 0) {
        const QString command = CommandTap::commandOf(message);
        if (!command.isEmpty())
            emit CommandTap::instance()->commandSent(command);
        if (!s_debugWanted[link])
            return;
    }
    if (s_next)
        s_next(type, context, message);
}

} // namespace

CommandTap *CommandTap::instance()
{
    static CommandTap *tap = new CommandTap; // lives until exit, like the handler
    return tap;
}

void CommandTap::install()
{
    QMutexLocker locker(&s_installMutex);
    if (s_installed)
        return;
    instance();
    s_installed = true;
    s_next = qInstallMessageHandler(tapHandler);
    s_nextFilter = QLoggingCategory::installFilter(tapFilter);
}

QString CommandTap::commandOf(const QString &message)
{
    static const QString prefix = QStringLiteral("send: ");
    // Commands are braced; other "send:" texts are not the link's.
    if (!message.startsWith(prefix) || message.size() <= prefix.size() ||
        message.at(prefix.size()) != QLatin1Char('{'))
        return QString();
    return message.mid(prefix.size());
}
