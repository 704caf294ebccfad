// The front screen: what it draws, its click areas, the tips, About, help and the top scores.
#include "app/front_geometry.h"
#include "app/score_tables.h"
#include "tests/shell/shell_fixture.h"

namespace dakto::testing {
namespace {

using Kind = ModalRecord::Kind;

class FrontScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    PreferencesBlock block = SettledPreferences();
    block.TipIndex = 3;  // shows tip 4
    WritePreferences(block);
    Start();
  }
  std::vector<std::string> TextsDrawn() {
    std::vector<std::string> texts;
    for (const DrawRecord& r : host_.DrawsOf(DrawRecord::Kind::Text)) texts.push_back(r.text);
    return texts;
  }
};

TEST_F(FrontScreenTest, DrawsThePictureOnBlackAndTheTipCentred) {
  EXPECT_EQ(window_->PlayOrigin, (Point{84, 86}));
  const auto pictures = host_.DrawsOf(DrawRecord::Kind::Picture);
  ASSERT_FALSE(pictures.empty());
  EXPECT_EQ(pictures[0].picture, "BITMAP_216");
  EXPECT_EQ(pictures[0].target, (Rect{31, 0, 569, 428}));
  EXPECT_EQ(pictures[0].origin, (Point{84, 86}));
  EXPECT_EQ(TextsDrawn(),
            (std::vector<std::string>{"All three games have an undo option.", "Read about it in Help."}));
  for (const DrawRecord& text : host_.DrawsOf(DrawRecord::Kind::Text)) {
    EXPECT_EQ(text.target.left, 231 + (393 - text.target.width) / 2) << text.text;
    EXPECT_EQ(text.color, (Rgb{8, 66, 115}));
    EXPECT_EQ(text.font, (FontDescription{"Times New Roman", 25, 0, 700, true}));
  }
  EXPECT_EQ(host_.DrawsOf(DrawRecord::Kind::Text)[1].target.top, 330);
  // Outside the play area the client is black; columns 0..30 of the play area too.
  EXPECT_EQ(host_.Screen().ColorAt(0, 0), Rgb{});
  EXPECT_EQ(host_.PixelAt(10, 200), Rgb{});
  host_.SaveBmp(host_.WorkDir() + "/front.bmp");
}

TEST_F(FrontScreenTest, NextTipOnTheEdgesOfItsSpotAndWrapping) {
  host_.Platform().ClearRecords();
  host_.Click(500, 401);  // just left of the spot
  EXPECT_EQ(window_->Prefs.TipIndex, 4);
  host_.Click(501, 401);
  EXPECT_EQ(window_->Prefs.TipIndex, 5);
  host_.Click(590, 420);
  EXPECT_EQ(window_->Prefs.TipIndex, 6);
  host_.Click(590, 421);
  EXPECT_EQ(window_->Prefs.TipIndex, 6);
  const auto fills = host_.DrawsOf(DrawRecord::Kind::Fill);
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills.back().target, (Rect{231, 290, 391, 110})) << "the old tip is cleared first";
  window_->Prefs.TipIndex = 10;
  host_.Click(550, 410);
  EXPECT_EQ(window_->Prefs.TipIndex, 1);
  EXPECT_EQ(TextsDrawn().back(), "75% of the time.");
}

TEST_F(FrontScreenTest, SpotsActOnTheirEdgesAndNotBeside) {
  struct Case {
    Point point;
    std::string caption;  // of the message box shown, "" for none
  };
  const Case cases[] = {{{367, 195}, "About"}, {{466, 225}, "About"}, {{366, 195}, ""},
                        {{467, 225}, ""},      {{367, 194}, ""},      {{416, 226}, ""}};
  for (const Case& c : cases) {
    const std::size_t before = host_.Modals().size();
    if (!c.caption.empty()) host_.AnswerMessageBox(MessageBoxAnswer::Ok);
    host_.Click(c.point.x, c.point.y);
    const auto& modals = host_.Modals();
    if (c.caption.empty()) {
      EXPECT_EQ(modals.size(), before) << c.point.x << ", " << c.point.y;
    } else {
      ASSERT_EQ(modals.size(), before + 1);
      EXPECT_EQ(modals.back().caption, c.caption);
      EXPECT_NE(modals.back().text.find("Shut The Box, Poker Dice and 10,000"), std::string::npos);
    }
  }
  host_.Click(279, 108);
  host_.Click(355, 145);
  host_.Click(278, 108);
  EXPECT_EQ(host_.HelpRequests(),
            (std::vector<HelpRequest>{{HelpCommand::Contents, {}}, {HelpCommand::Contents, {}}}));
}

TEST_F(FrontScreenTest, TheTopScoresDialogWithEveryBoxTicked) {
  window_->Prefs.StbTopScores[1] = {MakeName("ANN"), 12};
  window_->Prefs.TenThouTopScores[1] = {MakeName("BOB"), 10050};
  window_->Prefs.PokerTopScores[1] = {MakeName("CAT"), 7000};
  host_.AnswerDialog(DialogAnswer::Ok().Check(101).Check(102).Check(103).Check(104).Check(105).Check(106));
  for (int i = 0; i < 3; ++i) host_.AnswerMessageBox(MessageBoxAnswer::Ok);
  host_.Click(323, 157);
  const auto boxes = ModalsOf(Kind::MessageBox);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].text, TenThouTopScoresText(SettledPreferences()) + "10050  \tBOB\n");
  EXPECT_EQ(boxes[1].text.substr(0, 24), "Top Scores for PokerDice");
  EXPECT_NE(boxes[1].text.find("7000  \tCAT\n"), std::string::npos);
  EXPECT_EQ(boxes[2].text, StbTopScoresText(SettledPreferences()) + "12  \tANN\n");
  for (const auto& box : boxes) EXPECT_EQ(box.caption, "Top Scores");
  EXPECT_EQ(window_->Prefs.StbTopScores, TableSlot{});
  EXPECT_EQ(window_->Prefs.TenThouTopScores, TableSlot{});
  EXPECT_EQ(window_->Prefs.PokerTopScores, TableSlot{});
}

TEST_F(FrontScreenTest, TheTopScoresDialogAdmitsBillionairesAndCancelChangesNothing) {
  window_->Prefs.Player1Coins = 1500000000u;
  window_->Prefs.PokerTopScores[1] = {MakeName("CAT"), 7000};
  host_.AnswerDialog(DialogAnswer::Cancel());
  host_.Click(400, 170);
  EXPECT_EQ(window_->Prefs.PokerTopScores[1].value, 7000u);
  EXPECT_EQ(window_->Prefs.BillionaireClub[1], TableEntry{});
  host_.AnswerDialog(DialogAnswer::Ok().Check(102).Check(105));
  host_.AnswerMessageBox(MessageBoxAnswer::Ok);
  host_.Click(400, 170);
  EXPECT_EQ(NameText(window_->Prefs.BillionaireClub[1].name), "PLAYERA");
  EXPECT_EQ(window_->Prefs.PokerTopScores, TableSlot{});
}

TEST_F(FrontScreenTest, KeysAndRightClicksDoNothingHere) {
  host_.Platform().ClearRecords();
  for (char32_t key : {U'U', U'S', U' ', U'+', U'5'}) host_.Key(key);
  host_.RightClick(100, 300);
  EXPECT_TRUE(host_.Draws().empty());
  EXPECT_TRUE(host_.Modals().empty());
}

TEST_F(FrontScreenTest, ResizingRedrawsCentred) {
  host_.Resize(600, 400);
  EXPECT_EQ(window_->PlayOrigin, (Point{-16, -14}));
  host_.Resize(1000, 700);
  EXPECT_EQ(window_->PlayOrigin, (Point{184, 136}));
  EXPECT_EQ(host_.DrawsOf(DrawRecord::Kind::Picture).back().origin, (Point{184, 136}));
  EXPECT_EQ(window_->ClientSize, (Size{800, 600})) << "measured once, at the first paint";
}

TEST(FrontScreenSmall, ASmallClientAreaPutsThePlayAreaAtTheCorner) {
  TestHost host({600, 400});
  host.WriteFile("dakto.prf", Bytes(SettledPreferences()));
  TDaktoWindow window(host.Platform());
  host.Attach(window, [&] { return window.PlayOrigin; });
  host.Platform().Invalidate();
  host.Run();
  EXPECT_EQ(window.PlayOrigin, (Point{0, 0}));
}

}  // namespace
}  // namespace dakto::testing
