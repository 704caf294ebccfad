#pragma once

// Text in the Liberation fonts through SDL2_ttf: anti-aliased and measured.

#include <string_view>

#include "tools/gfx/canvas.h"

typedef struct _TTF_Font TTF_Font;

namespace dakto::gfx {

enum class FontFace {
  SansRegular,
  SansBold,
  SansItalic,
  SansBoldItalic,
  SerifRegular,
  SerifBold,
  SerifItalic,
  SerifBoldItalic,
  MonoRegular,
  MonoBold,
};

// Owns one opened font. A font that fails to open reports !IsOpen() and draws nothing.
class Font {
 public:
  // pixelSize is the em size in pixels (SDL2_ttf's point size at 72 dpi).
  Font(FontFace face, int pixelSize);
  // The largest font whose line height (ascent + descent) is at most cellHeight, the way a
  // Windows font asked for by cell height comes out.
  static Font WithCellHeight(FontFace face, int cellHeight);
  ~Font();
  Font(Font&& other) noexcept;
  Font& operator=(Font&& other) noexcept;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  bool IsOpen() const { return font_ != nullptr; }
  int PixelSize() const { return pixelSize_; }
  int Width(std::string_view text) const;
  int LineHeight() const;  // ascent + descent
  int Ascent() const;

  // The text's coverage with its top-left (line top, not baseline) at (x, y).
  Mask Render(Size size, std::string_view text, int x, int y) const;

 private:
  TTF_Font* font_ = nullptr;
  int pixelSize_ = 0;
};

// Draws the text with its line top-left at (x, y).
void DrawText(Canvas& canvas, const Font& font, std::string_view text, int x, int y, const Paint& paint);
void DrawText(Canvas& canvas, const Font& font, std::string_view text, int x, int y, Color color);
// Centred horizontally in [left, left + width), the top at y. Returns the x used.
int DrawTextCentred(Canvas& canvas, const Font& font, std::string_view text, int left, int width, int y,
                    Color color);

}  // namespace dakto::gfx
