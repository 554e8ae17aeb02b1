#pragma once

#include <QString>

// Judges what an operator types for a device address: Acceptable only when the text is
// complete and valid, Intermediate while it can still become so, Invalid otherwise.
// `problem()` says in one sentence what is wrong. Pure functions, any thread.
namespace AddressRules {

// In QValidator::State's order, so a validator can hand the verdict on.
enum class State { Invalid, Intermediate, Acceptable };
enum class Kind { IPv4, SubnetMask, Mac, Host, Port };

State check(Kind kind, const QString &text);
// Empty when the text is Acceptable.
QString problem(Kind kind, const QString &text);

} // namespace AddressRules
