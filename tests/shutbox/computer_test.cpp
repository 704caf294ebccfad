// The computer in the second seat: its choice of boxes and its whole turn with its waits.
#include "games/shutbox/shutbox_rules.h"
#include "tests/shutbox/shutbox_fixture.h"

namespace dakto::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

shutbox::BoxSet Open(std::initializer_list<int> boxes) {
  shutbox::BoxSet open{};
  for (int n : boxes) open[n] = true;
  return open;
}

TEST(ComputerChoice, FewestBoxesThenTheLargestFirst) {
  struct Case {
    std::initializer_list<int> open;
    int total;
    std::vector<int> chosen;
  } const cases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 7, {7}},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 12, {9, 3}},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 11, {9, 2}},
      {{1, 2, 3, 4}, 10, {4, 3, 2, 1}},
      {{1, 2, 6}, 8, {6, 2}},
      {{1, 2, 3, 5}, 11, {5, 3, 2, 1}},
      {{1, 3, 4, 5, 8}, 9, {8, 1}},         // one box first: none; then the pair with the largest box
      {{2, 3, 4, 5}, 9, {5, 4}},            // 5 + 4 before 2 + 3 + 4
      {{1, 2, 4, 5, 6}, 10, {6, 4}},        // 6 + 4 before 5 + 4 + 1
      {{1, 2, 3, 6}, 12, {6, 3, 2, 1}},     // 6 + 3 + 2 + 1: no pair or triple makes 12
      {{1, 2, 3, 4, 5}, 12, {5, 4, 3}},     // the triple with the largest boxes
      {{1, 2, 3, 4, 5, 6}, 12, {6, 5, 1}},  // the largest second box before 6 + 4 + 2
      {{4, 5}, 3, {}},
      {{}, 5, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::vector<int>(c.open)) + " for " + std::to_string(c.total));
    EXPECT_EQ(shutbox::ChooseBoxes(Open(c.open), c.total), c.chosen);
  }
}

class ComputerTurnTest : public ShutBoxTest {
 protected:
  void SetUp() override {
    shell.prefs.StbVsComputer = 1;
    StartGame();
  }
  int LidRiseAt(int n) {
    int index = 0;
    for (const DrawRecord& record : host.DrawsOf(DrawRecord::Kind::Picture)) {
      if (record.picture == "BITMAP_2" && record.target.left == shutbox::kBoxLeft[n] &&
          record.source.height == 22)
        return index;
      ++index;
    }
    return -1;
  }
};

TEST_F(ComputerTurnTest, ShutsSixAndTwoThenThrowsOneDieForTheLastBox) {
  OpenOnly({1, 2, 6});
  game->Player1ToMove = false;
  game->TurnScore[2] = 9;
  Faces({3, 5});  // the throw: 8
  Faces({1, 1});  // the dice come back to the cup
  Faces({1});     // one die: 1
  game->ComputerTurn();

  EXPECT_LT(LidRiseAt(6), LidRiseAt(2));
  EXPECT_LT(LidRiseAt(2), LidRiseAt(1));
  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_TRUE(game->TwoDice);
  EXPECT_EQ(game->TotalScore[2], 0);  // every box shut
  EXPECT_THAT(host.Platform().Cursors(), ElementsAre(Cursor::Wait, Cursor::Arrow));
  // A second after the first throw, and twice a second for each of the two completed throws.
  EXPECT_EQ(std::count(host.Platform().Waits().begin(), host.Platform().Waits().end(), 1000u), 5);
  // Only one throw of a single die followed the first throw: its frames are BITMAP_61 and 62.
  const std::vector<std::string> pictures = PicturesDrawn();
  EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "BITMAP_5"), 1);
  EXPECT_EQ(std::count(pictures.begin(), pictures.end(), "BITMAP_61"), 1);
}

TEST_F(ComputerTurnTest, NothingToShutEndsTheTurnAtOnceWithTheOpenSum) {
  OpenOnly({4, 5});
  game->Player1ToMove = false;
  game->TurnScore = {0, 20, 9};
  game->TotalScore = {0, 10, 10};
  Faces({1, 2});
  game->ComputerTurn();
  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_EQ(game->TotalScore[1], 30);
  EXPECT_EQ(game->TotalScore[2], 19);
  EXPECT_THAT(host.Platform().Waits(), ::testing::Contains(1000u));
  EXPECT_EQ(std::count(host.Platform().Waits().begin(), host.Platform().Waits().end(), 1000u), 1);
}

TEST_F(ComputerTurnTest, APersonsTurnEndingHandsTheDiceToTheComputerInTheSameCall) {
  // The first player has nothing left: {4, 5} open and 3 thrown.
  OpenOnly({4, 5});
  game->TurnScore[1] = 9;
  DiceOnTable(1, 2);
  Script({0});    // new Gremlin odds
  Faces({1, 1});  // the dice go back to the cup
  Faces({6, 1});  // the computer throws 7 and shuts box 7
  Faces({1, 1});  // back to the cup
  Faces({6, 6});  // 12: boxes 9 and 3
  Faces({1, 1});  // back to the cup
  Faces({1, 1});  // 2: box 2
  Faces({1, 1});  // back
  Faces({6, 6});  // 12 from {1, 4, 5, 6, 8}: 8 + 4
  Faces({1, 1});  // back
  Faces({6, 6});  // 12 from {1, 5, 6}: 6 + 5 + 1
  game->ThrowOrEndTurn();
  EXPECT_EQ(host.Platform().ScriptedRandomLeft(), 0u);
  EXPECT_TRUE(game->Player1ToMove);
  EXPECT_EQ(game->TotalScore[1], 9);
  EXPECT_EQ(game->TotalScore[2], 0);
  EXPECT_THAT(host.Platform().Cursors(), ElementsAre(Cursor::Wait, Cursor::Arrow));
}

}  // namespace
}  // namespace dakto::testing
