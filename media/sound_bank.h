#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dakto {

class Platform;

// A game's sound effects: wave files read whole into memory when the game is built, so that no
// file is touched while an animation plays. Slots are numbered in load order from 0.
//
// Every play and stop looks at the sound-effects switch at the moment of the call; turning the
// switch off does not cut a sound that is already playing.
class SoundBank {
 public:
  SoundBank(Platform& platform, const std::uint8_t& soundEffectsOn);
  ~SoundBank() { FreeSoundBank(); }
  SoundBank(const SoundBank&) = delete;
  SoundBank& operator=(const SoundBank&) = delete;

  // Reads each file by its bare name from the working directory, in order. A missing or
  // unreadable file leaves its slot empty, and an empty slot plays nothing.
  void LoadSoundBank(std::span<const std::string_view> files);
  // Starts the slot's sound without waiting; a sound already playing is cut off.
  void PlaySoundEffect(std::size_t slot);
  // Plays the slot's sound to its end before returning.
  void PlaySoundEffectAndWait(std::size_t slot);
  void StopSoundEffect();
  void FreeSoundBank();

  std::size_t SlotCount() const { return slots_.size(); }
  bool IsLoaded(std::size_t slot) const { return slot < slots_.size() && !slots_[slot].wave.empty(); }

 private:
  struct Slot {
    std::string name;
    std::vector<std::uint8_t> wave;
  };
  const Slot* Playable(std::size_t slot) const;

  Platform& platform_;
  const std::uint8_t& soundEffectsOn_;
  std::vector<Slot> slots_;
};

}  // namespace dakto
