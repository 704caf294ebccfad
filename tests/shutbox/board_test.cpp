// What the Shut The Box screen shows and plays: frames, waits, sounds and the pictures on it.
#include <cstdlib>

#include "games/shutbox/shutbox_geometry.h"
#include "tests/shutbox/shutbox_fixture.h"

namespace dakto::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using namespace shutbox;

class BoardTest : public ShutBoxTest {
 protected:
  void SetUp() override { StartGame(); }

  // Picture copies as "name@x,y" (sub-rectangles add "[top,height]"), waits as "wait N".
  std::vector<std::string> Frames() {
    std::vector<std::string> frames;
    for (const DrawRecord& record : host.Draws()) {
      if (record.kind == DrawRecord::Kind::Wait) {
        frames.push_back("wait " + std::to_string(record.waitMs));
      } else if (record.kind == DrawRecord::Kind::Picture) {
        std::string frame = record.picture + "@" + std::to_string(record.target.left) + "," +
                            std::to_string(record.target.top);
        if (record.picture == "BITMAP_2") frame += "[" + std::to_string(record.source.height) + "]";
        frames.push_back(frame);
      } else if (record.kind == DrawRecord::Kind::FillEllipse) {
        frames.push_back("pip@" + std::to_string(record.target.left) + "," +
                         std::to_string(record.target.top));
      }
    }
    return frames;
  }
};

TEST_F(BoardTest, AThrowOfTwoDiceFliesInTwoFramesAndLandsWithItsPips) {
  Throw(2, 5);
  EXPECT_THAT(Frames(),
              ElementsAre("save:pair-rest@329,249", "BITMAP_5@399,227", "wait 130",
                          "save:pair-flight1@399,227", "BITMAP_6@473,185", "wait 130",
                          "save:pair-flight2@473,185", "BITMAP_7@465,239", "pip@525,249", "pip@540,267",
                          "pip@477,317", "pip@493,312", "pip@488,323", "pip@482,333", "pip@499,329"));
  EXPECT_THAT(SoundsPlayed(), ElementsAre("Dice1.wav", "Dice3.wav", "Dice4.wav"));
  // Pips are 6 x 6 circles, outlined and filled in the dice's ink.
  for (const DrawRecord& record : host.Draws()) {
    if (record.kind != DrawRecord::Kind::FillEllipse && record.kind != DrawRecord::Kind::OutlineEllipse)
      continue;
    EXPECT_EQ(record.target.width, 6);
    EXPECT_EQ(record.target.height, 6);
    EXPECT_EQ(record.color, (Rgb{60, 61, 72}));
  }
  EXPECT_EQ(host.DrawsOf(DrawRecord::Kind::OutlineEllipse).size(), 7u);
  EXPECT_EQ(host.PixelAt(525 + 3, 249 + 3), (Rgb{60, 61, 72}));
}

TEST_F(BoardTest, DiceGoingBackLeaveTheTableAsTheBoardHadIt) {
  Throw(6, 6);
  Faces({1, 1});
  game->ToggleBox(9);
  game->ToggleBox(3);
  const auto board = Bitmap::Load("BITMAP_1");
  ASSERT_TRUE(board);
  int differing = 0;
  for (const PlacedPicture& placed : {kPairFlight2, kPairLanded}) {
    for (int y = placed.rect.top; y < placed.rect.Bottom(); ++y) {
      for (int x = placed.rect.left; x < placed.rect.Right(); ++x) {
        // The pair at rest lies outside both rectangles.
        if (!(host.PixelAt(x, y) == board->ColorAt(x, y))) ++differing;
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(BoardTest, AThrowOfOneDieUsesTheSingleDiePictures) {
  OpenOnly({1, 2});
  game->UseOneDie();
  ClearRecords();
  Faces({3});
  game->ThrowOrEndTurn();
  EXPECT_THAT(Frames(), ElementsAre("save:single-rest@341,296", "BITMAP_61@415,304", "wait 130",
                                    "save:single-flight1@415,304", "BITMAP_62@551,332", "wait 130",
                                    "save:single-flight2@551,332", "BITMAP_63@466,299", "pip@478,316",
                                    "pip@488,323", "pip@500,327"));
}

TEST_F(BoardTest, ALidSnapsUpAtDelayZeroAndFallsWithFiveMillisecondWaits) {
  shell.prefs.StbDelay = 0;
  Throw(4, 4);
  ClearRecords();
  game->ToggleBox(5);
  EXPECT_THAT(Frames(), ElementsAre("BITMAP_2@288,136[22]", "BITMAP_2@288,111[48]", "BITMAP_2@288,85[74]",
                                    "BITMAP_2@288,59[100]", "BITMAP_2@288,33[125]", "save:score1@82,250",
                                    "BITMAP_52@131,250", "BITMAP_48@146,250", "BITMAP_48@198,250"));
  EXPECT_THAT(SoundsPlayed(), ElementsAre("closing2.wav", "stop"));
  ClearRecords();
  game->ToggleBox(5);
  const std::vector<std::string> frames = Frames();
  ASSERT_GE(frames.size(), 8u);
  EXPECT_THAT(std::vector<std::string>(frames.begin(), frames.begin() + 8),
              ElementsAre("lid frame@288,33", "wait 5", "lid frame@288,33", "wait 5", "lid frame@288,33",
                          "wait 5", "lid frame@288,33", "BITMAP_3@288,136"));
  // The box is open again, pixel for pixel the board.
  const auto board = Bitmap::Load("BITMAP_1");
  const auto lid = Bitmap::Load("BITMAP_3");
  ASSERT_TRUE(board && lid);
  EXPECT_EQ(host.PixelAt(300, 35), board->ColorAt(300, 35));
  EXPECT_EQ(host.PixelAt(300, 60), board->ColorAt(300, 60));
  EXPECT_EQ(host.PixelAt(300, 140), lid->ColorAt(12, 4));
}

TEST_F(BoardTest, TheGremlinsToggleIsThreeTimesSlowerAndCreaks) {
  struct Case {
    std::int32_t delay;
    bool shut;
    std::vector<std::uint32_t> lidWaits;
  } const cases[] = {{130, false, {390, 390, 390, 390}},
                     {130, true, {405, 405, 405}},
                     {0, false, {}},
                     {0, true, {15, 15, 15}}};
  for (const Case& c : cases) {
    shell.prefs.StbDelay = c.delay;
    shell.prefs.GremlinOn = 1;
    StartGame();
    game->GremlinOdds = 6;
    OpenOnly({2, 3, 4, 5, 6, 7, 8, 9});
    DiceOnTable(3, 4);
    Script({0, c.shut ? 0u : 2u, 0, 0});  // strikes box 1 (shut) or box 3 (open)
    game->ToggleBox(7);
    std::vector<std::uint32_t> lidWaits;
    int eyeWaits = 0;
    for (std::uint32_t wait : host.Platform().Waits()) {
      if (wait == 100) {
        ++eyeWaits;
      } else if (wait != static_cast<std::uint32_t>(c.delay) &&
                 wait != WaveDurationMs(*host.ReadFile("laugh.wav"))) {
        lidWaits.push_back(wait);
      }
    }
    EXPECT_EQ(lidWaits, c.lidWaits) << c.delay << (c.shut ? " shut" : " open");
    // Eyes: 5, then 5 to 1, 2 to 9, and back from 9 to the target.
    EXPECT_EQ(eyeWaits, 1 + 5 + 8 + (c.shut ? 9 : 7));
    const std::vector<std::string> sounds = SoundsPlayed();
    EXPECT_THAT(sounds, ElementsAre("closing2.wav", "laugh.wav (to end)", "creak.wav", "stop", "stop"));
  }
}

TEST_F(BoardTest, TheGremlinsEyesLookAlongTheBoxesAndItsFireIsErasedAfter) {
  shell.prefs.GremlinOn = 1;
  StartGame();
  game->GremlinOdds = 6;
  OpenOnly({2, 3, 4, 5, 6, 7, 8, 9});
  DiceOnTable(3, 4);
  Script({0, 6, 0, 0});  // box 7 is the target
  game->ToggleBox(7);
  std::vector<int> pairs;
  std::vector<std::string> rest;
  for (const std::string& frame : Frames()) {
    if (frame.rfind("BITMAP_", 0) == 0) {
      const int number = std::atoi(frame.c_str() + 7);
      if (number >= 225 && number <= 242) {
        if (number % 2 == 1) pairs.push_back((number - 223) / 2);
        continue;
      }
    }
    if (frame == "BITMAP_243@282,198" || frame == "save:gremlin@282,198") rest.push_back(frame);
  }
  EXPECT_THAT(pairs, ElementsAre(5, 5, 4, 3, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 8, 7));
  EXPECT_THAT(rest, ElementsAre("BITMAP_243@282,198", "save:gremlin@282,198"));
}

TEST_F(BoardTest, OpenAllBoxesDropsEveryLidInThreePictures) {
  Script({0});
  OpenOnly({});
  DiceOnTable(1, 1);
  game->ThrowOrEndTurn();  // nothing to shut: the second player's turn begins with every box open
  std::vector<std::string> frames = Frames();
  const auto first = std::find(frames.begin(), frames.end(), "lid frame@51,33");
  ASSERT_NE(first, frames.end());
  std::vector<std::string> expected;
  for (int picture = 0; picture < 3; ++picture) {
    for (int n = 1; n <= 9; ++n) expected.push_back("lid frame@" + std::to_string(kBoxLeft[n]) + ",33");
    expected.push_back("wait 135");
  }
  for (int n = 1; n <= 9; ++n) expected.push_back("BITMAP_3@" + std::to_string(kBoxLeft[n]) + ",136");
  EXPECT_EQ(std::vector<std::string>(first, first + static_cast<long>(expected.size())), expected);
  EXPECT_EQ(first + static_cast<long>(expected.size()), frames.end());
  EXPECT_THAT(SoundsPlayed(), ElementsAre("closing2.wav", "stop"));
  EXPECT_FALSE(game->Player1ToMove);
  // The turn arrow moved to the second row.
  EXPECT_NE(std::find(frames.begin(), frames.end(), "BITMAP_59@54,276"), frames.end());
  EXPECT_NE(std::find(frames.begin(), frames.end(), "save:arrow1@54,231"), frames.end());
}

TEST_F(BoardTest, ATieSoundsFiveNotesThenOnePerLetterAndBlinksTheMarginFourTimes) {
  game->Player1ToMove = false;
  game->TotalScore = {0, 95, 95};
  game->TurnScore = {0, 5, 5};
  OpenOnly({});
  DiceOnTable(1, 1);
  host.AnswerMessageBox(MessageBoxAnswer::Ok);
  game->ThrowOrEndTurn();
  std::vector<std::string> notes;
  for (const std::string& sound : SoundsPlayed()) {
    if (sound.rfind("note", 0) == 0) notes.push_back(sound);
  }
  EXPECT_THAT(notes, ElementsAre("note1.wav", "note2.wav", "note3.wav", "note4.wav", "note5.wav", "note6.wav",
                                 "note7.wav", "note8.wav"));
  std::vector<std::string> frames = Frames();
  const auto start = std::find(frames.begin(), frames.end(), "save:name1@82,224");
  ASSERT_NE(start, frames.end());
  // "TIE" is 38 wide: it starts at 83 + (184 - 38) / 2 = 156.
  EXPECT_EQ(std::vector<std::string>(start, frames.end()),
            (std::vector<std::string>{"save:name1@82,224",  "save:score1@82,250", "save:name2@82,276",
                                      "save:score2@82,302", "wait 100",           "wait 100",
                                      "wait 100",           "wait 100",           "wait 100",
                                      "wait 100",           "BITMAP_41@156,250",  "wait 100",
                                      "BITMAP_30@171,250",  "wait 100",           "BITMAP_26@180,250",
                                      "BITMAP_48@168,276",  "wait 200",           "save:name2@82,276",
                                      "wait 200",           "BITMAP_48@168,276",  "wait 200",
                                      "save:name2@82,276",  "wait 200",           "BITMAP_48@168,276",
                                      "wait 200",           "save:name2@82,276",  "wait 200",
                                      "BITMAP_48@168,276",  "wait 200",           "wait 200"}));
  ASSERT_EQ(host.Modals().size(), 1u);
  EXPECT_EQ(host.Modals()[0].caption, "Top Scores");

  // A paint before the next game keeps the result, and the dice where they went: in the cup.
  ClearRecords();
  game->PaintScreen();
  frames = Frames();
  for (const char* shown : {"BITMAP_41@156,250", "BITMAP_30@171,250", "BITMAP_26@180,250",
                            "BITMAP_48@168,276", "BITMAP_4@329,249"}) {
    EXPECT_NE(std::find(frames.begin(), frames.end(), shown), frames.end()) << shown;
  }
  EXPECT_EQ(std::find(frames.begin(), frames.end(), "BITMAP_7@465,239"), frames.end());
  EXPECT_TRUE(host.Sounds().empty());
  EXPECT_TRUE(WaitsMs().empty());
}

TEST_F(BoardTest, AnEightLetterWinnerSoundsNotesOneToEightOnItsLetters) {
  SetName(shell.prefs.Player1Name, "ABCDEFGH");
  game->Player1ToMove = false;
  game->TotalScore = {0, 90, 95};
  game->TurnScore = {0, 0, 5};
  OpenOnly({});
  DiceOnTable(1, 1);
  host.AnswerMessageBox(MessageBoxAnswer::Ok);
  game->ThrowOrEndTurn();
  std::vector<std::string> notes;
  for (const std::string& sound : SoundsPlayed()) {
    if (sound.rfind("note", 0) == 0) notes.push_back(sound);
  }
  EXPECT_THAT(notes, ElementsAre("note1.wav", "note2.wav", "note3.wav", "note4.wav", "note5.wav", "note6.wav",
                                 "note7.wav", "note8.wav"));
  EXPECT_EQ(shell.prefs.StbTopScores[1].value, 10u);
}

TEST_F(BoardTest, APaintShowsTheStateAsItIs) {
  struct Case {
    const char* what;
    bool player1;
    bool thrown;
    bool twoDice;
    std::vector<std::string> expected;  // among the frames
    std::vector<std::string> absent;
  } const cases[] = {
      {"second player to move",
       false,
       false,
       true,
       {"BITMAP_59@54,276", "BITMAP_4@329,249"},
       {"BITMAP_59@54,231"}},
      {"first player, dice out",
       true,
       true,
       true,
       {"BITMAP_59@54,231", "BITMAP_7@465,239", "pip@525,249"},
       {"BITMAP_59@54,276"}},
      {"one die landed: die 1's face at die 2's places",
       true,
       true,
       false,
       {"BITMAP_63@466,299", "pip@477,316", "pip@498,326"},
       {"BITMAP_7@465,239"}},
      {"one die in the cup", true, false, false, {"BITMAP_60@341,296"}, {"BITMAP_4@329,249"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game->Player1ToMove = c.player1;
    game->DiceThrown = c.thrown;
    game->TwoDice = c.twoDice;
    game->Die1 = 2;
    game->Die2 = 5;
    OpenOnly({1, 2, 3, 4, 5, 6});
    ClearRecords();
    Faces({2, 5});
    game->PaintScreen();
    const std::vector<std::string> frames = Frames();
    for (const std::string& frame : c.expected)
      EXPECT_NE(std::find(frames.begin(), frames.end(), frame), frames.end()) << frame;
    for (const std::string& frame : c.absent)
      EXPECT_EQ(std::find(frames.begin(), frames.end(), frame), frames.end()) << frame;
    // Shut boxes 7 to 9 drawn shut over the lids.
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "BITMAP_2@407,33[125]"), 1);
    while (host.Platform().ScriptedRandomLeft() > 0) host.Platform().Random();
  }
}

TEST_F(BoardTest, DrawControlDrawsTheSixControlsAndNothingElse) {
  struct Case {
    int k, state;
    const char* frame;
  } const cases[] = {
      {2, 0, "BITMAP_10@95,362"},
      {2, 1, "BITMAP_11@95,362"},
      {3, 1, "BITMAP_13@133,369"},
      {4, 0, "BITMAP_14@172,363"},
      {4, 1, "BITMAP_15@172,363"},
      {5, 1, "BITMAP_17@207,360"},
      {6, 0, "BITMAP_18@245,360"},
      {6, 1, "BITMAP_19@245,360"},
      {13, 1, "BITMAP_65@359,360"},
      {13, 0, "BITMAP_64@359,360"},
      {7, 1, nullptr},
      {1, 1, nullptr},
      {30, 1, nullptr},
  };
  for (const Case& c : cases) {
    ClearRecords();
    game->DrawControl(c.k, c.state);
    if (c.frame == nullptr) {
      EXPECT_TRUE(host.Draws().empty()) << c.k;
    } else {
      EXPECT_THAT(Frames(), ElementsAre(c.frame)) << c.k;
    }
  }
}

TEST(BoardHits, BoxesAnswerOnBothEdgesAndNotInTheGaps) {
  struct Case {
    int x, y, box;
  } const cases[] = {{51, 33, 1},   {107, 100, 1}, {108, 100, 0}, {109, 100, 0}, {110, 100, 2}, {581, 158, 9},
                     {582, 100, 0}, {50, 100, 0},  {60, 32, 0},   {60, 159, 0},  {300, 40, 5}};
  for (const Case& c : cases) EXPECT_EQ(ShutTheBoxGame::BoxAt({c.x, c.y}), c.box) << c.x << "," << c.y;
}

class WideBoardTest : public ShutBoxTest {
 protected:
  WideBoardTest() : ShutBoxTest({800, 600}) { shell.origin = {84, 86}; }
};

TEST_F(WideBoardTest, AWideWindowIsTiledFromItsCornerBeforeTheBoard) {
  StartGame();
  Faces({1, 1});
  game->PaintScreen();
  const std::vector<DrawRecord> draws = host.DrawsOf(DrawRecord::Kind::Picture);
  int tiles = 0;
  for (const DrawRecord& record : draws) {
    if (record.picture != "BITMAP_140") continue;
    ++tiles;
    EXPECT_EQ(record.origin, (Point{0, 0}));
  }
  EXPECT_EQ(tiles, (800 / 56 + 1) * (600 / 32 + 1));
  // The last column is cut to what remains: 800 - 14 * 56 = 16.
  EXPECT_EQ(draws[14].source.width, 16);
  EXPECT_EQ(draws[tiles].picture, "BITMAP_1");
  EXPECT_EQ(draws[tiles].origin, (Point{84, 86}));
}

TEST_F(BoardTest, AnExactPlayAreaGetsNoTiles) {
  Faces({1, 1});
  game->PaintScreen();
  EXPECT_EQ(PicturesDrawn().front(), "BITMAP_1");
}

TEST_F(BoardTest, TheWelcomeIsShownOnceAtTheFirstPaint) {
  shell.prefs.StbShowWelcome = 1;
  host.AnswerMessageBox(MessageBoxAnswer::Ok);
  StartGame();
  Faces({1, 1});
  game->PaintScreen();
  ASSERT_EQ(host.Modals().size(), 0u);  // records were cleared after the first paint
  EXPECT_EQ(shell.prefs.StbShowWelcome, 0);
  EXPECT_EQ(host.AnswersLeft(), 0u);
}

// Saves the screen at a few moments for a person to look at, when DAKTO_SHUTBOX_SHOTS names a folder.
TEST_F(BoardTest, ScreenshotsForReview) {
  const char* folder = std::getenv("DAKTO_SHUTBOX_SHOTS");
  if (folder == nullptr) GTEST_SKIP() << "set DAKTO_SHUTBOX_SHOTS to a folder to save them";
  const std::string dir = folder;
  host.SaveBmp(dir + "/start.bmp");
  Throw(5, 6);
  host.SaveBmp(dir + "/landed.bmp");
  Faces({4, 3});
  game->ToggleBox(9);
  game->ToggleBox(2);
  Throw(2, 1);
  game->ToggleBox(3);
  Throw(6, 6);
  game->ToggleBox(8);
  host.SaveBmp(dir + "/half_throw.bmp");
  Faces({1, 1});
  game->ToggleBox(4);
  host.SaveBmp(dir + "/boxes_shut.bmp");
  OpenOnly({1, 2});
  game->UseOneDie();
  host.SaveBmp(dir + "/one_die.bmp");
  Faces({2});
  game->ThrowOrEndTurn();
  host.SaveBmp(dir + "/one_die_landed.bmp");

  // The Gremlin as it shows itself: the fire with its eyes turned to box 4.
  shell.prefs.GremlinOn = 1;
  game->DrawControl(13, 1);
  Painter painter = host.Platform().ScreenPainter(shell.origin);
  painter.Copy({282, 198}, Bitmap::Load("BITMAP_243").get());
  painter.Copy(kLeftEye, Bitmap::Load("BITMAP_231").get());
  painter.Copy(kRightEye, Bitmap::Load("BITMAP_232").get());
  host.SaveBmp(dir + "/gremlin.bmp");
  game->TwoDice = true;
  game->PaintScreen();  // the fire was only drawn for the picture

  game->Player1ToMove = false;
  game->TotalScore = {0, 95, 101};
  game->TurnScore = {0, 5, 0};
  OpenOnly({});
  DiceOnTable(1, 1);
  host.AnswerMessageBox(MessageBoxAnswer::Ok);
  game->ThrowOrEndTurn();
  host.SaveBmp(dir + "/winner.bmp");
}

}  // namespace
}  // namespace dakto::testing
