#pragma once

#include "messagedistance.h"
#include "simdevice.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The client's real link against a simulator started per test case.

struct Emission
{
    QString signal;
    QJsonObject obj;
    QString text;
};

QStringList signalNames(const QList<Emission> &emissions);

// Collects every signal of the link on the test thread (queued from the worker).
class Collector : public QObject
{
public:
    explicit Collector(MessageDistance *link);
    QStringList names() const { return signalNames(all); }
    int indexOf(const QString &signal) const { return names().indexOf(signal); }
    QList<Emission> all;

private:
    template<typename Signal> void watch(MessageDistance *link, Signal signal, const char *name)
    {
        const QString n = QString::fromLatin1(name);
        connect(link, signal, this, [this, n](const QJsonObject &o) { all << Emission{n, o, {}}; });
    }
};

class LinkTestBase : public QObject
{
    Q_OBJECT

protected:
    MessageDistance *link() const { return MessageDistance::instance(); }
    bool start(const QString &model, const SimFaults &faults = SimFaults());
    void stop();
    // Sends command, then a marker query, and returns what the link emitted before the
    // marker's record: everything the command's answer produced, and nothing later.
    QList<Emission> exchange(const std::function<void()> &send,
                             const QString &marker = QStringLiteral("rotate"));
    // The one emission of an exchange, empty (with a warning) when there were others.
    Emission only(const QString &signal, const std::function<void()> &send);

    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<Collector> m_collector;
};
