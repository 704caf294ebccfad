// A full repaint of a 1920 x 1080 window: the client area tiled with a 56 x 32 picture, then a
// 632 x 428 board in the middle, against the floor of copying the same number of bytes once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/against_memcpy.h"
#include "platform/bitmap.h"
#include "platform/painter.h"

namespace {

using dakto::bench::kHeight;
using dakto::bench::kWidth;

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

}  // namespace

int main(int argc, char** argv) {
  return dakto::bench::RunAgainstMemcpy(argc, argv, "FullRepaint", "full repaint");
}
