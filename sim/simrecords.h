#pragma once

#include <QByteArray>
#include <QString>

struct SimState;

// The bytes the device answers with, each in the device's own (often not quite JSON)
// form. The client repairs some of them by fixed text edits and dispatches them by plain
// substring tests, so every member name and value here is chosen to trip exactly the
// rule of its record and no other.
namespace SimRecords {

QByteArray version(const SimState &s);
// Routing status; the multiview model answers with its window status instead.
QByteArray status(const SimState &s);
QByteArray windowStatus(const SimState &s);
QByteArray inputInfo(const SimState &s);
// `reachedAt` is the local address of the connection asking; used while no address was set.
QByteArray netInfo(const SimState &s, const QString &reachedAt = QString());
QByteArray resolution(const SimState &s);
QByteArray hdcpInfo(const SimState &s);
QByteArray outputInfo(const SimState &s);
QByteArray bindInfo(const SimState &s);
QByteArray rotation(const SimState &s);
QByteArray volume(const SimState &s);
QByteArray caption(const SimState &s);
QByteArray noSignal(const SimState &s, int port);
QByteArray scaler(const SimState &s, int port);

// "{<key>=<value>}": the change notice for a routing or state member.
QByteArray changeNotice(const QString &key, const QString &value);
// A setting another client sent, echoed without braces and "param=". Empty when the
// text cannot be carried in the notice form.
QByteArray commandEcho(const QString &command);
// The no-signal settings of one output as the three "_change" members.
QByteArray noSignalNotice(const SimState &s, int port);
// The acknowledgement after network settings and a factory reset.
QByteArray http200();

} // namespace SimRecords
