// The rules of Shut The Box, played through the game object with scripted dice.
#include "tests/shutbox/shutbox_fixture.h"

namespace dakto::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RulesTest : public ShutBoxTest {
 protected:
  void SetUp() override { StartGame(); }
};

struct ShutCase {
  const char* what;
  std::vector<int> open;
  int die1, die2;
  std::vector<int> inThrow;  // open boxes already shut in this throw
  int box;
  bool shuts;
};

TEST_F(RulesTest, ABoxShutsOnlyWhenTheThrowCanStillBeCompleted) {
  const ShutCase cases[] = {
      {"12: nine leaves 3", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 6, 6, {}, 9, true},
      {"12 with 9 in: 4 is too large", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 6, 6, {9}, 4, false},
      {"12 with 9 in: 1 leaves box 2", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 6, 6, {9}, 1, true},
      {"12 with 9 and 1 in: 2 completes", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 6, 6, {9, 1}, 2, true},
      {"12 with 9 and 1 in: 3 is too large", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 6, 6, {9, 1}, 3, false},
      {"{1,2,4} and 8: box 1", {1, 2, 4}, 4, 4, {}, 1, false},
      {"{1,2,4} and 8: box 2", {1, 2, 4}, 4, 4, {}, 2, false},
      {"{1,2,4} and 8: box 4 leaves 4, not 1, 2 or 3", {1, 2, 4}, 4, 4, {}, 4, false},
      {"a box shut in an earlier throw", {1, 2, 3}, 1, 1, {}, 9, false},
      {"larger than the throw", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 2, {}, 4, false},
      {"the remainder is two boxes", {1, 2, 3, 4, 9}, 6, 6, {}, 2, true},
      {"the remainder is three boxes", {1, 2, 3, 4}, 5, 5, {}, 4, true},
      {"the remainder is no open box", {3, 5}, 3, 4, {}, 5, false},
      {"thrown complete: nothing more", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 2, {3}, 1, false},
  };
  for (const ShutCase& c : cases) {
    SCOPED_TRACE(c.what);
    game->BoxShut.fill(true);
    game->BoxInThrow.fill(false);
    for (int n : c.open) game->BoxShut[n] = false;
    for (int n : c.inThrow) game->BoxShut[n] = game->BoxInThrow[n] = true;
    DiceOnTable(c.die1, c.die2);
    Script({0, 0});  // the faces the dice come back with, should the throw complete
    const bool wasShut = game->BoxShut[c.box];
    game->ToggleBox(c.box);
    EXPECT_EQ(game->BoxShut[c.box] != wasShut, c.shuts);
    while (host.Platform().ScriptedRandomLeft() > 0) host.Platform().Random();
  }
}

TEST_F(RulesTest, TwelveIsShutAsNineOneTwoAndTheDiceGoBack) {
  Throw(6, 6);
  ASSERT_TRUE(game->DiceThrown);
  game->ToggleBox(9);
  game->ToggleBox(4);
  game->ToggleBox(1);
  EXPECT_THAT(ShutBoxes(), ElementsAre(1, 9));
  EXPECT_TRUE(game->BoxInThrow[9] && game->BoxInThrow[1]);
  game->ThrowOrEndTurn();  // a half-done throw cannot be passed
  EXPECT_TRUE(game->DiceThrown);
  Faces({3, 5});
  game->ToggleBox(2);
  EXPECT_THAT(ShutBoxes(), ElementsAre(1, 2, 9));
  EXPECT_FALSE(game->BoxInThrow[1] || game->BoxInThrow[2] || game->BoxInThrow[9]);
  EXPECT_FALSE(game->DiceThrown);
  EXPECT_EQ(game->Die1, 3);
  EXPECT_EQ(game->Die2, 5);
  EXPECT_EQ(game->TurnScore[1], 45 - 12);
}

TEST_F(RulesTest, BoxesShutInThisThrowReopenButNotThoseOfEarlierThrows) {
  Throw(2, 1);
  game->ToggleBox(3);  // completes at once
  EXPECT_FALSE(game->BoxInThrow[3]);
  Throw(4, 4);
  game->ToggleBox(5);
  EXPECT_TRUE(game->BoxShut[5]);
  game->ToggleBox(5);  // undo
  EXPECT_FALSE(game->BoxShut[5]);
  EXPECT_FALSE(game->BoxInThrow[5]);
  EXPECT_EQ(game->TurnScore[1], 45 - 3);
  game->ToggleBox(3);  // shut in the earlier throw: stays shut
  EXPECT_TRUE(game->BoxShut[3]);
  EXPECT_THAT(ShutBoxes(), ElementsAre(3));
}

TEST_F(RulesTest, BoxesAreIdleWhileTheDiceAreInTheCupOrTheGameIsOver) {
  game->ToggleBox(5);
  EXPECT_THAT(ShutBoxes(), IsEmpty());
  game->DiceThrown = true;
  game->GameOver = true;
  game->Die1 = 2;
  game->Die2 = 3;
  game->ToggleBox(5);
  EXPECT_THAT(ShutBoxes(), IsEmpty());
  EXPECT_TRUE(host.Draws().empty());
  EXPECT_TRUE(host.Sounds().empty());
}

TEST_F(RulesTest, NoMoveLeftWhenNoOneToFourOpenBoxesMakeTheTotal) {
  struct Case {
    std::vector<int> open;
    int die1, die2;
    bool noMove;
  } const cases[] = {
      // clang-format off
      {{1, 2, 4}, 4, 4, true},         // 1 + 2 + 4 = 7
      {{1, 2, 4}, 3, 4, false},
      {{4, 5}, 1, 2, true},
      {{}, 1, 1, true},
      {{1, 2, 3, 4, 9}, 5, 5, false},  // 1 + 9
      {{1, 2, 3, 4}, 5, 5, false},     // only all four make 10
      {{1, 2, 3, 4}, 6, 6, true},      // 12 is more than all four
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.open));
    game->BoxShut.fill(true);
    for (int n : c.open) game->BoxShut[n] = false;
    DiceOnTable(c.die1, c.die2);
    game->GremlinOdds = 99;
    Script({3});
    EXPECT_EQ(game->NoMoveLeft(), c.noMove);
    // Every "no move" draws new odds for the Gremlin.
    EXPECT_EQ(game->GremlinOdds, c.noMove ? 9 : 99);
    if (!c.noMove) host.Platform().Random();
  }
}

TEST_F(RulesTest, ShuttingAllNineLeavesTheDiceOutAndTheNextCupActionPassesWithZero) {
  OpenOnly({9});
  DiceOnTable(4, 5);
  Script({0, 0});
  game->ToggleBox(9);
  EXPECT_TRUE(game->DiceThrown);
  EXPECT_EQ(game->TurnScore[1], 0);
  Script({0, 0, 0});  // odds, then the faces of the returned dice
  game->ThrowOrEndTurn();
  EXPECT_FALSE(game->Player1ToMove);
  EXPECT_FALSE(game->DiceThrown);
  EXPECT_THAT(ShutBoxes(), IsEmpty());
  EXPECT_EQ(game->TurnScore[1], 0);
  EXPECT_EQ(game->TotalScore[1], 0);  // scored when the round ends
}

TEST_F(RulesTest, APaintInTheSecondPlayersTurnLeavesTheFirstPlayersTurnScore) {
  game->TurnScore = {0, 12, 45};
  game->Player1ToMove = false;
  OpenOnly({1, 2, 3});
  game->PaintScreen();
  EXPECT_EQ(game->TurnScore[1], 12);
  EXPECT_EQ(game->TurnScore[2], 6);
}

TEST_F(RulesTest, TheCupPassesOnlyWhenNothingCanBeShut) {
  OpenOnly({1, 2, 6});
  DiceOnTable(4, 4);  // 6 + 2
  game->ThrowOrEndTurn();
  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_TRUE(game->DiceThrown);
}

struct RoundCase {
  const char* what;
  bool vsComputer;
  int total1, total2;  // before the round is scored
  int turn1, turn2;
  bool over;
  const char* result;  // the winner's glyphs shown
  std::vector<std::pair<std::string, std::uint32_t>> table;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
  *os << c.what;
}

class RoundEndTest : public ShutBoxTest, public ::testing::WithParamInterface<RoundCase> {};

TEST_P(RoundEndTest, ScoresTheRoundAndEndsTheGameAtAHundred) {
  const RoundCase& c = GetParam();
  shell.prefs.StbVsComputer = c.vsComputer ? 1 : 0;
  StartGame();
  // The second seat has just ended its turn with every box shut.
  game->Player1ToMove = false;
  game->TotalScore = {0, c.total1, c.total2};
  game->TurnScore = {0, c.turn1, c.turn2};
  OpenOnly({});
  DiceOnTable(1, 1);
  if (c.over) host.AnswerMessageBox(MessageBoxAnswer::Ok);
  game->ThrowOrEndTurn();

  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_EQ(game->TotalScore[1], c.total1 + c.turn1);
  EXPECT_EQ(game->TotalScore[2], c.total2 + c.turn2);
  EXPECT_EQ(game->GameOver, c.over);
  EXPECT_EQ(game->DiceThrown, c.over);
  std::vector<std::pair<std::string, std::uint32_t>> table;
  for (int i = 1; i <= 10; ++i) {
    const TableEntry& entry = shell.prefs.StbTopScores[i];
    if (entry.value > 0) table.emplace_back(NameText(entry.name), entry.value);
  }
  EXPECT_EQ(table, c.table);
  if (!c.over) {
    EXPECT_TRUE(host.Modals().empty());
    return;
  }
  ASSERT_EQ(host.Modals().size(), 1u);
  EXPECT_EQ(host.Modals()[0].caption, "Top Scores");
  // The winner's letters are drawn, one glyph each.
  std::string drawn;
  for (const std::string& name : PicturesDrawn()) {
    for (const shutbox::Glyph& glyph : shutbox::kGlyphs) {
      if (name == "BITMAP_" + std::to_string(glyph.picture) && glyph.ch >= 'A') drawn += glyph.ch;
    }
  }
  EXPECT_EQ(drawn, c.result);

  // Boxes are idle until the cup starts the next game with the first player.
  game->ToggleBox(2);
  EXPECT_THAT(ShutBoxes(), IsEmpty());
  Script({0, 0});
  game->ThrowOrEndTurn();
  EXPECT_FALSE(game->GameOver);
  EXPECT_FALSE(game->DiceThrown);
  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_EQ(game->TotalScore[1], 0);
  EXPECT_EQ(game->TotalScore[2], 0);
  EXPECT_EQ(game->TurnScore[1], 45);
  EXPECT_EQ(game->TurnScore[2], 45);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, RoundEndTest,
    ::testing::Values(
        RoundCase{"99 and 40 go on", false, 90, 40, 9, 0, false, "", {}},
        RoundCase{
            "100 and 98: the second wins by 2", false, 90, 90, 10, 8, true, "PLAYERB", {{"PLAYERB", 2}}},
        RoundCase{"98 and 100: the first wins by 2", false, 90, 90, 8, 10, true, "PLAYERA", {{"PLAYERA", 2}}},
        RoundCase{"100 and 100: a tie records nothing", false, 95, 95, 5, 5, true, "TIE", {}},
        RoundCase{"the computer wins: nothing recorded", true, 100, 50, 20, 0, true, "COMPUTER", {}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(RulesTest, OneDieOnlyOnceSevenEightAndNineAreShutAndBeforeTheThrow) {
  struct Case {
    const char* what;
    std::vector<int> open;
    bool thrown;
    bool oneDie;
  } const cases[] = {
      {"7, 8, 9 shut, dice in the cup", {1, 2, 3}, false, true},
      {"box 9 open", {1, 9}, false, false},
      {"dice on the table", {1, 2}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OpenOnly(std::initializer_list<int>{});
    for (int n : c.open) game->BoxShut[n] = false;
    game->TwoDice = true;
    game->DiceThrown = c.thrown;
    game->UseOneDie();
    EXPECT_EQ(game->TwoDice, !c.oneDie);
  }
}

TEST_F(RulesTest, OneDieThrowsOneFaceAndTwoComeBackAtTheEndOfTheTurn) {
  OpenOnly({1, 2, 3});
  game->DiceThrown = false;
  game->UseOneDie();
  ASSERT_FALSE(game->TwoDice);
  Faces({6});
  game->ThrowOrEndTurn();
  EXPECT_EQ(host.Platform().ScriptedRandomLeft(), 0u);
  EXPECT_EQ(game->Die1, 6);
  Script({0});  // new odds: 1 + 2 + 3 = 6 can be shut, so none are drawn yet
  EXPECT_FALSE(game->NoMoveLeft());
  host.Platform().Random();
  game->ToggleBox(3);
  game->ToggleBox(2);
  game->ToggleBox(1);  // completes: the single die comes back without new faces
  EXPECT_EQ(host.Platform().ScriptedRandomLeft(), 0u);
  EXPECT_TRUE(game->DiceThrown);  // all nine shut
  EXPECT_FALSE(game->TwoDice);
  Script({0, 0, 0});
  game->ThrowOrEndTurn();
  EXPECT_TRUE(game->TwoDice);
  EXPECT_FALSE(game->Player1ToMove);
}

TEST_F(RulesTest, TheGremlinStrikesWithItsOddsAndTogglesItsBox) {
  struct Case {
    const char* what;
    std::uint32_t strikeDraw;
    int target;
    std::vector<int> shutAfter;
  } const cases[] = {
      {"no strike", 1, 0, {1, 7}},
      {"strikes box 3 shut", 6, 3, {1, 3, 7}},   // 6 mod 6 = 0
      {"strikes box 1 open again", 12, 1, {7}},  // box 1 was shut in an earlier throw
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shell.prefs.GremlinOn = 1;
    StartGame();
    game->GremlinOdds = 6;
    OpenOnly({2, 3, 4, 5, 6, 7, 8, 9});
    DiceOnTable(3, 4);
    Script({c.strikeDraw});
    if (c.target != 0) Script({static_cast<std::uint32_t>(c.target - 1)});
    Script({0, 0});
    game->ToggleBox(7);
    EXPECT_EQ(ShutBoxes(), c.shutAfter);
    EXPECT_FALSE(game->DiceThrown);
    EXPECT_EQ(host.Platform().ScriptedRandomLeft(), 0u);
    const bool struck = c.target != 0;
    const std::vector<std::string> sounds = SoundsPlayed();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "laugh.wav (to end)"), struck ? 1 : 0);
    EXPECT_EQ(
        game->TurnScore[1], 45 - [&] {
          int shut = 0;
          for (int n : c.shutAfter) shut += n;
          return shut;
        }());
  }
}

TEST_F(RulesTest, WithTheGremlinOffNoStrikeIsEvenDrawn) {
  OpenOnly({2, 3, 4, 5, 6, 7, 8, 9});
  DiceOnTable(3, 4);
  Faces({2, 2});
  game->ToggleBox(7);
  EXPECT_EQ(game->Die1, 2);  // the two scripted draws went to the returned dice
  EXPECT_EQ(game->Die2, 2);
}

TEST_F(RulesTest, NewGameOpensEverythingAndGivesTheFirstPlayerTheDice) {
  OpenOnly({1});
  game->TwoDice = false;
  game->Player1ToMove = false;
  game->GameOver = true;
  game->DiceThrown = true;
  game->TotalScore = {0, 50, 60};
  Script({0, 0});
  game->NewGame();
  EXPECT_THAT(ShutBoxes(), IsEmpty());
  EXPECT_TRUE(game->TwoDice);
  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_FALSE(game->GameOver);
  EXPECT_FALSE(game->DiceThrown);
  EXPECT_EQ(game->TotalScore[1] + game->TotalScore[2], 0);
  EXPECT_EQ(game->TurnScore[1], 45);
}

TEST_F(RulesTest, InsertTopScoreKeepsTheTableRankedAndDropsTies) {
  for (std::uint32_t score : {50u, 40u, 40u, 30u, 20u, 10u, 9u, 8u, 7u, 6u})
    game->InsertTopScore("OLD", score);
  game->InsertTopScore("NEW", 6);  // equals the lowest of a full table: nothing changes
  EXPECT_EQ(NameText(shell.prefs.StbTopScores[10].name), "OLD");
  game->InsertTopScore("NEW", 40);  // goes below the equal ones
  EXPECT_EQ(NameText(shell.prefs.StbTopScores[4].name), "NEW");
  EXPECT_EQ(shell.prefs.StbTopScores[10].value, 7u);
}

}  // namespace
}  // namespace dakto::testing
