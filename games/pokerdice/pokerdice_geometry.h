#pragma once

// Where things are on the Poker Dice screen, relative to the play area's top-left corner,
// and which picture goes where. The game's drawing and hit tests and the picture generator
// all read these tables, so a control, a bead or a die is drawn exactly where it answers.
//
// Numbering follows the game: dice, players, rods and bead places count from 1, and every
// table keeps index 0 unused so that kBeadPlaces[rod][place] reads like the rules.

#include <array>

#include "platform/geometry.h"

namespace dakto::pokerdice {

inline constexpr Size kPlayAreaSize{632, 428};

// ---- Pictures -------------------------------------------------------------------------

inline constexpr int kPalettePicture = 145;  // 4 x 4, 8 bit: its colour table is the game palette
inline constexpr Size kPalettePictureSize{4, 4};

inline constexpr int kTablePicture = 146;  // the whole room; its left 632 columns are drawn at (0, 0)
inline constexpr Size kTablePictureSize{640, 428};

inline constexpr int kTilePicture = 147;  // fills the client area around the play area
inline constexpr Size kTilePictureSize{105, 70};

inline constexpr int kFaceCount = 6;   // faces 1..6 are A, K, Q, J, 10, 9
inline constexpr int kFrameCount = 4;  // frames 1..3 fade in, frame 4 is the die at rest
inline constexpr std::array<const char*, 7> kFaceLabels = {"", "A", "K", "Q", "J", "10", "9"};

// kBigDiePictures[face][frame]. BITMAP_152 sits in the middle of the run; it is the mask.
inline constexpr std::array<std::array<int, 5>, 7> kBigDiePictures = {{
    {0, 0, 0, 0, 0},
    {0, 148, 149, 150, 151},
    {0, 153, 154, 155, 156},
    {0, 157, 158, 159, 160},
    {0, 161, 162, 163, 164},
    {0, 165, 166, 167, 168},
    {0, 169, 170, 171, 172},
}};
inline constexpr int kBigDieMask = 152;
inline constexpr Size kBigDieSize{40, 42};

// The small dice pictures are one row taller than what is copied to the screen.
inline constexpr std::array<int, 7> kSmallDiePictures = {0, 200, 201, 202, 203, 204, 205};
inline constexpr int kSmallDieMask = 206;
inline constexpr Size kSmallDiePictureSize{33, 32};
inline constexpr Size kSmallDieDrawSize{33, 31};

// kBetDigitPictures[digit], digit 0..9.
inline constexpr std::array<int, 10> kBetDigitPictures = {173, 174, 175, 176, 177, 178, 179, 180, 181, 182};
inline constexpr Size kBetDigitSize{13, 15};

inline constexpr int kBeadPicture = 211;
inline constexpr Size kBeadSize{10, 9};

// kFlamePictures[height]: 0 is the candle unlit, 3 the tallest flame.
inline constexpr std::array<int, 4> kFlamePictures = {212, 213, 214, 215};
inline constexpr Rect kRollFlamePlace{340, 226, 15, 50};

// The flame shows how many rolls are left; with two rolls the middle height is skipped.
constexpr int FlamePictureFor(int numberOfRolls, int rollsLeft) {
  if (rollsLeft <= 0) return kFlamePictures[0];
  if (numberOfRolls == 2) return rollsLeft >= 2 ? kFlamePictures[3] : kFlamePictures[1];
  return kFlamePictures[rollsLeft >= 3 ? 3 : rollsLeft];
}

// kTurnMarkerPictures[player] and where each is drawn.
inline constexpr std::array<int, 3> kTurnMarkerPictures = {0, 209, 210};
inline constexpr std::array<Rect, 3> kTurnMarkerPlaces = {
    {{0, 0, 0, 0}, {246, 39, 14, 13}, {247, 82, 13, 13}}};

inline constexpr int kOptionsPlatePicture = 183;
inline constexpr Rect kOptionsPlate{298, 126, 63, 16};

// Every picture this game loads, in resource order (BITMAP_207 and BITMAP_208 do not exist).
constexpr bool IsPokerDicePicture(int resource) {
  return resource == kPalettePicture ||
         (resource >= 146 && resource <= 215 && resource != 207 && resource != 208);
}

// ---- Places on the table --------------------------------------------------------------

inline constexpr int kDiceCount = 5;

// kBigDiePlaces[die], die 1..5, each kBigDieSize.
inline constexpr std::array<Point, 6> kBigDiePlaces = {
    {{0, 0}, {478, 203}, {424, 263}, {498, 267}, {478, 335}, {552, 311}}};

// kSmallDiePlaces[player][die], each kSmallDieDrawSize.
inline constexpr std::array<std::array<Point, 6>, 3> kSmallDiePlaces = {{
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0, 0}, {42, 341}, {84, 347}, {120, 333}, {160, 339}, {198, 327}}},
    {{{0, 0}, {22, 389}, {64, 383}, {100, 389}, {136, 395}, {172, 383}}},
}};

inline constexpr Rect kMessagePanel{402, 191, 222, 212};
inline constexpr std::array<Rect, 3> kNameAreas = {{{0, 0, 0, 0}, {260, 39, 132, 23}, {260, 81, 132, 23}}};
inline constexpr std::array<Rect, 3> kCoinAreas = {{{0, 0, 0, 0}, {250, 58, 142, 23}, {250, 100, 142, 23}}};

// ---- Text ---------------------------------------------------------------------------------

struct TextColour {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// One font for the panel, the names and the coins ("Times New Roman", height 16, weight 900).
inline constexpr int kTextHeight = 16;
inline constexpr int kTextWeight = 900;
inline constexpr TextColour kPanelTextColour{82, 70, 60};
inline constexpr TextColour kNameTextColour{247, 226, 163};

// Panel line i (0..9) has its top at kPanelFirstLineTop + i * kPanelLineStep and is centred
// in the panel's width: left = kMessagePanel.left + (kMessagePanel.width - w) / 2.
inline constexpr int kPanelLineCount = 10;
inline constexpr int kPanelFirstLineTop = 230;
inline constexpr int kPanelLineStep = 15;

// Names and coins are centred in x 260 .. 260 + 142: left = kNameTextLeft + (kNameTextWidth - w) / 2.
inline constexpr int kNameTextLeft = 260;
inline constexpr int kNameTextWidth = 142;
inline constexpr std::array<int, 3> kNameTextTops = {0, 39, 83};
inline constexpr std::array<int, 3> kCoinTextTops = {0, 59, 101};

// ---- Abacus ---------------------------------------------------------------------------------

// Rod 1 holds the units (at the right) and rod 7 the millions (at the left). Places 1 and 2
// belong to the five-bead above the beam, places 3 to 7 to the four one-beads below it.
inline constexpr int kRodCount = 7;
inline constexpr int kBeadPlaceCount = 7;

// kBeadPlaces[rod][place], each kBeadSize.
inline constexpr std::array<std::array<Point, 8>, 8> kBeadPlaces = {{
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0, 0}, {129, 246}, {129, 257}, {129, 270}, {129, 280}, {130, 290}, {131, 300}, {131, 310}}},
    {{{0, 0}, {116, 247}, {117, 258}, {117, 271}, {117, 281}, {118, 291}, {119, 301}, {119, 311}}},
    {{{0, 0}, {104, 247}, {104, 258}, {105, 272}, {105, 282}, {106, 292}, {107, 302}, {107, 312}}},
    {{{0, 0}, {91, 248}, {92, 259}, {93, 273}, {93, 283}, {94, 293}, {94, 303}, {95, 313}}},
    {{{0, 0}, {79, 249}, {80, 260}, {80, 274}, {81, 284}, {81, 294}, {81, 304}, {82, 314}}},
    {{{0, 0}, {66, 250}, {67, 261}, {67, 275}, {67, 285}, {68, 295}, {69, 305}, {69, 315}}},
    {{{0, 0}, {53, 251}, {54, 262}, {54, 276}, {54, 286}, {55, 296}, {56, 306}, {56, 316}}},
}};

// kBetDigitPlaces[rod], each kBetDigitSize, on the frame above the rods.
inline constexpr std::array<Point, 8> kBetDigitPlaces = {
    {{0, 0}, {128, 220}, {115, 221}, {102, 221}, {89, 222}, {76, 222}, {63, 223}, {50, 223}}};

// Whether a rod showing digit (0..9) has a bead at place (1..7): the five-bead rests at
// place 1 for digits up to 4 and at place 2 from 5; the one-beads leave a gap at place
// 3 + digit mod 5, so that digit mod 5 of them lie against the beam.
constexpr bool BeadAt(int digit, int place) {
  if (place == 1) return digit <= 4;
  if (place == 2) return digit >= 5;
  return place >= 3 && place <= 7 && place != 3 + digit % 5;
}

// ---- Click areas (both bounds inclusive) -------------------------------------------------

inline constexpr HitBox kRollCandle{336, 224, 361, 354};
inline constexpr HitBox kPassCandle{279, 248, 311, 412};
inline constexpr HitBox kPlayOption{486, 307, 537, 317};
inline constexpr HitBox kResetPlayersOption{447, 337, 574, 347};
inline constexpr HitBox kQuitOption{486, 367, 535, 379};
inline constexpr std::array<HitBox, 3> kNameHitBoxes = {
    {{0, 0, 0, 0}, {250, 35, 392, 58}, {250, 81, 392, 104}}};
inline constexpr HitBox kOptionsPlateHitBox{298, 126, 361, 142};

constexpr HitBox BigDieHitBox(int die) {
  const Point p = kBigDiePlaces[die];
  return {p.x, p.y, p.x + kBigDieSize.width, p.y + kBigDieSize.height};
}

constexpr HitBox BetDigitHitBox(int rod) {
  const Point p = kBetDigitPlaces[rod];
  return {p.x, p.y, p.x + kBetDigitSize.width, p.y + kBetDigitSize.height};
}

// A click at or above this row of a digit place raises the digit; below it lowers it.
constexpr int BetDigitUpperHalfLastRow(int rod) {
  return kBetDigitPlaces[rod].y + 7;
}

constexpr HitBox BeadHitBox(int rod, int place) {
  const Point p = kBeadPlaces[rod][place];
  return {p.x, p.y, p.x + kBeadSize.width, p.y + kBeadSize.height};
}

// ---- Side controls ---------------------------------------------------------------------------

// The control numbers the shell passes to DrawControl.
enum ControlNumber : int {
  kFasterControl = 2,
  kSlowerControl = 3,
  kMusicControl = 4,
  kMusicFileControl = 5,
  kSoundEffectsControl = 6,
  kHelpControl = 7,
  kAcesWildControl = 30,
  kQuitControl = 31,
};

struct SideControl {
  int k;  // the number passed to DrawControl
  const char* name;
  Rect place;      // where its pictures are drawn
  int offPicture;  // state 0: released or off
  int onPicture;   // state 1: pressed or on
  HitBox hitBox;   // where a click acts
};

inline constexpr std::array<SideControl, 8> kSideControls = {{
    {kFasterControl, "faster", {296, 148, 17, 17}, 192, 193, {296, 148, 313, 165}},
    {kSlowerControl, "slower", {330, 155, 19, 5}, 194, 195, {330, 155, 349, 160}},
    {kMusicControl, "music", {367, 148, 16, 17}, 196, 197, {367, 148, 383, 165}},
    {kMusicFileControl, "music file", {222, 188, 23, 23}, 186, 187, {222, 188, 245, 211}},
    {kSoundEffectsControl, "sound effects", {398, 150, 23, 23}, 198, 199, {398, 150, 421, 173}},
    {kHelpControl, "help", {260, 148, 13, 17}, 190, 191, {260, 148, 273, 165}},
    {kAcesWildControl, "aces wild", {222, 220, 28, 21}, 184, 185, {222, 220, 250, 241}},
    {kQuitControl, "quit", {222, 156, 27, 20}, 188, 189, {222, 156, 249, 176}},
}};

// The control with number k, or nullptr when this game has none.
constexpr const SideControl* FindSideControl(int k) {
  for (const SideControl& control : kSideControls) {
    if (control.k == k) return &control;
  }
  return nullptr;
}

}  // namespace dakto::pokerdice
