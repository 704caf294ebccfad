#include "media/busy_delay.h"

#include "platform/platform.h"

namespace dakto {

void BusyDelay(Platform& platform, std::int32_t ms) {
  const std::uint32_t start = platform.Ticks();
  const std::uint32_t deadline = start + static_cast<std::uint32_t>(ms);
  if (static_cast<std::int32_t>(deadline) <= static_cast<std::int32_t>(start)) return;
  platform.Present();
  while (static_cast<std::int32_t>(platform.Ticks()) < static_cast<std::int32_t>(deadline)) {
    platform.PumpEvents();
    platform.SleepUntil(deadline);
  }
}

}  // namespace dakto
