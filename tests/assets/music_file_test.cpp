// The music file: a valid Standard MIDI File that a player can loop without a
// bump, checked with our own reader and then played through SDL_mixer.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

#include "tests/assets/asset_files.h"
#include "tests/assets/smf_reader.h"

namespace dakto::test {
namespace {

struct NoteSpan {
  int channel, key;
  std::uint32_t on, off;
};

struct NoteCheck {
  std::vector<NoteSpan> notes;
  int strayReleases = 0;  // a release with no note sounding on that key
  int hanging = 0;        // a note never released
};

NoteCheck PairNotes(const SmfFile& file) {
  NoteCheck check;
  for (const SmfTrack& track : file.tracks) {
    std::map<std::pair<int, int>, std::vector<std::uint32_t>> sounding;
    for (const SmfEvent& e : track.events) {
      if (!e.IsChannel()) continue;
      auto& starts = sounding[{e.Channel(), e.data1}];
      if (e.IsNoteOn()) {
        starts.push_back(e.tick);
      } else if (e.IsNoteOff()) {
        if (starts.empty()) {
          ++check.strayReleases;
          continue;
        }
        check.notes.push_back({e.Channel(), e.data1, starts.front(), e.tick});
        starts.erase(starts.begin());
      }
    }
    for (const auto& [key, starts] : sounding) check.hanging += static_cast<int>(starts.size());
  }
  return check;
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

std::vector<std::uint8_t> OneTrackFile(std::initializer_list<int> track) {
  std::vector<std::uint8_t> file = Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96});
  const auto length = static_cast<std::uint32_t>(track.size());
  const auto head =
      Bytes({'M', 'T', 'r', 'k', 0, 0, static_cast<int>(length >> 8), static_cast<int>(length & 0xFF)});
  file.insert(file.end(), head.begin(), head.end());
  const auto body = Bytes(track);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

// The reader first: the checks on the real file are only as good as it is.
TEST(SmfReader, FollowsRunningStatusMetaAndSystemExclusiveEvents) {
  const auto bytes = OneTrackFile({0,    0xFF, 0x51, 3,    0x07, 0xA1, 0x20,  // tempo 500000
                                   0,    0xF0, 3,    0x7E, 0x7F, 0xF7,        // system exclusive
                                   0,    0x90, 60,   64,                      // note on
                                   0x60, 60,   0,                             // running status: release
                                   0,    62,   80,                            // running status: note on
                                   0x81, 0x40, 0x80, 62,   0,                 // delta 192, note off
                                   0,    0xFF, 0x2F, 0});
  SmfFile file;
  std::string error;
  ASSERT_TRUE(ReadSmf(bytes, file, error)) << error;
  ASSERT_EQ(file.tracks.size(), 1u);
  const auto& events = file.tracks[0].events;
  ASSERT_EQ(events.size(), 7u);
  EXPECT_TRUE(events[2].IsNoteOn());
  EXPECT_TRUE(events[3].IsNoteOff());
  EXPECT_EQ(events[3].tick, 96u);
  EXPECT_TRUE(events[4].IsNoteOn());
  EXPECT_EQ(events[4].data1, 62);
  EXPECT_EQ(events[5].tick, 288u);
  EXPECT_TRUE(events[6].IsMeta());
  EXPECT_EQ(events[6].metaType, 0x2F);
  EXPECT_DOUBLE_EQ(TickToSeconds(file, 288), 1.5);
  const NoteCheck notes = PairNotes(file);
  EXPECT_EQ(notes.notes.size(), 2u);
  EXPECT_EQ(notes.hanging, 0);
  EXPECT_EQ(notes.strayReleases, 0);
}

TEST(SmfReader, RefusesBrokenFiles) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  auto truncated = OneTrackFile({0, 0x90, 60, 64, 0, 0xFF, 0x2F, 0});
  truncated.resize(truncated.size() - 5);
  const Case cases[] = {
      {"no header", Bytes({'R', 'I', 'F', 'F', 0, 0, 0, 6})},
      {"running status after a meta event", OneTrackFile({0, 0x90, 60, 64, 0, 0xFF, 0x01, 0, 0, 60, 0})},
      {"data byte before any status", OneTrackFile({0, 60, 64})},
      {"track cut short", truncated},
  };
  for (const Case& c : cases) {
    SmfFile file;
    std::string error;
    EXPECT_FALSE(ReadSmf(c.bytes, file, error)) << c.what;
  }
}

TEST(SmfReader, PairingFindsHangingNotesAndStrayReleases) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    int hanging, stray;
  };
  const Case cases[] = {
      {"released by velocity 0", OneTrackFile({0, 0x90, 60, 64, 10, 60, 0, 0, 0xFF, 0x2F, 0}), 0, 0},
      {"never released", OneTrackFile({0, 0x90, 60, 64, 0, 0xFF, 0x2F, 0}), 1, 0},
      {"released on another channel", OneTrackFile({0, 0x90, 60, 64, 10, 0x81, 60, 0, 0, 0xFF, 0x2F, 0}), 1,
       1},
      {"released twice", OneTrackFile({0, 0x90, 60, 64, 10, 60, 0, 10, 60, 0, 0, 0xFF, 0x2F, 0}), 0, 1},
  };
  for (const Case& c : cases) {
    SmfFile file;
    std::string error;
    ASSERT_TRUE(ReadSmf(c.bytes, file, error)) << c.what << ": " << error;
    const NoteCheck check = PairNotes(file);
    EXPECT_EQ(check.hanging, c.hanging) << c.what;
    EXPECT_EQ(check.strayReleases, c.stray) << c.what;
  }
}

class MusicFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    parsed_ = ReadSmf(ReadAsset("orlo.mid"), file_, error);
    error_ = error;
  }
  void SetUp() override { ASSERT_TRUE(parsed_) << "orlo.mid: " << error_; }

  static double Seconds(std::uint32_t tick) { return TickToSeconds(file_, tick); }

  static inline SmfFile file_;
  static inline bool parsed_ = false;
  static inline std::string error_;
};

TEST_F(MusicFileTest, IsAStandardMidiFileTimedInBeats) {
  EXPECT_TRUE(file_.format == 0 || file_.format == 1);
  EXPECT_GT(file_.division, 0);
  if (file_.format == 0) {
    EXPECT_EQ(file_.tracks.size(), 1u);
  }
  EXPECT_GE(file_.tracks.size(), 1u);
}

TEST_F(MusicFileTest, EveryTrackEndsWithEndOfTrackAndOnlyThere) {
  for (std::size_t t = 0; t < file_.tracks.size(); ++t) {
    const auto& events = file_.tracks[t].events;
    ASSERT_FALSE(events.empty()) << "track " << t;
    EXPECT_TRUE(events.back().IsMeta() && events.back().metaType == 0x2F) << "track " << t;
    const auto ends = std::count_if(events.begin(), events.end(),
                                    [](const SmfEvent& e) { return e.IsMeta() && e.metaType == 0x2F; });
    EXPECT_EQ(ends, 1) << "track " << t;
  }
}

TEST_F(MusicFileTest, LastsBetweenOneAndTwoMinutesAtItsTempo) {
  const double length = Seconds(LastTick(file_));
  EXPECT_GE(length, 60.0);
  EXPECT_LE(length, 120.0);
}

TEST_F(MusicFileTest, ReleasesEveryNoteItStarts) {
  const NoteCheck check = PairNotes(file_);
  EXPECT_FALSE(check.notes.empty());
  EXPECT_EQ(check.hanging, 0);
  EXPECT_EQ(check.strayReleases, 0);
}

TEST_F(MusicFileTest, ChoosesEveryInstrumentBeforeItPlays) {
  std::map<int, std::uint32_t> firstNote, program;
  for (const SmfTrack& track : file_.tracks) {
    for (const SmfEvent& e : track.events) {
      if (e.IsNoteOn() && !firstNote.count(e.Channel())) firstNote[e.Channel()] = e.tick;
      if (e.IsChannel() && e.Kind() == 0xC0 && !program.count(e.Channel())) program[e.Channel()] = e.tick;
    }
  }
  for (const auto& [channel, tick] : firstNote) {
    if (channel == 9) continue;  // percussion has no program
    ASSERT_TRUE(program.count(channel)) << "channel " << channel << " has no program";
    EXPECT_LE(program[channel], tick) << "channel " << channel;
  }
}

TEST_F(MusicFileTest, LoopsWithoutSilenceAtEitherEnd) {
  const NoteCheck check = PairNotes(file_);
  std::uint32_t firstOn = UINT32_MAX, lastOff = 0;
  for (const NoteSpan& n : check.notes) {
    firstOn = std::min(firstOn, n.on);
    lastOff = std::max(lastOff, n.off);
  }
  EXPECT_LE(Seconds(firstOn), 0.25) << "the music starts late";
  EXPECT_LE(Seconds(LastTick(file_)) - Seconds(lastOff), 1.5) << "silence before the restart";
  EXPECT_LE(lastOff, LastTick(file_));
}

TEST_F(MusicFileTest, EndsOnTheKeyItStartsIn) {
  // The lowest note sounding in the first second and in the last second before the
  // final release share their pitch class: the loop comes home before it restarts.
  const NoteCheck check = PairNotes(file_);
  std::uint32_t lastOff = 0;
  for (const NoteSpan& n : check.notes) lastOff = std::max(lastOff, n.off);
  int lowestFirst = 128, lowestLast = 128;
  for (const NoteSpan& n : check.notes) {
    if (n.channel == 9) continue;
    if (Seconds(n.on) < 1.0) lowestFirst = std::min(lowestFirst, n.key);
    if (Seconds(n.off) > Seconds(lastOff) - 1.0) lowestLast = std::min(lowestLast, n.key);
  }
  ASSERT_LT(lowestFirst, 128);
  ASSERT_LT(lowestLast, 128);
  EXPECT_EQ(lowestFirst % 12, lowestLast % 12);
}

// What the program's music service will do: load the file through SDL_mixer
// with the General MIDI soundfont and play it.
TEST(MusicPlayback, SdlMixerLoadsAndPlaysTheFile) {
  const char* soundfonts[] = {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
  const char* soundfont = nullptr;
  for (const char* candidate : soundfonts) {
    if (std::filesystem::exists(candidate)) {
      soundfont = candidate;
      break;
    }
  }
  if (soundfont == nullptr) GTEST_SKIP() << "no General MIDI soundfont installed";
  setenv("SDL_SOUNDFONTS", soundfont, 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
  Mix_Music* music = Mix_LoadMUS(AssetPath("orlo.mid").c_str());
  EXPECT_NE(music, nullptr) << Mix_GetError();
  if (music != nullptr) {
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
    EXPECT_EQ(Mix_PlayMusic(music, 0), 0) << Mix_GetError();
    SDL_Delay(300);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    Mix_HaltMusic();
    Mix_FreeMusic(music);
  }
  Mix_CloseAudio();
  SDL_Quit();
}

}  // namespace
}  // namespace dakto::test
