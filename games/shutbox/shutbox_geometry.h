#pragma once

// Where things are on the Shut The Box screen, relative to the play area's top-left corner.
// The game's drawing and hit tests and the picture generator all read these tables, so a
// box drawn on the board and the area that answers a click are the same rectangle.
// Numbering starts at 1 for boxes, dice and faces; entry 0 of those tables is never used.

#include <array>

#include "platform/geometry.h"

namespace dakto::shutbox {

inline constexpr int kBoxCount = 9;

// Left edge of box n; the window keeps the same values for its own hit tests.
inline constexpr std::array<int, kBoxCount + 1> kBoxLeft = {0, 51, 110, 170, 229, 288, 347, 407, 466, 525};
inline constexpr int kBoxTop = 33;
inline constexpr Size kBoxSize = {56, 125};
inline constexpr int kLidTop = 136;
inline constexpr Size kLidSize = {56, 22};

constexpr Rect BoxRect(int n) {
  return {kBoxLeft[n], kBoxTop, kBoxSize.width, kBoxSize.height};
}
constexpr Rect LidRect(int n) {
  return {kBoxLeft[n], kLidTop, kLidSize.width, kLidSize.height};
}
// A click answers one pixel wider than the picture: x left..left + 56, y 33..158.
constexpr HitBox BoxHitBox(int n) {
  return {kBoxLeft[n], kBoxTop, kBoxLeft[n] + kBoxSize.width, kBoxTop + kBoxSize.height};
}

// Picture resource numbers (BITMAP_<n>).
inline constexpr int kBoardPicture = 1;
inline constexpr int kShutBoxPicture = 2;  // a shut box, 56 x 125; its top rows make the rising lid
inline constexpr int kLidPicture = 3;      // the open box's lid, 56 x 22
inline constexpr int kTurnArrowPicture = 59;
inline constexpr int kGremlinPicture = 243;
inline constexpr int kTilePicture = 140;
inline constexpr int kPalettePicture = 143;
inline constexpr Size kBoardSize = {632, 428};
inline constexpr Size kTileSize = {56, 32};

// A picture drawn at a fixed place.
struct PlacedPicture {
  Rect rect;
  int picture;
};

inline constexpr PlacedPicture kPairAtRest = {{329, 249, 52, 104}, 4};
inline constexpr PlacedPicture kPairFlight1 = {{399, 227, 90, 191}, 5};
inline constexpr PlacedPicture kPairFlight2 = {{473, 185, 134, 225}, 6};
inline constexpr PlacedPicture kPairLanded = {{465, 239, 101, 135}, 7};
inline constexpr PlacedPicture kSingleAtRest = {{341, 296, 40, 57}, 60};
inline constexpr PlacedPicture kSingleFlight1 = {{415, 304, 74, 114}, 61};
inline constexpr PlacedPicture kSingleFlight2 = {{551, 332, 56, 78}, 62};
inline constexpr PlacedPicture kSingleLanded = {{466, 299, 54, 75}, 63};
inline constexpr PlacedPicture kGremlin = {{282, 198, 73, 41}, kGremlinPicture};

// Every picture drawn at a fixed place, with the area it covers (the turn arrow at its
// first place; its second is kTurnArrow2). The game keeps copies of these areas of the
// freshly drawn board to erase them.
struct PictureArea {
  const char* name;
  PlacedPicture placed;
};
inline constexpr std::array<PictureArea, 12> kPictureAreas = {{
    {"board", {{0, 0, 632, 428}, kBoardPicture}},
    {"pair at rest", kPairAtRest},
    {"pair in flight 1", kPairFlight1},
    {"pair in flight 2", kPairFlight2},
    {"pair landed", kPairLanded},
    {"single at rest", kSingleAtRest},
    {"single in flight 1", kSingleFlight1},
    {"single in flight 2", kSingleFlight2},
    {"single landed", kSingleLanded},
    {"gremlin", kGremlin},
    {"turn arrow", {{54, 231, 22, 10}, kTurnArrowPicture}},
    {"shut box 1", {{51, 33, 56, 125}, kShutBoxPicture}},
}};

// The score board: rows 1 and 2 belong to the first player, rows 3 and 4 to the second.
inline constexpr Rect kNameRow1 = {82, 224, 184, 26};
inline constexpr Rect kScoreRow1 = {82, 250, 184, 26};
inline constexpr Rect kNameRow2 = {82, 276, 184, 26};
inline constexpr Rect kScoreRow2 = {82, 302, 184, 26};
inline constexpr Rect kScoreBoardRows = {82, 224, 184, 104};

// Text fields inside the rows, as left and width for centring, and the pen's y.
struct TextField {
  int left;
  int width;
};
inline constexpr TextField kNameField = {83, 184};
inline constexpr TextField kTurnScoreField = {100, 90};
inline constexpr TextField kTotalScoreField = {160, 90};
inline constexpr TextField kWinnerField = {83, 184};
inline constexpr int kName1PenY = 226;
inline constexpr int kName2PenY = 276;
inline constexpr int kScore1PenY = 250;
inline constexpr int kScore2PenY = 302;
inline constexpr int kWinnerPenY = 250;
inline constexpr int kMarginPenY = 276;
inline constexpr int kNameSpaceAdvance = 15;
inline constexpr int kWinnerSpaceAdvance = 19;

// A text of total advance w starts at left + (width - w) / 2, truncating toward zero.
constexpr int CentredPenX(TextField field, int w) {
  return field.left + (field.width - w) / 2;
}

inline constexpr Rect kTurnArrow1 = {54, 231, 22, 10};
inline constexpr Rect kTurnArrow2 = {54, 276, 22, 10};

// Glyph pictures, 18 pixels high, drawn with their top-left at the pen.
inline constexpr int kGlyphHeight = 18;
struct Glyph {
  char ch;
  int picture;
  int advance;
};
inline constexpr std::array<Glyph, 36> kGlyphs = {{
    {'A', 22, 17}, {'B', 23, 16}, {'C', 24, 15}, {'D', 25, 16}, {'E', 26, 14}, {'F', 27, 13},
    {'G', 28, 17}, {'H', 29, 16}, {'I', 30, 9},  {'J', 31, 14}, {'K', 32, 17}, {'L', 33, 14},
    {'M', 34, 19}, {'N', 35, 16}, {'O', 36, 16}, {'P', 37, 15}, {'Q', 38, 17}, {'R', 39, 16},
    {'S', 40, 15}, {'T', 41, 15}, {'U', 42, 15}, {'V', 43, 18}, {'W', 44, 22}, {'X', 45, 16},
    {'Y', 46, 17}, {'Z', 47, 16}, {'0', 48, 13}, {'1', 49, 11}, {'2', 50, 14}, {'3', 51, 13},
    {'4', 52, 15}, {'5', 53, 13}, {'6', 54, 13}, {'7', 55, 15}, {'8', 56, 14}, {'9', 57, 13},
}};

// The glyph of an upper-case letter or a digit; nullptr for anything else.
constexpr const Glyph* GlyphFor(char ch) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.ch == ch) return &glyph;
  }
  return nullptr;
}

// Pips: filled circles of 6 x 6 in red 60, green 61, blue 72, at their top-left corners.
inline constexpr int kPipSize = 6;
inline constexpr int kPipRed = 60;
inline constexpr int kPipGreen = 61;
inline constexpr int kPipBlue = 72;

enum class PipSet { Rest = 0, Landed = 1 };

struct FacePips {
  int count;
  std::array<Point, 6> pips;
};

// kPips[set][die][face]; the single die uses the places of die 2.
inline constexpr std::array<std::array<std::array<FacePips, 7>, 3>, 2> kPips = {{
    {{
        {},
        {{{},
          {1, {{{352, 265}}}},
          {2, {{{343, 258}, {360, 273}}}},
          {3, {{{344, 259}, {352, 267}, {361, 275}}}},
          {4, {{{345, 260}, {345, 273}, {362, 260}, {362, 273}}}},
          {5, {{{345, 260}, {345, 273}, {353, 267}, {362, 260}, {362, 273}}}},
          {6, {{{342, 259}, {342, 267}, {342, 275}, {363, 259}, {363, 267}, {363, 275}}}}}},
        {{{},
          {1, {{{356, 317}}}},
          {2, {{{348, 310}, {366, 323}}}},
          {3, {{{347, 309}, {356, 317}, {364, 325}}}},
          {4, {{{348, 310}, {348, 323}, {365, 310}, {365, 323}}}},
          {5, {{{348, 310}, {348, 323}, {356, 317}, {365, 310}, {365, 323}}}},
          {6, {{{345, 309}, {345, 317}, {345, 325}, {366, 309}, {366, 317}, {366, 325}}}}}},
    }},
    {{
        {},
        {{{},
          {1, {{{532, 257}}}},
          {2, {{{525, 249}, {540, 267}}}},
          {3, {{{526, 247}, {532, 257}, {539, 269}}}},
          {4, {{{525, 249}, {543, 251}, {522, 264}, {540, 268}}}},
          {5, {{{525, 249}, {543, 251}, {532, 257}, {522, 264}, {540, 268}}}},
          {6, {{{525, 247}, {525, 256}, {521, 263}, {544, 251}, {542, 261}, {538, 269}}}}}},
        {{{},
          {1, {{{488, 323}}}},
          {2, {{{477, 316}, {498, 326}}}},
          {3, {{{478, 316}, {488, 323}, {500, 327}}}},
          {4, {{{478, 316}, {493, 311}, {482, 330}, {498, 328}}}},
          {5, {{{477, 317}, {493, 312}, {488, 323}, {482, 333}, {499, 329}}}},
          {6, {{{477, 317}, {493, 311}, {479, 325}, {495, 318}, {481, 334}, {498, 330}}}}}},
    }},
}};

constexpr const FacePips& PipsFor(PipSet set, int die, int face) {
  return kPips[static_cast<int>(set)][die][face];
}

// The lid rising: each picture is the top rows of the shut box drawn at y.
struct LidFrame {
  int rows;
  int y;
};
inline constexpr std::array<LidFrame, 5> kLidRise = {{{22, 136}, {48, 111}, {74, 85}, {100, 59}, {125, 33}}};

// The lid falling: each picture is the open box with rows of the shut box from firstRow on
// laid over its top.
struct LidFallFrame {
  int rows;
  int firstRow;
};
inline constexpr std::array<LidFallFrame, 4> kLidFall = {{{100, 25}, {74, 51}, {48, 77}, {22, 103}}};

// The Gremlin's eyes: pair k (1..9) looks towards box k. Left and right pictures are
// BITMAP_(223 + 2k) and BITMAP_(224 + 2k).
inline constexpr Point kLeftEye = {294, 206};
inline constexpr Point kRightEye = {321, 206};
inline constexpr Size kEyeSize = {16, 12};
constexpr int LeftEyePicture(int k) {
  return 223 + 2 * k;
}
constexpr int RightEyePicture(int k) {
  return 224 + 2 * k;
}

// Side controls that the game draws, by the shell's control number.
inline constexpr int kFasterControl = 2;
inline constexpr int kSlowerControl = 3;
inline constexpr int kMusicControl = 4;
inline constexpr int kMusicFileControl = 5;
inline constexpr int kSoundControl = 6;
inline constexpr int kGremlinControl = 13;

struct SideControl {
  int k;
  Point position;
  Size size;
  int offPicture;  // state 0: released or off; the board shows this one
  int onPicture;   // state 1: pressed or on
};
inline constexpr std::array<SideControl, 6> kSideControls = {{
    {kFasterControl, {95, 362}, {19, 19}, 10, 11},
    {kSlowerControl, {133, 369}, {19, 5}, 12, 13},
    {kMusicControl, {172, 363}, {16, 23}, 14, 15},
    {kMusicFileControl, {207, 360}, {23, 23}, 16, 17},
    {kSoundControl, {245, 360}, {23, 23}, 18, 19},
    {kGremlinControl, {359, 360}, {6, 23}, 64, 65},
}};

// The control numbered k, or nullptr: any other k draws nothing.
constexpr const SideControl* SideControlFor(int k) {
  for (const SideControl& control : kSideControls) {
    if (control.k == k) return &control;
  }
  return nullptr;
}

constexpr Rect ControlRect(const SideControl& control) {
  return {control.position.x, control.position.y, control.size.width, control.size.height};
}

// Click areas, both bounds inclusive.
inline constexpr HitBox kDiceCupHit = {300, 242, 408, 348};
inline constexpr HitBox kOneDieHit = {316, 362, 339, 383};
inline constexpr HitBox kGremlinControlHit = {359, 360, 372, 383};
inline constexpr HitBox kName1Hit = {91, 225, 266, 243};
inline constexpr HitBox kName2Hit = {91, 275, 266, 293};
// The shell's side controls on this screen.
inline constexpr HitBox kQuitHit = {52, 361, 79, 381};
inline constexpr HitBox kFasterHit = {95, 362, 114, 381};
inline constexpr HitBox kSlowerHit = {133, 369, 152, 374};
inline constexpr HitBox kMusicHit = {172, 363, 188, 386};
inline constexpr HitBox kMusicFileHit = {207, 360, 230, 383};
inline constexpr HitBox kSoundHit = {245, 360, 268, 383};
inline constexpr HitBox kHelpHit = {285, 360, 298, 383};

}  // namespace dakto::shutbox
