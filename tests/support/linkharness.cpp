#include "linkharness.h"

#include "devicestate.h"
#include "recordsignals.h"
#include "simtestkit.h"
#include "testtimeouts.h"

#include <QtTest>

Collector::Collector(MessageDistance *link)
{
    using M = MessageDistance;
    for (const RecordSignals::Entry &entry : RecordSignals::all())
        watch(link, entry.signal, entry.name);
    connect(link, &M::si_ForwardAnalysis, this, [this](const QString &t) {
        all << Emission{"forward", {}, t};
    });
    connect(link, &M::si_http200Analysis, this, [this] { all << Emission{"http200", {}, {}}; });
    connect(link, &M::si_SetDhcpSwitch, this, [this] { all << Emission{"dhcp", {}, {}}; });
}

QStringList signalNames(const QList<Emission> &emissions)
{
    QStringList names;
    for (const Emission &e : emissions)
        names << e.signal;
    return names;
}

bool LinkTestBase::start(const QString &model, const SimFaults &faults)
{
    m_device = startSim(model, faults);
    if (!m_device)
        return false;
    DeviceState::instance()->setDeviceType(SimDevice::models().indexOf(model));
    m_collector = std::make_unique<Collector>(link());
    link()->setUploadPort(m_device->uploadPort());
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), m_device->controlPort());
    if (!connected.wait(TestTimeouts::Short))
        return false;
    return QTest::qWaitFor([this] { return m_device->clientCount() == 1; }, TestTimeouts::Short);
}

void LinkTestBase::stop()
{
    link()->disconnectFromDevice();
    m_collector.reset();
    m_device.reset();
}

QList<Emission> LinkTestBase::exchange(const std::function<void()> &send, const QString &marker)
{
    m_collector->all.clear();
    send();
    // The marker is a record of its own kind; all emissions of what came before it are
    // out by the time it is parsed.
    if (marker == QLatin1String("rotate"))
        link()->sendGetRotate();
    else
        link()->sendVersion();
    if (!QTest::qWaitFor([&] { return m_collector->indexOf(marker) >= 0; }, TestTimeouts::Short))
        qWarning().noquote() << "no" << marker << "record";
    QList<Emission> before;
    for (const Emission &e : qAsConst(m_collector->all)) {
        if (e.signal == marker)
            break;
        before << e;
    }
    return before;
}

Emission LinkTestBase::only(const QString &signal, const std::function<void()> &send)
{
    const QList<Emission> got = exchange(send);
    if (signalNames(got) != QStringList{signal}) {
        qWarning().noquote() << "expected only" << signal << "got" << signalNames(got).join(',');
        return Emission();
    }
    return got.first();
}
