// The preferences file under a broken disk: a save refused halfway, a working directory that may
// not be written, and "dakto.prf" that is a folder. What was saved before must survive each, and
// none of them shows anything beyond what a first run shows.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/preferences_file.h"
#include "tests/shell/shell_fixture.h"

namespace dakto::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::size_t refuseAt = 0;

class PreferencesFaultTest : public ShellTest {
 protected:
  void TearDown() override { SetPreferencesWriteFailureHook(nullptr); }
};

class RefusedSaveTest : public PreferencesFaultTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(RefusedSaveTest, LeavesThePreviousFileWholeAndNoLitter) {
  PreferencesBlock block = SettledPreferences();
  block.StbTopScores[1] = {MakeName("ANN"), 12};
  WritePreferences(block);
  const auto before = host_.ReadFile("dakto.prf");
  Start();
  window_->Prefs.StbTopScores[2] = {MakeName("BOB"), 30};  // what this run would have added
  refuseAt = GetParam();
  SetPreferencesWriteFailureHook([](std::size_t written) { return written >= refuseAt; });
  EXPECT_TRUE(host_.Close()) << "the program still ends";
  SetPreferencesWriteFailureHook(nullptr);
  EXPECT_EQ(host_.ReadFile("dakto.prf"), before);
  EXPECT_EQ(FilesIn(host_.WorkDir()), std::vector<std::string>{"dakto.prf"}) << "a temporary file was left";
  EXPECT_TRUE(ModalsOf(ModalRecord::Kind::MessageBox).empty()) << "a failed save is quiet";
}

// Before the first byte, after the first, and halfway through.
INSTANTIATE_TEST_SUITE_P(AtEveryStage, RefusedSaveTest,
                         ::testing::Values(std::size_t{0}, std::size_t{1}, kPreferencesSize / 2 + 1));

TEST_F(PreferencesFaultTest, APreferencesFileThatIsAFolderRunsTheSetupAndSurvivesTheClose) {
  fs::create_directory(host_.WorkDir() + "/dakto.prf");
  host_.WriteFile("dakto.prf/inside", {1, 2, 3});
  host_.AnswerDialog(DialogAnswer::Ok().Type(101, "ann"));
  host_.AnswerMessageBox(MessageBoxAnswer::No);  // no music file: do not look for one
  Start();
  EXPECT_EQ(NameText(window_->Prefs.Player1Name), "ANN");
  EXPECT_EQ(host_.Modals().size(), 2u) << "the names dialog and the music question, nothing else";
  EXPECT_TRUE(host_.Close());
  EXPECT_TRUE(fs::is_directory(host_.WorkDir() + "/dakto.prf"));
  EXPECT_EQ(host_.ReadFile("dakto.prf/inside"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(FilesIn(host_.WorkDir()), std::vector<std::string>{"dakto.prf"});
}

// Runs the program in a working directory it may read but not write: as an ordinary user when
// the tests run as root (who may write anywhere), in a child so the change of user stays there.
class ReadOnlyFolderTest : public PreferencesFaultTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReadOnlyFolderTest, RunsAndClosesQuietlyKeepingTheFile) {
  const bool withFile = GetParam();
  const PreferencesBlock block = SettledPreferences();
  if (withFile) WritePreferences(block);
  const auto before = host_.ReadFile("dakto.prf");
  if (withFile) chmod((host_.WorkDir() + "/dakto.prf").c_str(), 0644);
  chmod(host_.WorkDir().c_str(), 0555);
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        if (geteuid() == 0 && setuid(65534) != 0) std::_Exit(3);
        if (access(host_.WorkDir().c_str(), W_OK) == 0) std::_Exit(4);  // not read-only after all
        if (!withFile) {
          host_.AnswerDialog(DialogAnswer::Ok());
          host_.AnswerMessageBox(MessageBoxAnswer::No);
        }
        host_.ExpectModalFaults();
        Start();
        if (withFile && !(window_->Prefs.StbTopScores == block.StbTopScores)) std::_Exit(5);
        if (!host_.Close()) std::_Exit(6);
        if (!host_.ModalFaults().empty()) std::_Exit(7);  // only the scripted modals came
        if (host_.ReadFile("dakto.prf") != before) std::_Exit(8);
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  chmod(host_.WorkDir().c_str(), 0700);
  EXPECT_EQ(host_.ReadFile("dakto.prf"), before);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutAFile, ReadOnlyFolderTest, ::testing::Bool());

}  // namespace
}  // namespace dakto::testing
