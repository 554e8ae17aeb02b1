#include "hostcheck.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {

bool splitHost(const QString &host, QString *name, QString *port)
{
    if (host.startsWith(QLatin1Char('['))) {
        const int close = host.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        *name = host.mid(1, close - 1);
        const QString rest = host.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return false;
        *port = rest.mid(1);
        return !name->isEmpty() && QHostAddress(*name).protocol() == QAbstractSocket::IPv6Protocol;
    }
    const int colon = host.lastIndexOf(QLatin1Char(':'));
    *name = colon < 0 ? host : host.left(colon);
    *port = colon < 0 ? QString() : host.mid(colon + 1);
    return !name->isEmpty() && !name->contains(QLatin1Char(':'));
}

bool isIpv4Literal(const QString &name)
{
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    return dotted.match(name).hasMatch() &&
           QHostAddress(name).protocol() == QAbstractSocket::IPv4Protocol;
}

} // namespace

bool HostCheck::allowed(const QString &host, quint16 listenPort, const QStringList &extraNames)
{
    QString name;
    QString port;
    if (host.size() > 300 || !splitHost(host.trimmed(), &name, &port))
        return false;
    if (host.trimmed().endsWith(QLatin1Char(':')))
        return false;
    if (!port.isEmpty()) {
        bool ok = false;
        if (port.toUInt(&ok) != listenPort || !ok)
            return false;
    }
    if (host.trimmed().startsWith(QLatin1Char('[')) || isIpv4Literal(name))
        return true;
    if (name.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    return extraNames.contains(name, Qt::CaseInsensitive);
}
