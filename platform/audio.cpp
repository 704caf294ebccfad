#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace dakto {

MixerAudio::~MixerAudio() {
  if (!open_) return;
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerAudio::Open() {
  if (tried_) return open_;
  tried_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error_ = SDL_GetError();
    return false;
  }
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
    error_ = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  // One wave sound at a time: a new one cuts the old one off.
  Mix_AllocateChannels(1);
  open_ = true;
  return true;
}

}  // namespace dakto
