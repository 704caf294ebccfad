#include "tools/sounds/wave_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace dakto::sounds {

std::vector<std::int16_t> Quantise(const Samples& samples) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (double s : samples) {
    const double scaled = std::clamp(std::round(s * 32767.0), -32767.0, 32767.0);
    pcm.push_back(static_cast<std::int16_t>(scaled));
  }
  return pcm;
}

namespace {

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& pcm, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  PutLe(out, 36 + dataBytes, 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLe(out, 16, 4);  // chunk size
  PutLe(out, 1, 2);   // PCM
  PutLe(out, 1, 2);   // mono
  PutLe(out, static_cast<std::uint32_t>(sampleRate), 4);
  PutLe(out, static_cast<std::uint32_t>(sampleRate * 2), 4);  // bytes per second
  PutLe(out, 2, 2);                                           // block align
  PutLe(out, 16, 2);                                          // bits per sample
  PutTag(out, "data");
  PutLe(out, dataBytes, 4);
  for (std::int16_t s : pcm) PutLe(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace dakto::sounds
