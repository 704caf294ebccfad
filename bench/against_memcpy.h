#pragma once

// What the repaint benchmarks share: the floor of copying a window's bytes once, and a main that
// runs the measured repaint beside it and prints the ratio against its goal.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace dakto::bench {

inline constexpr int kWidth = 1920;
inline constexpr int kHeight = 1080;

inline void MemcpyFloor(benchmark::State& state) {
  std::vector<std::uint32_t> from(kWidth * kHeight, 1);
  std::vector<std::uint32_t> to(kWidth * kHeight, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

// Keeps each benchmark's time per iteration so the ratio can be printed at the end.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

// Runs the benchmarks and prints `measured` against the memcpy floor with a goal of 3 times.
inline int RunAgainstMemcpy(int argc, char** argv, const char* measured, const char* what) {
  benchmark::RegisterBenchmark("MemcpyFloor", MemcpyFloor)->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double repaint = reporter.times[measured];
  const double floor = reporter.times["MemcpyFloor"];
  if (repaint > 0 && floor > 0) {
    const double ratio = repaint / floor;
    std::printf("\n%s of %d x %d: %.0f us; memcpy floor: %.0f us; ratio %.2f (goal: at most 3) %s\n", what,
                kWidth, kHeight, repaint, floor, ratio, ratio <= 3.0 ? "MET" : "NOT MET");
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace dakto::bench
