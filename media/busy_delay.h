#pragma once

#include <cstdint>

namespace dakto {

class Platform;

// Waits `ms` milliseconds on the platform's 32-bit clock. The deadline is the clock plus ms with
// 32-bit wrap-around; when it is not above the clock as a signed number (ms <= 0, or the sum
// wraps past the largest signed value) it returns at once. The window's picture is shown first,
// the wait sleeps rather than spins, and the system's input is moved into the queue meanwhile
// without being handled, so nothing is lost or reordered and the desktop knows we are alive.
void BusyDelay(Platform& platform, std::int32_t ms);

}  // namespace dakto
