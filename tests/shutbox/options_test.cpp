// The Shut The Box options dialog and what its answers change.
#include "app/shutbox_options.h"
#include "tests/shutbox/shutbox_fixture.h"

namespace dakto::testing {
namespace {

struct OptionsCase {
  const char* what;
  bool vsComputerBefore;
  bool ok;            // OK, or the dialog cancelled
  int check;          // the button the user checks, 0 for none
  const char* typed;  // into the new-name edit
  bool vsComputerAfter;
  const char* first;
  const char* second;
  bool newGame;
  bool warning;
};

void PrintTo(const OptionsCase& c, std::ostream* os) {
  *os << c.what;
}

class OptionsTest : public ShutBoxTest, public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(OptionsTest, ChangesTheOpponentAndNamesAndRestartsOnAChange) {
  const OptionsCase& c = GetParam();
  shell.prefs.StbVsComputer = c.vsComputerBefore ? 1 : 0;
  StartGame();
  game->TotalScore = {0, 30, 40};
  DialogAnswer answer = c.ok ? DialogAnswer::Ok() : DialogAnswer::Cancel();
  if (c.check != 0) answer.Check(c.check);
  if (*c.typed != '\0') answer.Type(105, c.typed);
  host.AnswerDialog(std::move(answer));
  if (c.warning) host.AnswerMessageBox(MessageBoxAnswer::Ok);
  Script({0, 0, 0, 0});  // the dice of any new games
  RunShutTheBoxOptions(shell, *game);

  ASSERT_GE(host.Modals().size(), 1u);
  EXPECT_EQ(host.Modals()[0].templateId, 201);
  EXPECT_EQ(shell.prefs.StbVsComputer != 0, c.vsComputerAfter);
  EXPECT_EQ(NameText(shell.prefs.Player1Name), c.first);
  EXPECT_EQ(NameText(shell.prefs.Player2Name), c.second);
  EXPECT_EQ(game->TotalScore[1] == 0, c.newGame);
  EXPECT_EQ(host.Modals().size(), c.warning ? 2u : 1u);
  if (c.warning) {
    EXPECT_EQ(host.Modals()[1].caption, "Warning");
  }
  EXPECT_EQ(host.AnswersLeft(), 0u);
  // The names on the board are the names kept.
  if (c.newGame) {
    std::string second;
    bool row2 = false;
    for (const DrawRecord& record : host.DrawsOf(DrawRecord::Kind::Picture)) {
      if (record.picture == "save:name2") {
        row2 = true;
        second.clear();
      } else if (row2 && record.target.top == 276) {
        for (const shutbox::Glyph& glyph : shutbox::kGlyphs) {
          if (record.picture == "BITMAP_" + std::to_string(glyph.picture)) second += glyph.ch;
        }
      }
    }
    EXPECT_EQ(second, c.vsComputerAfter ? "COMPUTER" : c.second);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OptionsTest,
    ::testing::Values(
        OptionsCase{"cancel", true, false, 102, "", true, "PLAYERA", "PLAYERB", false, false},
        OptionsCase{"OK, nothing changed", true, true, 0, "", true, "PLAYERA", "PLAYERB", false, false},
        OptionsCase{"play a person", true, true, 102, "", false, "PLAYERA", "PLAYERB", true, false},
        OptionsCase{"play the computer", false, true, 101, "", true, "PLAYERA", "PLAYERB", true, false},
        OptionsCase{"new first name in capitals", false, true, 103, "ann", false, "ANN", "PLAYERB", true,
                    false},
        OptionsCase{"digits are refused as typed", false, true, 104, "b0b", false, "PLAYERA", "BB", true,
                    false},
        OptionsCase{"a name without its button", false, true, 0, "ANN", false, "PLAYERA", "PLAYERB", false,
                    false},
        OptionsCase{"an empty name changes nothing", false, true, 104, "", false, "PLAYERA", "PLAYERB", false,
                    false},
        OptionsCase{"the first player's name for the second", false, true, 104, "playera", false, "PLAYERA",
                    "PLAYERB", true, true},
        OptionsCase{"the second player's name for the first", false, true, 103, "PLAYERB", false, "PLAYERB",
                    "PLAYERB", true, true}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace dakto::testing
