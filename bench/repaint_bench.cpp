// A full repaint of a 1920 x 1080 window: the client area tiled with a 56 x 32 picture, then a
// 632 x 428 board in the middle, against the floor of copying the same number of bytes once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/painter.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::unique_ptr<dakto::Bitmap> PictureOr(const char* name, int width, int height) {
  if (auto loaded = dakto::Bitmap::Load(name)) return loaded;
  auto made = std::make_unique<dakto::Bitmap>(width, height, name);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) made->Row(y)[x] = static_cast<std::uint32_t>(x * 2654435761u ^ y);
  }
  return made;
}

void FullRepaint(benchmark::State& state) {
  dakto::Bitmap window(kWidth, kHeight, "window");
  const auto tile = PictureOr("BITMAP_140", 56, 32);
  const auto board = PictureOr("BITMAP_1", 632, 428);
  const dakto::Point origin{(kWidth - 632) / 2, (kHeight - 428) / 2};
  for (auto _ : state) {
    dakto::Painter painter(window);
    for (int row = 0; row <= kHeight / 32; ++row) {
      for (int column = 0; column <= kWidth / 56; ++column) {
        const int width = std::min(56, kWidth - column * 56);
        const int height = std::min(32, kHeight - row * 32);
        painter.Copy({column * 56, row * 32}, *tile, dakto::Rect{0, 0, width, height});
      }
    }
    painter.Copy(origin, *board);
    benchmark::DoNotOptimize(window.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

void MemcpyFloor(benchmark::State& state) {
  std::vector<std::uint32_t> from(kWidth * kHeight, 1);
  std::vector<std::uint32_t> to(kWidth * kHeight, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(MemcpyFloor)->Unit(benchmark::kMicrosecond);

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

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double repaint = reporter.times["FullRepaint"];
  const double floor = reporter.times["MemcpyFloor"];
  if (repaint > 0 && floor > 0) {
    const double ratio = repaint / floor;
    std::printf("\nfull repaint of %d x %d: %.0f us; memcpy floor: %.0f us; ratio %.2f (goal: at most 3) %s\n", kWidth,
                kHeight, repaint, floor, ratio, ratio <= 3.0 ? "MET" : "NOT MET");
  }
  benchmark::Shutdown();
  return 0;
}
