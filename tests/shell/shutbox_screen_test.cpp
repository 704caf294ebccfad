// The Shut The Box screen seen from the shell: creating the game, the order of the hit tests,
// the side controls with their limits, keys, quitting and closing.
#include "games/shutbox/shutbox_game.h"
#include "tests/shell/shell_fixture.h"

namespace dakto::testing {
namespace {

class ShutTheBoxScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    PreferencesBlock block = SettledPreferences();
    block.StbShowWelcome = 0;
    WritePreferences(block);
    Start();
    host_.Click(100, 350);  // the Shut The Box picture
    ASSERT_EQ(window_->ActiveScreen, ScreenKind::ShutTheBoxScreen);
    ASSERT_NE(window_->StbGame, nullptr);
  }
  ShutTheBoxGame& Game() { return *window_->StbGame; }
  // Dice on the table showing a throw of `total`, made of two faces.
  void DiceOnTable(int die1, int die2) {
    Game().DiceThrown = true;
    Game().Die1 = die1;
    Game().Die2 = die2;
  }
  std::vector<std::string> PicturesDrawn() {
    std::vector<std::string> names;
    for (const DrawRecord& r : host_.DrawsOf(DrawRecord::Kind::Picture)) names.push_back(r.picture);
    return names;
  }
};

TEST_F(ShutTheBoxScreenTest, CreatingTheGameBuildsItsPaletteAndPaintsTheBoard) {
  EXPECT_EQ(host_.Platform().Reseeds(), 2) << "the window at start and the game, from real entropy";
  const auto source = Bitmap::Load("BITMAP_143");
  ASSERT_NE(source, nullptr);
  ASSERT_TRUE(window_->GamePalette.has_value());
  EXPECT_EQ(window_->GamePalette->entries[5].color, source->ColorTable()[5]);
  const auto names = PicturesDrawn();
  EXPECT_NE(std::find(names.begin(), names.end(), "BITMAP_1"), names.end()) << "the board";
  EXPECT_NE(std::find(names.begin(), names.end(), "BITMAP_140"), names.end())
      << "tiles outside the play area";
  host_.SaveBmp(host_.WorkDir() + "/board.bmp");
}

TEST_F(ShutTheBoxScreenTest, BoxesAnswerOnTheirEdgesAndNotBetween) {
  DiceOnTable(6, 6);
  struct Case {
    int x;
    int y;
    int box;  // the box that should have shut, 0 for none
  };
  const Case cases[] = {{108, 100, 0}, {109, 100, 0}, {107, 100, 1},
                        {110, 158, 2}, {200, 32, 0},  {200, 159, 0}};
  for (const Case& c : cases) {
    const std::array<bool, 10> before = Game().BoxShut;
    host_.Click(c.x, c.y);
    for (int n = 1; n <= 9; ++n) {
      EXPECT_EQ(Game().BoxShut[n], before[n] || n == c.box)
          << "click at " << c.x << ", " << c.y << ", box " << n;
    }
  }
  // A right click on a box acts like a left one: box 2 was shut in this throw, so it re-opens.
  host_.RightClick(140, 60);
  EXPECT_FALSE(Game().BoxShut[2]);
  EXPECT_TRUE(Game().BoxShut[1]);
}

TEST_F(ShutTheBoxScreenTest, TheCupThrowsAndDigitAndSpaceKeysReachTheGame) {
  host_.Click(300, 242);
  EXPECT_TRUE(Game().DiceThrown);
  DiceOnTable(3, 1);
  host_.Key(U'4');
  EXPECT_TRUE(Game().BoxShut[4]);
  EXPECT_FALSE(Game().DiceThrown) << "the throw is complete and the dice went back to the cup";
  host_.Key(U' ');
  EXPECT_TRUE(Game().DiceThrown);
}

TEST_F(ShutTheBoxScreenTest, SpeedControlsAndKeysStopAtTheirLimits) {
  struct Case {
    std::int32_t start;
    std::function<void()> act;
    std::int32_t expected;
  };
  const Case cases[] = {
      {130, [&] { host_.Click(95, 362); }, 120},  {0, [&] { host_.Click(114, 381); }, 0},
      {130, [&] { host_.Click(133, 369); }, 140}, {200, [&] { host_.Click(152, 374); }, 200},
      {130, [&] { host_.Key(U'+'); }, 120},       {5, [&] { host_.Key(U'='); }, 0},
      {130, [&] { host_.Key(U'-'); }, 140},       {195, [&] { host_.Key(U'_'); }, 200},
      {130, [&] { host_.Click(133, 368); }, 130},  // just above the slower control
  };
  for (const Case& c : cases) {
    window_->Prefs.StbDelay = c.start;
    c.act();
    EXPECT_EQ(window_->Prefs.StbDelay, c.expected) << "from " << c.start;
    host_.Release(0, 0);
  }
}

TEST_F(ShutTheBoxScreenTest, APressedControlIsDrawnPressedUntilReleasedOverIt) {
  host_.Platform().ClearRecords();
  host_.Click(100, 370);
  EXPECT_TRUE(host_.Platform().MouseCaptured());
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_11");
  host_.Release(10, 10);  // elsewhere: the control stays pressed
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_11");
  EXPECT_FALSE(host_.Platform().MouseCaptured());
  host_.Click(100, 370);
  host_.Release(100, 370);
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_10");
}

TEST_F(ShutTheBoxScreenTest, SwitchesHelpGremlinAndNames) {
  host_.Click(250, 370);  // sound effects
  EXPECT_EQ(window_->Prefs.SoundEffectsOn, 0);
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_18");
  host_.Click(268, 383);
  EXPECT_EQ(window_->Prefs.SoundEffectsOn, 1);
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_19");

  host_.Click(290, 370);
  ASSERT_FALSE(host_.HelpRequests().empty());
  EXPECT_EQ(host_.HelpRequests().back(), (HelpRequest{HelpCommand::Keyword, "Shut The Box"}));

  DiceOnTable(6, 6);
  host_.Click(359, 360);  // the Gremlin: switched on, and a new game
  EXPECT_EQ(window_->Prefs.GremlinOn, 1);
  EXPECT_FALSE(Game().DiceThrown);

  host_.AnswerDialog(DialogAnswer::Cancel());
  host_.Click(91, 225);
  ASSERT_FALSE(host_.Modals().empty());
  EXPECT_EQ(host_.Modals().back().templateId, 201);

  host_.AnswerMessageBox(MessageBoxAnswer::Ok);
  host_.Key(U's');
  EXPECT_EQ(host_.Modals().back().caption, "Top Scores");
  const std::size_t shown = host_.Modals().size();
  host_.Key(U'U');
  host_.Key(U'p');
  EXPECT_EQ(host_.Modals().size(), shown);
  EXPECT_EQ(host_.AnswersLeft(), 0u);
}

TEST_F(ShutTheBoxScreenTest, ASecondPlayerNamedLikeTheFirstBecomesPlayerbWithAWarning) {
  window_->Prefs.StbVsComputer = 0;
  host_.AnswerDialog(DialogAnswer::Ok().Check(102).Check(104).Type(105, "playera"));
  host_.AnswerMessageBox(MessageBoxAnswer::Ok);
  host_.Platform().ClearRecords();
  host_.Click(150, 280);
  EXPECT_EQ(NameText(window_->Prefs.Player2Name), "PLAYERB");
  ASSERT_EQ(host_.Modals().size(), 2u);
  EXPECT_EQ(host_.Modals()[1].caption, "Warning");
  EXPECT_FALSE(window_->StbGame->DiceThrown) << "the name change started a new game";
}

TEST_F(ShutTheBoxScreenTest, MusicControlSwitchesTheMusic) {
  host_.WriteFile("orlo.mid", TinyMidi());
  host_.Click(180, 370);
  EXPECT_EQ(window_->Prefs.MusicOn, 1);
  EXPECT_TRUE(window_->Music().MusicPlaying());
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_15");
  host_.Click(180, 370);
  EXPECT_EQ(window_->Prefs.MusicOn, 0);
  EXPECT_FALSE(window_->Music().MusicDeviceOpen());
  EXPECT_EQ(PicturesDrawn().back(), "BITMAP_14");
}

TEST_F(ShutTheBoxScreenTest, QuittingReturnsToTheFrontScreen) {
  host_.Platform().ClearRecords();
  host_.Click(52, 361);
  EXPECT_EQ(window_->ActiveScreen, ScreenKind::FrontScreen);
  EXPECT_EQ(window_->StbGame, nullptr);
  const auto names = PicturesDrawn();
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.back(), "BITMAP_216");
}

TEST_F(ShutTheBoxScreenTest, ClosingDuringAGameSavesAndEnds) {
  host_.Click(95, 362);
  EXPECT_TRUE(host_.Close());
  EXPECT_EQ(window_->StbGame, nullptr);
  EXPECT_EQ(SavedPreferences().StbDelay, 120);
}

}  // namespace
}  // namespace dakto::testing
