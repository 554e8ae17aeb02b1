#pragma once

#include <QtGlobal>

// Short TCP keep-alive timings for the control connection. The device answers only
// what it is asked, so an idle link to a device that lost power or its cable would
// otherwise look alive for the operating system's default of about two hours.
namespace KeepAlive {

constexpr int IdleSeconds = 5;     // silence before the first probe
constexpr int IntervalSeconds = 2; // between unanswered probes
constexpr int Probes = 3;          // unanswered probes that end the connection
// Also the limit for sent bytes that stay unacknowledged: 11 s.
constexpr int DeadAfterMs = (IdleSeconds + IntervalSeconds * Probes) * 1000;

// Applies the timings to a connected socket; false where the platform offers none
// of them (the connection then keeps the system defaults).
bool shorten(qintptr descriptor);

} // namespace KeepAlive
