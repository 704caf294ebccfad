// The dice, their masks, the bet digits and the abacus bead.
//
// A die goes on the table through its mask: the table is ANDed with the mask (the die's
// shape turns black), then the die is ORed in. So a die picture is black wherever its mask
// is white, and its anti-aliased rim is blended in advance with the colour it lands on.

#include <algorithm>
#include <string>

#include "tools/art_pokerdice/art_style.h"
#include "tools/art_pokerdice/pokerdice_art.h"

namespace dakto::art_pokerdice {

using namespace gfx;
namespace pd = pokerdice;

Color MarbleBehindDice() {
  return Rgb(220, 212, 206);
}
Color FeltBehindSmallDice() {
  return Rgb(76, 34, 98);
}
Color AbacusBacking() {
  return Rgb(24, 15, 28);
}
Color DigitStripColour() {
  return Rgb(22, 13, 24);
}
Color AbacusRodColour() {
  return Rgb(192, 150, 80);
}

namespace {

// A pixel belongs to the die when at least half of it is covered.
constexpr float kInsideCoverage = 0.5f;

// Each die casts a short shadow down and to the right; the mask covers die and shadow, so
// the shadow is laid on the table like the die itself.
Mask BigDieBody() {
  return RoundRectMask(pd::kBigDieSize, {0.5, 0.5, 38, 40}, 7);
}
Mask BigDieShadow() {
  return RoundRectMask(pd::kBigDieSize, {2.2, 2.2, 37.3, 39.3}, 7);
}
Mask BigDieShape() {
  return BigDieBody().Unite(BigDieShadow());
}
// Drawn 33 x 31: the picture's last row stays outside the die and its shadow.
Mask SmallDieBody() {
  return RoundRectMask(pd::kSmallDiePictureSize, {0.5, 0.5, 31, 29.5}, 6);
}
Mask SmallDieShadow() {
  return RoundRectMask(pd::kSmallDiePictureSize, {1.7, 1.7, 31, 29.2}, 6);
}
Mask SmallDieShape() {
  return SmallDieBody().Unite(SmallDieShadow());
}

constexpr Color kShadow = Rgb(20, 8, 16, 0.45f);

Color FaceInk(int face) {
  return face % 2 == 1 ? Rgb(164, 20, 40) : Rgb(28, 26, 84);
}

Canvas MaskPicture(const Mask& shape) {
  Canvas mask(shape.GetSize(), Rgb(255, 255, 255));
  for (int y = 0; y < shape.Height(); ++y) {
    for (int x = 0; x < shape.Width(); ++x) {
      if (shape.At(x, y) >= kInsideCoverage) mask.At(x, y) = Rgb(0, 0, 0);
    }
  }
  return mask;
}

// Black outside the die, so that ORing it leaves the table untouched there.
void BlackOutside(Canvas& picture, const Mask& shape) {
  for (int y = 0; y < shape.Height(); ++y) {
    for (int x = 0; x < shape.Width(); ++x) {
      if (shape.At(x, y) < kInsideCoverage) picture.At(x, y) = Rgb(0, 0, 0);
    }
  }
}

// The ivory die at rest, its rim blended into the marble.
Canvas BigDieAtRest(int face) {
  const Size size = pd::kBigDieSize;
  Canvas die(size, MarbleBehindDice());
  const Mask shape = BigDieBody();
  die.Fill(BigDieShadow(), kShadow);
  die.Fill(shape, LinearGradient({0, 0}, {39, 41}, {{0, Rgb(255, 250, 236)}, {1, Rgb(196, 178, 150)}}));
  // The top face catches the candlelight; the front face carries the letter.
  const std::vector<PointF> top = {{3, 1}, {36, 1}, {33, 8}, {6, 8}};
  die.Fill(PolygonMask(size, top), Rgb(255, 255, 248, 0.55f));
  const Mask front = RoundRectMask(size, {4.5, 8.0, 30, 30}, 5);
  die.Fill(front, RadialGradient({15, 18}, 30, {{0, Rgb(255, 252, 240)}, {1, Rgb(226, 212, 186)}}));
  Engrave(die, front, 1.2f, Rgb(255, 255, 255, 0.7f), Rgb(120, 96, 60, 0.6f));
  const std::string label = pd::kFaceLabels[face];
  const Font font(FontFace::SerifBold, label.size() > 1 ? 21 : 25);
  const Mask ink = InkCentred(size, font, label, 19.5, 23);
  die.Fill(Mask(ink).Shifted(1, 1), Rgb(255, 255, 255, 0.6f));
  die.Fill(ink, FaceInk(face));
  Bevel(die, shape, 2.0f, Rgb(255, 255, 255, 0.5f), Rgb(70, 50, 30, 0.55f));
  // A thin gilded edge.
  Mask rim = shape;
  rim.Subtract(RoundRectMask(size, {1.6, 1.6, 35.8, 37.8}, 6));
  die.Fill(rim, Rgb(150, 110, 44, 0.9f));
  return die;
}

// The die half-conjured: a glowing lavender mist in its shape.
Canvas BigDieMist() {
  const Size size = pd::kBigDieSize;
  Canvas mist(size, MarbleBehindDice());
  mist.Fill(BigDieBody(),
            RadialGradient({19.5, 20.5}, 26,
                           {{0, Rgb(250, 244, 255)}, {0.7f, Rgb(214, 196, 246)}, {1, Rgb(176, 150, 226)}}));
  return mist;
}

}  // namespace

Canvas DrawBigDie(int face, int frame) {
  const Mask shape = BigDieShape();
  Canvas die = BigDieAtRest(face);
  if (frame < pd::kFrameCount) {
    const Canvas mist = BigDieMist();
    const float t = static_cast<float>(frame) / pd::kFrameCount;
    die.Apply([&](int x, int y, Color c) { return Mix(mist.At(x, y), c, t); });
  }
  BlackOutside(die, shape);
  return die;
}

Canvas DrawBigDieMask() {
  return MaskPicture(BigDieShape());
}

Canvas DrawSmallDie(int face) {
  const Size size = pd::kSmallDiePictureSize;
  Canvas die(size, FeltBehindSmallDice());
  const Mask shape = SmallDieBody();
  die.Fill(SmallDieShadow(), kShadow);
  die.Fill(shape, RadialGradient({12, 10}, 30, {{0, Rgb(255, 252, 240)}, {1, Rgb(206, 188, 156)}}));
  Bevel(die, shape, 2.0f, Rgb(255, 255, 255, 0.6f), Rgb(80, 56, 30, 0.6f));
  const std::string label = pd::kFaceLabels[face];
  const Font font(FontFace::SerifBold, label.size() > 1 ? 17 : 20);
  const Mask ink = InkCentred(size, font, label, 16, 15);
  die.Fill(ink, FaceInk(face));
  Mask rim = shape;
  rim.Subtract(RoundRectMask(size, {1.5, 1.5, 29, 27.5}, 5));
  die.Fill(rim, Rgb(150, 110, 44, 0.85f));
  BlackOutside(die, SmallDieShape());
  return die;
}

Canvas DrawSmallDieMask() {
  return MaskPicture(SmallDieShape());
}

Canvas DrawBetDigit(int digit) {
  const Size size = pd::kBetDigitSize;
  Canvas picture(size, DigitStripColour());
  const Font font(FontFace::SerifBold, 16);
  const Mask ink = InkCentred(size, font, std::to_string(digit), 6.5, 7.5);
  picture.Fill(Mask(ink).Dilated(0.6f).Blurred(1.0f), Rgb(255, 200, 90, 0.35f));
  picture.Fill(ink,
               LinearGradient({0, 2}, {0, 13}, {{0, kGoldLight}, {0.5f, kGold}, {1, Rgb(176, 120, 40)}}));
  return picture;
}

Canvas DrawBead() {
  const Size size = pd::kBeadSize;
  Canvas bead(size, AbacusBacking());
  bead.Fill(RectMask(size, {4, 0, 2, 9}), AbacusRodColour());
  const Mask shape = EllipseMask(size, {5, 4.5}, 5, 4.5);
  bead.Fill(shape,
            RadialGradient({3.6, 2.8}, 7,
                           {{0, Rgb(255, 210, 130)}, {0.45f, Rgb(206, 120, 44)}, {1, Rgb(96, 44, 14)}}));
  bead.Fill(RectMask(size, {1, 4.2, 8, 0.8}), Rgb(255, 220, 160, 0.35f));
  bead.Fill(EllipseMask(size, {3.4, 2.6}, 1.6, 1.0), Rgb(255, 255, 240, 0.8f));
  return bead;
}

}  // namespace dakto::art_pokerdice
