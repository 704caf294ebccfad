#pragma once

#include <string>

namespace dakto {

// The audio device shared by the wave sounds and the music, opened on first use so that the
// program starts fast. When there is no device, it stays closed and says so.
class MixerAudio {
 public:
  MixerAudio() = default;
  ~MixerAudio();
  MixerAudio(const MixerAudio&) = delete;
  MixerAudio& operator=(const MixerAudio&) = delete;

  // Opens the device the first time; true when it is open.
  bool Open();
  bool IsOpen() const { return open_; }
  const std::string& Error() const { return error_; }

 private:
  bool tried_ = false;
  bool open_ = false;
  std::string error_;
};

}  // namespace dakto
