// The 10,000 pictures in resources/ against the tables the game draws and clicks with.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/gfx/bmp.h"
#include "tools/gfx/quantise.h"

namespace dakto::tenthou {
namespace {

std::string PicturePath(int number) {
  return std::string(DAKTO_SOURCE_DIR) + "/resources/BITMAP_" + std::to_string(number) + ".bmp";
}

struct Expected {
  int number;
  Size size;
  int bitCount;
};

// Every picture the 10,000 screen loads, with the size its table places it at.
std::vector<Expected> ExpectedPictures() {
  std::vector<Expected> all = {{kBoardBitmap, kBoardSize, 24},
                               {kTileBitmap, kTileSize, 24},
                               {kPanelBitmap, {kPanelRect.width, kPanelRect.height}, 24},
                               {kTurnArrowBitmap, kTurnArrowSize, 24},
                               {kPaletteBitmap, kPaletteSourceSize, 8}};
  for (int digit = 0; digit <= 9; ++digit) all.push_back({kFirstDigitBitmap + digit, kDigitSize, 24});
  for (const auto& die : kDieFrames) {
    for (const DieFrame& f : die) all.push_back({f.bitmap, {f.rect.width, f.rect.height}, 24});
  }
  for (const SideControl& c : kSideControls) {
    all.push_back({c.offBitmap, {c.rect.width, c.rect.height}, 24});
    all.push_back({c.onBitmap, {c.rect.width, c.rect.height}, 24});
  }
  for (const PaneLabel& p : kPaneLabels) {
    all.push_back({p.normalBitmap, {p.rect.width, p.rect.height}, 24});
    all.push_back({p.highlightedBitmap, {p.rect.width, p.rect.height}, 24});
  }
  return all;
}

TEST(TenThouPictureFiles, EveryPictureHasItsSizeAndDepth) {
  const std::vector<Expected> all = ExpectedPictures();
  // 66 to 76, 79 to 139, 141, 142 and 144: no number twice, none left out.
  std::map<int, int> seen;
  for (const Expected& e : all) ++seen[e.number];
  EXPECT_EQ(seen.size(), 1u + 10u + 24u + 10u + 1u + 24u + 3u);
  for (const auto& [number, count] : seen) EXPECT_EQ(count, 1) << "BITMAP_" << number;
  for (const Expected& e : all) {
    SCOPED_TRACE("BITMAP_" + std::to_string(e.number));
    const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(e.number));
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.width, e.size.width);
    EXPECT_EQ(info.height, e.size.height);  // positive: stored bottom-up
    EXPECT_EQ(info.bitCount, e.bitCount);
    EXPECT_EQ(info.compression, 0u);
    if (e.bitCount == 8) {
      EXPECT_EQ(info.colorTable.size(), 256u);
    }
  }
}

// The board and the pictures cut from it, loaded once for the whole suite.
class TenThouPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { board_ = new gfx::Canvas(gfx::ReadBmp(PicturePath(kBoardBitmap))); }
  static void TearDownTestSuite() {
    delete board_;
    board_ = nullptr;
  }
  void SetUp() override { ASSERT_EQ(board_->GetSize(), kBoardSize); }

  static gfx::Canvas Load(int number) { return gfx::ReadBmp(PicturePath(number)); }
  static gfx::Rgb8 BoardAt(int x, int y) { return gfx::ToRgb8(board_->At(x, y)); }
  static gfx::Rgb8 PixelOf(const gfx::Canvas& c, int x, int y) { return gfx::ToRgb8(c.At(x, y)); }

  static bool Near(gfx::Rgb8 a, gfx::Rgb8 b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
  }

  // The share of the picture's outer ring that matches the board where it is drawn.
  static double BorderAgreement(const gfx::Canvas& picture, Point at, int tolerance) {
    int same = 0, total = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (x != 0 && y != 0 && x != picture.Width() - 1 && y != picture.Height() - 1) continue;
        ++total;
        if (Near(PixelOf(picture, x, y), BoardAt(at.x + x, at.y + y), tolerance)) ++same;
      }
    }
    return total == 0 ? 0 : double(same) / total;
  }

  static bool CornersAgree(const gfx::Canvas& picture, Point at, int tolerance) {
    const int w = picture.Width() - 1, h = picture.Height() - 1;
    for (Point p : {Point{0, 0}, Point{w, 0}, Point{0, h}, Point{w, h}}) {
      if (!Near(PixelOf(picture, p.x, p.y), BoardAt(at.x + p.x, at.y + p.y), tolerance)) return false;
    }
    return true;
  }

  static int DifferentPixels(const gfx::Canvas& a, const gfx::Canvas& b) {
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
      for (int x = 0; x < a.Width(); ++x) count += PixelOf(a, x, y) == PixelOf(b, x, y) ? 0 : 1;
    }
    return count;
  }

  static gfx::Canvas* board_;
};

gfx::Canvas* TenThouPictures::board_ = nullptr;

// A normal label and an "off" control are the board itself: drawing one never changes the
// screen, and its twin (highlighted, on) must visibly differ.
TEST_F(TenThouPictures, ResetPicturesEqualTheBoardAndTheirTwinsDiffer) {
  struct Case {
    std::string name;
    int same;
    int other;
    Rect rect;
  };
  std::vector<Case> cases;
  for (const PaneLabel& p : kPaneLabels)
    cases.push_back({p.label, p.normalBitmap, p.highlightedBitmap, p.rect});
  for (const SideControl& c : kSideControls) cases.push_back({c.name, c.offBitmap, c.onBitmap, c.rect});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const gfx::Canvas same = Load(c.same);
    const gfx::Canvas other = Load(c.other);
    ASSERT_EQ(same.GetSize(), other.GetSize());
    EXPECT_EQ(DifferentPixels(same, board_->Crop(c.rect)), 0);
    EXPECT_GT(DifferentPixels(same, other), c.rect.width * c.rect.height / 8);
    // The twin is drawn over the same board: its corners repeat what lies around it.
    EXPECT_TRUE(CornersAgree(other, {c.rect.left, c.rect.top}, 40));
  }
}

TEST_F(TenThouPictures, DiceLabelsAndPanelRepeatTheBoardAtTheirEdges) {
  struct Case {
    int number;
    Point at;
    double agreement;
  };
  std::vector<Case> cases = {{kPanelBitmap, {kPanelRect.left, kPanelRect.top}, 0.99}};
  for (const auto& die : kDieFrames) {
    // The die fills much of its frame; the rest of the edge is floor.
    for (const DieFrame& f : die) cases.push_back({f.bitmap, {f.rect.left, f.rect.top}, 0.15});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE("BITMAP_" + std::to_string(c.number));
    EXPECT_GE(BorderAgreement(Load(c.number), c.at, 0), c.agreement);
  }
  // A touched pane's label keeps the glass around its letters.
  for (const PaneLabel& p : kPaneLabels) {
    EXPECT_GE(BorderAgreement(Load(p.highlightedBitmap), {p.rect.left, p.rect.top}, 24), 0.5) << p.label;
  }
}

// A toss draws every flight frame without erasing the one before, and only the rest places
// are ever copied back: whatever a flight frame leaves outside its rest place stays on the
// screen, so it must be the board itself.
TEST_F(TenThouPictures, ATossLeavesNothingOutsideTheRestPlaces) {
  gfx::Canvas screen = *board_;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (int die = 1; die <= kDiceCount; ++die) {
      const DieFrame& f = DieFrameOf(die, frame);
      screen.Blit(Load(f.bitmap), f.rect.left, f.rect.top);
    }
  }
  int stray = 0;
  for (int y = 0; y < kBoardSize.height; ++y) {
    for (int x = 0; x < kBoardSize.width; ++x) {
      bool resting = false;
      for (int die = 1; die <= kDiceCount; ++die) resting = resting || RestPlace(die).Contains({x, y});
      if (!resting && PixelOf(screen, x, y) != BoardAt(x, y)) ++stray;
    }
  }
  EXPECT_EQ(stray, 0);
}

// Digits are written into four boxes and the arrow into two sockets: their backgrounds must
// be what the board shows at every place they can stand.
TEST_F(TenThouPictures, DigitsAndArrowMatchEveryPlaceTheyAreDrawn) {
  for (int digit = 0; digit <= 9; ++digit) {
    const gfx::Canvas picture = Load(kFirstDigitBitmap + digit);
    const gfx::Rgb8 corner = PixelOf(picture, 0, 0);
    for (const SeatPlaces& seat : kSeats) {
      for (const ScorePlace& place : {seat.turnScore, seat.totalScore}) {
        for (int n = 1; n <= 5; ++n) {
          const int left = place.FirstDigitX(n);
          const int right = left + kDigitStep * n - 1;
          SCOPED_TRACE(::testing::Message() << "digit " << digit << " at x " << left << " y " << place.top);
          EXPECT_EQ(corner, BoardAt(left, place.top));
          EXPECT_EQ(PixelOf(picture, kDigitSize.width - 1, kDigitSize.height - 1),
                    BoardAt(right, place.top + kDigitSize.height - 1));
        }
      }
    }
  }
  const gfx::Canvas arrow = Load(kTurnArrowBitmap);
  for (const SeatPlaces& seat : kSeats) {
    const Rect r = seat.arrowPlace;
    for (Point p :
         {Point{0, 0}, Point{r.width - 1, 0}, Point{0, r.height - 1}, Point{r.width - 1, r.height - 1}}) {
      EXPECT_EQ(PixelOf(arrow, p.x, p.y), BoardAt(r.left + p.x, r.top + p.y))
          << "arrow corner " << p.x << "," << p.y;
    }
  }
}

// The palette the game builds from BITMAP_144 must hold the board's colours closely, or a
// screen with 256 colours would show the room in the wrong tints.
TEST_F(TenThouPictures, PaletteSourceFitsTheBoard) {
  const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(kPaletteBitmap));
  ASSERT_EQ(info.colorTable.size(), 256u);
  double total = 0;
  int count = 0;
  double worst = 0;
  for (int y = 0; y < kBoardSize.height; y += 3) {
    for (int x = 0; x < kBoardSize.width; x += 3) {
      const gfx::Rgb8 c = BoardAt(x, y);
      const gfx::Rgb8 p = info.colorTable[gfx::NearestIndex(info.colorTable, c)];
      const double d = std::sqrt(
          double((c.r - p.r) * (c.r - p.r) + (c.g - p.g) * (c.g - p.g) + (c.b - p.b) * (c.b - p.b)));
      total += d;
      worst = std::max(worst, d);
      ++count;
    }
  }
  EXPECT_LT(total / count, 10.0);
  EXPECT_LT(worst, 80.0);
  // The game draws pips and text in palette colours: they must be there exactly.
  for (const PipColour c : {kPipRim, kPipCentre, PipColour{0, 0, 0}}) {
    const gfx::Rgb8 wanted = {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)};
    EXPECT_NE(std::find(info.colorTable.begin(), info.colorTable.end(), wanted), info.colorTable.end())
        << c.r << "," << c.g << "," << c.b;
  }
}

// --- The tables among themselves ----------------------------------------------------------

bool InsidePolygon(std::span<const Point> poly, double x, double y) {
  int winding = 0;
  for (size_t i = 0; i < poly.size(); ++i) {
    const Point a = poly[i], b = poly[(i + 1) % poly.size()];
    const double side = double(b.x - a.x) * (y - a.y) - (x - a.x) * double(b.y - a.y);
    if (a.y <= y) {
      if (b.y > y && side > 0) ++winding;
    } else if (b.y <= y && side < 0) {
      --winding;
    }
  }
  return winding != 0;
}

TEST(TenThouGeometry, EachLabelSitsOnItsOwnPane) {
  ASSERT_EQ(kPaneLabels.size(), kPaneOutlines.size());
  for (size_t i = 0; i < kPaneLabels.size(); ++i) {
    const PaneLabel& label = kPaneLabels[i];
    const PaneOutline& outline = kPaneOutlines[i];
    SCOPED_TRACE(label.label);
    EXPECT_EQ(label.region, outline.region);
    EXPECT_EQ(label.pane, outline.pane);
    EXPECT_STREQ(label.label, outline.label);
    EXPECT_EQ(label.region, kFirstPaneRegion + int(i));
    int minX = 10000, minY = 10000, maxX = -1, maxY = -1;
    for (Point p : outline.points) {
      minX = std::min(minX, p.x);
      minY = std::min(minY, p.y);
      maxX = std::max(maxX, p.x);
      maxY = std::max(maxY, p.y);
    }
    const Rect r = label.rect;
    EXPECT_GE(r.left, minX);
    EXPECT_GE(r.top, minY);
    EXPECT_LE(r.Right(), maxX + 1);
    EXPECT_LE(r.Bottom(), maxY + 1);
    EXPECT_TRUE(InsidePolygon(outline.points, r.left + r.width / 2.0, r.top + r.height / 2.0));
    // A label belongs to one pane only: its centre is in no other pane.
    for (const PaneOutline& other : kPaneOutlines) {
      if (&other == &outline) continue;
      EXPECT_FALSE(InsidePolygon(other.points, r.left + r.width / 2.0, r.top + r.height / 2.0))
          << other.label;
    }
    EXPECT_TRUE(Rect(kPanelRect).Contains({r.left, r.top}));
    EXPECT_TRUE(Rect(kPanelRect).Contains({r.Right() - 1, r.Bottom() - 1}));
  }
}

TEST(TenThouGeometry, PipsFallInsideTheirFrame) {
  for (int die = 1; die <= kDiceCount; ++die) {
    for (int frame = 2; frame <= kFrameCount; ++frame) {
      const Rect r = DieFrameOf(die, frame).rect;
      for (int value = 1; value <= 6; ++value) {
        for (int i = 0; i < value; ++i) {
          const PipPlace place = kFacePips[value][i];
          if (!PipShownInFrame(place, frame)) continue;
          const Point p = PipCorner(die, frame, place);
          SCOPED_TRACE(::testing::Message() << "die " << die << " frame " << frame << " face " << value);
          EXPECT_TRUE(r.Contains(p));
          EXPECT_TRUE(r.Contains({p.x + kPipSize - 1, p.y + kPipSize - 1}));
        }
      }
    }
  }
}

TEST(TenThouGeometry, FacesUseTheirPipsOnce) {
  for (int value = 1; value <= 6; ++value) {
    for (int i = 0; i < value; ++i) {
      for (int j = i + 1; j < value; ++j)
        EXPECT_NE(kFacePips[value][i], kFacePips[value][j]) << "face " << value;
    }
  }
  EXPECT_FALSE(PipShownInFrame(PipPlace::M, 1));
  EXPECT_FALSE(PipShownInFrame(PipPlace::B, 2));
  EXPECT_FALSE(PipShownInFrame(PipPlace::E, 2));
  EXPECT_TRUE(PipShownInFrame(PipPlace::G, 2));
  EXPECT_TRUE(PipShownInFrame(PipPlace::B, 3));
}

bool Overlap(Rect a, Rect b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

// Erasing a die copies its rest place back: it must not cut into another die, a score, an
// arrow, a plate or the window, and every frame must lie on the board.
TEST(TenThouGeometry, DiceStayClearOfEachOtherAndOfTheSavedAreas) {
  const Rect board = {0, 0, kBoardSize.width, kBoardSize.height};
  std::vector<std::pair<std::string, Rect>> saved = {{"panel", kPanelRect}};
  for (const SeatPlaces& s : kSeats) {
    saved.push_back({"turn box", s.turnBox});
    saved.push_back({"total box", s.totalBox});
    saved.push_back({"name plate", s.namePlate});
    saved.push_back({"arrow", s.arrowPlace});
  }
  for (int die = 1; die <= kDiceCount; ++die) {
    SCOPED_TRACE(::testing::Message() << "die " << die);
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      const Rect r = DieFrameOf(die, frame).rect;
      EXPECT_TRUE(board.Contains({r.left, r.top}) && board.Contains({r.Right() - 1, r.Bottom() - 1}));
    }
    for (int other = die + 1; other <= kDiceCount; ++other)
      EXPECT_FALSE(Overlap(RestPlace(die), RestPlace(other)));
    for (const auto& [name, rect] : saved) EXPECT_FALSE(Overlap(RestPlace(die), rect)) << name;
  }
}

TEST(TenThouGeometry, ScoresNamesAndArrowFitTheirPlaces) {
  for (const SeatPlaces& s : kSeats) {
    // Scores up to five digits stay inside the box's inner part.
    for (const auto& [box, place] :
         {std::pair{s.turnBox, s.turnScore}, std::pair{s.totalBox, s.totalScore}}) {
      for (int n = 1; n <= 5; ++n) {
        const int left = place.FirstDigitX(n);
        EXPECT_GE(left, box.left + 2) << n;
        EXPECT_LE(left + kDigitStep * n, box.Right() - 2) << n;
      }
      EXPECT_GE(place.top, box.top + 2);
      EXPECT_LE(place.top + kDigitSize.height, box.Bottom() - 2);
    }
    // Click areas reach one pixel past the picture, as the side controls' do.
    EXPECT_EQ(s.plateHit,
              (HitBox{s.namePlate.left, s.namePlate.top, s.namePlate.Right(), s.namePlate.Bottom()}));
    EXPECT_TRUE(s.namePlate.Contains(s.star));
    EXPECT_TRUE(s.namePlate.Contains({s.nameLeft, s.nameTop}));
    EXPECT_EQ(s.arrowPlace.width, kTurnArrowSize.width);
    EXPECT_EQ(s.arrowPlace.height, kTurnArrowSize.height);
    EXPECT_FALSE(Overlap(s.arrowPlace, s.turnBox));
    EXPECT_FALSE(Overlap(s.arrowPlace, s.totalBox));
  }
  // The worked example: a turn score of 10050 starts at x 320.
  EXPECT_EQ(kSeats[0].turnScore.FirstDigitX(5), 320);
}

// A control's picture and the area that answers its click start at the same corner and
// cover each other; the panel's options stand on its last line.
TEST(TenThouGeometry, ControlsAndPanelOptionsLieWhereTheyAreClicked) {
  const std::pair<int, HitBox> hits[] = {
      {2, kFasterHit}, {3, kSlowerHit}, {4, kMusicHit}, {5, kMusicFileHit}, {6, kSoundEffectsHit}};
  for (const auto& [k, hit] : hits) {
    const SideControl* c = SideControlOf(k);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(hit, (HitBox{c->rect.left, c->rect.top, c->rect.Right(), c->rect.Bottom()})) << c->name;
  }
  EXPECT_EQ(SideControlOf(1), nullptr);
  const int lastLineTop = kPanelFirstLineY + kPanelLineStep * (kPanelMaxLines - 1);
  EXPECT_LE(lastLineTop + kPanelLineStep, kPanelRect.Bottom());
  for (const HitBox& option : {kPanelPlay, kPanelResetPlayers, kPanelQuit}) {
    EXPECT_GE(option.y1, lastLineTop);
    EXPECT_LE(option.y2, lastLineTop + kPanelLineStep);
    EXPECT_GE(option.x1, kPanelRect.left);
    EXPECT_LT(option.x2, kPanelRect.Right());
  }
  EXPECT_LT(kPanelPlay.x2, kPanelResetPlayers.x1);
  EXPECT_LT(kPanelResetPlayers.x2, kPanelQuit.x1);
}

}  // namespace
}  // namespace dakto::tenthou
