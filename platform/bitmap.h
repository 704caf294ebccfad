#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace dakto {

// A picture in memory: the window's picture, a picture loaded from the program's resources,
// or an off-screen surface. Pixels are 0x00RRGGBB, top row first.
class Bitmap {
 public:
  Bitmap(int width, int height, std::string name = {});

  // Decodes a BMP image (24-bit, 8-bit with a colour table, 1-bit) with SDL's own reader.
  // Returns nullptr for bytes that are not a picture it can read.
  static std::unique_ptr<Bitmap> Decode(std::span<const std::uint8_t> bytes, std::string name);
  // The picture the program carries under this name, or nullptr when it has none.
  static std::unique_ptr<Bitmap> Load(std::string_view resourceName);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  const std::string& Name() const { return name_; }

  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  Rgb ColorAt(int x, int y) const { return UnpackRgb(Pixel(x, y)); }
  std::span<std::uint32_t> Pixels() { return pixels_; }
  std::span<const std::uint32_t> Pixels() const { return pixels_; }

  // How the picture was stored: 24, 8 or 1 bits per pixel, with its colour table if it had one.
  int SourceBitsPerPixel() const { return sourceBitsPerPixel_; }
  std::span<const Rgb> ColorTable() const { return colorTable_; }

  // Changes the size, keeping what lies in both the old and the new area; new pixels are black.
  void Resize(int width, int height);
  void Fill(Rgb color);

  // Counts changes, so the window is presented only when its picture changed. Whoever writes
  // pixels through Row() or Pixels() calls Touch().
  void Touch() { ++version_; }
  std::uint64_t Version() const { return version_; }

 private:
  int width_;
  int height_;
  std::string name_;
  std::vector<std::uint32_t> pixels_;
  int sourceBitsPerPixel_ = 32;
  std::vector<Rgb> colorTable_;
  std::uint64_t version_ = 0;
};

}  // namespace dakto
