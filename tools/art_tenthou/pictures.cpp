#include "tools/art_tenthou/pictures.h"

#include <algorithm>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/scene.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

// The room in the variants that pictures are cut from: the board itself (dark labels,
// controls off), every pane touched, every control lit, and the panel over the window.
struct Compositions {
  Canvas board;
  Canvas touched;
  Canvas lit;
  Canvas panel;
};

Compositions Compose() {
  const Canvas room = DrawRoom();
  Compositions c{room, room, room, {}};
  DrawPaneLabels(c.board, false);
  DrawSideControls(c.board, false);
  DrawPaneLabels(c.touched, true);
  DrawSideControls(c.lit, true);
  c.panel = c.board;
  DrawFrostedSheet(c.panel);
  return c;
}

void Add(std::vector<Picture>& pictures, int number, Canvas image) {
  image.Flatten(Rgb(0, 0, 0));
  pictures.push_back({number, std::move(image)});
}

}  // namespace

std::vector<Picture> DrawAllPictures() {
  const Compositions c = Compose();
  std::vector<Picture> pictures;
  Add(pictures, kBoardBitmap, c.board);
  for (int digit = 0; digit <= 9; ++digit) Add(pictures, kFirstDigitBitmap + digit, DrawDigit(digit));
  for (int die = 1; die <= kDiceCount; ++die) {
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      Add(pictures, DieFrameOf(die, frame).bitmap, DrawDieFrame(c.board, die, frame));
    }
  }
  for (const SideControl& control : kSideControls) {
    Add(pictures, control.offBitmap, c.board.Crop(control.rect));
    Add(pictures, control.onBitmap, c.lit.Crop(control.rect));
  }
  Add(pictures, kTurnArrowBitmap, DrawTurnArrow(c.board));
  for (const PaneLabel& label : kPaneLabels) {
    Add(pictures, label.highlightedBitmap, c.touched.Crop(label.rect));
    Add(pictures, label.normalBitmap, c.board.Crop(label.rect));
  }
  Add(pictures, kTileBitmap, DrawTile());
  Add(pictures, kPanelBitmap, c.panel.Crop(kPanelRect));
  std::sort(pictures.begin(), pictures.end(),
            [](const Picture& a, const Picture& b) { return a.number < b.number; });
  return pictures;
}

const Canvas* FindPicture(const std::vector<Picture>& pictures, int number) {
  for (const Picture& p : pictures) {
    if (p.number == number) return &p.image;
  }
  return nullptr;
}

}  // namespace dakto::tenthou::art
