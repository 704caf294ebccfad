#include "app/background_music.h"

#include "platform/file_chooser.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/music.h"

namespace dakto {

BackgroundMusic::BackgroundMusic(Platform& platform, PreferencesBlock& prefs, std::string startupDirectory,
                                 std::string startupMusicFile)
    : platform_(platform),
      prefs_(prefs),
      startupDirectory_(std::move(startupDirectory)),
      startupMusicFile_(std::move(startupMusicFile)) {}

std::optional<std::string> BackgroundMusic::ChooseMidiFile() {
  FileChooserRequest request;
  request.filter = "Midi files (*.MID)|*.MID|";
  request.folderMustExist = true;
  std::optional<std::string> chosen = ChooseOpenFile(platform_, request);
  ChangeDirectory(startupDirectory_);
  return chosen;
}

bool BackgroundMusic::OpenMusic(std::string path) {
  if (musicDeviceOpen_) return true;
  musicPlaying_ = false;
  musicDeviceOpen_ = false;
  musicDeviceId_ = 0;
  if (!FindFile(path)) {
    const MessageBoxAnswer answer =
        ShowMessageBox(platform_, "Music file " + path + " does not exist, search for a new one?",
                       "File does not exist", MessageBoxButtons::YesNo);
    if (answer != MessageBoxAnswer::Yes) {
      prefs_.MusicOn = 0;
      CloseMusic();
      return false;
    }
    const std::optional<std::string> chosen = ChooseMidiFile();
    if (!chosen) {
      prefs_.MusicOn = 0;
      CloseMusic();
      ShowMessageBox(platform_, "Cannot find file.  Turning music off.", "Music Off");
      return false;
    }
    SetMusicFile(prefs_, *chosen);
    path = *chosen;
  }
  MusicDevice& device = platform_.Music();
  const std::uint32_t error = device.Open(path);
  if (error != 0) {
    ShowMciError(error);
    return false;
  }
  musicDeviceId_ = device.DeviceId();
  musicDeviceOpen_ = true;
  return true;
}

void BackgroundMusic::CloseMusic() {
  if (!musicDeviceOpen_) return;
  MusicDevice& device = platform_.Music();
  if (musicPlaying_) device.Stop();
  device.Close();
  musicPlaying_ = false;
  musicDeviceOpen_ = false;
  musicDeviceId_ = 0;
}

bool BackgroundMusic::PlayMusic() {
  if (!musicDeviceOpen_) return false;
  const std::uint32_t error = platform_.Music().Play();
  if (error != 0) {
    ShowMciError(error);
    return false;
  }
  musicPlaying_ = true;
  return true;
}

void BackgroundMusic::StartMusic() {
  prefs_.MusicOn = 1;
  OpenMusic(MusicFileText(prefs_));
  PlayMusic();
}

void BackgroundMusic::StopMusic() {
  prefs_.MusicOn = 0;
  CloseMusic();
}

void BackgroundMusic::ChooseMusicFile() {
  CloseMusic();
  prefs_.MusicOn = 1;
  const std::optional<std::string> chosen = ChooseMidiFile();
  SetMusicFile(prefs_, chosen ? *chosen : startupMusicFile_);
  OpenMusic(MusicFileText(prefs_));
  PlayMusic();
  ChangeDirectory(startupDirectory_);
}

void BackgroundMusic::ShowMciError(std::uint32_t code) {
  std::string text = MusicErrorText(code);
  if (text.size() > 99) text.resize(99);
  ShowMessageBox(platform_, text, "MCI Error", MessageBoxButtons::Ok, true);
}

}  // namespace dakto
