// A screen as the game shows it, put together from the pictures the way the game draws
// them, so the pieces can be judged in place.

#include <string>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/pictures.h"
#include "tools/art_tenthou/scene.h"
#include "tools/gfx/text.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

void Copy(Canvas& screen, const std::vector<Picture>& pictures, int number, Point at) {
  if (const Canvas* picture = FindPicture(pictures, number)) screen.Blit(*picture, at.x, at.y);
}

// A filled ellipse inside (x, y) .. (x + w, y + h), right and bottom edges left out.
void PixelEllipse(Canvas& screen, int x, int y, int w, int h, Color c) {
  const double cx = x + w / 2.0, cy = y + h / 2.0, rx = w / 2.0, ry = h / 2.0;
  for (int py = y; py < y + h; ++py) {
    for (int px = x; px < x + w; ++px) {
      const double dx = (px + 0.5 - cx) / rx, dy = (py + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0 && screen.Contains(px, py)) screen.At(px, py) = c;
    }
  }
}

void DrawPips(Canvas& screen, int die, int frame, int value) {
  for (int i = 0; i < value; ++i) {
    const PipPlace place = kFacePips[value][i];
    if (!PipShownInFrame(place, frame)) continue;
    const Point p = PipCorner(die, frame, place);
    PixelEllipse(screen, p.x, p.y, kPipSize, kPipSize, Rgb(kPipRim.r, kPipRim.g, kPipRim.b));
    PixelEllipse(screen, p.x + kPipCentreInset, p.y + kPipCentreInset, kPipCentreSize, kPipCentreSize,
                 Rgb(kPipCentre.r, kPipCentre.g, kPipCentre.b));
  }
}

void DrawNumber(Canvas& screen, const std::vector<Picture>& pictures, const ScorePlace& place, int value) {
  const std::string text = std::to_string(value);
  int x = place.FirstDigitX(static_cast<int>(text.size()));
  for (char ch : text) {
    Copy(screen, pictures, kFirstDigitBitmap + (ch - '0'), {x, place.top});
    x += kDigitStep;
  }
}

void DrawNames(Canvas& screen, const char* first, const char* second) {
  const Font font = Font::WithCellHeight(FontFace::SerifBold, 13);
  const char* names[2] = {first, second};
  for (int seat = 0; seat < 2; ++seat) {
    const SeatPlaces& s = kSeats[seat];
    DrawText(screen, font, names[seat], s.nameLeft + (s.nameSpan - font.Width(names[seat])) / 2, s.nameTop,
             kNameInk);
  }
  DrawText(screen, font, "*", kSeats[0].star.x, kSeats[0].star.y, kNameInk);
}

void DrawPanel(Canvas& screen, const std::vector<Picture>& pictures) {
  Copy(screen, pictures, kPanelBitmap, {kPanelRect.left, kPanelRect.top});
  const Font font = Font::WithCellHeight(FontFace::SerifBold, 15);
  const char* lines[] = {"MERLIN IS FIRST THIS TIME.",       "", "",
                         "CLICK AN OPTION ON THE NEXT LINE", "", "\"PLAY\"   \"RESET PLAYERS\"   \"QUIT\""};
  for (int k = 0; k < kPanelMaxLines; ++k) {
    const int x = kPanelLineX + (kPanelRect.width - font.Width(lines[k])) / 2;
    DrawText(screen, font, lines[k], x, kPanelFirstLineY + kPanelLineStep * k, kNameInk);
  }
}

}  // namespace

Canvas ComposeReview(const std::vector<Picture>& pictures, ReviewScene scene) {
  Canvas screen(kBoardSize, Rgb(0, 0, 0));
  Copy(screen, pictures, kBoardBitmap, {0, 0});
  // Sound effects and music on, as a fresh game shows them.
  Copy(screen, pictures, SideControlOf(6)->onBitmap,
       {SideControlOf(6)->rect.left, SideControlOf(6)->rect.top});
  Copy(screen, pictures, SideControlOf(4)->onBitmap,
       {SideControlOf(4)->rect.left, SideControlOf(4)->rect.top});
  Copy(screen, pictures, SideControlOf(2)->onBitmap,
       {SideControlOf(2)->rect.left, SideControlOf(2)->rect.top});
  const int values[kDiceCount] = {1, 5, 3, 6, 4, 2};
  // A toss draws each frame over the last; stop after frame 3 to see the dice in the air.
  const int lastFrame = scene == ReviewScene::Toss ? 3 : kRestFrame;
  for (int frame = scene == ReviewScene::Toss ? 1 : kRestFrame; frame <= lastFrame; ++frame) {
    for (int die = 1; die <= kDiceCount; ++die) {
      const DieFrame& f = DieFrameOf(die, frame);
      Copy(screen, pictures, f.bitmap, {f.rect.left, f.rect.top});
      if (frame > 1) DrawPips(screen, die, frame, values[die - 1]);
    }
  }
  if (scene == ReviewScene::Panel) {
    DrawPanel(screen, pictures);
  } else {
    for (int pane : {17, 24, 26}) {
      const PaneLabel* label = PaneLabelOf(pane);
      Copy(screen, pictures, label->highlightedBitmap, {label->rect.left, label->rect.top});
    }
  }
  const Rect arrow = kSeats[0].arrowPlace;
  Copy(screen, pictures, kTurnArrowBitmap, {arrow.left, arrow.top});
  DrawNumber(screen, pictures, kSeats[0].turnScore, 350);
  DrawNumber(screen, pictures, kSeats[0].totalScore, 2450);
  DrawNumber(screen, pictures, kSeats[1].turnScore, 0);
  DrawNumber(screen, pictures, kSeats[1].totalScore, 10050);
  DrawNames(screen, "MERLIN", "WIZARD");
  screen.Flatten(Rgb(0, 0, 0));
  return screen;
}

}  // namespace dakto::tenthou::art
