#pragma once

#include <cstdint>
#include <string>

#include "app/preferences.h"
#include "platform/platform.h"

namespace dakto {

// The MIDI file that plays in a loop behind every screen while the player wants music.
// The device reports the end of each play and the file starts again from its beginning.
class BackgroundMusic {
 public:
  BackgroundMusic(Platform& platform, PreferencesBlock& prefs, std::string startupDirectory,
                  std::string startupMusicFile);

  bool OpenMusic(std::string path);
  void CloseMusic();
  bool PlayMusic();
  void StartMusic();
  void StopMusic();
  void ChooseMusicFile();
  void ShowMciError(std::uint32_t code);
  // The device finished a play.
  void Notified() { PlayMusic(); }

  std::uint32_t MusicDeviceId() const { return musicDeviceId_; }
  bool MusicDeviceOpen() const { return musicDeviceOpen_; }
  bool MusicPlaying() const { return musicPlaying_; }

 private:
  // Runs the file chooser for MIDI files; the working directory is the start-up one afterwards.
  std::optional<std::string> ChooseMidiFile();

  Platform& platform_;
  PreferencesBlock& prefs_;
  std::string startupDirectory_;
  std::string startupMusicFile_;
  std::uint32_t musicDeviceId_ = 0;
  bool musicDeviceOpen_ = false;
  bool musicPlaying_ = false;
};

}  // namespace dakto
