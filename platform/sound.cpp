#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/audio.h"
#include "platform/platform.h"

namespace dakto {
namespace {

std::uint32_t ReadLittle(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + i];
  return value;
}

}  // namespace

std::uint32_t WaveDurationMs(std::span<const std::uint8_t> wave) {
  if (wave.size() < 12 || ReadLittle(wave, 0, 4) != 0x46464952 || ReadLittle(wave, 8, 4) != 0x45564157) {
    return 0;  // not "RIFF" ... "WAVE"
  }
  std::uint32_t bytesPerSecond = 0;
  std::size_t at = 12;
  while (at + 8 <= wave.size()) {
    const std::uint32_t tag = ReadLittle(wave, at, 4);
    const std::uint32_t size = ReadLittle(wave, at + 4, 4);
    if (tag == 0x20746D66 && at + 20 <= wave.size()) {  // "fmt ", as far as its byte rate
      bytesPerSecond = ReadLittle(wave, at + 16, 4);
    } else if (tag == 0x61746164) {  // "data"
      if (bytesPerSecond == 0) return 0;
      const std::uint64_t available = std::min<std::uint64_t>(size, wave.size() - at - 8);
      return static_cast<std::uint32_t>((available * 1000 + bytesPerSecond - 1) / bytesPerSecond);
    }
    at += 8 + size + (size & 1);
  }
  return 0;
}

MixerSound::MixerSound(Platform& platform, MixerAudio& audio) : platform_(platform), audio_(audio) {}

MixerSound::~MixerSound() {
  Stop();
}

bool MixerSound::Start(std::span<const std::uint8_t> wave) {
  if (wave.empty() || !audio_.Open()) return false;
  Stop();
  SDL_RWops* stream = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
  if (stream == nullptr) return false;
  chunk_ = Mix_LoadWAV_RW(stream, 1);
  if (chunk_ == nullptr) return false;
  if (Mix_PlayChannel(0, chunk_, 0) < 0) {
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    return false;
  }
  return true;
}

void MixerSound::Play(std::span<const std::uint8_t> wave, std::string_view /*name*/) {
  Start(wave);
}

void MixerSound::PlayAndWait(std::span<const std::uint8_t> wave, std::string_view /*name*/) {
  if (!Start(wave)) return;
  platform_.Present();
  while (Playing()) {
    platform_.PumpEvents();
    SDL_Delay(5);
  }
}

void MixerSound::Stop() {
  if (chunk_ == nullptr) return;
  Mix_HaltChannel(0);
  Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
}

bool MixerSound::Playing() const {
  return chunk_ != nullptr && Mix_Playing(0) != 0;
}

}  // namespace dakto
