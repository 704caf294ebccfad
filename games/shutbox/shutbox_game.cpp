// Shut The Box: construction and the flow of throws, turns, rounds and games.
#include "games/shutbox/shutbox_game.h"

#include <algorithm>

#include "app/preferences.h"
#include "app/score_tables.h"
#include "games/shutbox/shutbox_geometry.h"
#include "media/busy_delay.h"
#include "platform/platform.h"

namespace dakto {

using shutbox::BoxSet;

ShutTheBoxGame::ShutTheBoxGame(GameShell& shell)
    : shell_(shell), sounds_(shell.GetPlatform(), shell.Preferences().SoundEffectsOn) {
  // A fresh sequence, so that two games started in the same second throw different dice.
  GetPlatform().Reseed();
  RandomBelow(1);
  RandomBelow(1);
  GremlinOdds = 6 + static_cast<std::int32_t>(RandomBelow(5));
  for (int n = 1; n <= 9; ++n) BoxLeft[n] = shutbox::kBoxLeft[n];
  // Every box is open, so both players start at 45 (the first paint counts them again).
  TurnScore = {0, 45, 45};
  LoadMedia();
}

ShutTheBoxGame::~ShutTheBoxGame() = default;

Platform& ShutTheBoxGame::GetPlatform() const {
  return shell_.GetPlatform();
}

std::int32_t ShutTheBoxGame::Delay() const {
  return shell_.Preferences().StbDelay;
}

void ShutTheBoxGame::Wait(std::int32_t ms) {
  BusyDelay(GetPlatform(), ms);
}

// r mod n for a fresh r; a bound below 1 (odds set by hand) still draws, and gives 0.
std::uint32_t ShutTheBoxGame::RandomBelow(std::uint32_t n) {
  const std::uint32_t r = GetPlatform().Random();
  return n == 0 ? 0 : r % n;
}

BoxSet ShutTheBoxGame::OpenBoxes() const {
  BoxSet open{};
  for (int n = 1; n <= 9; ++n) open[n] = !BoxShut[n];
  return open;
}

int ShutTheBoxGame::ThrowSum() const {
  int sum = 0;
  for (int n = 1; n <= 9; ++n) sum += BoxInThrow[n] ? n : 0;
  return sum;
}

int ShutTheBoxGame::OpenSum() const {
  int sum = 0;
  for (int n = 1; n <= 9; ++n) sum += BoxShut[n] ? 0 : n;
  return sum;
}

int ShutTheBoxGame::BoxAt(Point point) {
  for (int n = 1; n <= shutbox::kBoxCount; ++n) {
    if (shutbox::BoxHitBox(n).Contains(point)) return n;
  }
  return 0;
}

void ShutTheBoxGame::ToggleBox(int n) {
  // Between the end of a game and the cup action that starts the next, the boxes are idle.
  if (n < 1 || n > 9 || !DiceThrown || GameOver) return;
  if (BoxInThrow[n]) {
    BoxShut[n] = false;
    BoxInThrow[n] = false;
    sounds_.PlaySoundEffect(kClosing);
    LidFalls(n, Delay() + 5);
    DrawScores();
    sounds_.StopSoundEffect();
    return;
  }
  if (!shutbox::MayShut(OpenBoxes(), n, DiceTotal(), ThrowSum())) return;
  BoxShut[n] = true;
  BoxInThrow[n] = true;
  sounds_.PlaySoundEffect(kClosing);
  LidRises(n, Delay());
  if (ThrowSum() == DiceTotal()) CompleteThrow();
  DrawScores();
  sounds_.StopSoundEffect();
}

void ShutTheBoxGame::CompleteThrow() {
  if (shell_.Preferences().GremlinOn != 0 &&
      RandomBelow(static_cast<std::uint32_t>(std::max(GremlinOdds, 0))) == 0)
    GremlinStrike();
  BoxInThrow.fill(false);
  ReturnDice();
}

bool ShutTheBoxGame::NoMoveLeft() {
  if (ThrowSum() >= 1) return false;
  if (shutbox::MakesTotal(OpenBoxes(), DiceTotal())) return false;
  GremlinOdds = 6 + static_cast<std::int32_t>(RandomBelow(5));
  return true;
}

void ShutTheBoxGame::ThrowOrEndTurn() {
  if (!DiceThrown) {
    ThrowAnimation();
    DiceThrown = true;
    return;
  }
  if (GameOver || NoMoveLeft()) EndTurn();
  // Otherwise a combination is still there to shut, or the throw is half done: no passing.
}

void ShutTheBoxGame::EndTurn() {
  const bool gameWasOver = GameOver;
  TwoDice = true;
  UseTwoDice();
  if (!gameWasOver) {
    Player1ToMove = !Player1ToMove;
    DrawTurnArrow();
  }
  ReturnDice();
  BoxShut.fill(false);
  BoxInThrow.fill(false);
  if (gameWasOver) {
    TotalScore = {0, 0, 0};
    Player1ToMove = true;
    GameOver = false;
    DiceThrown = false;
    DrawNames();
    DrawBothScoreRows(true);
    OpenAllBoxes();
  } else if (Player1ToMove) {
    // The second player has finished: the round is complete.
    TotalScore[1] += TurnScore[1];
    TotalScore[2] += TurnScore[2];
    DrawBothScoreRows(true);
    OpenAllBoxes();
    if (TotalScore[1] >= 100 || TotalScore[2] >= 100) {
      EndGame();
    } else {
      DiceThrown = false;
    }
  } else {
    OpenAllBoxes();
    DiceThrown = false;
  }
  if (!Player1ToMove && shell_.Preferences().StbVsComputer != 0) ComputerTurn();
}

void ShutTheBoxGame::EndGame() {
  GameOver = true;
  const std::int32_t t1 = TotalScore[1];
  const std::int32_t t2 = TotalScore[2];
  std::string result = "TIE";
  std::int32_t margin = 0;
  if (t1 < t2) {
    result = NameText(shell_.Preferences().Player1Name);
    margin = t2 - t1;
    InsertTopScore(result, margin);
  } else if (t1 > t2) {
    margin = t1 - t2;
    if (shell_.Preferences().StbVsComputer != 0) {
      result = "COMPUTER";
    } else {
      result = NameText(shell_.Preferences().Player2Name);
      InsertTopScore(result, margin);
    }
  }
  resultText_ = result;
  resultMargin_ = margin;
  ShowWinner(result, margin);
  DiceThrown = true;
  ShowStbTopScores();
}

void ShutTheBoxGame::GremlinStrike() {
  const int target = static_cast<int>(RandomBelow(9)) + 1;
  ShowGremlin(target);
}

void ShutTheBoxGame::GremlinToggle(int box) {
  sounds_.PlaySoundEffect(kCreak);
  if (BoxShut[box]) {
    BoxShut[box] = false;
    BoxInThrow[box] = false;
    LidFalls(box, 3 * (Delay() + 5));
  } else {
    BoxShut[box] = true;
    LidRises(box, 3 * Delay());
  }
  DrawScores();
  sounds_.StopSoundEffect();
}

void ShutTheBoxGame::UseOneDie() {
  if (!BoxShut[7] || !BoxShut[8] || !BoxShut[9] || DiceThrown) return;
  TwoDice = false;
  ShowOneDie();
}

void ShutTheBoxGame::NewGame() {
  TwoDice = true;
  UseTwoDice();
  Player1ToMove = true;
  DrawTurnArrow();
  ReturnDice();
  BoxShut.fill(false);
  BoxInThrow.fill(false);
  OpenAllBoxes();
  TotalScore = {0, 0, 0};
  GameOver = false;
  DiceThrown = false;
  DrawNames();
  DrawBothScoreRows(true);
}

void ShutTheBoxGame::InsertTopScore(const std::string& name, std::int32_t score) {
  dakto::InsertTopScore(shell_.Preferences().StbTopScores, name, score);
}

void ShutTheBoxGame::ShowStbTopScores() {
  shell_.ShowStbTopScores();
}

}  // namespace dakto
