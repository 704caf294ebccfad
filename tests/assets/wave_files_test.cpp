// The wave files: each decodes as the sound service will read it, is loud
// enough without clipping, starts and ends at rest so nothing clicks, and is
// as long as its moment in the game allows.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "tests/assets/asset_files.h"

namespace dakto::test {
namespace {

struct WaveRole {
  const char* name;
  double minSeconds, maxSeconds;
};

// The lengths follow their use: a rattle fills one frame of a throw (~130 ms), a
// note is cut by the next after 100 ms, the lid's sound stops with its
// animation, the laugh holds the game up until it ends.
constexpr WaveRole kWaves[] = {
    {"Dice1.wav", 0.13, 0.3},   {"Dice3.wav", 0.13, 0.3},  {"Dice4.wav", 0.1, 0.5},
    {"closing2.wav", 0.2, 0.7}, {"creak.wav", 0.5, 1.5},   {"note1.wav", 0.15, 0.45},
    {"note2.wav", 0.15, 0.45},  {"note3.wav", 0.15, 0.45}, {"note4.wav", 0.15, 0.45},
    {"note5.wav", 0.15, 0.45},  {"note6.wav", 0.15, 0.45}, {"note7.wav", 0.15, 0.45},
    {"note8.wav", 0.15, 0.45},  {"laugh.wav", 0.8, 1.8},   {"magic.wav", 0.4, 1.2},
    {"click.wav", 0.01, 0.1},   {"loseall.wav", 0.8, 2.5}, {"cheering.wav", 1.2, 2.5},
    {"shh.wav", 0.3, 1.0},      {"money.wav", 0.3, 1.2},   {"ohno.wav", 0.5, 1.5},
};

constexpr double kFullScale = 32767.0;

struct DecodedWave {
  SDL_AudioSpec audio{};
  std::vector<std::int16_t> samples;
  double Seconds() const { return static_cast<double>(samples.size()) / audio.freq; }
  double Peak(std::size_t from, std::size_t to) const {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
      peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
  }
};

// Decodes through SDL, as the program's sound service does.
::testing::AssertionResult Decode(const std::string& name, DecodedWave& out) {
  SDL_RWops* file = SDL_RWFromFile(AssetPath(name).c_str(), "rb");
  if (file == nullptr) return ::testing::AssertionFailure() << name << ": " << SDL_GetError();
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(file, 1, &out.audio, &buffer, &length) == nullptr) {
    return ::testing::AssertionFailure() << name << " does not decode: " << SDL_GetError();
  }
  out.samples.resize(length / 2);
  std::memcpy(out.samples.data(), buffer, out.samples.size() * 2);
  SDL_FreeWAV(buffer);
  return ::testing::AssertionSuccess();
}

class WaveFileTest : public ::testing::TestWithParam<WaveRole> {
 protected:
  void SetUp() override { ASSERT_TRUE(Decode(GetParam().name, wave_)); }
  DecodedWave wave_;
};

TEST_P(WaveFileTest, IsMono16BitPcmAtAStandardRate) {
  EXPECT_EQ(wave_.audio.format, AUDIO_S16LSB);
  EXPECT_EQ(wave_.audio.channels, 1);
  EXPECT_TRUE(wave_.audio.freq == 22050 || wave_.audio.freq == 44100) << wave_.audio.freq;
}

TEST_P(WaveFileTest, IsNormalisedWithoutClipping) {
  const double peak = wave_.Peak(0, wave_.samples.size());
  EXPECT_LT(peak, kFullScale) << "a sample sits at full scale: clipped";
  EXPECT_GE(peak, 0.5 * kFullScale) << "too quiet beside the other sounds";
}

TEST_P(WaveFileTest, StartsAndEndsAtRestSoNothingClicks) {
  ASSERT_FALSE(wave_.samples.empty());
  const auto millisecond = static_cast<std::size_t>(wave_.audio.freq / 1000);
  const std::size_t n = wave_.samples.size();
  EXPECT_LE(std::abs(int{wave_.samples.front()}), 0.01 * kFullScale);
  EXPECT_LE(std::abs(int{wave_.samples.back()}), 0.01 * kFullScale);
  EXPECT_LE(wave_.Peak(n - millisecond, n), 0.05 * kFullScale) << "the end is cut off, not faded";
}

TEST_P(WaveFileTest, LastsAsLongAsItsRoleAllows) {
  EXPECT_GE(wave_.Seconds(), GetParam().minSeconds);
  EXPECT_LE(wave_.Seconds(), GetParam().maxSeconds);
}

INSTANTIATE_TEST_SUITE_P(AllSounds, WaveFileTest, ::testing::ValuesIn(kWaves),
                         [](const ::testing::TestParamInfo<WaveRole>& info) {
                           std::string name = info.param.name;
                           name.erase(name.find('.'));
                           return name;
                         });

TEST(WaveFiles, TogetherStayWellUnderTwoMegabytes) {
  std::uintmax_t total = 0;
  for (const WaveRole& role : kWaves) total += std::filesystem::file_size(AssetPath(role.name));
  EXPECT_LT(total, 2'000'000u);
}

// The strongest period between 1/1500 s and 1/300 s, by autocorrelation, refined
// between samples by a parabola through the peak.
double PitchOf(const DecodedWave& wave) {
  const int rate = wave.audio.freq;
  const auto from = static_cast<std::size_t>(rate / 100);  // past the hammer's noise
  const auto span = static_cast<std::size_t>(rate / 20);
  const auto correlation = [&](int lag) {
    double sum = 0;
    for (std::size_t i = from; i < from + span; ++i) {
      sum += static_cast<double>(wave.samples[i]) * wave.samples[i + static_cast<std::size_t>(lag)];
    }
    return sum;
  };
  int bestLag = rate / 1500;
  for (int lag = rate / 1500; lag <= rate / 300; ++lag) {
    if (correlation(lag) > correlation(bestLag)) bestLag = lag;
  }
  const double before = correlation(bestLag - 1), at = correlation(bestLag), after = correlation(bestLag + 1);
  const double shift = 0.5 * (before - after) / (before - 2 * at + after);
  return rate / (bestLag + shift);
}

TEST(WaveFiles, NotesRiseStepByStepThroughOneOctave) {
  std::vector<double> pitches;
  for (int k = 1; k <= 8; ++k) {
    DecodedWave wave;
    ASSERT_TRUE(Decode("note" + std::to_string(k) + ".wav", wave));
    pitches.push_back(PitchOf(wave));
  }
  for (std::size_t k = 1; k < pitches.size(); ++k) {
    const double step = pitches[k] / pitches[k - 1];
    // A scale moves by whole or half tones: ratios of about 1.06 or 1.12.
    EXPECT_GT(step, 1.04) << "note" << k + 1 << " does not rise above note" << k;
    EXPECT_LT(step, 1.15) << "note" << k + 1 << " leaps from note" << k;
  }
  EXPECT_NEAR(pitches.back() / pitches.front(), 2.0, 0.06) << "the run should span one octave";
}

TEST(WaveFiles, NotesStrikeAtOnceAndStillSoundWhenCutAfter100Ms) {
  for (int k = 1; k <= 8; ++k) {
    DecodedWave wave;
    ASSERT_TRUE(Decode("note" + std::to_string(k) + ".wav", wave));
    const auto ms = [&wave](int m) { return static_cast<std::size_t>(wave.audio.freq * m / 1000); };
    const double peak = wave.Peak(0, wave.samples.size());
    EXPECT_GE(wave.Peak(0, ms(20)), 0.9 * peak) << "note" << k << " has a slow attack";
    EXPECT_GE(wave.Peak(ms(90), ms(100)), 0.2 * peak) << "note" << k << " has died before the next";
  }
}

}  // namespace
}  // namespace dakto::test
