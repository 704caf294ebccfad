// Starting with every kind of preferences file, and saving at close.
#include <filesystem>

#include "app/preferences_file.h"
#include "app/score_tables.h"
#include "tests/shell/shell_fixture.h"

namespace dakto::testing {
namespace {

using Kind = ModalRecord::Kind;

TEST_F(ShellTest, FirstRunWithNamesLeftEmptyGivesTheDefaults) {
  host_.AnswerDialog(DialogAnswer::Ok());
  host_.AnswerMessageBox(MessageBoxAnswer::No);  // no music file here: do not look for one
  Start();
  const PreferencesBlock& prefs = window_->Prefs;
  EXPECT_EQ(NameText(prefs.Player1Name), "PLAYERA");
  EXPECT_EQ(NameText(prefs.Player2Name), "PLAYERB");
  EXPECT_EQ(NameText(prefs.CoinTallies[1].name), "PLAYERB");
  EXPECT_EQ(prefs.CoinTallies[1].value, 5000u);
  EXPECT_EQ(NameText(prefs.CoinTallies[2].name), "PLAYERA");
  EXPECT_EQ(prefs.TipIndex, 2) << "the first start shows tip 2";
  EXPECT_EQ(prefs.StbDelay, 130);
  EXPECT_EQ(prefs.NumberOfRolls, 3);
  EXPECT_EQ(prefs.PokerBet, 100u);
  EXPECT_EQ(MusicFileText(prefs), "orlo.mid");
  EXPECT_EQ(prefs.MusicOn, 0) << "answering No to the missing music turns it off";
  ASSERT_EQ(ModalsOf(Kind::Dialog).size(), 1u);
  EXPECT_EQ(ModalsOf(Kind::Dialog)[0].templateId, 202);
  EXPECT_EQ(host_.AnswersLeft(), 0u);
}

TEST_F(ShellTest, FirstRunNamesAreUpperCasedAndEqualNamesWarned) {
  host_.AnswerDialog(DialogAnswer::Ok().Type(101, "playera").Type(102, "PLAYERA"));
  host_.AnswerMessageBox(MessageBoxAnswer::Ok);  // the warning
  host_.AnswerMessageBox(MessageBoxAnswer::No);  // the music
  Start();
  EXPECT_EQ(NameText(window_->Prefs.Player1Name), "PLAYERA");
  EXPECT_EQ(NameText(window_->Prefs.Player2Name), "PLAYERB");
  const auto boxes = ModalsOf(Kind::MessageBox);
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].text,
            "PLAYERA may not be your own opponent.\nSecond player's name is reset to\n"
            "'PLAYERB'.  To change this name,\nclick on either player name.\n");
}

TEST_F(ShellTest, FirstRunWithTypedNames) {
  host_.AnswerDialog(DialogAnswer::Ok().Type(101, "ann").Type(102, "Bob"));
  host_.AnswerMessageBox(MessageBoxAnswer::No);
  Start();
  EXPECT_EQ(NameText(window_->Prefs.Player1Name), "ANN");
  EXPECT_EQ(NameText(window_->Prefs.Player2Name), "BOB");
  EXPECT_EQ(NameText(window_->Prefs.CoinTallies[1].name), "BOB");
}

// Each kind of file, and whether the setup runs and what it says first.
TEST_F(ShellTest, PreferencesFilesOfEverySize) {
  struct Case {
    std::size_t size;
    std::uint8_t firstByte;
    bool setup;
    bool outOfDateMessage;
  };
  const Case cases[] = {
      {0, 0, true, true},       // an empty file is too short
      {1035, 0, true, true},    // one byte short
      {1036, 1, true, false},   // first byte nonzero
      {1037, 0, false, false},  // the first 1036 bytes are used
      {1036, 0, false, false},  // all zeros: a valid block
  };
  for (const Case& c : cases) {
    TestHost host({800, 600});
    std::vector<std::uint8_t> bytes(c.size, 0);
    if (!bytes.empty()) bytes[0] = c.firstByte;
    host.WriteFile("dakto.prf", bytes);
    if (c.outOfDateMessage) host.AnswerMessageBox(MessageBoxAnswer::Ok);
    if (c.setup) {
      host.AnswerDialog(DialogAnswer::Ok());
      host.AnswerMessageBox(MessageBoxAnswer::No);  // music: the setup switches it on
    }
    TDaktoWindow window(host.Platform());
    host.Attach(window, [&] { return window.PlayOrigin; });
    host.Platform().ShowWindow();
    host.Platform().Invalidate();
    host.Run();
    const auto& modals = host.Modals();
    SCOPED_TRACE("file of " + std::to_string(c.size) + " bytes");
    if (c.outOfDateMessage) {
      ASSERT_FALSE(modals.empty());
      EXPECT_EQ(modals[0].text, "Out-of-date preference file found - re-setting defaults");
      EXPECT_EQ(modals[0].caption, "");
    }
    const bool dialogShown = std::any_of(modals.begin(), modals.end(), [](const ModalRecord& m) {
      return m.kind == ModalRecord::Kind::Dialog && m.templateId == 202;
    });
    EXPECT_EQ(dialogShown, c.setup);
    EXPECT_EQ(host.AnswersLeft(), 0u);
    if (!c.setup) {
      const PreferencesBlock& prefs = window.Prefs;
      EXPECT_EQ(NameText(prefs.Player1Name), "");
      EXPECT_EQ(prefs.MusicOn, 0);
      EXPECT_EQ(prefs.StbDelay, 0);
      EXPECT_EQ(prefs.NumberOfRolls, 0);
      EXPECT_EQ(prefs.Player1Coins, 0u);
      EXPECT_EQ(prefs.TipIndex, 1);
    }
  }
}

TEST_F(ShellTest, ClosingWritesBackEveryByteButTheAdvancedTip) {
  PreferencesBlock block = SettledPreferences();
  block.Player1Name = {'A', 'N', 'N', '\0', 'L', 'E', 'F', 'T', 'O'};  // leftovers after the NUL
  block.TipIndex = 7;
  block.StbTopScores[1] = {MakeName("ANN"), 12};
  block.Player2Coins = 3000000000u;
  block.MusicFile[200] = 'x';
  WritePreferences(block);
  Start();
  EXPECT_TRUE(host_.Close());
  PreferencesBlock expected = block;
  expected.TipIndex = 8;
  EXPECT_EQ(host_.ReadFile("dakto.prf"), Bytes(expected));
}

TEST_F(ShellTest, AFailedSaveKeepsThePreviousFile) {
  const PreferencesBlock block = SettledPreferences();
  WritePreferences(block);
  Start();
  SetPreferencesWriteFailureHook([](std::size_t written) { return written > 0; });
  EXPECT_TRUE(host_.Close()) << "the program still ends";
  SetPreferencesWriteFailureHook(nullptr);
  EXPECT_EQ(host_.ReadFile("dakto.prf"), Bytes(block));
}

TEST_F(ShellTest, OutOfRangeValuesFromAHandEditedFile) {
  PreferencesBlock block = SettledPreferences();
  block.TipIndex = -7;
  block.StbDelay = 100000;
  block.PokerDelay = -1;
  WritePreferences(block);
  Start();
  EXPECT_EQ(window_->Prefs.TipIndex, 1);
  EXPECT_EQ(window_->Prefs.StbDelay, 200);
  EXPECT_EQ(window_->Prefs.PokerDelay, 0);
}

TEST_F(ShellTest, TheTipAdvancesAtEveryStartAndWraps) {
  for (const auto& [stored, shown] : {std::pair{1, 2}, {9, 10}, {10, 1}, {11, 1}, {0, 1}, {2147483647, 1}}) {
    TestHost host({800, 600});
    PreferencesBlock block = SettledPreferences();
    block.TipIndex = stored;
    host.WriteFile("dakto.prf", Bytes(block));
    TDaktoWindow window(host.Platform());
    EXPECT_EQ(window.Prefs.TipIndex, shown) << "stored " << stored;
  }
}

}  // namespace
}  // namespace dakto::testing
