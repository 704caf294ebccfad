#include "platform/music.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/audio.h"
#include "tests/modals/audio_fixtures.h"

namespace dakto::testing {
namespace {

namespace fs = std::filesystem;

class SequencerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("dakto-music-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    Write("tune.mid", ShortMidi());
    Write("notes.txt", {'h', 'e', 'l', 'l', 'o'});
    Write("header-only.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96});
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(dir_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Waits up to `limit` for the count to reach `count`.
  bool WaitFor(int count, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (notifications_ >= count) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return notifications_ >= count;
  }

  fs::path dir_;
  std::atomic<int> notifications_{0};
  std::atomic<std::uint32_t> lastCode_{0};
};

TEST_F(SequencerTest, APlayThatEndsNotifiesExactlyOnceAndAStoppedOneNever) {
  if (MixerMusic::SoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  AudioDriverScope driver("dummy");
  MixerAudio audio;
  MixerMusic music(audio, [this](std::uint32_t code) {
    lastCode_ = code;
    ++notifications_;
  });
  ASSERT_EQ(music.Open(Path("tune.mid")), kMusicOk) << audio.Error();
  EXPECT_NE(music.DeviceId(), 0u);
  ASSERT_EQ(music.Play(), kMusicOk);
  EXPECT_TRUE(WaitFor(1, std::chrono::seconds(30)));
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  EXPECT_EQ(notifications_, 1);
  EXPECT_EQ(lastCode_, kMusicNotifySuccessful);

  // Played again from the start: one more.
  ASSERT_EQ(music.Play(), kMusicOk);
  EXPECT_TRUE(WaitFor(2, std::chrono::seconds(30)));

  // Stopped at once: nothing, not even later.
  ASSERT_EQ(music.Play(), kMusicOk);
  music.Stop();
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  EXPECT_EQ(notifications_, 2);

  // Closed while playing: nothing either.
  ASSERT_EQ(music.Play(), kMusicOk);
  music.Close();
  EXPECT_FALSE(music.IsOpen());
  EXPECT_EQ(music.DeviceId(), 0u);
  EXPECT_EQ(music.Play(), kMusicNotOpen);
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  EXPECT_EQ(notifications_, 2);

  // Opened again and stopped while the soundfont is still loading: the play never starts.
  ASSERT_EQ(music.Open(Path("tune.mid")), kMusicOk);
  ASSERT_EQ(music.Play(), kMusicOk);
  music.Stop();
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  EXPECT_EQ(notifications_, 2);
  music.Close();
}

TEST_F(SequencerTest, MissingFilesAndOtherFilesAreErrorsWithTexts) {
  AudioDriverScope driver("dummy");
  MixerAudio audio;
  MixerMusic music(audio, [this](std::uint32_t) { ++notifications_; });
  struct Case {
    std::string path;
    std::uint32_t error;
  };
  for (const Case& c : {Case{Path("missing.mid"), kMusicFileNotFound}, Case{Path("notes.txt"), kMusicNotMidi},
                        Case{Path("header-only.mid"), kMusicNotMidi}, Case{dir_.string(), kMusicNotMidi}}) {
    EXPECT_EQ(music.Open(c.path), c.error) << c.path;
    EXPECT_FALSE(music.IsOpen());
    EXPECT_FALSE(MusicErrorText(c.error).empty());
  }
  EXPECT_EQ(music.Play(), kMusicNotOpen);
}

TEST_F(SequencerTest, WithoutAnAudioDeviceOpeningIsAnErrorNotACrash) {
  if (MixerMusic::SoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  AudioDriverScope driver("no-such-driver");
  MixerAudio audio;
  MixerMusic music(audio, [this](std::uint32_t) { ++notifications_; });
  EXPECT_EQ(music.Open(Path("tune.mid")), kMusicNoDevice);
  EXPECT_EQ(music.Play(), kMusicNotOpen);
  music.Stop();
  music.Close();
  EXPECT_EQ(notifications_, 0);
}

}  // namespace
}  // namespace dakto::testing
