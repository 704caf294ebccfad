#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

struct _Mix_Music;

namespace dakto {

class MixerAudio;

// Error codes of the sequencer; 0 is success. MusicErrorText gives the text shown to the user.
enum MusicError : std::uint32_t {
  kMusicOk = 0,
  kMusicNoDevice = 1,
  kMusicFileNotFound = 2,
  kMusicNotMidi = 3,
  kMusicNoSoundFont = 4,
  kMusicNotOpen = 5,
  kMusicCannotPlay = 6,
};
// The code a play's end notification carries when the file played to its end.
inline constexpr std::uint32_t kMusicNotifySuccessful = 1;

// Whether a file starts as a MIDI file does: a "MThd" header chunk, then a "MTrk" track chunk.
bool LooksLikeMidi(const std::string& path);

// The text of an error code, at most 99 characters.
std::string MusicErrorText(std::uint32_t code);

// A MIDI "sequencer" device: opens one file, plays it from the start with one end notification
// (a MusicNotify message in the platform's queue) per play, stops and closes at once. A play that
// was stopped or closed posts no notification.
class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
  // 0 when the device is open on `path`; otherwise an error code and the device stays closed.
  // An open device is closed first.
  virtual std::uint32_t Open(const std::string& path) = 0;
  // Plays the open file from its beginning; 0 or an error code.
  virtual std::uint32_t Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // A nonzero number for the open device, 0 when closed.
  virtual std::uint32_t DeviceId() const = 0;
};

// The real sequencer: SDL2_mixer playing through FluidSynth with the General MIDI soundfont.
// `notify` is called from the audio thread when a play reaches its end.
// Loading the soundfont takes most of a second, so Open checks everything it can at once (the
// file, its MIDI chunks, the soundfont, the audio device) and loads in the background; a play
// asked for meanwhile starts as soon as the load is done.
class MixerMusic : public MusicDevice {
 public:
  MixerMusic(MixerAudio& audio, std::function<void(std::uint32_t code)> notify);
  ~MixerMusic() override;
  MixerMusic(const MixerMusic&) = delete;
  MixerMusic& operator=(const MixerMusic&) = delete;

  std::uint32_t Open(const std::string& path) override;
  std::uint32_t Play() override;
  void Stop() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::uint32_t DeviceId() const override { return IsOpen() ? deviceId_ : 0; }

  // The soundfont the sequencer plays with, or "" when none is installed.
  static std::string SoundFontPath();

 private:
  static void Finished();
  // Starts the loaded file from its beginning; called with mutex_ held.
  std::uint32_t StartLoaded();

  MixerAudio& audio_;
  std::function<void(std::uint32_t)> notify_;
  bool open_ = false;
  std::uint32_t deviceId_ = 0;
  std::thread loader_;
  std::mutex mutex_;  // guards what the loader shares: music_, loaded_, playWanted_
  ::_Mix_Music* music_ = nullptr;
  bool loaded_ = false;
  bool playWanted_ = false;
};

}  // namespace dakto
