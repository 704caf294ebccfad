// Shut The Box: what moves — dice thrown and returned, lids rising and falling, the Gremlin and
// the winner. Every frame is a copy of a small rectangle; erasing uses the board's copies.
#include <string>

#include "games/shutbox/shutbox_areas.h"
#include "games/shutbox/shutbox_game.h"
#include "platform/platform.h"

namespace dakto {

using namespace shutbox;

namespace {

constexpr std::int32_t kGremlinStepMs = 100;
constexpr std::int32_t kNoteMs = 100;
constexpr std::int32_t kMarginDigitMs = 200;
constexpr int kMarginShowings = 4;

constexpr Point TopLeft(const PlacedPicture& placed) {
  return {placed.rect.left, placed.rect.top};
}

}  // namespace

void ShutTheBoxGame::ThrowAnimation() {
  Painter painter = ScreenPainter();
  const std::int32_t wait = Delay();
  const bool two = TwoDice;
  const PlacedPicture& frame1 = two ? kPairFlight1 : kSingleFlight1;
  const PlacedPicture& frame2 = two ? kPairFlight2 : kSingleFlight2;
  const PlacedPicture& landed = two ? kPairLanded : kSingleLanded;
  sounds_.PlaySoundEffect(kDice1);
  EraseArea(two ? kAreaPairRest : kAreaSingleRest);
  painter.Copy(TopLeft(frame1), Pic(frame1.picture));
  Wait(wait);
  EraseArea(two ? kAreaPairFlight1 : kAreaSingleFlight1);
  sounds_.PlaySoundEffect(kDice3);
  painter.Copy(TopLeft(frame2), Pic(frame2.picture));
  Wait(wait);
  EraseArea(two ? kAreaPairFlight2 : kAreaSingleFlight2);
  sounds_.PlaySoundEffect(kDice4);
  painter.Copy(TopLeft(landed), Pic(landed.picture));
  Die1 = NewFace();
  if (two) {
    Die2 = NewFace();
    DrawPips(PipSet::Landed, 1);
  }
  DrawPips(PipSet::Landed, 2);
}

void ShutTheBoxGame::ReturnDice() {
  Painter painter = ScreenPainter();
  if (TwoDice) {
    EraseArea(kAreaPairLanded);
    painter.Copy(TopLeft(kPairAtRest), Pic(kPairAtRest.picture));
    Die1 = NewFace();
    Die2 = NewFace();
    DrawPips(PipSet::Rest, 1);
    DrawPips(PipSet::Rest, 2);
  } else {
    // The single die rests showing the face it landed on.
    EraseArea(kAreaSingleLanded);
    painter.Copy(TopLeft(kSingleAtRest), Pic(kSingleAtRest.picture));
    DrawPips(PipSet::Rest, 2);
  }
  // With every box shut nothing is left to throw: the dice count as lying on the table, and the
  // next cup action ends the turn.
  DiceThrown = OpenSum() == 0;
}

void ShutTheBoxGame::UseTwoDice() {
  EraseArea(DiceThrown ? kAreaSingleLanded : kAreaSingleRest);
}

void ShutTheBoxGame::ShowOneDie() {
  EraseArea(kAreaPairRest);
  ScreenPainter().Copy(TopLeft(kSingleAtRest), Pic(kSingleAtRest.picture));
  DrawPips(PipSet::Rest, 2);
}

void ShutTheBoxGame::LidRises(int n, std::int32_t wait) {
  Painter painter = ScreenPainter();
  for (std::size_t i = 0; i < kLidRise.size(); ++i) {
    if (i > 0) Wait(wait);
    painter.Copy({BoxLeft[n], kLidRise[i].y}, Pic(kShutBoxPicture),
                 Rect{0, 0, kBoxSize.width, kLidRise[i].rows});
  }
}

// One picture of a falling lid: the open box with the lid's top rows laid over it from firstRow.
void ShutTheBoxGame::DrawFallingLid(int n, int rows, int firstRow) {
  Painter frame(*lidFrame_);
  frame.Copy({0, 0}, *saved_[n]);
  frame.Copy({0, firstRow}, Pic(kShutBoxPicture), Rect{0, 0, kBoxSize.width, rows});
  ScreenPainter().Copy({BoxLeft[n], kBoxTop}, *lidFrame_);
}

void ShutTheBoxGame::LidFalls(int n, std::int32_t wait) {
  for (std::size_t i = 0; i < kLidFall.size(); ++i) {
    if (i > 0) Wait(wait);
    DrawFallingLid(n, kLidFall[i].rows, kLidFall[i].firstRow);
  }
  ScreenPainter().Copy({BoxLeft[n], kLidTop}, Pic(kLidPicture));
}

void ShutTheBoxGame::OpenAllBoxes() {
  sounds_.PlaySoundEffect(kClosing);
  // Every box plays the last three pictures of a falling lid, shut or not.
  for (std::size_t i = 1; i < kLidFall.size(); ++i) {
    for (int n = 1; n <= kBoxCount; ++n) DrawFallingLid(n, kLidFall[i].rows, kLidFall[i].firstRow);
    Wait(Delay() + 5);
  }
  Painter painter = ScreenPainter();
  for (int n = 1; n <= kBoxCount; ++n) painter.Copy({BoxLeft[n], kLidTop}, Pic(kLidPicture));
  sounds_.StopSoundEffect();
}

void ShutTheBoxGame::ShowGremlin(int target) {
  Painter painter = ScreenPainter();
  auto eyes = [&](int k) {
    painter.Copy(kLeftEye, Pic(LeftEyePicture(k)));
    painter.Copy(kRightEye, Pic(RightEyePicture(k)));
    Wait(kGremlinStepMs);
  };
  painter.Copy(TopLeft(kGremlin), Pic(kGremlin.picture));
  // It wakes looking at the middle, looks left along the boxes, sweeps right to the end, and
  // comes back to the box it means to play with.
  eyes(5);
  for (int k = 5; k >= 1; --k) eyes(k);
  for (int k = 2; k <= 9; ++k) eyes(k);
  for (int k = 9; k >= target; --k) eyes(k);
  sounds_.PlaySoundEffectAndWait(kLaugh);
  GremlinToggle(target);
  EraseArea(kAreaGremlin);
}

void ShutTheBoxGame::ShowWinner(const std::string& result, std::int32_t margin) {
  for (int area : {kAreaNameRow1, kAreaScoreRow1, kAreaNameRow2, kAreaScoreRow2}) EraseArea(area);
  const int n = static_cast<int>(result.size());
  Point pen{CentredPenX(kWinnerField, GlyphWidth(result)), kWinnerPenY};
  const bool soundOn = shell_.Preferences().SoundEffectsOn != 0;
  // A short name is led in by the first notes, so that its last letter always sounds the top one.
  if (soundOn && n < 8) {
    for (int note = 1; note <= 8 - n; ++note) {
      sounds_.PlaySoundEffect(kNote1 + note - 1);
      Wait(kNoteMs);
    }
  }
  Painter painter = ScreenPainter();
  for (int j = 0; j < n; ++j) {
    const char ch = result[j];
    if (ch == ' ') {
      pen.x += kWinnerSpaceAdvance;
      continue;
    }
    if (ch < 'A' || ch > 'Z') continue;
    const int note = 9 - n + j;
    if (note >= 1 && note <= 8) sounds_.PlaySoundEffect(kNote1 + note - 1);
    Wait(kNoteMs);
    const Glyph* glyph = GlyphFor(ch);
    painter.Copy(pen, Pic(glyph->picture));
    pen.x += glyph->advance;
  }
  BlinkMargin(margin);
}

// The result as the winner display leaves it, drawn at once: a paint while the game is over
// (the top-score box opening over the board, say) keeps showing who won.
void ShutTheBoxGame::DrawResult() {
  for (int area : {kAreaNameRow1, kAreaScoreRow1, kAreaNameRow2, kAreaScoreRow2}) EraseArea(area);
  DrawGlyphs({CentredPenX(kWinnerField, GlyphWidth(resultText_)), kWinnerPenY}, resultText_,
             kWinnerSpaceAdvance);
  DrawCentred(kWinnerField.left, kWinnerField.width, kMarginPenY, std::to_string(resultMargin_), 0);
}

void ShutTheBoxGame::BlinkMargin(std::int32_t margin) {
  const std::string digits = std::to_string(margin);
  const int left = CentredPenX(kWinnerField, GlyphWidth(digits));
  Painter painter = ScreenPainter();
  for (int showing = 1; showing <= kMarginShowings; ++showing) {
    Point pen{left, kMarginPenY};
    for (char ch : digits) {
      if (const Glyph* glyph = GlyphFor(ch)) {
        painter.Copy(pen, Pic(glyph->picture));
        pen.x += glyph->advance;
      }
      Wait(kMarginDigitMs);
    }
    if (showing < kMarginShowings) EraseArea(kAreaNameRow2);
    Wait(kMarginDigitMs);
  }
}

}  // namespace dakto
