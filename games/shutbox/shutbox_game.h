#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/game_shell.h"
#include "games/shutbox/shutbox_geometry.h"
#include "games/shutbox/shutbox_rules.h"
#include "media/sound_bank.h"
#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "platform/painter.h"

namespace dakto {

class Platform;

// Shut The Box: nine boxes, two dice (one once 7, 8 and 9 are shut), rounds of one turn each
// until a total reaches 100; the lower total wins. The second seat is a person or the computer.
//
// The window creates it when the game is picked, hands it every click, key and paint of its
// screen, and deletes it when the player leaves. Every operation runs to its end inside the
// call, animations and the computer's whole turn included. Positions are play-area positions.
class ShutTheBoxGame {
 public:
  explicit ShutTheBoxGame(GameShell& shell);
  ~ShutTheBoxGame();
  ShutTheBoxGame(const ShutTheBoxGame&) = delete;
  ShutTheBoxGame& operator=(const ShutTheBoxGame&) = delete;

  // The whole screen: tiles outside the play area, the board, the boxes, scores and dice.
  void PaintScreen();
  // Side control k drawn pressed or on (1), released or off (0): 2 faster, 3 slower, 4 music,
  // 5 music file, 6 sound effects, 13 Gremlin. Any other k draws nothing.
  void DrawControl(int k, int state);

  // The box action (a click on box n, or the digit key n): shuts the box when the throw can
  // still be completed with it, or re-opens a box shut in this throw. Anything else is ignored.
  void ToggleBox(int n);
  // The cup action (a click on the cup, or the space bar): throws, ends the turn when nothing
  // can be shut, or starts the next game once one has ended.
  void ThrowOrEndTurn();
  // Switches to one die when boxes 7, 8 and 9 are shut and the dice are in the cup.
  void UseOneDie();
  // Abandons the game and starts afresh with the first player (after an option changed).
  void NewGame();
  // True when the dice on the table leave nothing to shut; each such answer stirs the Gremlin.
  bool NoMoveLeft();
  // The computer's whole turn in the second seat.
  void ComputerTurn();
  // Enters a winning margin in the Shut The Box top scores.
  void InsertTopScore(const std::string& name, std::int32_t score);
  void ShowStbTopScores();
  // The two names on the score board.
  void DrawNames();

  // Which box a play-area point hits: 1 to 9, or 0 for none. Both edges of a box count.
  static int BoxAt(Point point);

  // The state of the game, numbered from 1 like the boxes and the players.
  std::array<bool, 10> BoxShut{};
  std::array<bool, 10> BoxInThrow{};
  bool DiceThrown = false;
  bool TwoDice = true;
  int Die1 = 1;
  int Die2 = 1;
  bool Player1ToMove = true;
  bool GameOver = false;
  std::array<std::int32_t, 3> TurnScore{};
  std::array<std::int32_t, 3> TotalScore{};
  std::int32_t GremlinOdds = 6;
  std::array<int, 10> BoxLeft{};

 private:
  // Sound slots, in the order the bank loads them.
  enum SoundSlot : std::size_t { kDice1, kDice3, kDice4, kClosing, kCreak, kNote1, kLaugh = kNote1 + 8 };

  Painter ScreenPainter();
  const Bitmap* Pic(int number) const;
  Platform& GetPlatform() const;
  std::int32_t Delay() const;
  void Wait(std::int32_t ms);
  std::uint32_t RandomBelow(std::uint32_t n);
  int NewFace() { return static_cast<int>(RandomBelow(6)) + 1; }

  // Rules (shutbox_rules.cpp).
  int DiceTotal() const { return TwoDice ? Die1 + Die2 : Die1; }
  shutbox::BoxSet OpenBoxes() const;
  int ThrowSum() const;
  int OpenSum() const;
  bool CanShut(int n) const;
  void CompleteThrow();
  void EndTurn();
  void EndGame();
  void GremlinStrike();
  void GremlinToggle(int box);

  // Board (shutbox_board.cpp).
  void LoadMedia();
  void TakeSaveUnders();
  void EraseArea(int area);
  void DrawTiles();
  void DrawScoreRow(int player, bool recount);
  void DrawScores();
  void DrawBothScoreRows(bool recountOther);
  void DrawPips(shutbox::PipSet set, int die);
  int GlyphWidth(const std::string& text) const;
  void DrawGlyphs(Point pen, const std::string& text, int spaceAdvance);
  void DrawCentred(int left, int width, int penY, const std::string& text, int spaceAdvance);
  void DrawTurnArrow();
  void DrawDice();
  void ShowWelcome();

  // Animations (shutbox_animation.cpp).
  void ThrowAnimation();
  void ReturnDice();
  void UseTwoDice();
  void ShowOneDie();
  void LidRises(int n, std::int32_t wait);
  void LidFalls(int n, std::int32_t wait);
  void DrawFallingLid(int n, int rows, int firstRow);
  void OpenAllBoxes();
  void ShowGremlin(int target);
  void ShowWinner(const std::string& result, std::int32_t margin);
  void BlinkMargin(std::int32_t margin);
  void DrawResult();

  GameShell& shell_;
  SoundBank sounds_;
  bool firstPaintDone_ = false;
  // Pictures by resource number; nullptr where one is missing.
  std::array<std::unique_ptr<Bitmap>, 244> pictures_;
  // Off-screen copies of the board under everything that an animation draws over.
  std::array<std::unique_ptr<Bitmap>, 32> saved_;
  // Where a falling lid is put together before it goes on the screen.
  std::unique_ptr<Bitmap> lidFrame_;
  // The last game's result, shown until the next game starts.
  std::string resultText_;
  std::int32_t resultMargin_ = 0;
};

}  // namespace dakto
