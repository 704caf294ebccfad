// The background music: the missing file, the chooser, the loop and the switches.
#include <filesystem>

#include "platform/files.h"
#include "tests/shell/shell_fixture.h"

namespace dakto::testing {
namespace {

using Kind = MusicRecord::Kind;

class MusicTest : public ShellTest {
 protected:
  void StartWithMusic(const std::string& file = "orlo.mid") {
    PreferencesBlock block = SettledPreferences();
    block.MusicOn = 1;
    SetMusicFile(block, file);
    WritePreferences(block);
    Start();
  }
  std::vector<Kind> MusicKinds() {
    std::vector<Kind> kinds;
    for (const MusicRecord& r : host_.Music()) kinds.push_back(r.kind);
    return kinds;
  }
};

TEST_F(MusicTest, AFileThatExistsOpensAndPlaysAtTheFirstPaintAndLoops) {
  host_.WriteFile("orlo.mid", TinyMidi());
  StartWithMusic();
  EXPECT_EQ(MusicKinds(), (std::vector<Kind>{Kind::Open, Kind::Play}));
  EXPECT_TRUE(window_->Music().MusicPlaying());
  EXPECT_TRUE(host_.FinishMusic());
  EXPECT_EQ(MusicKinds(), (std::vector<Kind>{Kind::Open, Kind::Play, Kind::Play})) << "it starts again";
  EXPECT_TRUE(host_.Modals().empty());
}

TEST_F(MusicTest, StoppingEndsThePlayAndALateNotificationDoesNothing) {
  host_.WriteFile("orlo.mid", TinyMidi());
  StartWithMusic();
  window_->Music().StopMusic();
  EXPECT_EQ(window_->Prefs.MusicOn, 0);
  EXPECT_FALSE(window_->Music().MusicDeviceOpen());
  host_.Post({.kind = Message::Kind::MusicNotify, .code = 1});
  host_.Run();
  EXPECT_EQ(MusicKinds(), (std::vector<Kind>{Kind::Open, Kind::Play, Kind::Stop, Kind::Close}));
  window_->Music().StartMusic();
  EXPECT_TRUE(window_->Music().MusicPlaying());
  EXPECT_EQ(window_->Prefs.MusicOn, 1);
}

TEST_F(MusicTest, AMissingFileAnsweredNoTurnsTheMusicOffQuietly) {
  host_.AnswerMessageBox(MessageBoxAnswer::No);
  StartWithMusic();
  ASSERT_EQ(host_.Modals().size(), 1u);
  EXPECT_EQ(host_.Modals()[0].caption, "File does not exist");
  EXPECT_EQ(host_.Modals()[0].text, "Music file orlo.mid does not exist, search for a new one?");
  EXPECT_EQ(host_.Modals()[0].buttons, MessageBoxButtons::YesNo);
  EXPECT_EQ(window_->Prefs.MusicOn, 0);
  EXPECT_TRUE(host_.Close());
  EXPECT_EQ(SavedPreferences().MusicOn, 0) << "the next start does not ask again";
}

TEST_F(MusicTest, AMissingFileAnsweredYesThenAChosenFile) {
  std::filesystem::create_directory(host_.WorkDir() + "/songs");
  host_.WriteFile("songs/tune.mid", TinyMidi());
  const std::string chosen = host_.WorkDir() + "/songs/tune.mid";
  host_.AnswerMessageBox(MessageBoxAnswer::Yes);
  host_.ChooseFile(chosen);
  StartWithMusic();
  EXPECT_EQ(MusicFileText(window_->Prefs), chosen);
  ASSERT_FALSE(host_.Music().empty());
  EXPECT_EQ(host_.Music()[0].path, chosen);
  EXPECT_TRUE(window_->Music().MusicPlaying());
  EXPECT_EQ(CurrentDirectory(), host_.WorkDir()) << "the working directory is the start-up one again";
}

TEST_F(MusicTest, AMissingFileAnsweredYesThenCancelled) {
  host_.AnswerMessageBox(MessageBoxAnswer::Yes);
  host_.CancelFileChooser();
  host_.AnswerMessageBox(MessageBoxAnswer::Ok);
  StartWithMusic();
  const auto& modals = host_.Modals();
  ASSERT_EQ(modals.size(), 3u);
  EXPECT_EQ(modals[2].caption, "Music Off");
  EXPECT_EQ(modals[2].text, "Cannot find file.  Turning music off.");
  EXPECT_EQ(window_->Prefs.MusicOn, 0);
  EXPECT_FALSE(window_->Music().MusicDeviceOpen());
}

TEST_F(MusicTest, AFileThatIsNotMidiShowsTheDeviceError) {
  host_.WriteFile("orlo.mid", {'n', 'o', 't', ' ', 'm', 'i', 'd', 'i'});
  host_.AnswerMessageBox(MessageBoxAnswer::Ok);
  StartWithMusic();
  ASSERT_EQ(host_.Modals().size(), 1u);
  EXPECT_EQ(host_.Modals()[0].caption, "MCI Error");
  EXPECT_TRUE(host_.Modals()[0].exclamation);
  EXPECT_FALSE(host_.Modals()[0].text.empty());
  EXPECT_EQ(window_->Prefs.MusicOn, 1) << "a device error leaves the switch as it was";
}

TEST_F(MusicTest, ChoosingAFileAndCancellingGoesBackToTheStartupFile) {
  host_.WriteFile("orlo.mid", TinyMidi());
  host_.WriteFile("other.mid", TinyMidi());
  StartWithMusic();
  host_.ChooseFile(host_.WorkDir() + "/other.mid");
  window_->Music().ChooseMusicFile();
  EXPECT_EQ(MusicFileText(window_->Prefs), host_.WorkDir() + "/other.mid");
  host_.CancelFileChooser();
  window_->Music().ChooseMusicFile();
  EXPECT_EQ(MusicFileText(window_->Prefs), "orlo.mid") << "the name it had when the program started";
  EXPECT_TRUE(window_->Music().MusicPlaying());
  EXPECT_EQ(CurrentDirectory(), host_.WorkDir());
}

}  // namespace
}  // namespace dakto::testing
