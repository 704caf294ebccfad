#pragma once

// Where things are on the 10,000 screen, relative to the play area's top-left corner.
// The game's hit tests and the picture generator both read these tables, so a pane
// drawn on the board and the area that answers a click are the same shape.

#include <array>
#include <span>

#include "platform/geometry.h"

namespace dakto::tenthou {

// The twelve window panes as closed polygons, filled with the winding rule.
inline constexpr Point kStraightPane[] = {{151, 38},  {151, 38},  {245, 38},  {245, 46},  {244, 47},  {244, 56},
                                          {243, 56},  {243, 60},  {242, 60},  {242, 62},  {241, 62},  {241, 65},
                                          {240, 66},  {239, 68},  {238, 71},  {231, 78},  {229, 79},  {228, 80},
                                          {226, 81},  {219, 82},  {210, 83},  {165, 83},  {153, 82},  {152, 76}};
inline constexpr Point kPane3Pairs[] = {{253, 38}, {253, 38}, {345, 38}, {345, 43}, {344, 50}, {343, 54}, {342, 57},
                                        {341, 60}, {339, 64}, {338, 66}, {337, 69}, {336, 70}, {332, 75}, {329, 77},
                                        {304, 77}, {293, 77}, {282, 75}, {272, 74}, {266, 74}, {258, 76}, {249, 80},
                                        {244, 82}, {240, 82}, {246, 74}, {249, 67}, {251, 51}, {253, 50}};
inline constexpr Point kPane111[] = {{353, 38}, {353, 38}, {423, 38}, {424, 62}, {425, 74}, {414, 71}, {394, 68},
                                     {374, 68}, {339, 77}, {339, 76}, {343, 70}, {348, 58}, {351, 48}};
inline constexpr Point kPane666[] = {{431, 38}, {431, 38}, {494, 38}, {492, 82}, {476, 81},
                                     {462, 80}, {451, 79}, {439, 78}, {433, 76}};
inline constexpr Point kPane555[] = {{153, 89},  {153, 89},  {161, 90},  {171, 91},  {188, 92},  {201, 91},
                                     {210, 90},  {224, 89},  {228, 90},  {229, 94},  {230, 102}, {230, 125},
                                     {229, 127}, {224, 127}, {215, 126}, {208, 125}, {197, 124}, {186, 125},
                                     {181, 126}, {172, 129}, {164, 132}, {154, 138}, {153, 119}};
inline constexpr Point kPane444[] = {{237, 90},  {244, 90},  {260, 82},  {274, 82},  {283, 83},  {291, 84},
                                     {296, 85},  {312, 86},  {316, 99},  {316, 109}, {309, 119}, {297, 122},
                                     {282, 124}, {269, 125}, {245, 126}, {238, 126}};
inline constexpr Point kPane333[] = {{320, 85},  {334, 84},  {378, 75},  {389, 75},  {396, 76}, {400, 113},
                                     {391, 118}, {371, 118}, {358, 115}, {322, 112}, {320, 100}};
inline constexpr Point kPane222[] = {{402, 77},  {427, 80},  {432, 84},  {439, 86},  {450, 87},  {460, 88},
                                     {492, 89},  {491, 126}, {451, 114}, {408, 115}, {407, 103}, {404, 87}};
inline constexpr Point kPane1[] = {{155, 144}, {185, 132}, {206, 132}, {211, 133}, {211, 155}, {206, 175}, {155, 175}};
inline constexpr Point kPane5[] = {{218, 134}, {280, 130}, {285, 150}, {280, 175}, {211, 175}, {217, 153}};
inline constexpr Point kRollPane[] = {{287, 129}, {304, 126}, {316, 123}, {319, 122}, {320, 120},
                                      {338, 120}, {372, 125}, {372, 126}, {389, 126}, {402, 122},
                                      {407, 122}, {402, 150}, {406, 175}, {286, 175}, {290, 150}};
inline constexpr Point kPassPane[] = {{412, 121}, {450, 120}, {490, 132}, {489, 175},
                                      {412, 176}, {409, 160}, {409, 141}};

struct PaneOutline {
  int region;  // index in the window's pane regions, 10 to 21
  int pane;    // the pane's number in the rules, 15 to 27
  const char* label;
  std::span<const Point> points;
};

// In region order, which is also the order in which clicks are tested.
inline constexpr std::array<PaneOutline, 12> kPaneOutlines = {{
    {10, 15, "Straight", kStraightPane},
    {11, 16, "3 Pairs", kPane3Pairs},
    {12, 17, "111", kPane111},
    {13, 18, "666", kPane666},
    {14, 19, "555", kPane555},
    {15, 20, "444", kPane444},
    {16, 21, "333", kPane333},
    {17, 22, "222", kPane222},
    {18, 23, "1", kPane1},
    {19, 24, "5", kPane5},
    {20, 26, "Roll", kRollPane},
    {21, 27, "Pass", kPassPane},
}};


// ---------------------------------------------------------------------------------------
// The board and the pictures drawn over it.

inline constexpr Size kBoardSize = {632, 428};
inline constexpr int kBoardBitmap = 66;
inline constexpr int kTileBitmap = 141;  // fills the client area around the board
inline constexpr Size kTileSize = {115, 90};
inline constexpr int kPaletteBitmap = 144;  // 4 x 4, only its colour table is used
inline constexpr Size kPaletteSourceSize = {4, 4};

// The message panel covers the whole window, panes and leads.
inline constexpr int kPanelBitmap = 142;
inline constexpr Rect kPanelRect = {147, 34, 351, 145};
inline constexpr int kPanelLineX = 147;  // lines are centred on the panel's width
inline constexpr int kPanelFirstLineY = 55;
inline constexpr int kPanelLineStep = 15;
inline constexpr int kPanelMaxLines = 6;

// The options written on the last line of the opening and end-of-game panels.
inline constexpr HitBox kPanelPlay = {196, 131, 248, 141};
inline constexpr HitBox kPanelResetPlayers = {261, 131, 385, 141};
inline constexpr HitBox kPanelQuit = {398, 131, 447, 144};

// Score digits 0 to 9 are BITMAP_67 to BITMAP_76; a number is written one step per digit.
inline constexpr int kFirstDigitBitmap = 67;
inline constexpr Size kDigitSize = {11, 12};
inline constexpr int kDigitStep = 11;

inline constexpr int kTurnArrowBitmap = 115;
inline constexpr Size kTurnArrowSize = {13, 12};

// ---------------------------------------------------------------------------------------
// The two seats: 0 is player 1, 1 is the second seat (a person or the computer).

// A score is centred in a span: first digit x = left + (span - 11 n) / 2 for n digits.
struct ScorePlace {
  int left;
  int span;
  int top;
  constexpr int FirstDigitX(int digitCount) const { return left + (span - kDigitStep * digitCount) / 2; }
};

struct SeatPlaces {
  Rect turnBox;   // erased before the turn score is written
  Rect totalBox;  // erased before the total score is written
  ScorePlace turnScore;
  ScorePlace totalScore;
  Rect namePlate;  // erased before the name and the star are written
  int nameLeft;    // the name is centred: x = nameLeft + (nameSpan - width) / 2
  int nameSpan;
  int nameTop;
  Point star;       // "*" for the player who began this game
  HitBox plateHit;  // a click here opens the player options
  Rect arrowPlace;  // where the turn arrow stands while this seat is to move
};

inline constexpr std::array<SeatPlaces, 2> kSeats = {{
    {{302, 244, 92, 20},
     {302, 280, 92, 20},
     {312, 72, 249},
     {305, 90, 283},
     {299, 321, 97, 33},
     299,
     98,
     332,
     {386, 321},
     {299, 321, 396, 354},
     {295, 265, 13, 12}},
    {{447, 295, 97, 23},
     {447, 334, 97, 23},
     {457, 77, 300},
     {449, 90, 339},
     {447, 373, 103, 36},
     447,
     103,
     387,
     {540, 375},
     {447, 373, 550, 409},
     {439, 319, 13, 12}},
}};

// ---------------------------------------------------------------------------------------
// Dice. Die i (1 to 6) flies along four frames and rests in frame 4. Frame 1 is edge-on
// and carries no pips; the pip base places the pip grid inside frames 2 to 4.

inline constexpr int kDiceCount = 6;
inline constexpr int kFrameCount = 4;
inline constexpr int kRestFrame = 4;

struct DieFrame {
  int bitmap;
  Rect rect;      // where the frame is drawn, and its picture's size
  Point pipBase;  // offset of the pip grid inside the frame; unused in frame 1
};

// Indexed [die - 1][frame - 1].
inline constexpr std::array<std::array<DieFrame, kFrameCount>, kDiceCount> kDieFrames = {{
    {{{79, {203, 262, 28, 7}, {0, 0}},
      {80, {201, 248, 31, 26}, {5, 2}},
      {81, {199, 240, 33, 34}, {6, 2}},
      {82, {197, 231, 35, 42}, {8, 2}}}},
    {{{83, {135, 285, 30, 11}, {0, 0}},
      {84, {132, 276, 33, 23}, {5, 2}},
      {85, {127, 267, 38, 34}, {10, 2}},
      {86, {125, 258, 40, 43}, {12, 1}}}},
    {{{87, {194, 311, 31, 12}, {0, 0}},
      {88, {192, 302, 33, 25}, {5, 2}},
      {89, {190, 292, 35, 37}, {6, 3}},
      {90, {187, 283, 38, 46}, {9, 3}}}},
    {{{91, {95, 355, 29, 6}, {0, 0}},
      {92, {91, 345, 35, 23}, {6, 2}},
      {93, {87, 336, 39, 35}, {9, 2}},
      {94, {82, 326, 44, 46}, {14, 2}}}},
    {{{95, {144, 343, 31, 9}, {0, 0}},
      {96, {142, 333, 33, 24}, {4, 2}},
      {97, {137, 323, 38, 37}, {9, 3}},
      {98, {133, 314, 42, 47}, {12, 2}}}},
    {{{99, {208, 374, 31, 9}, {0, 0}},
      {100, {206, 364, 34, 26}, {4, 3}},
      {101, {203, 355, 37, 38}, {7, 2}},
      {102, {201, 345, 39, 49}, {9, 2}}}},
}};

constexpr const DieFrame& DieFrameOf(int die, int frame) {
  return kDieFrames[die - 1][frame - 1];
}
constexpr Rect RestPlace(int die) {
  return DieFrameOf(die, kRestFrame).rect;
}

// The seven places a pip can take on a face, as offsets from the pip base.
enum class PipPlace { M, A, B, D, E, F, G };

inline constexpr Point PipOffset(PipPlace place) {
  switch (place) {
    case PipPlace::M:
      return {9, 12};
    case PipPlace::A:
      return {2, 2};
    case PipPlace::B:
      return {16, 22};
    case PipPlace::D:
      return {19, 5};
    case PipPlace::E:
      return {0, 21};
    case PipPlace::F:
      return {1, 11};
    case PipPlace::G:
      return {17, 14};
  }
  return {0, 0};
}

// The pips of face v (1 to 6) are the first v entries of kFacePips[v], in drawing order.
inline constexpr std::array<std::array<PipPlace, 6>, 7> kFacePips = {{
    {},
    {PipPlace::M},
    {PipPlace::A, PipPlace::B},
    {PipPlace::M, PipPlace::A, PipPlace::B},
    {PipPlace::A, PipPlace::B, PipPlace::D, PipPlace::E},
    {PipPlace::M, PipPlace::A, PipPlace::B, PipPlace::D, PipPlace::E},
    {PipPlace::A, PipPlace::B, PipPlace::D, PipPlace::E, PipPlace::F, PipPlace::G},
}};

// Frame 2 shows the face too flat for its lower corners.
constexpr bool PipShownInFrame(PipPlace place, int frame) {
  if (frame < 2) return false;
  return frame > 2 || (place != PipPlace::B && place != PipPlace::E);
}

// A pip is a 7 x 7 ellipse with a lighter 4 x 4 centre one pixel in.
inline constexpr int kPipSize = 7;
inline constexpr int kPipCentreInset = 1;
inline constexpr int kPipCentreSize = 4;
struct PipColour {
  int r;
  int g;
  int b;
};
inline constexpr PipColour kPipRim = {102, 115, 116};
inline constexpr PipColour kPipCentre = {252, 216, 165};

// Top-left corner of the pip's 7 x 7 square on the board.
constexpr Point PipCorner(int die, int frame, PipPlace place) {
  const DieFrame& f = DieFrameOf(die, frame);
  const Point offset = PipOffset(place);
  return {f.rect.left + f.pipBase.x + offset.x, f.rect.top + f.pipBase.y + offset.y};
}

// ---------------------------------------------------------------------------------------
// Panes: the label pictures drawn over each pane, normal and highlighted, in region order.

struct PaneLabel {
  int pane;
  const char* label;
  int normalBitmap;
  int highlightedBitmap;
  Rect rect;
  int region;
};

inline constexpr std::array<PaneLabel, 12> kPaneLabels = {{
    {15, "Straight", 128, 116, {154, 44, 81, 26}, 10},
    {16, "3 Pairs", 129, 117, {258, 47, 72, 19}, 11},
    {17, "111", 130, 118, {374, 46, 24, 16}, 12},
    {18, "666", 131, 119, {444, 52, 37, 16}, 13},
    {19, "555", 132, 120, {177, 100, 31, 17}, 14},
    {20, "444", 133, 121, {256, 95, 40, 16}, 15},
    {21, "333", 134, 122, {351, 91, 28, 17}, 16},
    {22, "222", 135, 123, {431, 93, 33, 16}, 17},
    {23, "1", 136, 124, {179, 149, 7, 15}, 18},
    {24, "5", 137, 125, {245, 147, 11, 17}, 19},
    {26, "Roll", 138, 126, {327, 140, 42, 22}, 20},
    {27, "Pass", 139, 127, {424, 144, 50, 19}, 21},
}};

inline constexpr int kFirstPaneRegion = 10;
inline constexpr int kLastPaneRegion = 21;
inline constexpr int kLastScoringRegion = 19;  // regions 20 and 21 are Roll and Pass

constexpr const PaneLabel* PaneLabelOf(int pane) {
  for (const PaneLabel& p : kPaneLabels) {
    if (p.pane == pane) return &p;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------------------
// Side controls in the column at the left edge. Controls 2 to 6 have pictures for off (or
// released) and on (or pressed); the return arrow and the help mark are part of the board.

struct SideControl {
  int k;  // the control number the shell passes to DrawControl
  const char* name;
  int offBitmap;
  int onBitmap;
  Rect rect;
};

inline constexpr std::array<SideControl, 5> kSideControls = {{
    {2, "faster", 103, 104, {8, 193, 19, 19}},
    {3, "slower", 105, 106, {8, 229, 19, 5}},
    {4, "music", 107, 108, {8, 251, 16, 23}},
    {5, "music file", 109, 110, {8, 293, 23, 23}},
    {6, "sound effects", 111, 112, {8, 333, 23, 23}},
}};

constexpr const SideControl* SideControlOf(int k) {
  for (const SideControl& c : kSideControls) {
    if (c.k == k) return &c;
  }
  return nullptr;
}

// Click areas of the column, in the order the shell tests them.
inline constexpr HitBox kQuitHit = {8, 156, 35, 175};
inline constexpr HitBox kFasterHit = {8, 193, 27, 212};
inline constexpr HitBox kSlowerHit = {8, 229, 27, 234};
inline constexpr HitBox kMusicHit = {8, 251, 24, 274};
inline constexpr HitBox kMusicFileHit = {8, 293, 31, 316};
inline constexpr HitBox kSoundEffectsHit = {8, 333, 31, 356};
inline constexpr HitBox kHelpHit = {8, 373, 21, 396};

}  // namespace dakto::tenthou
