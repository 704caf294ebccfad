#include "tools/gfx/quantise.h"

#include <algorithm>
#include <map>

#include "tools/gfx/bmp.h"

namespace dakto::gfx {

namespace {

struct Entry {
  Rgb8 color;
  std::uint64_t count;
};

int Channel(Rgb8 c, int axis) {
  return axis == 0 ? c.r : axis == 1 ? c.g : c.b;
}

struct Box {
  std::vector<Entry> entries;
  int Range(int axis) const {
    int lo = 255, hi = 0;
    for (const Entry& e : entries) {
      lo = std::min(lo, Channel(e.color, axis));
      hi = std::max(hi, Channel(e.color, axis));
    }
    return hi - lo;
  }
  int WidestAxis() const {
    int best = 0;
    for (int axis = 1; axis < 3; ++axis) {
      if (Range(axis) > Range(best)) best = axis;
    }
    return best;
  }
  std::uint64_t Weight() const {
    std::uint64_t w = 0;
    for (const Entry& e : entries) w += e.count;
    return w;
  }
  Rgb8 Average() const {
    std::uint64_t r = 0, g = 0, b = 0, w = 0;
    for (const Entry& e : entries) {
      r += e.color.r * e.count;
      g += e.color.g * e.count;
      b += e.color.b * e.count;
      w += e.count;
    }
    if (w == 0) return {};
    return {static_cast<std::uint8_t>((r + w / 2) / w), static_cast<std::uint8_t>((g + w / 2) / w),
            static_cast<std::uint8_t>((b + w / 2) / w)};
  }
};

// The box to split next: the one with the largest spread times weight, first on ties.
size_t PickBox(const std::vector<Box>& boxes) {
  size_t best = boxes.size();
  std::uint64_t bestScore = 0;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].entries.size() < 2) continue;
    const Box& box = boxes[i];
    const std::uint64_t score = static_cast<std::uint64_t>(box.Range(box.WidestAxis()) + 1) * box.Weight();
    if (best == boxes.size() || score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace

std::vector<Rgb8> MedianCutPalette(const std::vector<Rgb8>& pixels, int maxColors) {
  std::map<Rgb8, std::uint64_t> histogram;
  for (const Rgb8 c : pixels) ++histogram[c];
  std::vector<Entry> entries;
  for (const auto& [color, count] : histogram) entries.push_back({color, count});
  if (static_cast<int>(entries.size()) <= maxColors) {
    std::vector<Rgb8> out;
    for (const Entry& e : entries) out.push_back(e.color);
    return out;
  }
  std::vector<Box> boxes{Box{std::move(entries)}};
  while (static_cast<int>(boxes.size()) < maxColors) {
    const size_t pick = PickBox(boxes);
    if (pick == boxes.size()) break;
    Box& box = boxes[pick];
    const int axis = box.WidestAxis();
    std::stable_sort(box.entries.begin(), box.entries.end(), [axis](const Entry& a, const Entry& b) {
      if (Channel(a.color, axis) != Channel(b.color, axis))
        return Channel(a.color, axis) < Channel(b.color, axis);
      return a.color < b.color;
    });
    // Split where half the weight lies on each side, keeping both sides non-empty.
    const std::uint64_t half = box.Weight() / 2;
    std::uint64_t running = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
      running += box.entries[i].count;
      cut = i + 1;
      if (running >= half) break;
    }
    Box upper{std::vector<Entry>(box.entries.begin() + static_cast<std::ptrdiff_t>(cut), box.entries.end())};
    box.entries.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<Rgb8> out;
  for (const Box& box : boxes) out.push_back(box.Average());
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

std::vector<Rgb8> PaletteFor(const std::vector<const Canvas*>& images, int maxColors) {
  std::vector<Rgb8> pixels;
  for (const Canvas* image : images) {
    for (int y = 0; y < image->Height(); ++y) {
      for (int x = 0; x < image->Width(); ++x) pixels.push_back(ToRgb8(image->At(x, y)));
    }
  }
  return MedianCutPalette(pixels, maxColors);
}

std::vector<Rgb8> PaletteFor(const Canvas& image, int maxColors) {
  return PaletteFor({&image}, maxColors);
}

std::uint8_t NearestIndex(const std::vector<Rgb8>& palette, Rgb8 c) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < palette.size() && i < 256; ++i) {
    const int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return static_cast<std::uint8_t>(best);
}

std::vector<std::uint8_t> MapToPalette(const Canvas& image, const std::vector<Rgb8>& palette) {
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<size_t>(image.Width()) * image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) out.push_back(NearestIndex(palette, ToRgb8(image.At(x, y))));
  }
  return out;
}

bool WritePaletteSource(const std::string& path, const std::vector<Rgb8>& palette) {
  std::vector<std::uint8_t> indices(16);
  for (size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i);
  return WriteBmp8(path, 4, 4, indices, palette);
}

}  // namespace dakto::gfx
