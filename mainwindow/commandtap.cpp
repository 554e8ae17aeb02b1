#include "commandtap.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QtMessageHandler s_next = nullptr;
QBasicMutex s_installMutex;
bool s_installed = false;

void tapHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg) {
        const QString command = CommandTap::commandOf(message);
        if (!command.isEmpty())
            emit CommandTap::instance()->commandSent(command);
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
