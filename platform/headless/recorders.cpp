#include "platform/headless/recorders.h"

#include <fstream>

#include "platform/headless/headless_platform.h"

namespace dakto {

void RecordingSound::Play(std::span<const std::uint8_t> /*wave*/, std::string_view name) {
  records_.push_back({SoundRecord::Kind::Play, std::string(name)});
}

void RecordingSound::PlayAndWait(std::span<const std::uint8_t> wave, std::string_view name) {
  records_.push_back({SoundRecord::Kind::PlayAndWait, std::string(name)});
  const std::uint32_t length = WaveDurationMs(wave);
  if (length > 0) platform_.SleepUntil(platform_.Ticks() + length);
}

std::uint32_t RecordingMusic::Open(const std::string& path) {
  open_ = playing_ = false;
  std::uint32_t result = kMusicOk;
  if (!std::ifstream(path)) {
    result = kMusicFileNotFound;
  } else if (!LooksLikeMidi(path)) {
    result = kMusicNotMidi;
  } else if (failOpen_ != 0) {
    result = failOpen_;
  }
  failOpen_ = 0;
  open_ = result == kMusicOk;
  records_.push_back({MusicRecord::Kind::Open, path, result});
  return result;
}

std::uint32_t RecordingMusic::Play() {
  std::uint32_t result = open_ ? failPlay_ : kMusicNotOpen;
  failPlay_ = 0;
  playing_ = result == kMusicOk;
  records_.push_back({MusicRecord::Kind::Play, {}, result});
  return result;
}

void RecordingMusic::Stop() {
  playing_ = false;
  records_.push_back({MusicRecord::Kind::Stop, {}, 0});
}

void RecordingMusic::Close() {
  playing_ = false;
  open_ = false;
  records_.push_back({MusicRecord::Kind::Close, {}, 0});
}

bool RecordingMusic::FinishPlay() {
  if (!playing_) return false;
  playing_ = false;
  platform_.Queue().Post({.kind = Message::Kind::MusicNotify, .code = kMusicNotifySuccessful});
  return true;
}

}  // namespace dakto
