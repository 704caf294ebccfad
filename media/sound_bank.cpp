#include "media/sound_bank.h"

#include "platform/files.h"
#include "platform/platform.h"
#include "platform/sound.h"

namespace dakto {

SoundBank::SoundBank(Platform& platform, const std::uint8_t& soundEffectsOn)
    : platform_(platform), soundEffectsOn_(soundEffectsOn) {}

void SoundBank::LoadSoundBank(std::span<const std::string_view> files) {
  for (std::string_view file : files) {
    Slot slot{std::string(file), {}};
    if (auto bytes = ReadWholeFile(slot.name)) slot.wave = std::move(*bytes);
    slots_.push_back(std::move(slot));
  }
}

const SoundBank::Slot* SoundBank::Playable(std::size_t slot) const {
  if (soundEffectsOn_ == 0 || !IsLoaded(slot)) return nullptr;
  return &slots_[slot];
}

void SoundBank::PlaySoundEffect(std::size_t slot) {
  if (const Slot* sound = Playable(slot)) platform_.Sound().Play(sound->wave, sound->name);
}

void SoundBank::PlaySoundEffectAndWait(std::size_t slot) {
  if (const Slot* sound = Playable(slot)) platform_.Sound().PlayAndWait(sound->wave, sound->name);
}

void SoundBank::StopSoundEffect() {
  if (soundEffectsOn_ != 0) platform_.Sound().Stop();
}

void SoundBank::FreeSoundBank() {
  slots_.clear();
}

}  // namespace dakto
