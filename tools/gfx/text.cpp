#include "tools/gfx/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

namespace dakto::gfx {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/liberation2/";

const char* FileOf(FontFace face) {
  switch (face) {
    case FontFace::SansRegular:
      return "LiberationSans-Regular.ttf";
    case FontFace::SansBold:
      return "LiberationSans-Bold.ttf";
    case FontFace::SansItalic:
      return "LiberationSans-Italic.ttf";
    case FontFace::SansBoldItalic:
      return "LiberationSans-BoldItalic.ttf";
    case FontFace::SerifRegular:
      return "LiberationSerif-Regular.ttf";
    case FontFace::SerifBold:
      return "LiberationSerif-Bold.ttf";
    case FontFace::SerifItalic:
      return "LiberationSerif-Italic.ttf";
    case FontFace::SerifBoldItalic:
      return "LiberationSerif-BoldItalic.ttf";
    case FontFace::MonoRegular:
      return "LiberationMono-Regular.ttf";
    case FontFace::MonoBold:
      return "LiberationMono-Bold.ttf";
  }
  return "LiberationSans-Regular.ttf";
}

// SDL2_ttf wants one TTF_Init before any font; the generators never shut it down.
bool EnsureTtf() {
  static const bool ready = TTF_Init() == 0;
  return ready;
}

}  // namespace

Font::Font(FontFace face, int pixelSize) : pixelSize_(pixelSize) {
  if (!EnsureTtf()) return;
  const std::string path = std::string(kFontFolder) + FileOf(face);
  font_ = TTF_OpenFont(path.c_str(), pixelSize);
}

Font Font::WithCellHeight(FontFace face, int cellHeight) {
  Font best(face, 4);
  for (int size = 5; size <= cellHeight * 2; ++size) {
    Font candidate(face, size);
    if (!candidate.IsOpen() || candidate.LineHeight() > cellHeight) break;
    best = std::move(candidate);
  }
  return best;
}

Font::~Font() {
  if (font_ != nullptr) TTF_CloseFont(font_);
}

Font::Font(Font&& other) noexcept : font_(other.font_), pixelSize_(other.pixelSize_) {
  other.font_ = nullptr;
}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (font_ != nullptr) TTF_CloseFont(font_);
    font_ = other.font_;
    pixelSize_ = other.pixelSize_;
    other.font_ = nullptr;
  }
  return *this;
}

int Font::Width(std::string_view text) const {
  if (font_ == nullptr || text.empty()) return 0;
  int w = 0, h = 0;
  TTF_SizeUTF8(font_, std::string(text).c_str(), &w, &h);
  return w;
}

int Font::LineHeight() const {
  return font_ != nullptr ? TTF_FontAscent(font_) - TTF_FontDescent(font_) : 0;
}
int Font::Ascent() const {
  return font_ != nullptr ? TTF_FontAscent(font_) : 0;
}

Mask Font::Render(Size size, std::string_view text, int x, int y) const {
  Mask mask(size);
  if (font_ == nullptr || text.empty()) return mask;
  SDL_Surface* rendered =
      TTF_RenderUTF8_Blended(font_, std::string(text).c_str(), SDL_Color{255, 255, 255, 255});
  if (rendered == nullptr) return mask;
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (surface == nullptr) return mask;
  SDL_LockSurface(surface);
  const auto* bytes = static_cast<const Uint8*>(surface->pixels);
  for (int sy = 0; sy < surface->h; ++sy) {
    const auto* row = reinterpret_cast<const Uint32*>(bytes + static_cast<size_t>(sy) * surface->pitch);
    for (int sx = 0; sx < surface->w; ++sx) {
      const float alpha = static_cast<float>(row[sx] >> 24) / 255.0f;
      if (alpha > 0.0f) mask.Set(x + sx, y + sy, std::max(mask.At(x + sx, y + sy), alpha));
    }
  }
  SDL_UnlockSurface(surface);
  SDL_FreeSurface(surface);
  return mask;
}

void DrawText(Canvas& canvas, const Font& font, std::string_view text, int x, int y, const Paint& paint) {
  canvas.Fill(font.Render(canvas.GetSize(), text, x, y), paint);
}

void DrawText(Canvas& canvas, const Font& font, std::string_view text, int x, int y, Color color) {
  DrawText(canvas, font, text, x, y, Solid(color));
}

int DrawTextCentred(Canvas& canvas, const Font& font, std::string_view text, int left, int width, int y,
                    Color color) {
  const int x = left + (width - font.Width(text)) / 2;
  DrawText(canvas, font, text, x, y, color);
  return x;
}

}  // namespace dakto::gfx
