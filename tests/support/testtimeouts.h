#pragma once

// Named waits for QSignalSpy::wait and QTRY_*_WITH_TIMEOUT. Generous, because
// a loaded two-core CI machine is slow; a passing test never waits them out.
namespace TestTimeouts {
constexpr int Short = 2000;  // a reply on loopback
constexpr int Medium = 5000; // a reconnect, an upload of a few pieces
constexpr int Long = 15000;  // a whole start-up sequence or a timer chain
} // namespace TestTimeouts
