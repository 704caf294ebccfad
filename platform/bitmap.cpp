#include "platform/bitmap.h"

#include <SDL.h>

#include <algorithm>

#include "platform/resources.h"

namespace dakto {

Bitmap::Bitmap(int width, int height, std::string name)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      name_(std::move(name)),
      pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

std::unique_ptr<Bitmap> Bitmap::Decode(std::span<const std::uint8_t> bytes, std::string name) {
  if (bytes.empty()) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (stream == nullptr) return nullptr;
  SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
  if (loaded == nullptr) return nullptr;

  // SDL widens 1- and 4-bit pictures to 8 bits with their colour table; the header tells the truth.
  int storedBits = loaded->format->BitsPerPixel;
  if (bytes.size() >= 30) storedBits = bytes[28] | (bytes[29] << 8);

  auto bitmap = std::make_unique<Bitmap>(loaded->w, loaded->h, std::move(name));
  bitmap->sourceBitsPerPixel_ = storedBits;
  if (const SDL_Palette* palette = loaded->format->palette) {
    for (int i = 0; i < palette->ncolors; ++i) {
      const SDL_Color& c = palette->colors[i];
      bitmap->colorTable_.push_back({c.r, c.g, c.b});
    }
  }
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
  SDL_FreeSurface(loaded);
  if (rgb == nullptr) return nullptr;
  SDL_LockSurface(rgb);
  for (int y = 0; y < rgb->h; ++y) {
    const auto* source = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(rgb->pixels) + static_cast<std::size_t>(y) * rgb->pitch);
    std::uint32_t* target = bitmap->Row(y);
    for (int x = 0; x < rgb->w; ++x) target[x] = source[x] & 0x00FFFFFFu;
  }
  SDL_UnlockSurface(rgb);
  SDL_FreeSurface(rgb);
  return bitmap;
}

std::unique_ptr<Bitmap> Bitmap::Load(std::string_view resourceName) {
  return Decode(FindResource(resourceName), std::string(resourceName));
}

void Bitmap::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  std::vector<std::uint32_t> resized(static_cast<std::size_t>(width) * height, 0);
  const int keepWidth = std::min(width, width_);
  const int keepHeight = std::min(height, height_);
  for (int y = 0; y < keepHeight; ++y) {
    std::copy_n(Row(y), keepWidth, resized.data() + static_cast<std::size_t>(y) * width);
  }
  pixels_ = std::move(resized);
  width_ = width;
  height_ = height;
  Touch();
}

void Bitmap::Fill(Rgb color) {
  std::fill(pixels_.begin(), pixels_.end(), PackRgb(color));
  Touch();
}

}  // namespace dakto
