// The floor for the program's start-up: a bare SDL2 program that opens a window, loads the same
// font, the same front picture and the same MIDI file, starts it and presents one frame. It
// prints the moment of that frame on the monotonic clock, then waits to be killed.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

#include "platform/resources.h"

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0) return 1;
  SDL_Rect usable{0, 0, 1024, 768};
  SDL_GetDisplayUsableBounds(0, &usable);
  SDL_Window* window = SDL_CreateWindow("Bare", usable.x, usable.y, usable.w, usable.h,
                                        SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  TTF_Init();
  TTF_Font* font = TTF_OpenFont("/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf", 23);
  const auto front = dakto::FindResource("BITMAP_216");
  SDL_Surface* picture = SDL_LoadBMP_RW(SDL_RWFromConstMem(front.data(), static_cast<int>(front.size())), 1);
  Mix_Init(MIX_INIT_MID);
  Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048);
  for (const char* soundFont :
       {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
    if (access(soundFont, R_OK) == 0) {
      Mix_SetSoundFonts(soundFont);
      break;
    }
  }
  Mix_Music* music = Mix_LoadMUS("orlo.mid");
  if (music != nullptr) Mix_PlayMusic(music, 0);
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface != nullptr && picture != nullptr) {
    SDL_Rect at{(surface->w - 632) / 2 + 31, (surface->h - 428) / 2, picture->w, picture->h};
    SDL_BlitSurface(picture, nullptr, surface, &at);
  }
  SDL_UpdateWindowSurface(window);
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("presented %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
  while (true) SDL_Delay(100);
  (void)font;
}
