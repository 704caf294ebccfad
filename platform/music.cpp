#include "platform/music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <fstream>
#include <mutex>

#include "platform/audio.h"

namespace dakto {
namespace {

// The mixer's finished hook is a plain function: it reaches the device through these. `playing`
// is cleared by whoever ends a play first, the hook or Stop, so a stopped play (whose halt also
// runs the hook) posts nothing and a finished one posts exactly once.
std::mutex hookMutex;
std::function<void(std::uint32_t)>* hookNotify = nullptr;
std::atomic<bool> playing{false};

}  // namespace

bool LooksLikeMidi(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::array<unsigned char, 8> head{};
  if (!file.read(reinterpret_cast<char*>(head.data()), head.size())) return false;
  if (std::string_view(reinterpret_cast<const char*>(head.data()), 4) != "MThd") return false;
  const std::uint32_t length = (std::uint32_t{head[4]} << 24) | (head[5] << 16) | (head[6] << 8) | head[7];
  if (length < 6 || length > 1024) return false;
  file.seekg(8 + length);
  std::array<char, 4> track{};
  return static_cast<bool>(file.read(track.data(), track.size())) &&
         std::string_view(track.data(), 4) == "MTrk";
}

std::string MusicErrorText(std::uint32_t code) {
  switch (code) {
    case kMusicOk:
      return "The specified command was carried out.";
    case kMusicNoDevice:
      return "There is no sound device to play music on.";
    case kMusicFileNotFound:
      return "The specified file cannot be found. Make sure the path and filename are correct.";
    case kMusicNotMidi:
      return "The file is not a MIDI file that the sequencer can play.";
    case kMusicNoSoundFont:
      return "No General MIDI soundfont is installed (/usr/share/sounds/sf2/FluidR3_GM.sf2).";
    case kMusicNotOpen:
      return "The sequencer is not open.";
    case kMusicCannotPlay:
      return "The sequencer cannot play the file.";
    default:
      return "Unknown sequencer error " + std::to_string(code) + ".";
  }
}

std::string MixerMusic::SoundFontPath() {
  for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
    if (std::ifstream(path)) return path;
  }
  return {};
}

MixerMusic::MixerMusic(MixerAudio& audio, std::function<void(std::uint32_t)> notify)
    : audio_(audio), notify_(std::move(notify)) {}

MixerMusic::~MixerMusic() {
  Close();
  std::lock_guard lock(hookMutex);
  if (hookNotify == &notify_) hookNotify = nullptr;
}

void MixerMusic::Finished() {
  if (!playing.exchange(false)) return;
  std::lock_guard lock(hookMutex);
  if (hookNotify != nullptr && *hookNotify) (*hookNotify)(kMusicNotifySuccessful);
}

std::uint32_t MixerMusic::Open(const std::string& path) {
  Close();
  if (!std::ifstream(path)) return kMusicFileNotFound;
  if (!LooksLikeMidi(path)) return kMusicNotMidi;
  const std::string soundFont = SoundFontPath();
  if (soundFont.empty()) return kMusicNoSoundFont;
  if (!audio_.Open()) return kMusicNoDevice;
  Mix_SetSoundFonts(soundFont.c_str());
  {
    std::lock_guard lock(hookMutex);
    hookNotify = &notify_;
  }
  Mix_HookMusicFinished(&MixerMusic::Finished);
  static std::uint32_t nextId = 1;
  deviceId_ = nextId++;
  open_ = true;
  loaded_ = false;
  playWanted_ = false;
  loader_ = std::thread([this, path] {
    ::_Mix_Music* music = Mix_LoadMUS(path.c_str());
    std::lock_guard lock(mutex_);
    music_ = music;
    loaded_ = true;
    if (playWanted_) StartLoaded();
  });
  return kMusicOk;
}

std::uint32_t MixerMusic::StartLoaded() {
  playWanted_ = false;
  if (music_ == nullptr) return kMusicCannotPlay;
  playing = true;
  if (Mix_PlayMusic(music_, 1) != 0) {
    playing = false;
    return kMusicCannotPlay;
  }
  return kMusicOk;
}

std::uint32_t MixerMusic::Play() {
  if (!open_) return kMusicNotOpen;
  Stop();
  std::lock_guard lock(mutex_);
  if (!loaded_) {
    playWanted_ = true;
    return kMusicOk;
  }
  return StartLoaded();
}

void MixerMusic::Stop() {
  if (!open_) return;
  std::lock_guard lock(mutex_);
  playWanted_ = false;
  playing = false;
  if (music_ != nullptr) Mix_HaltMusic();
}

void MixerMusic::Close() {
  if (!open_) return;
  Stop();
  if (loader_.joinable()) loader_.join();
  if (music_ != nullptr) Mix_FreeMusic(music_);
  music_ = nullptr;
  loaded_ = false;
  open_ = false;
  deviceId_ = 0;
}

}  // namespace dakto
