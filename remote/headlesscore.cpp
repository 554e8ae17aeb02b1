#include "headlesscore.h"

#include "appsettings.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "plancontroller.h"
#include "salvocontroller.h"

HeadlessCore::HeadlessCore(QObject *parent)
    : QObject(parent)
{
    auto *core = new OperatorCore(MessageDistance::instance(), DeviceState::instance(), this);
    core->connectLink();
    core->createBindGroups();
    m_context = RemoteContext::of(core, new PlanController(this), new SalvoController(core, this));
    m_context.plans->setAvailable(true);
    m_context.plans->loadNames();
}

HeadlessCore::~HeadlessCore()
{
    stop();
}

void HeadlessCore::start(const QString &host, quint16 port)
{
    AppSettings *settings = AppSettings::instance();
    const QString address = host.isEmpty() ? settings->ip() : host;
    const quint16 devicePort = host.isEmpty() ? quint16(settings->port()) : port;
    DeviceState *state = DeviceState::instance();
    state->setDeviceType(settings->deviceType());
    state->setDeviceAddress(address);
    state->setDevicePort(devicePort);
    MessageDistance::instance()->connectToDevice(address, devicePort);
}

void HeadlessCore::stop()
{
    MessageDistance::instance()->disconnectFromDevice();
}
