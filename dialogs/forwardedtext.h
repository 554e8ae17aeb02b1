#pragma once

#include <QString>

#include <optional>

// Reads the device's per-output records out of text the link forwards verbatim
// (one pass may carry several records, or a change notice made into the same form).
// Only a record for the asked output counts. Pure functions, any thread.
namespace ForwardedText {

struct NoSignal
{
    int mode = 0; // 0 solid colour, 1..10 a pattern
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The scaling mode of `port` ("{"Chn":3,"Scaler_Mode":2}"), 0..3; empty when the text
// has no such record for that port.
std::optional<int> scalerMode(const QString &text, int port);

// The no-signal setting of `port` ("{"Chn":3,"Mode":0,"Color":255,0,0}"); a colour
// that is not three parts reads as black. Empty for another port or a mode outside
// 0..10.
std::optional<NoSignal> noSignal(const QString &text, int port);

} // namespace ForwardedText
