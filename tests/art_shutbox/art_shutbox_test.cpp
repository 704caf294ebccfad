// The committed front-screen and Shut The Box pictures: each one exists with the size and
// format the program expects, and the pictures agree with the tables that place them.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/front_geometry.h"
#include "games/shutbox/shutbox_geometry.h"
#include "tools/gfx/gfx.h"

namespace dakto {
namespace {

namespace sb = shutbox;
using gfx::Canvas;
using gfx::Rgb8;

std::string ResourcePath(const std::string& name) {
  return std::string(DAKTO_SOURCE_DIR) + "/resources/" + name;
}
std::string PicturePath(int n) {
  return ResourcePath("BITMAP_" + std::to_string(n) + ".bmp");
}

Canvas Load(int n) {
  return gfx::ReadBmp(PicturePath(n));
}

bool SamePixels(const Canvas& a, const Canvas& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (gfx::ToRgb8(a.At(x, y)) != gfx::ToRgb8(b.At(x, y))) return false;
    }
  }
  return true;
}

struct Expected {
  std::string file;
  int width;
  int height;
  int bits;
};

// Written out from the board's description rather than read from the tables, so a wrong
// number in either place shows up here.
std::vector<Expected> ExpectedPictures() {
  std::vector<Expected> list = {
      {"BITMAP_1.bmp", 632, 428, 24},   {"BITMAP_2.bmp", 56, 125, 24},  {"BITMAP_3.bmp", 56, 22, 24},
      {"BITMAP_4.bmp", 52, 104, 24},    {"BITMAP_5.bmp", 90, 191, 24},  {"BITMAP_6.bmp", 134, 225, 24},
      {"BITMAP_7.bmp", 101, 135, 24},   {"BITMAP_10.bmp", 19, 19, 24},  {"BITMAP_11.bmp", 19, 19, 24},
      {"BITMAP_12.bmp", 19, 5, 24},     {"BITMAP_13.bmp", 19, 5, 24},   {"BITMAP_14.bmp", 16, 23, 24},
      {"BITMAP_15.bmp", 16, 23, 24},    {"BITMAP_16.bmp", 23, 23, 24},  {"BITMAP_17.bmp", 23, 23, 24},
      {"BITMAP_18.bmp", 23, 23, 24},    {"BITMAP_19.bmp", 23, 23, 24},  {"BITMAP_59.bmp", 22, 10, 24},
      {"BITMAP_60.bmp", 40, 57, 24},    {"BITMAP_61.bmp", 74, 114, 24}, {"BITMAP_62.bmp", 56, 78, 24},
      {"BITMAP_63.bmp", 54, 75, 24},    {"BITMAP_64.bmp", 6, 23, 24},   {"BITMAP_65.bmp", 6, 23, 24},
      {"BITMAP_140.bmp", 56, 32, 24},   {"BITMAP_143.bmp", 4, 4, 8},    {"BITMAP_243.bmp", 73, 41, 24},
      {"BITMAP_216.bmp", 569, 428, 24}, {"BITMAP_217.bmp", 4, 4, 8},    {"IDI_ICON1.bmp", 64, 64, 32},
  };
  const int advances[] = {17, 16, 15, 16, 14, 13, 17, 16, 9,  14, 17, 14, 19, 16, 16, 15, 17, 16,
                          15, 15, 15, 18, 22, 16, 17, 16, 13, 11, 14, 13, 15, 13, 13, 15, 14, 13};
  for (int i = 0; i < 36; ++i)
    list.push_back({"BITMAP_" + std::to_string(22 + i) + ".bmp", advances[i], 18, 24});
  for (int n = 225; n <= 242; ++n) {
    list.push_back({"BITMAP_" + std::to_string(n) + ".bmp", sb::kEyeSize.width, sb::kEyeSize.height, 24});
  }
  return list;
}

TEST(ShutBoxPictures, EveryPictureHasItsSizeAndDepthAndLoadsInSdl) {
  for (const Expected& e : ExpectedPictures()) {
    SCOPED_TRACE(e.file);
    const gfx::BmpInfo info = gfx::ReadBmpInfo(ResourcePath(e.file));
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.width, e.width);
    EXPECT_EQ(info.height, e.height);  // positive: bottom-up rows
    EXPECT_EQ(info.bitCount, e.bits);
    SDL_Surface* surface = SDL_LoadBMP(ResourcePath(e.file).c_str());
    ASSERT_NE(surface, nullptr) << SDL_GetError();
    EXPECT_EQ(surface->w, e.width);
    EXPECT_EQ(surface->h, e.height);
    SDL_FreeSurface(surface);
  }
}

TEST(ShutBoxPictures, PaletteSourcesCarryAFullTableFittingTheirArt) {
  struct Case {
    int source;
    int art;
  };
  for (const Case c :
       {Case{sb::kPalettePicture, sb::kBoardPicture}, Case{front::kPalettePicture, front::kPicture}}) {
    SCOPED_TRACE(c.source);
    const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(c.source));
    ASSERT_EQ(info.colorTable.size(), 256u);
    EXPECT_EQ(info.colorsUsed, 256u);
    const std::set<Rgb8> distinct(info.colorTable.begin(), info.colorTable.end());
    EXPECT_GT(distinct.size(), 200u);
    // Every colour of the art finds a near one in the table.
    const Canvas art = Load(c.art);
    double total = 0;
    for (int y = 0; y < art.Height(); y += 3) {
      for (int x = 0; x < art.Width(); x += 3) {
        const Rgb8 p = gfx::ToRgb8(art.At(x, y));
        const Rgb8 q = info.colorTable[gfx::NearestIndex(info.colorTable, p)];
        total += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
      }
    }
    const double samples = (art.Width() / 3.0) * (art.Height() / 3.0);
    EXPECT_LT(total / samples, 12.0);
  }
}

TEST(ShutBoxPictures, PalettesHoldTheColoursTheProgramDrawsWith) {
  struct Case {
    int source;
    Rgb8 colour;
  };
  const Case cases[] = {
      {sb::kPalettePicture, {sb::kPipRed, sb::kPipGreen, sb::kPipBlue}},
      {front::kPalettePicture, {front::kTipRed, front::kTipGreen, front::kTipBlue}},
  };
  for (const Case& c : cases) {
    const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(c.source));
    EXPECT_NE(std::find(info.colorTable.begin(), info.colorTable.end(), c.colour), info.colorTable.end())
        << c.source;
  }
}

TEST(ShutBoxPictures, IconKeepsItsAlpha) {
  SDL_Surface* surface = SDL_LoadBMP(ResourcePath("IDI_ICON1.bmp").c_str());
  ASSERT_NE(surface, nullptr);
  ASSERT_NE(surface->format->Amask, 0u);
  auto alphaAt = [surface](int x, int y) {
    Uint32 value = 0;
    std::memcpy(&value, static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 4, 4);
    Uint8 r, g, b, a;
    SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
    return a;
  };
  EXPECT_EQ(alphaAt(0, 63), 0);
  EXPECT_EQ(alphaAt(0, 0), 0);
  EXPECT_EQ(alphaAt(32, 30), 255);
  SDL_FreeSurface(surface);
}

class ShutBoxBoard : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { board_ = new Canvas(Load(sb::kBoardPicture)); }
  static void TearDownTestSuite() { delete board_; }
  static const Canvas& Board() { return *board_; }
  static Canvas* board_;
};
Canvas* ShutBoxBoard::board_ = nullptr;

TEST_F(ShutBoxBoard, LidsOnTheBoardAreTheLidPictureAndTheTopOfTheShutBox) {
  const Canvas lid = Load(sb::kLidPicture);
  const Canvas shut = Load(sb::kShutBoxPicture);
  // The rising lid's first picture replaces the lid without a jump.
  EXPECT_TRUE(SamePixels(lid, shut.Crop({0, 0, sb::kLidSize.width, sb::kLidSize.height})));
  for (int n = 1; n <= sb::kBoxCount; ++n) {
    EXPECT_TRUE(SamePixels(lid, Board().Crop(sb::LidRect(n)))) << "box " << n;
  }
}

TEST_F(ShutBoxBoard, ControlsShowOffOnTheBoardAndLightUpWhenOn) {
  for (const sb::SideControl& ctl : sb::kSideControls) {
    SCOPED_TRACE(ctl.k);
    const Canvas off = Load(ctl.offPicture);
    const Canvas on = Load(ctl.onPicture);
    EXPECT_TRUE(SamePixels(off, Board().Crop(sb::ControlRect(ctl))));
    EXPECT_FALSE(SamePixels(off, on));
    double offLight = 0, onLight = 0;
    for (int y = 0; y < off.Height(); ++y) {
      for (int x = 0; x < off.Width(); ++x) {
        offLight += off.At(x, y).r + off.At(x, y).g;
        onLight += on.At(x, y).r + on.At(x, y).g;
      }
    }
    EXPECT_GT(onLight, offLight);
  }
}

// A picture drawn over the board shows no seam: its outermost pixels are the board's.
TEST_F(ShutBoxBoard, PiecesMeetTheBoardWithoutASeam) {
  auto expectSeamless = [](const Canvas& piece, const Canvas& ground, Point at, const std::string& name) {
    int differing = 0, border = 0;
    for (int y = 0; y < piece.Height(); ++y) {
      for (int x = 0; x < piece.Width(); ++x) {
        if (x != 0 && y != 0 && x != piece.Width() - 1 && y != piece.Height() - 1) continue;
        ++border;
        const Rgb8 a = gfx::ToRgb8(piece.At(x, y)), b = gfx::ToRgb8(ground.At(at.x + x, at.y + y));
        differing += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 6;
      }
    }
    EXPECT_EQ(differing, 0) << name << ": " << differing << " of " << border << " border pixels";
  };
  for (const sb::PictureArea& area : sb::kPictureAreas) {
    if (area.placed.picture == sb::kBoardPicture || area.placed.picture == sb::kShutBoxPicture) continue;
    expectSeamless(Load(area.placed.picture), Board(), {area.placed.rect.left, area.placed.rect.top},
                   area.name);
  }
  const Canvas fire = Load(sb::kGremlinPicture);
  Canvas withFire = Board();
  withFire.Blit(fire, sb::kGremlin.rect.left, sb::kGremlin.rect.top);
  for (int k = 1; k <= sb::kBoxCount; ++k) {
    expectSeamless(Load(sb::LeftEyePicture(k)), withFire, sb::kLeftEye, "left eye " + std::to_string(k));
    expectSeamless(Load(sb::RightEyePicture(k)), withFire, sb::kRightEye, "right eye " + std::to_string(k));
  }
}

TEST_F(ShutBoxBoard, TurnArrowSitsOnTheSameGroundAtBothRows) {
  EXPECT_TRUE(SamePixels(Board().Crop(sb::kTurnArrow1), Board().Crop(sb::kTurnArrow2)));
  EXPECT_FALSE(SamePixels(Board().Crop(sb::kTurnArrow1), Load(sb::kTurnArrowPicture)));
}

TEST_F(ShutBoxBoard, GlyphsBlendIntoTheScoreRowsWhereverTheyAreWritten) {
  // The rows are one flat colour (but for the rule between the players), and every glyph's
  // ground is that colour, so a glyph drawn at any pen position leaves no seam.
  const Rgb8 panel = gfx::ToRgb8(Board().At(sb::kScoreBoardRows.left, sb::kScoreBoardRows.top));
  for (const int penY : {sb::kName1PenY, sb::kScore1PenY, sb::kName2PenY, sb::kScore2PenY}) {
    for (int y = penY; y < penY + sb::kGlyphHeight; ++y) {
      for (int x = sb::kScoreBoardRows.left; x < sb::kScoreBoardRows.Right(); ++x) {
        ASSERT_EQ(gfx::ToRgb8(Board().At(x, y)), panel) << x << "," << y;
      }
    }
  }
  for (const sb::Glyph& glyph : sb::kGlyphs) {
    const Canvas picture = Load(glyph.picture);
    ASSERT_EQ(picture.Width(), glyph.advance) << glyph.ch;
    const int w = picture.Width(), h = picture.Height();
    for (const Point corner : {Point{0, 0}, Point{w - 1, 0}, Point{0, h - 1}, Point{w - 1, h - 1}}) {
      EXPECT_EQ(gfx::ToRgb8(picture.At(corner.x, corner.y)), panel) << glyph.ch;
    }
    int border = 0, ground = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (x != 0 && y != 0 && x != w - 1 && y != h - 1) continue;
        ++border;
        ground += gfx::ToRgb8(picture.At(x, y)) == panel;
      }
    }
    EXPECT_GT(ground * 10, border * 7) << glyph.ch;
    int ink = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) ink += gfx::ToRgb8(picture.At(x, y)).r > 180;
    }
    EXPECT_GT(ink, 8) << glyph.ch;
  }
}

// Pips are drawn over the dice pictures at the table's places: each must land on a face.
TEST_F(ShutBoxBoard, EveryPipOfEveryFaceFallsOnADieFace) {
  struct Case {
    const char* name;
    sb::PlacedPicture picture;
    sb::PipSet set;
    int die;
  };
  const Case cases[] = {
      {"pair at rest, die 1", sb::kPairAtRest, sb::PipSet::Rest, 1},
      {"pair at rest, die 2", sb::kPairAtRest, sb::PipSet::Rest, 2},
      {"pair landed, die 1", sb::kPairLanded, sb::PipSet::Landed, 1},
      {"pair landed, die 2", sb::kPairLanded, sb::PipSet::Landed, 2},
      {"single at rest", sb::kSingleAtRest, sb::PipSet::Rest, 2},
      {"single landed", sb::kSingleLanded, sb::PipSet::Landed, 2},
  };
  for (const Case& c : cases) {
    const Canvas picture = Load(c.picture.picture);
    for (int face = 1; face <= 6; ++face) {
      const sb::FacePips& pips = sb::PipsFor(c.set, c.die, face);
      for (int i = 0; i < pips.count; ++i) {
        // The pip's bounding box and a pixel beyond each side of it.
        for (int dy = -1; dy <= sb::kPipSize; ++dy) {
          for (int dx = -1; dx <= sb::kPipSize; ++dx) {
            const int x = pips.pips[i].x + dx - c.picture.rect.left;
            const int y = pips.pips[i].y + dy - c.picture.rect.top;
            ASSERT_TRUE(picture.Contains(x, y)) << c.name << " face " << face;
            const Rgb8 p = gfx::ToRgb8(picture.At(x, y));
            EXPECT_GT(p.r + p.g + p.b, 3 * 170)
                << c.name << " face " << face << " pip " << i << " at " << dx << "," << dy;
          }
        }
      }
    }
  }
}

// Tiles laid side by side show no seam: the step from the last column to the first is no
// larger than the steps between neighbouring columns inside the tile.
TEST(ShutBoxPictures, OutsideTileRepeatsWithoutASeam) {
  const Canvas tile = Load(sb::kTilePicture);
  auto columnStep = [&tile](int a, int b) {
    double sum = 0;
    for (int y = 0; y < tile.Height(); ++y) {
      const Rgb8 p = gfx::ToRgb8(tile.At(a, y)), q = gfx::ToRgb8(tile.At(b, y));
      sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / tile.Height();
  };
  double inside = 0;
  for (int x = 0; x + 1 < tile.Width(); ++x) inside = std::max(inside, columnStep(x, x + 1));
  EXPECT_LE(columnStep(tile.Width() - 1, 0), inside);
}

TEST(ShutBoxGeometry, EveryPlacedPictureHasTheSizeOfItsArea) {
  for (const sb::PictureArea& area : sb::kPictureAreas) {
    const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(area.placed.picture));
    EXPECT_EQ(info.width, area.placed.rect.width) << area.name;
    EXPECT_EQ(info.height, area.placed.rect.height) << area.name;
    EXPECT_LE(area.placed.rect.Right(), sb::kBoardSize.width) << area.name;
    EXPECT_LE(area.placed.rect.Bottom(), sb::kBoardSize.height) << area.name;
  }
  for (const sb::SideControl& ctl : sb::kSideControls) {
    for (const int picture : {ctl.offPicture, ctl.onPicture}) {
      const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(picture));
      EXPECT_EQ(info.width, ctl.size.width) << picture;
      EXPECT_EQ(info.height, ctl.size.height) << picture;
    }
  }
}

TEST(ShutBoxGeometry, BoxesAndTheirClickAreas) {
  int previousRight = 0;
  for (int n = 1; n <= sb::kBoxCount; ++n) {
    const Rect box = sb::BoxRect(n);
    EXPECT_GT(box.left, previousRight) << n;  // boxes never overlap
    EXPECT_LE(box.Right(), sb::kBoardSize.width);
    EXPECT_EQ(sb::LidRect(n).Bottom(), box.Bottom());
    previousRight = box.Right();
  }
  // The click area is one pixel wider than the picture: 107 hits box 1, 108 and 109 none.
  struct Case {
    int x;
    int box;
  };
  for (const Case c :
       {Case{51, 1}, Case{107, 1}, Case{108, 0}, Case{109, 0}, Case{110, 2}, Case{581, 9}, Case{582, 0}}) {
    int hit = 0;
    for (int n = 1; n <= sb::kBoxCount; ++n) {
      if (sb::BoxHitBox(n).Contains({c.x, 100})) hit = n;
    }
    EXPECT_EQ(hit, c.box) << "x " << c.x;
  }
  EXPECT_TRUE(sb::BoxHitBox(5).Contains({300, 158}));
  EXPECT_FALSE(sb::BoxHitBox(5).Contains({300, 159}));
}

TEST(ShutBoxGeometry, PiecesLieInsideTheirPlaces) {
  const Rect gremlin = sb::kGremlin.rect;
  for (const Point eye : {sb::kLeftEye, sb::kRightEye}) {
    EXPECT_TRUE(gremlin.Contains(eye));
    EXPECT_TRUE(gremlin.Contains({eye.x + sb::kEyeSize.width - 1, eye.y + sb::kEyeSize.height - 1}));
  }
  EXPECT_LE(sb::kLeftEye.x + sb::kEyeSize.width, sb::kRightEye.x);  // the eyes never overlap
  for (const sb::SideControl& ctl : sb::kSideControls) EXPECT_EQ(sb::SideControlFor(ctl.k), &ctl);
  EXPECT_EQ(sb::SideControlFor(7), nullptr);
  EXPECT_EQ(sb::GlyphFor('a'), nullptr);
  EXPECT_EQ(sb::GlyphFor(' '), nullptr);
  // "COMPUTER" fits the name field, as every eight-letter name must.
  int w = 0;
  for (const char ch : std::string("WWWWWWWW")) w += sb::GlyphFor(ch)->advance;
  EXPECT_LE(w, sb::kNameField.width);
  EXPECT_EQ(sb::CentredPenX(sb::kNameField, 185), 83);  // (184 - 185) / 2 truncates toward zero
  EXPECT_EQ(sb::CentredPenX(sb::kNameField, 186), 82);
}

TEST(ShutBoxPictures, EyesLookTowardsTheirBoxes) {
  // Pair k's pupils sit further right as k grows: box 1 is far left, box 9 far right.
  auto pupilX = [](int picture) {
    const Canvas eye = Load(picture);
    double sum = 0, weight = 0;
    for (int y = 0; y < eye.Height(); ++y) {
      for (int x = 0; x < eye.Width(); ++x) {
        const Rgb8 p = gfx::ToRgb8(eye.At(x, y));
        const double dark = p.r < 80 && p.g < 60 ? 1.0 : 0.0;
        sum += dark * x;
        weight += dark;
      }
    }
    return weight > 0 ? sum / weight : -1;
  };
  for (const bool left : {true, false}) {
    double previous = -1;
    for (int k = 1; k <= sb::kBoxCount; ++k) {
      const double x = pupilX(left ? sb::LeftEyePicture(k) : sb::RightEyePicture(k));
      ASSERT_GE(x, 0) << k;
      EXPECT_GT(x, previous + 0.2) << (left ? "left" : "right") << " eye, pair " << k;
      previous = x;
    }
    EXPECT_GT(previous, pupilX(left ? sb::LeftEyePicture(1) : sb::RightEyePicture(1)) + 2);
  }
}

TEST(FrontPicture, TipBandIsBlackLikeTheEraseAndTheSpotsAreDrawn) {
  const Canvas picture = Load(front::kPicture);
  const Rect erase = front::kTipEraseRect;
  for (int y = erase.top; y < erase.Bottom(); ++y) {
    for (int x = erase.left; x < erase.Right(); ++x) {
      const int px = x - front::kPictureOrigin.x;
      if (!picture.Contains(px, y)) continue;
      ASSERT_EQ(gfx::ToRgb8(picture.At(px, y)), (Rgb8{0, 0, 0})) << x << "," << y;
    }
  }
  // Every spot shows something bright (a label) and stays inside the picture.
  for (const front::FrontSpot& spot : front::kSpots) {
    const Rect r = front::SpotInPicture(spot);
    ASSERT_GE(r.left, 0);
    ASSERT_LE(r.Right(), picture.Width());
    ASSERT_LE(r.Bottom(), picture.Height());
    int bright = 0;
    for (int y = r.top; y < r.Bottom(); ++y) {
      for (int x = r.left; x < r.Right(); ++x) bright += gfx::ToRgb8(picture.At(x, y)).r > 200;
    }
    EXPECT_GT(bright, 20) << static_cast<int>(spot.action);
  }
}

TEST(FrontGeometry, SpotsAreTestedInTheirOrderAndTheTipIsCentred) {
  EXPECT_EQ(front::kSpots[0].action, front::FrontAction::ShutTheBox);
  EXPECT_EQ(front::kSpots[6].action, front::FrontAction::NextTip);
  EXPECT_TRUE(front::kSpots[0].area.Contains({49, 419}));  // both bounds belong to it
  EXPECT_TRUE(front::kSpots[0].area.Contains({150, 275}));
  EXPECT_EQ(front::TipLineLeft(393), 231);
  EXPECT_EQ(front::TipLineLeft(392), 231);
  EXPECT_EQ(front::TipLineLeft(395), 230);  // (393 - 395) / 2 truncates to -1
  EXPECT_EQ(front::TipLineLeft(400), 228);
  EXPECT_EQ(front::kTipEraseRect.Right(), 622);
  EXPECT_EQ(front::kTipEraseRect.Bottom(), 400);
}

}  // namespace
}  // namespace dakto
