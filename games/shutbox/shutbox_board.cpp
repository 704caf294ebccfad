// Shut The Box: the board at rest — pictures, save-under copies, names, scores, pips, controls.
#include <algorithm>
#include <string>

#include "app/preferences.h"
#include "games/shutbox/shutbox_areas.h"
#include "games/shutbox/shutbox_game.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace dakto {

using namespace shutbox;

namespace {

constexpr Rgb kPipColor{kPipRed, kPipGreen, kPipBlue};

const char* const kAreaNames[kAreaCount] = {"",
                                            "box1",
                                            "box2",
                                            "box3",
                                            "box4",
                                            "box5",
                                            "box6",
                                            "box7",
                                            "box8",
                                            "box9",
                                            "name1",
                                            "score1",
                                            "name2",
                                            "score2",
                                            "arrow1",
                                            "arrow2",
                                            "gremlin",
                                            "pair-rest",
                                            "pair-flight1",
                                            "pair-flight2",
                                            "pair-landed",
                                            "single-rest",
                                            "single-flight1",
                                            "single-flight2",
                                            "single-landed"};

constexpr char kWelcomeText[] =
    "The object of Shut The Box is to try to close all\n"
    "nine boxes, so as to score the lowest number of\n"
    "points possible.  With each throw of the dice you\n"
    "may close one, two, three or four boxes, but the\n"
    "total number on the boxes you close must equal the\n"
    "total number of pips on the dice.\n\n"
    "To roll the dice click on the dice \"cup\" or press\n"
    "the spacebar.  To close a box click on the box or\n"
    "press the box number on the keyboard.\n\n"
    "Click on the \"!\" if you desire mischief!\n\n"
    "For more help, click on the question mark.\n";

// The pictures the board draws, by resource number.
bool UsedPicture(int n) {
  return (n >= 1 && n <= 7) || (n >= 10 && n <= 19) || (n >= 22 && n <= 57) || (n >= 59 && n <= 65) ||
         n == kTilePicture || (n >= 225 && n <= kGremlinPicture);
}

}  // namespace

void ShutTheBoxGame::LoadMedia() {
  for (int n = 1; n < static_cast<int>(pictures_.size()); ++n) {
    if (UsedPicture(n)) pictures_[n] = Bitmap::Load("BITMAP_" + std::to_string(n));
  }
  for (int area = 1; area < kAreaCount; ++area) {
    const Rect rect = AreaRect(area);
    saved_[area] = std::make_unique<Bitmap>(rect.width, rect.height, std::string("save:") + kAreaNames[area]);
  }
  lidFrame_ = std::make_unique<Bitmap>(kBoxSize.width, kBoxSize.height, "lid frame");
  static constexpr std::string_view kSounds[] = {
      "Dice1.wav", "Dice3.wav", "Dice4.wav", "closing2.wav", "creak.wav", "note1.wav", "note2.wav",
      "note3.wav", "note4.wav", "note5.wav", "note6.wav",    "note7.wav", "note8.wav", "laugh.wav"};
  sounds_.LoadSoundBank(kSounds);
}

const Bitmap* ShutTheBoxGame::Pic(int number) const {
  if (number < 0 || number >= static_cast<int>(pictures_.size())) return nullptr;
  return pictures_[number].get();
}

Painter ShutTheBoxGame::ScreenPainter() {
  return GetPlatform().ScreenPainter(shell_.PlayAreaOrigin());
}

// The copies hold the board as it is before anything moves over it. They come from the board
// picture itself, so that a part of the play area hidden by a small window is still right
// once the window grows.
void ShutTheBoxGame::TakeSaveUnders() {
  const Bitmap* board = Pic(kBoardPicture);
  for (int area = 1; area < kAreaCount; ++area) {
    const Rect rect = AreaRect(area);
    Painter painter(*saved_[area]);
    if (board != nullptr) {
      painter.Copy({0, 0}, *board, rect);
    } else {
      const Point origin = shell_.PlayAreaOrigin();
      painter.Copy({0, 0}, GetPlatform().Screen(),
                   Rect{rect.left + origin.x, rect.top + origin.y, rect.width, rect.height});
    }
  }
}

void ShutTheBoxGame::EraseArea(int area) {
  const Rect rect = AreaRect(area);
  ScreenPainter().Copy({rect.left, rect.top}, *saved_[area]);
}

void ShutTheBoxGame::DrawTiles() {
  const Size client = shell_.MeasuredClientSize();
  if (client.width <= kBoardSize.width && client.height <= kBoardSize.height) return;
  const Bitmap* tile = Pic(kTilePicture);
  Painter painter = GetPlatform().ScreenPainter();  // the client area's own corner
  for (int row = 0; row <= client.height / kTileSize.height; ++row) {
    for (int column = 0; column <= client.width / kTileSize.width; ++column) {
      const int x = column * kTileSize.width;
      const int y = row * kTileSize.height;
      const int width = std::min(kTileSize.width, client.width - x);
      const int height = std::min(kTileSize.height, client.height - y);
      if (width > 0 && height > 0) painter.Copy({x, y}, tile, Rect{0, 0, width, height});
    }
  }
}

void ShutTheBoxGame::PaintScreen() {
  DrawTiles();
  ScreenPainter().Copy({0, 0}, Pic(kBoardPicture));
  const PreferencesBlock& prefs = shell_.Preferences();
  if (prefs.SoundEffectsOn != 0) DrawControl(kSoundControl, 1);
  if (prefs.MusicOn != 0) DrawControl(kMusicControl, 1);
  if (prefs.GremlinOn != 0) DrawControl(kGremlinControl, 1);
  if (!firstPaintDone_) {
    TakeSaveUnders();
    firstPaintDone_ = true;
  }
  ScreenPainter().Copy(
      Player1ToMove ? Point{kTurnArrow1.left, kTurnArrow1.top} : Point{kTurnArrow2.left, kTurnArrow2.top},
      Pic(kTurnArrowPicture));
  if (GameOver) {
    DrawResult();
  } else {
    DrawNames();
    DrawBothScoreRows(false);
  }
  Painter painter = ScreenPainter();
  for (int n = 1; n <= kBoxCount; ++n) painter.Copy({BoxLeft[n], kLidTop}, Pic(kLidPicture));
  for (int n = 1; n <= kBoxCount; ++n) {
    if (BoxShut[n] || BoxInThrow[n]) painter.Copy({BoxLeft[n], kBoxTop}, Pic(kShutBoxPicture));
  }
  if (!DiceThrown) {
    Die1 = NewFace();
    Die2 = NewFace();
  }
  DrawDice();
  if (shell_.Preferences().StbShowWelcome != 0) {
    shell_.Preferences().StbShowWelcome = 0;
    ShowWelcome();
  }
}

void ShutTheBoxGame::DrawDice() {
  Painter painter = ScreenPainter();
  auto at = [](const PlacedPicture& placed) { return Point{placed.rect.left, placed.rect.top}; };
  // A finished game's dice went back to the cup; they count as thrown only so that the next cup
  // action starts a new game.
  const bool onTable = DiceThrown && !GameOver;
  if (onTable && TwoDice) {
    painter.Copy(at(kPairLanded), Pic(kPairLanded.picture));
    DrawPips(PipSet::Landed, 1);
    DrawPips(PipSet::Landed, 2);
  } else if (onTable) {
    painter.Copy(at(kSingleLanded), Pic(kSingleLanded.picture));
    DrawPips(PipSet::Landed, 2);
  } else if (TwoDice) {
    painter.Copy(at(kPairAtRest), Pic(kPairAtRest.picture));
    DrawPips(PipSet::Rest, 1);
    DrawPips(PipSet::Rest, 2);
  } else {
    painter.Copy(at(kSingleAtRest), Pic(kSingleAtRest.picture));
    DrawPips(PipSet::Rest, 2);
  }
}

void ShutTheBoxGame::DrawControl(int k, int state) {
  const SideControl* control = SideControlFor(k);
  if (control == nullptr) return;
  ScreenPainter().Copy(control->position, Pic(state != 0 ? control->onPicture : control->offPicture));
}

int ShutTheBoxGame::GlyphWidth(const std::string& text) const {
  int width = 0;
  for (char ch : text) {
    if (const Glyph* glyph = GlyphFor(ch)) width += glyph->advance;
  }
  return width;
}

void ShutTheBoxGame::DrawGlyphs(Point pen, const std::string& text, int spaceAdvance) {
  Painter painter = ScreenPainter();
  for (char ch : text) {
    if (ch == ' ') {
      pen.x += spaceAdvance;
    } else if (const Glyph* glyph = GlyphFor(ch)) {
      painter.Copy(pen, Pic(glyph->picture));
      pen.x += glyph->advance;
    }
  }
}

void ShutTheBoxGame::DrawCentred(int left, int width, int penY, const std::string& text, int spaceAdvance) {
  DrawGlyphs({CentredPenX({left, width}, GlyphWidth(text)), penY}, text, spaceAdvance);
}

void ShutTheBoxGame::DrawNames() {
  const PreferencesBlock& prefs = shell_.Preferences();
  EraseArea(kAreaNameRow1);
  DrawCentred(kNameField.left, kNameField.width, kName1PenY, NameText(prefs.Player1Name), kNameSpaceAdvance);
  EraseArea(kAreaNameRow2);
  const std::string second = prefs.StbVsComputer != 0 ? "COMPUTER" : NameText(prefs.Player2Name);
  DrawCentred(kNameField.left, kNameField.width, kName2PenY, second, kNameSpaceAdvance);
}

// Only the player to move is counted afresh: the other's turn score is the one his turn ended
// with, and must survive a repaint until the round is scored.
void ShutTheBoxGame::DrawScoreRow(int player, bool recount) {
  EraseArea(ScoreArea(player));
  if (recount) TurnScore[player] = OpenSum();
  const int penY = ScorePenY(player);
  DrawCentred(kTurnScoreField.left, kTurnScoreField.width, penY, std::to_string(TurnScore[player]), 0);
  DrawCentred(kTotalScoreField.left, kTotalScoreField.width, penY, std::to_string(TotalScore[player]), 0);
}

void ShutTheBoxGame::DrawScores() {
  DrawScoreRow(Player1ToMove ? 1 : 2, true);
}

void ShutTheBoxGame::DrawBothScoreRows(bool recountOther) {
  DrawScores();
  DrawScoreRow(Player1ToMove ? 2 : 1, recountOther);
}

void ShutTheBoxGame::DrawPips(PipSet set, int die) {
  const int face = die == 1 || !TwoDice ? Die1 : Die2;
  if (face < 1 || face > 6) return;
  const FacePips& pips = PipsFor(set, die, face);
  Painter painter = ScreenPainter();
  for (int i = 0; i < pips.count; ++i) {
    const Rect bounds{pips.pips[i].x, pips.pips[i].y, kPipSize, kPipSize};
    painter.FillEllipse(bounds, kPipColor);
    painter.OutlineEllipse(bounds, kPipColor);
  }
}

void ShutTheBoxGame::DrawTurnArrow() {
  const Rect now = Player1ToMove ? kTurnArrow1 : kTurnArrow2;
  ScreenPainter().Copy({now.left, now.top}, Pic(kTurnArrowPicture));
  EraseArea(Player1ToMove ? kAreaArrow2 : kAreaArrow1);
}

void ShutTheBoxGame::ShowWelcome() {
  ShowMessageBox(GetPlatform(), kWelcomeText, "Welcome to Shut The Box");
}

}  // namespace dakto
