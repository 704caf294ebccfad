#pragma once

#include <chrono>
#include <memory>
#include <random>

#include "platform/audio.h"
#include "platform/help.h"
#include "platform/music.h"
#include "platform/platform.h"
#include "platform/sound.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace dakto {

// The real backend: one resizable SDL window presented through its software surface.
class SdlPlatform : public Platform {
 public:
  // Opens the video system and creates the window, hidden until ShowWindow().
  // `caption` is the window's title; the icon is the resource "IDI_ICON1" when the program has it.
  explicit SdlPlatform(const char* caption);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // False when no window could be opened (no display).
  bool IsOpen() const { return window_ != nullptr; }
  const char* Error() const { return error_.c_str(); }

  std::uint32_t Ticks() override;
  void SleepUntil(std::uint32_t deadline) override;
  std::uint32_t Random() override;
  void Reseed() override;
  void ShowWindow() override;
  bool WindowShown() const override { return shown_; }
  void Present() override;
  void SetCursor(Cursor cursor) override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  void PumpEvents() override;
  bool WaitForInput() override;
  // Modals are drawn in the window (Modals() stays nullptr). Sound and music open the audio
  // device on first use.
  SoundPlayer& Sound() override { return sound_; }
  MusicDevice& Music() override { return music_; }
  HelpViewer& Help() override { return help_; }
  BrowserHelp& Browser() { return help_; }

  SDL_Window* Window() const { return window_; }
  // The SDL event that the audio side pushes (from any thread) when the music ends a play;
  // it becomes a MusicNotify message with the event's code.
  std::uint32_t MusicEventType() const { return musicEventType_; }

 private:
  void Translate(const SDL_Event& event);
  void Resized();

  std::string error_;
  SDL_Window* window_ = nullptr;
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* wait_ = nullptr;
  bool shown_ = false;
  std::uint64_t presentedVersion_ = ~std::uint64_t{0};
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::mt19937 random_;
  std::uint32_t musicEventType_ = 0;
  MixerAudio audio_;
  MixerSound sound_{*this, audio_};
  MixerMusic music_;
  BrowserHelp help_{*this};
};

}  // namespace dakto
