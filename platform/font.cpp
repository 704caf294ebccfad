#include "platform/font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "platform/bitmap.h"

namespace dakto {
namespace {

// The few numbers of a TrueType file that turn a described cell height into a size.
struct FaceMetrics {
  int unitsPerEm = 2048;
  int winAscent = 1825;
  int winDescent = 443;
  int averageWidth = 821;
};

std::uint32_t ReadBig(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | (at + i < bytes.size() ? bytes[at + i] : 0);
  return value;
}

FaceMetrics ReadFaceMetricsFromFile(const std::string& path) {
  FaceMetrics metrics;
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const int tableCount = static_cast<int>(ReadBig(bytes, 4, 2));
  for (int i = 0; i < tableCount; ++i) {
    const std::size_t entry = 12 + static_cast<std::size_t>(i) * 16;
    const std::uint32_t tag = ReadBig(bytes, entry, 4);
    const std::size_t offset = ReadBig(bytes, entry + 8, 4);
    if (tag == 0x68656164) {  // 'head'
      metrics.unitsPerEm = static_cast<int>(ReadBig(bytes, offset + 18, 2));
    } else if (tag == 0x4F532F32) {  // 'OS/2'
      metrics.averageWidth = static_cast<std::int16_t>(ReadBig(bytes, offset + 2, 2));
      metrics.winAscent = static_cast<int>(ReadBig(bytes, offset + 74, 2));
      metrics.winDescent = static_cast<int>(ReadBig(bytes, offset + 76, 2));
    }
  }
  if (metrics.unitsPerEm <= 0 || metrics.winAscent + metrics.winDescent <= 0 || metrics.averageWidth <= 0) {
    return FaceMetrics{};
  }
  return metrics;
}

// Each face file is read once for its metrics, however many fonts are made from it.
FaceMetrics ReadFaceMetrics(const std::string& path) {
  static std::map<std::string, FaceMetrics> known;
  const auto found = known.find(path);
  if (found != known.end()) return found->second;
  return known.emplace(path, ReadFaceMetricsFromFile(path)).first->second;
}

std::string FontFileName(const FontDescription& description) {
  const bool serif = description.face == "Times New Roman";
  std::string name = serif ? "LiberationSerif-" : "LiberationSans-";
  const bool bold = description.weight >= 600;
  if (bold && description.italic) return name + "BoldItalic.ttf";
  if (bold) return name + "Bold.ttf";
  if (description.italic) return name + "Italic.ttf";
  return name + "Regular.ttf";
}

bool EnsureTtf() {
  static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
  return ready;
}

}  // namespace

std::string Font::FontFolder() {
  for (const char* folder :
       {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"}) {
    if (std::ifstream(std::string(folder) + "/LiberationSans-Regular.ttf")) return folder;
  }
  return "/usr/share/fonts/truetype/liberation2";
}

Font::Font(FontDescription description) : description_(std::move(description)) {
  if (!EnsureTtf()) return;
  const std::string path = FontFolder() + "/" + FontFileName(description_);
  const FaceMetrics metrics = ReadFaceMetrics(path);
  const int cell = description_.height > 0 ? description_.height
                   : description_.height < 0
                       ? -description_.height * (metrics.winAscent + metrics.winDescent) / metrics.unitsPerEm
                       : 16;
  const double emHeight =
      static_cast<double>(cell) * metrics.unitsPerEm / (metrics.winAscent + metrics.winDescent);
  const double emWidth = description_.width > 0 ? static_cast<double>(description_.width) *
                                                      metrics.unitsPerEm / metrics.averageWidth
                                                : emHeight;
  // A size of 9 points at 8 times the wanted pixel size in dots per inch gives sizes in eighths of
  // a pixel, and a different horizontal resolution stretches the letters to the asked width.
  const auto verticalDpi = static_cast<unsigned>(std::max(1L, std::lround(emHeight * 8)));
  const auto horizontalDpi = static_cast<unsigned>(std::max(1L, std::lround(emWidth * 8)));
  font_ = TTF_OpenFontDPI(path.c_str(), 9, horizontalDpi, verticalDpi);
  if (font_ == nullptr) return;
  TTF_SetFontKerning(font_, 0);
  cellHeight_ = cell;
  ascent_ = static_cast<int>(std::lround(metrics.winAscent * emHeight / metrics.unitsPerEm));
}

Font::~Font() {
  if (font_ != nullptr) TTF_CloseFont(font_);
}

int Font::TextWidth(std::string_view text) const {
  if (font_ == nullptr || text.empty()) return 0;
  int width = 0;
  int height = 0;
  const std::string copy(text);
  if (TTF_SizeUTF8(font_, copy.c_str(), &width, &height) != 0) return 0;
  return width;
}

void Font::Draw(Bitmap& target, Point at, std::string_view text, Rgb color) const {
  if (font_ == nullptr || text.empty()) return;
  const std::string copy(text);
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font_, copy.c_str(), SDL_Color{255, 255, 255, 255});
  if (rendered == nullptr) return;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (argb == nullptr) return;
  const int top = at.y + ascent_ - TTF_FontAscent(font_);
  SDL_LockSurface(argb);
  for (int row = 0; row < argb->h; ++row) {
    const int y = top + row;
    if (y < 0 || y >= target.Height()) continue;
    const auto* source = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(argb->pixels) + static_cast<std::size_t>(row) * argb->pitch);
    std::uint32_t* line = target.Row(y);
    for (int column = 0; column < argb->w; ++column) {
      const int x = at.x + column;
      const std::uint32_t alpha = source[column] >> 24;
      if (x < 0 || x >= target.Width() || alpha == 0) continue;
      const Rgb under = UnpackRgb(line[x]);
      auto mix = [alpha](std::uint8_t back, std::uint8_t front) {
        return static_cast<std::uint8_t>((back * (255 - alpha) + front * alpha + 127) / 255);
      };
      line[x] =
          PackRgb({mix(under.red, color.red), mix(under.green, color.green), mix(under.blue, color.blue)});
    }
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
}

}  // namespace dakto
