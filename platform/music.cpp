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

bool StartsLikeMidi(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::array<char, 4> head{};
  file.read(head.data(), head.size());
  return file && std::string_view(head.data(), head.size()) == "MThd";
}

}  // namespace

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
  if (!StartsLikeMidi(path)) return kMusicNotMidi;
  const std::string soundFont = SoundFontPath();
  if (soundFont.empty()) return kMusicNoSoundFont;
  if (!audio_.Open()) return kMusicNoDevice;
  Mix_SetSoundFonts(soundFont.c_str());
  music_ = Mix_LoadMUS(path.c_str());
  if (music_ == nullptr) return kMusicNotMidi;
  static std::uint32_t nextId = 1;
  deviceId_ = nextId++;
  {
    std::lock_guard lock(hookMutex);
    hookNotify = &notify_;
  }
  Mix_HookMusicFinished(&MixerMusic::Finished);
  return kMusicOk;
}

std::uint32_t MixerMusic::Play() {
  if (music_ == nullptr) return kMusicNotOpen;
  Stop();
  playing = true;
  if (Mix_PlayMusic(music_, 1) != 0) {
    playing = false;
    return kMusicCannotPlay;
  }
  return kMusicOk;
}

void MixerMusic::Stop() {
  if (music_ == nullptr) return;
  playing = false;
  Mix_HaltMusic();
}

void MixerMusic::Close() {
  if (music_ == nullptr) return;
  Stop();
  Mix_FreeMusic(music_);
  music_ = nullptr;
  deviceId_ = 0;
}

}  // namespace dakto
