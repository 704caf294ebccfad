// Broken media: wave files that are empty, cut short, random or huge; a MIDI file of random bytes;
// no soundfont; no help file; no audio device. Each is quiet or gives its message, and the game
// plays on with what it has.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/preferences_file.h"
#include "games/shutbox/shutbox_geometry.h"
#include "platform/audio.h"
#include "platform/help.h"
#include "platform/music.h"
#include "platform/sound.h"
#include "tests/shell/shell_fixture.h"

namespace dakto::testing {
namespace {

using Bytes8 = std::vector<std::uint8_t>;

void PutLittle(Bytes8& bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An 8-bit mono PCM wave of `samples` samples at 8000 Hz; `claimed` overrides the data size.
Bytes8 Wave(std::uint32_t samples, std::optional<std::uint32_t> claimed = {}) {
  Bytes8 w = {'R', 'I', 'F', 'F'};
  PutLittle(w, 36 + samples, 4);
  for (char c : std::string("WAVEfmt ")) w.push_back(static_cast<std::uint8_t>(c));
  PutLittle(w, 16, 4);
  PutLittle(w, 1, 2);     // PCM
  PutLittle(w, 1, 2);     // mono
  PutLittle(w, 8000, 4);  // samples per second
  PutLittle(w, 8000, 4);  // bytes per second
  PutLittle(w, 1, 2);
  PutLittle(w, 8, 2);
  for (char c : std::string("data")) w.push_back(static_cast<std::uint8_t>(c));
  PutLittle(w, claimed.value_or(samples), 4);
  w.resize(w.size() + samples, 128);
  return w;
}

Bytes8 RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes8 bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

Bytes8 Prefix(const Bytes8& bytes, std::size_t size) { return {bytes.begin(), bytes.begin() + size}; }

struct BrokenWave {
  const char* name;
  Bytes8 bytes;
  std::uint32_t durationMs;  // what its header is good for
};

std::vector<BrokenWave> BrokenWaves() {
  const Bytes8 good = Wave(800);
  return {
      {"empty", {}, 0},
      {"RIFF only", Prefix(good, 4), 0},
      {"cut inside the fmt chunk", Prefix(good, 28), 0},
      {"cut just before the byte rate ends", Prefix(good, 31), 0},
      {"cut after the fmt chunk", Prefix(good, 36), 0},
      {"cut inside the data", Prefix(good, 44 + 400), 50},
      {"data size beyond the file", Wave(80, 50'000'000u), 10},
      {"data size near 4 GB", Wave(80, 0xFFFFFFF0u), 10},
      {"random bytes", RandomBytes(5000, 7), 0},
      {"random bytes after a RIFF WAVE header", [] {
         Bytes8 w = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
         const Bytes8 noise = RandomBytes(3000, 8);
         w.insert(w.end(), noise.begin(), noise.end());
         return w;
       }(), 0},
      {"huge", Wave(4'000'000), 500'000},
      {"whole", good, 100},
  };
}

// The header arithmetic never reads past the bytes it was given (AddressSanitizer watches the
// exactly sized copies) and gives the length the header and the bytes present allow.
TEST(WaveFaultTest, LengthsOfBrokenWavesStayInsideTheirBytes) {
  for (const BrokenWave& wave : BrokenWaves()) {
    if (wave.name == std::string("random bytes after a RIFF WAVE header")) {
      (void)WaveDurationMs(wave.bytes);  // any length will do; it must only read its own bytes
      continue;
    }
    const auto copy = std::make_unique<std::uint8_t[]>(wave.bytes.size() + 1);
    std::copy(wave.bytes.begin(), wave.bytes.end(), copy.get());
    EXPECT_EQ(WaveDurationMs({copy.get(), wave.bytes.size()}), wave.durationMs) << wave.name;
  }
}

// Shut The Box loads all its waves when it opens and plays them through a throw and the turns
// after it; every broken file in every slot leaves it playing on in silence where it must.
class BrokenWaveGameTest : public ShellTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(BrokenWaveGameTest, TheGamePlaysOn) {
  const BrokenWave wave = BrokenWaves()[GetParam()];
  for (const char* name : {"Dice1.wav", "Dice3.wav", "Dice4.wav", "closing2.wav", "creak.wav", "note1.wav",
                           "note5.wav", "note8.wav", "laugh.wav"}) {
    host_.WriteFile(name, wave.bytes);
  }
  PreferencesBlock block = SettledPreferences();
  block.StbShowWelcome = 0;
  block.GremlinOn = 1;
  WritePreferences(block);
  Start();
  host_.Click(100, 350);
  ASSERT_NE(window_->StbGame, nullptr);
  const std::uint64_t waitedBefore = host_.Platform().TotalWaited();
  for (int turn = 0; turn < 12 && !window_->StbGame->GameOver; ++turn) {
    host_.Click(shutbox::kDiceCupHit.x1 + 5, shutbox::kDiceCupHit.y1 + 5);
    for (int n = 9; n >= 1; --n) host_.Key(static_cast<char32_t>(U'0' + n));
  }
  // Waits follow the header only as far as the bytes present: a header that claims more cannot
  // stall the game.
  EXPECT_LT(host_.Platform().TotalWaited() - waitedBefore, 40'000'000u) << wave.name;
  EXPECT_TRUE(host_.Modals().empty()) << "a broken sound is never reported";
  const PreferencesBlock held = window_->Prefs;
  EXPECT_TRUE(host_.Close());
  EXPECT_EQ(SavedPreferences(), held);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BrokenWaveGameTest, ::testing::Range(std::size_t{0}, BrokenWaves().size()));

// The real player on SDL's silent driver: a broken wave starts nothing or plays what it has, and
// a wait for it ends.
TEST(WaveFaultTest, TheMixerPlayerTakesEveryBrokenWave) {
  HeadlessPlatform platform;
  MixerAudio audio;
  MixerSound sound(platform, audio);
  for (const BrokenWave& wave : BrokenWaves()) {
    // The huge one would play for minutes in real time. SDL sets aside the size a header claims
    // before reading, which for 4 GB takes AddressSanitizer seconds; the program itself is quick.
    if (wave.durationMs > 2000 || wave.name == std::string("data size near 4 GB")) continue;
    const auto start = std::chrono::steady_clock::now();
    sound.PlayAndWait(wave.bytes, wave.name);
    sound.Play(wave.bytes, wave.name);
    sound.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << wave.name;
    EXPECT_FALSE(sound.Playing()) << wave.name;
  }
}

class MusicFaultTest : public ShellTest {
 protected:
  void StartWithMusicFile(const Bytes8& bytes) {
    host_.WriteFile("tune.mid", bytes);
    PreferencesBlock block = SettledPreferences();
    block.MusicOn = 1;
    SetMusicFile(block, "tune.mid");
    WritePreferences(block);
    host_.AnswerMessageBox(MessageBoxAnswer::Ok);
    Start();
  }
};

// The sequencer refuses a file that is not MIDI; the player is told with the device's own text.
TEST_F(MusicFaultTest, AMidiFileOfRandomBytesIsReportedAndTheMusicSwitchKept) {
  StartWithMusicFile(RandomBytes(4000, 3));
  const auto boxes = ModalsOf(ModalRecord::Kind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "MCI Error");
  EXPECT_EQ(boxes[0].text, MusicErrorText(kMusicNotMidi));
  EXPECT_TRUE(boxes[0].exclamation);
  EXPECT_TRUE(host_.Close());
  EXPECT_EQ(SavedPreferences().MusicOn, 1) << "a device error leaves the switch as it was";
}

// The real sequencer on SDL's silent driver.
class MixerMusicFaultTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes8& bytes) {
    const std::string path = host_.WorkDir() + "/" + name;
    host_.WriteFile(name, bytes);
    return path;
  }
  TestHost host_;
};

TEST_F(MixerMusicFaultTest, FilesThatAreNotMidiAreRefusedAtOnce) {
  MixerAudio audio;
  MixerMusic music(audio, [](std::uint32_t) {});
  const struct {
    const char* name;
    Bytes8 bytes;
  } cases[] = {{"random", RandomBytes(4000, 11)},
               {"empty", {}},
               {"header chunk only", Prefix(TinyMidi(), 14)},
               {"header cut short", Prefix(TinyMidi(), 6)}};
  for (const auto& c : cases) {
    EXPECT_EQ(music.Open(Write("bad.mid", c.bytes)), kMusicNotMidi) << c.name;
    EXPECT_FALSE(music.IsOpen()) << c.name;
    EXPECT_EQ(music.Play(), kMusicNotOpen) << c.name;
  }
  EXPECT_EQ(music.Open(host_.WorkDir() + "/none.mid"), kMusicFileNotFound);
}

TEST_F(MixerMusicFaultTest, RandomTrackDataAfterGoodChunkHeadersPlaysOrFailsButReturns) {
  if (MixerMusic::SoundFontPath().empty()) GTEST_SKIP() << "no soundfont installed";
  Bytes8 midi = Prefix(TinyMidi(), 22);  // header chunk and the track chunk's tag and length
  midi[21] = 200;
  const Bytes8 noise = RandomBytes(200, 5);
  midi.insert(midi.end(), noise.begin(), noise.end());
  MixerAudio audio;
  MixerMusic music(audio, [](std::uint32_t) {});
  const std::uint32_t opened = music.Open(Write("noise.mid", midi));
  if (opened == kMusicOk) {
    music.Play();
    music.Stop();
  }
  music.Close();
  EXPECT_FALSE(music.IsOpen());
}

// No soundfont: the folder it is looked for in is hidden behind an empty one, in a child with a
// mount namespace of its own (needs root; skipped otherwise).
TEST_F(MixerMusicFaultTest, WithoutASoundfontOpeningSaysSo) {
  if (geteuid() != 0) GTEST_SKIP() << "hiding the soundfont needs root";
  const std::string midi = Write("tune.mid", TinyMidi());
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        if (unshare(CLONE_NEWNS) != 0) std::_Exit(10);  // not allowed here: counted as a skip below
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) std::_Exit(10);
        if (mount("tmpfs", "/usr/share/sounds", "tmpfs", 0, nullptr) != 0) std::_Exit(10);
        if (!MixerMusic::SoundFontPath().empty()) std::_Exit(2);
        MixerAudio audio;
        MixerMusic music(audio, [](std::uint32_t) {});
        if (music.Open(midi) != kMusicNoSoundFont) std::_Exit(3);
        if (music.IsOpen() || music.Play() != kMusicNotOpen) std::_Exit(4);
        if (MusicErrorText(kMusicNoSoundFont).empty()) std::_Exit(5);
        std::_Exit(0);
      },
      [](int status) { return WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 10); },
      "");
}

// No audio device at all: sounds are silent, the sequencer says there is no device.
class NoAudioDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* driver = std::getenv("SDL_AUDIODRIVER")) saved_ = driver;
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
  }
  void TearDown() override {
    if (saved_) {
      setenv("SDL_AUDIODRIVER", saved_->c_str(), 1);
    } else {
      unsetenv("SDL_AUDIODRIVER");
    }
  }
  std::optional<std::string> saved_;
};

TEST_F(NoAudioDeviceTest, SoundsAreSilentAndTheSequencerSaysSo) {
  TestHost host;
  MixerAudio audio;
  MixerSound sound(host.Platform(), audio);
  const auto start = std::chrono::steady_clock::now();
  sound.PlayAndWait(Wave(8000), "a second");
  sound.Play(Wave(800), "short");
  EXPECT_FALSE(sound.Playing());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900)) << "nothing to wait for";
  EXPECT_FALSE(audio.IsOpen());
  EXPECT_FALSE(audio.Error().empty());

  host.WriteFile("tune.mid", TinyMidi());
  MixerMusic music(audio, [](std::uint32_t) {});
  const std::uint32_t opened = music.Open(host.WorkDir() + "/tune.mid");
  EXPECT_EQ(opened, MixerMusic::SoundFontPath().empty() ? kMusicNoSoundFont : kMusicNoDevice);
  EXPECT_FALSE(music.IsOpen());
  EXPECT_FALSE(MusicErrorText(opened).empty());
}

// The help viewer says what is wrong and where it looked, once per request, and opens the help
// quietly once it is there.
TEST(HelpFaultTest, EachMissingPieceIsReportedWithWhereTheHelpWasLookedFor) {
  const struct {
    const char* name;
    const char* file;  // "": none; "/": a folder of that name
    const char* opener;
    const char* problem;  // "": opened without a message
  } cases[] = {
      {"no help file", "", "true", "The help file was not found."},
      {"a folder in its place", "/", "true", "The help file was not found."},
      {"no opener", "<html></html>", "no-such-opener-program", "No program to open it was found"},
      {"all there", "<html></html>", "true", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost host;
    if (c.file == std::string("/")) {
      std::filesystem::create_directory(host.WorkDir() + "/dakto.html");
    } else if (*c.file != '\0') {
      host.WriteFile("dakto.html", Bytes8(c.file, c.file + std::strlen(c.file)));
    }
    BrowserHelp help(host.Platform());
    help.SetOpener(c.opener);
    const bool reported = *c.problem != '\0';
    for (const HelpRequest& request : {HelpRequest{HelpCommand::Contents, {}},
                                       HelpRequest{HelpCommand::Keyword, "Shut The Box"}}) {
      if (reported) host.AnswerMessageBox(MessageBoxAnswer::Ok);
      help.Request(request);
    }
    ASSERT_EQ(host.Modals().size(), reported ? 2u : 0u);
    for (const ModalRecord& box : host.Modals()) {
      EXPECT_EQ(box.caption, "Help");
      EXPECT_NE(box.text.find("The help could not be opened."), std::string::npos);
      EXPECT_NE(box.text.find(c.problem), std::string::npos) << box.text;
      EXPECT_NE(box.text.find(host.WorkDir() + "/dakto.html"), std::string::npos) << box.text;
    }
    help.Quit();
    EXPECT_EQ(host.Modals().size(), reported ? 2u : 0u) << "quitting the help shows nothing";
  }
}

}  // namespace
}  // namespace dakto::testing
