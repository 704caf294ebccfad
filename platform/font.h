#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"

struct _TTF_Font;

namespace dakto {

class Bitmap;

// A font as a program describes it: face name, cell height in pixels (ascent plus descent),
// average character width (0: the face's own proportions), weight (400 normal, 700 bold) and slant.
struct FontDescription {
  std::string face;
  int height = 0;
  int width = 0;
  int weight = 400;
  bool italic = false;
  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// Opens the Liberation face that stands in for the described one: "Times New Roman" is drawn with
// Liberation Serif and "MS Sans Serif" with Liberation Sans, whose letters have the same widths.
class Font {
 public:
  explicit Font(FontDescription description);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  const FontDescription& Description() const { return description_; }
  bool IsLoaded() const { return font_ != nullptr; }
  int TextWidth(std::string_view text) const;
  int CellHeight() const { return cellHeight_; }
  int Ascent() const { return ascent_; }
  // Draws text with its cell's top-left corner at `at`, over a transparent background.
  void Draw(Bitmap& target, Point at, std::string_view text, Rgb color) const;

  // Where the font files are looked for; tests may point this elsewhere.
  static std::string FontFolder();

 private:
  FontDescription description_;
  ::_TTF_Font* font_ = nullptr;
  int cellHeight_ = 0;
  int ascent_ = 0;  // of the cell, in pixels
};

}  // namespace dakto
