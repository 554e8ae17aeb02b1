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
// Whether the logging rules want the default category's debug messages passed on.
std::atomic<bool> s_debugWanted{true};

bool isDefaultCategory(const char *name)
{
    return name && std::strcmp(name, "default") == 0;
}

// The link's "send:" lines are debug messages of the default category: the tap keeps
// them coming even where the rules turn debug off, and then swallows them itself.
void tapFilter(QLoggingCategory *category)
{
    if (s_nextFilter)
        s_nextFilter(category);
    if (isDefaultCategory(category->categoryName())) {
        s_debugWanted = category->isDebugEnabled();
        category->setEnabled(QtDebugMsg, true);
    }
}

void tapHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && isDefaultCategory(context.category)) {
        const QString command = CommandTap::commandOf(message);
        if (!command.isEmpty())
            emit CommandTap::instance()->commandSent(command);
        if (!s_debugWanted)
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
