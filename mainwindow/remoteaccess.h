#pragma once

#include <QHostAddress>
#include <QObject>

#include <memory>

class OperatorCore;
class RemoteServer;

// The window's own web server behind the Setting page's "Remote access" switch. It
// answers from the window's operator core, so what a browser routes shows in the grid at
// once and the window's undo leaves it alone. Refuses to open while an account still has
// the default password, as `zeldesk --serve` does. GUI thread.
class RemoteAccess : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RemoteAccess)

public:
    explicit RemoteAccess(QObject *parent);
    ~RemoteAccess() override;

    // Serves `core` on `port` of `address` (every interface for the switch); the
    // window's plans are looked up among the parent's children.
    bool start(OperatorCore *core,
               quint16 port,
               QString *error,
               const QHostAddress &address = QHostAddress(QHostAddress::Any));
    void stop();
    RemoteServer *server() const { return m_server.get(); }

private:
    std::unique_ptr<RemoteServer> m_server;
};
