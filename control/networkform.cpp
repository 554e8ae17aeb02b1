#include "networkform.h"

#include "addressrules.h"

namespace {

AddressRules::Kind kindOf(NetworkForm::Field field)
{
    switch (field) {
    case NetworkForm::Subnet:
        return AddressRules::Kind::SubnetMask;
    case NetworkForm::Mac:
        return AddressRules::Kind::Mac;
    default:
        return AddressRules::Kind::IPv4;
    }
}

} // namespace

QString NetworkForm::value(const Values &values, Field field)
{
    switch (field) {
    case Ip:
        return values.ip;
    case Gateway:
        return values.gateway;
    case Subnet:
        return values.subnet;
    case Mac:
        return values.mac;
    case FieldCount:
        break;
    }
    return QString();
}

QList<NetworkForm::Field> NetworkForm::badFields(const Values &values)
{
    QList<Field> bad;
    for (int f = Ip; f < FieldCount; ++f) {
        const Field field = Field(f);
        if (AddressRules::check(kindOf(field), value(values, field)) !=
            AddressRules::State::Acceptable)
            bad << field;
    }
    return bad;
}

QString NetworkForm::problem(const Values &values)
{
    const QList<Field> bad = badFields(values);
    if (bad.isEmpty())
        return QString();
    const Field field = bad.first();
    return tr("%1: %2").arg(fieldName(field),
                            AddressRules::problem(kindOf(field), value(values, field)));
}

QString NetworkForm::fieldName(Field field)
{
    switch (field) {
    case Ip:
        return tr("IP address");
    case Gateway:
        return tr("Gateway");
    case Subnet:
        return tr("Subnet mask");
    case Mac:
        return tr("MAC address");
    case FieldCount:
        break;
    }
    return QString();
}

QString NetworkForm::confirmation(const Values &before, const Values &after)
{
    QStringList lines;
    lines << tr("Send these network settings to the device?");
    for (int f = Ip; f < FieldCount; ++f) {
        const Field field = Field(f);
        const QString old = value(before, field);
        const QString now = value(after, field);
        lines << (old == now ? tr("%1: %2 (unchanged)").arg(fieldName(field), now)
                             : tr("%1: %2 → %3").arg(fieldName(field), old, now));
    }
    lines << tr("The device may become reachable only at the new address.");
    return lines.join(QLatin1Char('\n'));
}
