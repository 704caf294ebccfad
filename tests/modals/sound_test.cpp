#include "platform/sound.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/audio.h"
#include "platform/headless/headless_platform.h"
#include "tests/modals/audio_fixtures.h"

namespace dakto::testing {
namespace {

TEST(WaveDuration, ComesFromTheHeaderOrIsZero) {
  EXPECT_EQ(WaveDurationMs(ShortWave(250)), 250u);
  std::vector<std::uint8_t> cut = ShortWave(250);
  cut.resize(cut.size() - 1000);  // a truncated file plays what it holds
  EXPECT_EQ(WaveDurationMs(cut), 125u);
  EXPECT_EQ(WaveDurationMs({}), 0u);
  std::vector<std::uint8_t> corrupt = ShortWave(100);
  corrupt[8] = 'X';
  EXPECT_EQ(WaveDurationMs(corrupt), 0u);
  for (const std::size_t size : {20u, 30u, 35u}) {  // cut inside the "fmt " chunk: no byte rate to read
    std::vector<std::uint8_t> head = ShortWave(100);
    head.resize(size);
    EXPECT_EQ(WaveDurationMs(head), 0u) << size;
  }
}

TEST(MixerSound, PlaysCutsOffAndStopsOnTheDummyDevice) {
  AudioDriverScope driver("dummy");
  HeadlessPlatform platform;
  MixerAudio audio;
  MixerSound sound(platform, audio);
  sound.Play(ShortWave(2000), "long");
  ASSERT_TRUE(audio.IsOpen()) << audio.Error();
  EXPECT_TRUE(sound.Playing());
  sound.Play(ShortWave(2000), "another");  // cuts the first off and plays
  EXPECT_TRUE(sound.Playing());
  sound.Stop();
  EXPECT_FALSE(sound.Playing());

  const auto start = std::chrono::steady_clock::now();
  platform.Queue().Post({.kind = Message::Kind::LeftDown});
  sound.PlayAndWait(ShortWave(300), "short");
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(sound.Playing());
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_LT(waited, std::chrono::seconds(3));
  EXPECT_EQ(platform.Queue().Count(), 1u) << "input that came meanwhile waits, unhandled";
}

TEST(MixerSound, CorruptOrEmptyImagesPlayNothing) {
  AudioDriverScope driver("dummy");
  HeadlessPlatform platform;
  MixerAudio audio;
  MixerSound sound(platform, audio);
  std::vector<std::uint8_t> corrupt = ShortWave(500);
  corrupt[0] = 'X';
  std::vector<std::uint8_t> garbage(300, 0xAB);
  for (const auto& image : {corrupt, garbage, std::vector<std::uint8_t>{}}) {
    sound.Play(image, "bad");
    EXPECT_FALSE(sound.Playing());
    sound.PlayAndWait(image, "bad");
    EXPECT_FALSE(sound.Playing());
  }
}

TEST(MixerSound, WithoutAnAudioDeviceEveryCallIsASilentNoOp) {
  AudioDriverScope driver("no-such-driver");
  HeadlessPlatform platform;
  MixerAudio audio;
  MixerSound sound(platform, audio);
  const auto start = std::chrono::steady_clock::now();
  sound.Play(ShortWave(500), "a");
  sound.PlayAndWait(ShortWave(500), "b");
  sound.Stop();
  EXPECT_FALSE(audio.IsOpen());
  EXPECT_FALSE(sound.Playing());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
}

}  // namespace
}  // namespace dakto::testing
