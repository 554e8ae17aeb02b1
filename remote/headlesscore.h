#pragma once

#include "remotecontext.h"

#include <QObject>
#include <QString>

// The operator core without a window, wired to the device link the way the window
// wires it: records into the picture, the link lamp, the stale marker, plans. For
// `zeldesk --serve`, tests and benchmarks. GUI (main) thread.
class HeadlessCore : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(HeadlessCore)

public:
    explicit HeadlessCore(QObject *parent = nullptr);
    ~HeadlessCore() override;

    RemoteContext context() const { return m_context; }
    // Connects to host:port, or to the device of config.ini when host is empty.
    void start(const QString &host = QString(), quint16 port = 0);
    void stop();

private:
    RemoteContext m_context;
};
