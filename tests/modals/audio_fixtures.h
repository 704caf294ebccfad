#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace dakto::testing {

// A mono 8-bit wave of `ms` milliseconds at 8000 samples per second: a soft square tone.
inline std::vector<std::uint8_t> ShortWave(int ms) {
  const std::uint32_t samples = 8 * static_cast<std::uint32_t>(ms);
  auto le32 = [](std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
  };
  std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F'};
  le32(wave, 36 + samples);
  for (const char c : std::string("WAVEfmt ")) wave.push_back(static_cast<std::uint8_t>(c));
  le32(wave, 16);
  wave.insert(wave.end(), {1, 0, 1, 0});  // PCM, mono
  le32(wave, 8000);
  le32(wave, 8000);
  wave.insert(wave.end(), {1, 0, 8, 0});
  for (const char c : std::string("data")) wave.push_back(static_cast<std::uint8_t>(c));
  le32(wave, samples);
  for (std::uint32_t i = 0; i < samples; ++i) wave.push_back((i / 20) % 2 ? 150 : 106);
  return wave;
}

// A format-0 MIDI file: one note of a quarter second at 120 beats a minute.
inline std::vector<std::uint8_t> ShortMidi() {
  return {'M',  'T',  'h',  'd',  0, 0, 0, 6,  0, 0, 0, 1, 0, 96,  // 96 ticks a beat
          'M',  'T',  'r',  'k',  0, 0, 0, 16,                     //
          0x00, 0xC0, 0x00,                                        // piano
          0x00, 0x90, 0x3C, 0x64,                                  // note on
          0x30, 0x80, 0x3C, 0x40,                                  // 48 ticks later, off
          0x00, 0xFF, 0x2F, 0x00};                                 // end of track
}

// Points SDL at another audio driver for one scope.
class AudioDriverScope {
 public:
  explicit AudioDriverScope(const char* driver) {
    if (const char* old = std::getenv("SDL_AUDIODRIVER")) previous_ = old;
    setenv("SDL_AUDIODRIVER", driver, 1);
  }
  ~AudioDriverScope() {
    if (previous_.empty()) {
      unsetenv("SDL_AUDIODRIVER");
    } else {
      setenv("SDL_AUDIODRIVER", previous_.c_str(), 1);
    }
  }

 private:
  std::string previous_;
};

}  // namespace dakto::testing
