#include "app/front_screen.h"

#include <string>

#include "app/front_geometry.h"

namespace dakto {

std::int32_t NextTipIndex(std::int32_t tipIndex) {
  const std::int64_t next = std::int64_t{tipIndex} + 1;
  if (next > kTipCount || next < 1) return 1;
  return static_cast<std::int32_t>(next);
}

FrontScreen::FrontScreen()
    : picture_(Bitmap::Load("BITMAP_" + std::to_string(front::kPicture))),
      tipFont_({"Times New Roman", front::kTipFontHeight, 0, 700, true}) {
  // The palette picture serves only as a source of colours and is let go at once.
  if (const auto source = Bitmap::Load("BITMAP_" + std::to_string(front::kPalettePicture))) {
    palette_ = BuildPalette(source->ColorTable());
  }
}

void FrontScreen::Draw(Platform& platform, Point playOrigin, std::int32_t tipIndex) const {
  Painter client = platform.ScreenPainter();
  client.FillRect(platform.Screen().Bounds(), {0, 0, 0});
  Painter painter = platform.ScreenPainter(playOrigin);
  painter.Copy(front::kPictureOrigin, picture_.get());
  DrawTip(painter, tipIndex);
}

void FrontScreen::DrawTip(Painter& painter, std::int32_t tipIndex) const {
  if (tipIndex < 1 || tipIndex > kTipCount) return;
  const Tip& tip = kTipTable[tipIndex - 1];
  const Rgb color{front::kTipRed, front::kTipGreen, front::kTipBlue};
  for (std::size_t line = 0; line < tip.size(); ++line) {
    const std::string_view text = tip[line];
    if (text.empty()) continue;
    painter.Text({front::TipLineLeft(tipFont_.TextWidth(text)), front::kTipLineTops[line]}, text, tipFont_,
                 color);
  }
}

void FrontScreen::RedrawTip(Platform& platform, Point playOrigin, std::int32_t tipIndex) const {
  Painter painter = platform.ScreenPainter(playOrigin);
  painter.FillRect(front::kTipEraseRect, {0, 0, 0});
  DrawTip(painter, tipIndex);
}

std::string AboutText() {
  return "Dakto\nVersion " DAKTO_VERSION
         "\n\n"
         "Three dice games in one window:\n"
         "Shut The Box, Poker Dice and 10,000.";
}

}  // namespace dakto
