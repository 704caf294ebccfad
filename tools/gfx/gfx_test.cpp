// Checks of the drawing library that a picture generator relies on without looking:
// files that other readers accept, coverage that adds up, textures that wrap, palettes
// that keep a picture's colours.

#include "tools/gfx/gfx.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

namespace dakto::gfx {
namespace {

// A picture where every pixel differs, so a swapped row or column shows.
Canvas Gradient(int w, int h) {
  Canvas c(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      c.At(x, y) = Rgb((x * 37 + y * 11) % 256, (y * 53) % 256, (x * 7 + 100) % 256);
  }
  return c;
}

struct SdlSurface {
  explicit SdlSurface(const std::vector<std::uint8_t>& bytes)
      : surface(SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1)) {}
  ~SdlSurface() { SDL_FreeSurface(surface); }
  SDL_Color PixelAt(int x, int y) const {
    const int bpp = surface->format->BytesPerPixel;
    const auto* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    Uint32 value = 0;
    std::memcpy(&value, p, bpp);
    SDL_Color c{};
    SDL_GetRGBA(value, surface->format, &c.r, &c.g, &c.b, &c.a);
    return c;
  }
  SDL_Surface* surface;
};

// Widths chosen around the 4-byte row padding of every depth.
class BmpWidths : public ::testing::TestWithParam<int> {};

TEST_P(BmpWidths, EveryDepthHasConsistentHeadersAndReadsBackTopDown) {
  const int w = GetParam(), h = 3;
  const Canvas image = Gradient(w, h);
  const std::vector<Rgb8> palette = PaletteFor(image);
  std::vector<std::uint8_t> bits(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < bits.size(); ++i) bits[i] = (i * 7 + i / 3) % 2;

  struct Case {
    int depth;
    std::vector<std::uint8_t> bytes;
    std::uint32_t tableEntries;
  };
  const Case cases[] = {
      {24, EncodeBmp24(image), 0},
      {32, EncodeBmp32(image), 0},
      {8, EncodeBmp8(w, h, MapToPalette(image, palette), palette), 256},
      {1, EncodeBmp1(w, h, bits, {0, 0, 0}, {255, 255, 255}), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    const BmpInfo info = ParseBmpInfo(c.bytes);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.bitCount, c.depth);
    EXPECT_EQ(info.width, w);
    EXPECT_EQ(info.height, h);  // positive: bottom-up
    EXPECT_EQ(info.fileSize, c.bytes.size());
    const std::uint32_t rowBytes = ((w * c.depth + 31) / 32) * 4;
    EXPECT_EQ(info.dataOffset + rowBytes * h, c.bytes.size());
    EXPECT_EQ(info.colorTable.size(), c.tableEntries);
    EXPECT_EQ(info.headerSize, c.depth == 32 ? 124u : 40u);

    // SDL reads what the program will read: every pixel where it belongs.
    SdlSurface loaded(c.bytes);
    ASSERT_NE(loaded.surface, nullptr) << SDL_GetError();
    ASSERT_EQ(loaded.surface->w, w);
    ASSERT_EQ(loaded.surface->h, h);
    const Canvas decoded = DecodeBmp(c.bytes);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const SDL_Color s = loaded.PixelAt(x, y);
        const Rgb8 mine = ToRgb8(decoded.At(x, y));
        EXPECT_EQ((Rgb8{s.r, s.g, s.b}), mine) << x << "," << y;
        if (c.depth == 24 || c.depth == 32) {
          EXPECT_EQ(mine, ToRgb8(image.At(x, y)));
        }
        if (c.depth == 1) {
          EXPECT_EQ(mine.r, bits[static_cast<size_t>(y) * w + x] ? 255 : 0);
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AroundPadding, BmpWidths, ::testing::Values(1, 2, 3, 4, 5, 7, 8, 9, 17, 33));

TEST(Bmp32, SdlKeepsTheAlphaOfEveryPixel) {
  Canvas icon(4, 2);
  const float alphas[] = {0.0f, 0.25f, 0.5f, 1.0f};
  for (int x = 0; x < 4; ++x) {
    icon.At(x, 0) = Rgb(200, 100, 50, alphas[x]);
    icon.At(x, 1) = Rgb(10, 20, 30, alphas[3 - x]);
  }
  SdlSurface loaded(EncodeBmp32(icon));
  ASSERT_NE(loaded.surface, nullptr);
  ASSERT_TRUE(loaded.surface->format->Amask != 0);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(loaded.PixelAt(x, 0).a, ToByte(alphas[x]));
    EXPECT_EQ(loaded.PixelAt(x, 1).a, ToByte(alphas[3 - x]));
  }
}

TEST(Bmp8, PaletteSourceCarriesTheWholeTable) {
  std::vector<Rgb8> palette;
  for (int i = 0; i < 200; ++i)
    palette.push_back({static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(255 - i)});
  const auto path = ::testing::TempDir() + "palette_source.bmp";
  ASSERT_TRUE(WritePaletteSource(path, palette));
  const BmpInfo info = ReadBmpInfo(path);
  EXPECT_EQ(info.width, 4);
  EXPECT_EQ(info.height, 4);
  EXPECT_EQ(info.bitCount, 8);
  ASSERT_EQ(info.colorTable.size(), 256u);
  for (size_t i = 0; i < palette.size(); ++i) EXPECT_EQ(info.colorTable[i], palette[i]);
  EXPECT_EQ(info.colorTable[255], (Rgb8{0, 0, 0}));
}

double Area(const Mask& m) {
  double sum = 0;
  for (int y = 0; y < m.Height(); ++y) {
    for (int x = 0; x < m.Width(); ++x) sum += m.At(x, y);
  }
  return sum;
}

TEST(Shapes, CoverageAddsUpToTheShapesArea) {
  const Size size{64, 48};
  const PointF clockwise[] = {{5, 5}, {45, 5}, {45, 35}, {5, 35}};
  const PointF anticlockwise[] = {{5, 5}, {5, 35}, {45, 35}, {45, 5}};
  const PointF triangle[] = {{10.3, 4.1}, {50.7, 20.2}, {12.9, 41.6}};
  const double triangleArea = std::fabs((50.7 - 10.3) * (41.6 - 4.1) - (12.9 - 10.3) * (20.2 - 4.1)) / 2;
  struct Case {
    const char* name;
    Mask mask;
    double area;
    double tolerance;
  };
  const Case cases[] = {
      {"aligned rect", RectMask(size, {3, 4, 20, 10}), 200, 0},
      {"half-pixel rect", RectMask(size, {3.5, 4.5, 20, 10}), 200, 0.01},
      {"ellipse", EllipseMask(size, {30.2, 22.7}, 17.5, 11.25), std::numbers::pi * 17.5 * 11.25, 2.0},
      {"round rect", RoundRectMask(size, {4, 4, 40, 30}, 6), 40 * 30 - (4 - std::numbers::pi) * 36, 2.0},
      {"square clockwise", PolygonMask(size, clockwise), 1200, 0},
      {"square anticlockwise", PolygonMask(size, anticlockwise), 1200, 0},
      {"triangle", PolygonMask(size, triangle), triangleArea, 2.0},
      {"line", LineMask(size, {10, 10}, {50, 10}, 4), 40 * 4 + std::numbers::pi * 4, 2.0},
      {"ring", RingMask(size, {32, 24}, 15, 15, 2), std::numbers::pi * (16 * 16 - 14 * 14), 2.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(Area(c.mask), c.area, c.tolerance) << c.name;
  }
}

TEST(Shapes, EdgesAreAntiAliasedAndInteriorsSolid) {
  const Mask disc = EllipseMask({40, 40}, {20, 20}, 12.3, 12.3);
  EXPECT_FLOAT_EQ(disc.At(20, 20), 1.0f);
  EXPECT_FLOAT_EQ(disc.At(0, 0), 0.0f);
  int partial = 0;
  for (int x = 0; x < 40; ++x) partial += disc.At(x, 20) > 0 && disc.At(x, 20) < 1;
  EXPECT_EQ(partial, 2);  // one soft pixel at each side of the middle row
}

TEST(Masks, AlgebraAndMovesKeepCoverageWhereItBelongs) {
  const Size size{20, 10};
  Mask left = RectMask(size, {0, 0, 10, 10});
  const Mask right = RectMask(size, {5, 0, 15, 10});
  EXPECT_DOUBLE_EQ(Area(Mask(left).Unite(right)), 200);
  EXPECT_DOUBLE_EQ(Area(Mask(left).Intersect(right)), 50);
  EXPECT_DOUBLE_EQ(Area(Mask(left).Subtract(right)), 50);
  EXPECT_DOUBLE_EQ(Area(left.Inverted()), 100);
  const Mask moved = left.Shifted(3, 2);
  EXPECT_EQ(moved.At(2, 5), 0.0f);
  EXPECT_EQ(moved.At(3, 2), 1.0f);
  EXPECT_EQ(moved.At(12, 9), 1.0f);
  EXPECT_EQ(moved.At(13, 9), 0.0f);
  // Blurring spreads the coverage but keeps most of it (edges lose what falls outside).
  const Mask centred = RectMask({40, 40}, {10, 10, 20, 20});
  EXPECT_NEAR(Area(centred.Blurred(6)), 400, 1.0);
  EXPECT_GT(centred.Blurred(6).At(8, 20), 0.0f);
}

TEST(Compositing, SourceOverFollowsTheAlpha) {
  const Color red = Rgb(255, 0, 0), blue = Rgb(0, 0, 255);
  EXPECT_EQ(Over(blue, red), red);
  EXPECT_EQ(Over(blue, WithAlpha(red, 0)), blue);
  const Color half = Over(blue, red, 0.5f);
  EXPECT_FLOAT_EQ(half.r, 0.5f);
  EXPECT_FLOAT_EQ(half.b, 0.5f);
  EXPECT_FLOAT_EQ(half.a, 1.0f);
  // Over a transparent canvas the source keeps its colour, only its alpha is scaled.
  const Color onClear = Over({0, 0, 0, 0}, red, 0.25f);
  EXPECT_FLOAT_EQ(onClear.r, 1.0f);
  EXPECT_FLOAT_EQ(onClear.a, 0.25f);
}

// Light comes from the top-left in every picture; a sign slip here would turn it round.
TEST(Effects, LightAndShadowFallOnTheRightSides) {
  const Size size{40, 40};
  const Color grey = Rgb(128, 128, 128);
  const Mask square = RectMask(size, {10, 10, 20, 20});
  auto brightness = [](const Canvas& c, int x, int y) { return c.At(x, y).r + c.At(x, y).g + c.At(x, y).b; };
  const float base = 3 * grey.r;

  Canvas raised(size, grey);
  Bevel(raised, square, 4, Rgb(255, 255, 255, 0.8f), Rgb(0, 0, 0, 0.8f));
  EXPECT_GT(brightness(raised, 11, 20), base);      // left rim lit
  EXPECT_GT(brightness(raised, 20, 11), base);      // top rim lit
  EXPECT_LT(brightness(raised, 28, 20), base);      // right rim in shadow
  EXPECT_LT(brightness(raised, 20, 28), base);      // bottom rim in shadow
  EXPECT_FLOAT_EQ(brightness(raised, 5, 5), base);  // nothing outside the shape

  Canvas sunk(size, grey);
  Engrave(sunk, square, 4, Rgb(255, 255, 255, 0.8f), Rgb(0, 0, 0, 0.8f));
  EXPECT_LT(brightness(sunk, 11, 20), base);
  EXPECT_GT(brightness(sunk, 28, 20), base);

  Canvas shadowed(size, grey);
  DropShadow(shadowed, square, 3, 4, 2, Rgb(0, 0, 0, 0.6f));
  EXPECT_LT(brightness(shadowed, 31, 32), base);      // just past the lower-right corner
  EXPECT_FLOAT_EQ(brightness(shadowed, 8, 8), base);  // the upper-left stays clear

  Canvas lit(size, grey);
  Glow(lit, square, 6, Rgb(255, 255, 255, 0.8f));
  EXPECT_GT(brightness(lit, 7, 20), base);  // around the shape on every side
  EXPECT_GT(brightness(lit, 33, 20), base);
  EXPECT_NEAR(brightness(lit, 0, 0), base, 1e-3);
}

TEST(Textures, TiledPaintsWrapSeamlesslyAndRepeatFromTheirSeed) {
  struct Case {
    const char* name;
    Paint paint;
    Paint sameSeed;
  };
  const Case cases[] = {
      {"wood", WoodPaint({.periodX = 56, .periodY = 32}), WoodPaint({.periodX = 56, .periodY = 32})},
      {"stone", StonePaint({.periodX = 56, .periodY = 32}), StonePaint({.periodX = 56, .periodY = 32})},
  };
  for (const Case& c : cases) {
    for (double y = 0.5; y < 32; y += 3) {
      for (double x = 0.5; x < 56; x += 5) {
        const Rgb8 here = ToRgb8(c.paint(x, y));
        EXPECT_EQ(here, ToRgb8(c.paint(x + 56, y))) << c.name << " " << x << "," << y;
        EXPECT_EQ(here, ToRgb8(c.paint(x, y + 32))) << c.name << " " << x << "," << y;
        EXPECT_EQ(here, ToRgb8(c.sameSeed(x, y))) << c.name;
      }
    }
  }
  // A different seed gives a different texture.
  int differ = 0;
  const Paint a = StonePaint({.seed = 1}), b = StonePaint({.seed = 2});
  for (int i = 0; i < 50; ++i) differ += ToRgb8(a(i * 3.1, i * 1.7)) != ToRgb8(b(i * 3.1, i * 1.7));
  EXPECT_GT(differ, 25);
}

TEST(Noise, StaysInRangeAndIsContinuous) {
  const Noise noise(42);
  for (int i = 0; i < 200; ++i) {
    const double x = i * 0.37, y = i * 0.11;
    const double v = noise.Fractal(x, y, 5);
    EXPECT_GE(v, 0.0);
    EXPECT_LE(v, 1.0);
    EXPECT_NEAR(noise.Value(x, y), noise.Value(x + 1e-4, y), 1e-2);
  }
}

TEST(Palette, KeepsFewColoursExactlyAndBoundsMany) {
  Canvas few(8, 8, Rgb(10, 20, 30));
  few.FillRect({0, 0, 4, 4}, Rgb(200, 100, 0));
  const std::vector<Rgb8> small = PaletteFor(few, 256);
  ASSERT_EQ(small.size(), 2u);
  for (const auto index : MapToPalette(few, small)) EXPECT_LT(index, 2);
  EXPECT_EQ(small[NearestIndex(small, {200, 100, 0})], (Rgb8{200, 100, 0}));

  const Canvas many = Gradient(64, 64);
  const std::vector<Rgb8> palette = PaletteFor(many, 256);
  EXPECT_LE(palette.size(), 256u);
  EXPECT_GT(palette.size(), 200u);
  EXPECT_EQ(palette, PaletteFor(many, 256));  // same input, same palette
  // Every pixel finds a close colour: the palette spreads over the picture's colours.
  int worst = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const Rgb8 c = ToRgb8(many.At(x, y));
      const Rgb8 p = palette[NearestIndex(palette, c)];
      worst = std::max({worst, std::abs(p.r - c.r), std::abs(p.g - c.g), std::abs(p.b - c.b)});
    }
  }
  EXPECT_LT(worst, 48);
}

TEST(Text, MeasuresAndDrawsWhereAsked) {
  const Font font(FontFace::SerifBoldItalic, 20);
  ASSERT_TRUE(font.IsOpen());
  EXPECT_GT(font.Width("Dakto"), 0);
  EXPECT_GT(font.Width("Dakto Dakto"), font.Width("Dakto"));
  EXPECT_EQ(font.Width(""), 0);
  const Mask m = font.Render({200, 40}, "HH", 50, 5);
  double left = 0, inside = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) (x < 50 || y < 5 ? left : inside) += m.At(x, y);
  }
  EXPECT_EQ(left, 0.0);
  EXPECT_GT(inside, 20.0);
}

TEST(Text, CellHeightPicksTheLargestFontThatFits) {
  for (const int cell : {12, 18, 25}) {
    const Font font = Font::WithCellHeight(FontFace::SerifBoldItalic, cell);
    ASSERT_TRUE(font.IsOpen());
    EXPECT_LE(font.LineHeight(), cell);
    EXPECT_GT(Font(FontFace::SerifBoldItalic, font.PixelSize() + 1).LineHeight(), cell);
  }
}

}  // namespace
}  // namespace dakto::gfx
