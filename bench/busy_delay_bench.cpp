// 100 timed waits of 10 ms on the real backend: how close each ends to the asked time, and how
// much processor time the waiting costs. Goals: median error at most 1 ms, CPU at most 5 % of
// the time waited.
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "media/busy_delay.h"
#include "platform/sdl/sdl_platform.h"

namespace {

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main() {
  if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "dummy", 0);
  dakto::SdlPlatform platform("Dakto benchmark");
  if (!platform.IsOpen()) {
    std::fprintf(stderr, "no window: %s\n", platform.Error());
    return 1;
  }
  platform.ShowWindow();
  constexpr int kWaits = 100;
  constexpr int kMs = 10;
  std::vector<double> errors;
  const double cpuBefore = ProcessorSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  for (int i = 0; i < kWaits; ++i) {
    const auto start = std::chrono::steady_clock::now();
    dakto::BusyDelay(platform, kMs);
    const double waited =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    errors.push_back(std::abs(waited - kMs));
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
  const double cpu = ProcessorSeconds() - cpuBefore;
  std::sort(errors.begin(), errors.end());
  const double median = (errors[kWaits / 2 - 1] + errors[kWaits / 2]) / 2;
  const double cpuShare = 100.0 * cpu / wall;
  std::printf("%d waits of %d ms: median error %.3f ms (goal: at most 1 ms) %s; worst %.3f ms\n", kWaits, kMs,
              median, median <= 1.0 ? "MET" : "NOT MET", errors.back());
  std::printf("processor time %.1f ms over %.1f ms waited: %.2f %% (goal: at most 5 %%) %s\n", cpu * 1000,
              wall * 1000, cpuShare, cpuShare <= 5.0 ? "MET" : "NOT MET");
  return 0;
}
