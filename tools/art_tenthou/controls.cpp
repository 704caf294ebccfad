// The column of controls at the left edge: brass symbols set into the pillar's dark
// recess, dull when off or released and glowing when on or pressed.

#include <functional>
#include <vector>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/scene.h"
#include "tools/gfx/effects.h"
#include "tools/gfx/paint.h"
#include "tools/gfx/text.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

constexpr Rect kQuitRect = {kQuitHit.x1, kQuitHit.y1, kQuitHit.x2 - kQuitHit.x1 + 1,
                            kQuitHit.y2 - kQuitHit.y1 + 1};
constexpr Rect kHelpRect = {kHelpHit.x1, kHelpHit.y1, kHelpHit.x2 - kHelpHit.x1 + 1,
                            kHelpHit.y2 - kHelpHit.y1 + 1};

// A symbol is built in the control's own coordinates and moved into place.
using SymbolMaker = std::function<Mask(Size size, double x, double y)>;

Mask PlusSymbol(Size size, double x, double y) {
  Mask m = RoundRectMask(size, {x + 1, y + 7, 17, 5}, 1.5);
  m.Unite(RoundRectMask(size, {x + 7, y + 1, 5, 17}, 1.5));
  return m;
}

Mask MinusSymbol(Size size, double x, double y) {
  return RoundRectMask(size, {x + 1, y + 0.5, 17, 4}, 1.5);
}

Mask NoteSymbol(Size size, double x, double y) {
  Mask m = EllipseMask(size, {x + 6, y + 18.5}, 4.6, 3.4);
  m.Unite(RectMask(size, {x + 8.8, y + 2, 2, 17}));
  const PointF flag[] = {{x + 9, y + 1.5}, {x + 15.5, y + 7.5}, {x + 14.5, y + 12}, {x + 10.5, y + 7.5}};
  m.Unite(PolygonMask(size, flag));
  return m;
}

Mask FolderSymbol(Size size, double x, double y) {
  Mask m = RoundRectMask(size, {x + 1, y + 6, 21, 15}, 2);
  m.Unite(RoundRectMask(size, {x + 1, y + 3, 9, 6}, 1.5));
  // A note cut into the folder: it holds the music.
  Mask note = EllipseMask(size, {x + 10.5, y + 16.5}, 2.8, 2.1);
  note.Unite(RectMask(size, {x + 12.3, y + 9, 1.4, 7.5}));
  note.Unite(RectMask(size, {x + 12.3, y + 9, 4.5, 1.6}));
  m.Subtract(note);
  return m;
}

Mask SpeakerSymbol(Size size, double x, double y) {
  Mask m = RectMask(size, {x + 1, y + 8, 5, 7});
  const PointF cone[] = {{x + 5.5, y + 8}, {x + 12, y + 2.5}, {x + 12, y + 20.5}, {x + 5.5, y + 15}};
  m.Unite(PolygonMask(size, cone));
  for (double r : {4.5, 8.5}) {
    Mask wave = RingMask(size, {x + 12, y + 11.5}, r, r * 1.15, 1.7);
    wave.Intersect(RectMask(size, {x + 14, y, 9, 23}));
    m.Unite(wave);
  }
  return m;
}

Mask ReturnSymbol(Size size, double x, double y) {
  Mask m = RingMask(size, {x + 15, y + 12}, 8, 8, 3.2);
  m.Intersect(RectMask(size, {x, y, 28, 12}));
  m.Unite(RectMask(size, {x + 21.4, y + 11.5, 3.2, 6}));
  const PointF head[] = {{x + 1.5, y + 10.5}, {x + 13, y + 10.5}, {x + 7.2, y + 18.5}};
  m.Unite(PolygonMask(size, head));
  return m;
}

Mask HelpSymbol(Size size, double x, double y) {
  for (int pixels = 40; pixels >= 8; --pixels) {
    Font font(FontFace::SerifBold, pixels);
    const Rect ink = InkBounds(font.Render({60, 60}, "?", 4, 4));
    if (ink.width > kHelpRect.width - 1 || ink.height > kHelpRect.height - 1) continue;
    const int left = static_cast<int>(x) + (kHelpRect.width - ink.width) / 2 - (ink.left - 4);
    const int top = static_cast<int>(y) + (kHelpRect.height - ink.height) / 2 - (ink.top - 4);
    return font.Render(size, "?", left, top);
  }
  return Mask(size);
}

void DrawSymbol(Canvas& canvas, Rect rect, const SymbolMaker& make, bool lit) {
  const Size size = canvas.GetSize();
  const Mask symbol = ClipToRect(make(size, rect.left, rect.top), rect);
  if (lit) {
    // The glow keeps a pixel off the picture's edge so the pressed picture sits flush.
    const Rect inner = {rect.left + 1, rect.top + 1, rect.width - 2, rect.height - 2};
    canvas.Fill(ClipToRect(symbol.Dilated(1.0f).Blurred(1.5f), inner), Rgb(255, 170, 60, 0.55f));
    canvas.Fill(symbol, LinearGradient({0, double(rect.top)}, {0, double(rect.Bottom())},
                                       {{0, Rgb(255, 250, 206)}, {1, Rgb(255, 196, 84)}}));
    return;
  }
  canvas.Fill(ClipToRect(symbol.Shifted(1, 1), rect), Rgb(0, 0, 0, 0.7f));
  canvas.Fill(symbol, LinearGradient({0, double(rect.top)}, {0, double(rect.Bottom())},
                                     {{0, Rgb(196, 152, 84)}, {1, Rgb(120, 84, 38)}}));
  Bevel(canvas, symbol, 1.0f, Rgb(255, 240, 190, 0.5f), Rgb(30, 15, 0, 0.5f));
}

SymbolMaker SymbolOf(int k) {
  switch (k) {
    case 2:
      return PlusSymbol;
    case 3:
      return MinusSymbol;
    case 4:
      return NoteSymbol;
    case 5:
      return FolderSymbol;
    default:
      return SpeakerSymbol;
  }
}

}  // namespace

void DrawSideControls(Canvas& canvas, bool lit) {
  if (!lit) {
    DrawSymbol(canvas, kQuitRect, ReturnSymbol, false);
    DrawSymbol(canvas, kHelpRect, HelpSymbol, false);
  }
  for (const SideControl& control : kSideControls) DrawSymbol(canvas, control.rect, SymbolOf(control.k), lit);
}

}  // namespace dakto::tenthou::art
