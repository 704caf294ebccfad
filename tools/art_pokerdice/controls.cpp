// The side controls, the turn markers and the options plate, drawn into the room at their
// places. Each stays inside its own rectangle, so a picture cut from the room shows it whole.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/art_pokerdice/art_style.h"
#include "tools/art_pokerdice/pokerdice_art.h"

namespace dakto::art_pokerdice {

using namespace gfx;
namespace pd = pokerdice;

namespace {

enum class Look {
  kRaised,   // a button at rest
  kPressed,  // the same button held down
  kDim,      // a switch that is off
  kGlowing,  // a switch that is on
};

Mask Inside(Size size, Rect r) {
  return RectMask(size, ToRectF(r));
}

void DrawGlyph(Canvas& room, const Mask& glyph, Rect place, Look look) {
  const Size size = room.GetSize();
  const Mask area = Inside(size, place);
  // Glows and shadows stay off the outermost pixels, which repeat the board.
  const Mask inset = Inside(size, {place.left + 1, place.top + 1, place.width - 2, place.height - 2});
  auto within = [&](Mask m) { return m.Intersect(area); };
  const double top = place.top, bottom = place.Bottom();
  switch (look) {
    case Look::kRaised:
      room.Fill(within(glyph.Shifted(1, 1).Blurred(0.8f)), Rgb(0, 0, 0, 0.8f));
      room.Fill(glyph, GoldPaint(top, bottom));
      Bevel(room, glyph, 1.0f, Rgb(255, 255, 230, 0.6f), Rgb(60, 30, 0, 0.5f));
      break;
    case Look::kPressed:
      room.Fill(area, Rgb(0, 0, 0, 0.35f));
      room.Fill(within(glyph.Shifted(1, 1).Blurred(1.2f)), Rgb(255, 240, 200, 0.5f));
      room.Fill(within(glyph.Shifted(1, 1)), GoldPaint(top, bottom));
      room.Fill(within(glyph.Shifted(1, 1)), Rgb(255, 255, 255, 0.25f));
      break;
    case Look::kDim:
      room.Fill(within(glyph.Shifted(1, 1).Blurred(0.8f)), Rgb(0, 0, 0, 0.7f));
      room.Fill(glyph, GoldPaint(top, bottom, false));
      Bevel(room, glyph, 1.0f, Rgb(255, 255, 255, 0.2f), Rgb(0, 0, 0, 0.4f));
      break;
    case Look::kGlowing:
      room.Fill(glyph.Dilated(1.0f).Blurred(1.6f).Intersect(inset), Rgb(255, 220, 120, 0.45f));
      room.Fill(glyph, GoldPaint(top, bottom));
      room.Fill(glyph, Rgb(255, 250, 220, 0.2f));
      Bevel(room, glyph, 1.0f, Rgb(255, 255, 240, 0.7f), Rgb(90, 50, 0, 0.4f));
      break;
  }
}

Mask PlusGlyph(Size size, Rect r) {
  Mask m = RoundRectMask(size, {r.left + 1.0, r.top + 6.5, 15, 4}, 1.2);
  m.Unite(RoundRectMask(size, {r.left + 6.5, r.top + 1.0, 4, 15}, 1.2));
  return m;
}

Mask MinusGlyph(Size size, Rect r) {
  return RoundRectMask(size, {r.left + 1.0, r.top + 0.5, 17, 3.5}, 1.5);
}

Mask NoteGlyph(Size size, double l, double t) {
  Mask m = EllipseMask(size, {l + 5.0, t + 12.6}, 4.2, 3.0);
  m.Unite(RectMask(size, {l + 7.6, t + 1.5, 1.7, 12}));
  const std::vector<PointF> flag = {
      {l + 9.0, t + 1.5}, {l + 14.5, t + 6.0}, {l + 13.8, t + 10.0}, {l + 12.6, t + 7.0}, {l + 9.0, t + 5.5}};
  m.Unite(PolygonMask(size, flag));
  return m;
}

Mask SpeakerGlyph(Size size, Rect r, bool withWaves) {
  const double l = r.left, t = r.top;
  const std::vector<PointF> body = {{l + 2, t + 8.5}, {l + 7, t + 8.5},  {l + 13, t + 3},
                                    {l + 13, t + 20}, {l + 7, t + 14.5}, {l + 2, t + 14.5}};
  Mask m = PolygonMask(size, body);
  if (withWaves) {
    Mask waves = RingMask(size, {l + 12, t + 11.5}, 5, 5, 1.6);
    waves.Unite(RingMask(size, {l + 12, t + 11.5}, 9, 9, 1.6));
    waves.Intersect(RectMask(size, {l + 15, t, 8, 23}));
    m.Unite(waves);
  }
  return m;
}

Mask TextGlyph(Size size, Rect r, const char* text, FontFace face, int maxWidth, int maxSize) {
  int pixelSize = maxSize;
  while (pixelSize > 6 && Font(face, pixelSize).Width(text) > maxWidth) --pixelSize;
  const Font font(face, pixelSize);
  return InkCentred(size, font, text, r.left + r.width / 2.0, r.top + r.height / 2.0);
}

// A little scroll of music: the chooser of the music file.
void DrawScroll(Canvas& room, Rect r, bool pressed) {
  const Size size = room.GetSize();
  const double o = pressed ? 1 : 0;
  const double l = r.left + o, t = r.top + o;
  if (pressed) room.Fill(Inside(size, r), Rgb(0, 0, 0, 0.35f));
  Mask sheet = RectMask(size, {l + 4.5, t + 4, 13, 15});
  Mask rolls = EllipseMask(size, {l + 11, t + 4}, 8, 2.4);
  rolls.Unite(EllipseMask(size, {l + 11, t + 19}, 8, 2.4));
  if (!pressed) room.Fill(Mask(sheet).Unite(rolls).Shifted(1, 1).Blurred(0.8f), Rgb(0, 0, 0, 0.8f));
  room.Fill(sheet,
            LinearGradient({l + 4, 0}, {l + 18, 0}, {{0, Rgb(250, 238, 200)}, {1, Rgb(200, 174, 120)}}));
  room.Fill(rolls, GoldPaint(t, t + 21));
  Bevel(room, rolls, 1.0f, Rgb(255, 255, 230, 0.6f), Rgb(60, 30, 0, 0.5f));
  Mask note = EllipseMask(size, {l + 9.5, t + 14.5}, 2.3, 1.7);
  note.Unite(RectMask(size, {l + 11, t + 7.5, 1.1, 7}));
  note.Unite(RectMask(size, {l + 11, t + 7.5, 3.5, 1.3}));
  room.Fill(note, Rgb(70, 30, 20));
  if (pressed) room.Fill(Mask(sheet).Unite(rolls), Rgb(255, 255, 255, 0.2f));
}

}  // namespace

void DrawSideControl(Canvas& room, const pd::SideControl& control, int state) {
  const Size size = room.GetSize();
  const Rect r = control.place;
  const bool on = state != 0;
  const Look button = on ? Look::kPressed : Look::kRaised;
  const Look toggle = on ? Look::kGlowing : Look::kDim;
  switch (control.k) {
    case pd::kFasterControl:
      DrawGlyph(room, PlusGlyph(size, r), r, button);
      break;
    case pd::kSlowerControl:
      DrawGlyph(room, MinusGlyph(size, r), r, button);
      break;
    case pd::kMusicControl:
      DrawGlyph(room, NoteGlyph(size, r.left, r.top), r, toggle);
      break;
    case pd::kMusicFileControl:
      DrawScroll(room, r, on);
      break;
    case pd::kSoundEffectsControl:
      DrawGlyph(room, SpeakerGlyph(size, r, on), r, toggle);
      break;
    case pd::kHelpControl:
      DrawGlyph(room, TextGlyph(size, r, "?", FontFace::SerifBold, r.width - 1, 20), r, button);
      break;
    case pd::kAcesWildControl:
      DrawGlyph(room, TextGlyph(size, r, "A!", FontFace::SerifBold, r.width - 3, 20), r, toggle);
      break;
    case pd::kQuitControl:
      DrawGlyph(room, TextGlyph(size, r, "QUIT", FontFace::SerifBold, r.width - 2, 12), r, button);
      break;
    default:
      break;
  }
}

void DrawTurnMarker(Canvas& room, int player) {
  const Size size = room.GetSize();
  const Rect r = pd::kTurnMarkerPlaces[player];
  const double cx = r.left + r.width / 2.0, cy = r.top + r.height / 2.0 + 0.4;
  std::vector<PointF> star;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double outer = std::min(r.width, r.height) / 2.0 - 0.9;
    const double radius = i % 2 == 0 ? outer : outer * 0.42;
    star.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
  }
  const Mask shape = PolygonMask(size, star);
  const Mask area = RectMask(size, ToRectF(r));
  const Mask inset = RectMask(size, {r.left + 1.0, r.top + 1.0, r.width - 2.0, r.height - 2.0});
  room.Fill(Mask(shape).Dilated(1.0f).Blurred(1.5f).Intersect(inset), Rgb(255, 210, 120, 0.5f));
  room.Fill(shape,
            RadialGradient({cx - 1, cy - 1}, 6.5, {{0, Rgb(255, 255, 230)}, {0.5f, kGold}, {1, kGoldDark}}));
}

void DrawOptionsPlate(Canvas& room) {
  const Size size = room.GetSize();
  const Rect r = pd::kOptionsPlate;
  const Mask plate = RoundRectMask(size, {r.left + 0.5, r.top + 0.5, r.width - 1.0, r.height - 1.0}, 3.5);
  room.Fill(plate,
            LinearGradient({0, double(r.top)}, {0, double(r.Bottom())},
                           {{0, Rgb(255, 232, 160)}, {0.5f, Rgb(214, 164, 72)}, {1, Rgb(140, 92, 30)}}));
  Bevel(room, plate, 1.2f, Rgb(255, 255, 235, 0.8f), Rgb(60, 30, 0, 0.7f));
  const Font font(FontFace::SerifBoldItalic, 14);
  const Mask word = InkCentred(size, font, "options", r.left + r.width / 2.0, r.top + r.height / 2.0 - 0.5);
  room.Fill(Mask(word).Shifted(0, 1), Rgb(255, 246, 210, 0.7f));
  room.Fill(word, Rgb(74, 34, 14));
}

}  // namespace dakto::art_pokerdice
