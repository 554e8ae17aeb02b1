#include "addressrules.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

using State = AddressRules::State;

State checkIPv4(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{0,3}(\\.\\d{0,3}){0,3}$"));
    if (!shape.match(text).hasMatch())
        return State::Invalid;
    const QStringList parts = text.split(QLatin1Char('.'));
    bool complete = parts.size() == 4;
    for (const QString &part : parts) {
        if (part.isEmpty()) {
            complete = false;
            continue;
        }
        if (part.toInt() > 255)
            return State::Invalid;
    }
    return complete ? State::Acceptable : State::Intermediate;
}

State checkSubnetMask(const QString &text)
{
    const State state = checkIPv4(text);
    if (state != State::Acceptable)
        return state;
    quint32 mask = 0;
    for (const QString &part : text.split(QLatin1Char('.')))
        mask = (mask << 8) | quint32(part.toUInt());
    // A mask is ones then zeros; anything else would still be edited into one.
    const quint32 inverted = ~mask;
    return (inverted & (inverted + 1)) == 0 ? State::Acceptable : State::Intermediate;
}

State checkMac(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^[0-9A-Fa-f]{0,2}([:-][0-9A-Fa-f]{0,2}){0,5}$"));
    if (!shape.match(text).hasMatch())
        return State::Invalid;
    static const QRegularExpression full(
        QStringLiteral("^[0-9A-Fa-f]{2}([:-])[0-9A-Fa-f]{2}(\\1[0-9A-Fa-f]{2}){4}$"));
    return full.match(text).hasMatch() ? State::Acceptable : State::Intermediate;
}

bool looksNumeric(const QString &text)
{
    static const QRegularExpression digitsAndDots(QStringLiteral("^[\\d.]+$"));
    return digitsAndDots.match(text).hasMatch();
}

State checkHost(const QString &text)
{
    if (text.isEmpty())
        return State::Intermediate;
    if (looksNumeric(text))
        return checkIPv4(text);
    static const QRegularExpression chars(QStringLiteral("^[A-Za-z0-9.-]+$"));
    if (!chars.match(text).hasMatch() || text.size() > 253)
        return State::Invalid;
    static const QRegularExpression label(
        QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    const QStringList labels = text.split(QLatin1Char('.'));
    for (const QString &l : labels) {
        if (!label.match(l).hasMatch())
            return State::Intermediate;
    }
    return State::Acceptable;
}

State checkPort(const QString &text)
{
    if (text.isEmpty())
        return State::Intermediate;
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    if (!digits.match(text).hasMatch() || text.toInt() > 65535)
        return State::Invalid;
    return text.toInt() >= 1 ? State::Acceptable : State::Intermediate;
}

} // namespace

AddressRules::State AddressRules::check(Kind kind, const QString &text)
{
    switch (kind) {
    case Kind::IPv4:
        return checkIPv4(text);
    case Kind::SubnetMask:
        return checkSubnetMask(text);
    case Kind::Mac:
        return checkMac(text);
    case Kind::Host:
        return checkHost(text);
    case Kind::Port:
        return checkPort(text);
    }
    return State::Invalid;
}

QString AddressRules::problem(Kind kind, const QString &text)
{
    if (check(kind, text) == State::Acceptable)
        return QString();
    const QString shown = text.left(24);
    if (text.trimmed().isEmpty())
        return kind == Kind::Port
                   ? QCoreApplication::translate("AddressValidator",
                                                 "Enter a port from 1 to 65535.")
                   : QCoreApplication::translate("AddressValidator", "This field is empty.");
    switch (kind) {
    case Kind::IPv4:
        return QCoreApplication::translate(
                   "AddressValidator",
                   "\"%1\" is not an address: four numbers from 0 to 255 joined by dots.")
            .arg(shown);
    case Kind::SubnetMask:
        return QCoreApplication::translate("AddressValidator",
                                           "\"%1\" is not a subnet mask such as 255.255.255.0.")
            .arg(shown);
    case Kind::Mac:
        return QCoreApplication::translate(
                   "AddressValidator",
                   "\"%1\" is not a MAC address: six pairs of hex digits joined by colons.")
            .arg(shown);
    case Kind::Host:
        if (looksNumeric(text))
            return QCoreApplication::translate(
                       "AddressValidator",
                       "\"%1\" is not an IPv4 address: four numbers from 0 to 255 joined by dots.")
                .arg(shown);
        return QCoreApplication::translate(
                   "AddressValidator",
                   "\"%1\" is not a host name: letters, digits, dots and hyphens only.")
            .arg(shown);
    case Kind::Port:
        return QCoreApplication::translate("AddressValidator",
                                           "\"%1\" is not a port: enter a number from 1 to 65535.")
            .arg(shown);
    }
    return QString();
}
