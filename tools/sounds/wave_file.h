// Writes mono 16-bit PCM wave files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sounds/synth.h"

namespace dakto::sounds {

// Rounds samples in -1..1 to 16-bit values; anything beyond full scale is clamped.
std::vector<std::int16_t> Quantise(const Samples& samples);

// The whole file image: RIFF header, "fmt " chunk and "data" chunk.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& pcm, int sampleRate);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace dakto::sounds
