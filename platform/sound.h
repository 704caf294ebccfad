#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct Mix_Chunk;

namespace dakto {

class MixerAudio;
class Platform;

// Plays one wave sound at a time from a whole wave file held in memory. `name` says which
// sound it is (the file it came from), for the records of the test backend.
// A corrupt or empty image plays nothing; without an audio device every call does nothing.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts the sound and returns at once; a sound already playing is cut off.
  virtual void Play(std::span<const std::uint8_t> wave, std::string_view name) = 0;
  // Plays the sound and returns when it has ended. The system's input is moved into the queue
  // meanwhile without being handled, as during a timed wait.
  virtual void PlayAndWait(std::span<const std::uint8_t> wave, std::string_view name) = 0;
  virtual void Stop() = 0;
};

// How long a wave image plays, from its header; 0 when it is not a wave file we can read.
std::uint32_t WaveDurationMs(std::span<const std::uint8_t> wave);

// The real player, over SDL2_mixer on one channel.
class MixerSound : public SoundPlayer {
 public:
  MixerSound(Platform& platform, MixerAudio& audio);
  ~MixerSound() override;
  MixerSound(const MixerSound&) = delete;
  MixerSound& operator=(const MixerSound&) = delete;

  void Play(std::span<const std::uint8_t> wave, std::string_view name) override;
  void PlayAndWait(std::span<const std::uint8_t> wave, std::string_view name) override;
  void Stop() override;
  // True while a sound plays.
  bool Playing() const;

 private:
  bool Start(std::span<const std::uint8_t> wave);

  Platform& platform_;
  MixerAudio& audio_;
  ::Mix_Chunk* chunk_ = nullptr;
};

}  // namespace dakto
