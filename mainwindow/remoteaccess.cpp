#include "remoteaccess.h"
#include "salvocontroller.h"

#include "plancontroller.h"
#include "remotecontext.h"
#include "remoteserver.h"
#include "servemode.h"
#include "webpage.h"
#include "webtexts.h"

RemoteAccess::RemoteAccess(QObject *parent)
    : QObject(parent)
{
}

RemoteAccess::~RemoteAccess()
{
    stop();
}

bool RemoteAccess::start(OperatorCore *core,
                         quint16 port,
                         QString *error,
                         const QHostAddress &address)
{
    const QString refusal = ServeMode::refusalToListen(address);
    if (!refusal.isEmpty()) {
        *error = refusal;
        return false;
    }
    initWebPage();
    auto *plans = parent() ? parent()->findChild<PlanController *>() : nullptr;
    auto *salvos = parent() ? parent()->findChild<SalvoController *>() : nullptr;
    m_server = std::make_unique<RemoteServer>(RemoteContext::of(core, plans, salvos));
    m_server->setPageTexts(WebTexts::sources());
    if (m_server->listen(address, port, error))
        return true;
    m_server.reset();
    return false;
}

void RemoteAccess::stop()
{
    if (!m_server)
        return;
    m_server->close();
    m_server.reset();
}
