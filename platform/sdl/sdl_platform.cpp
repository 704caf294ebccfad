#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <thread>

#include "platform/resources.h"

namespace dakto {
namespace {

// Decodes UTF-8 text into code points; malformed bytes are skipped.
template <typename Emit>
void ForEachCodePoint(const char* text, Emit emit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  while (*bytes != 0) {
    const unsigned char lead = *bytes;
    int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0) {
      ++bytes;
      continue;
    }
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    int i = 1;
    for (; i < length && (bytes[i] & 0xC0) == 0x80; ++i) point = (point << 6) | (bytes[i] & 0x3F);
    if (i == length) emit(point);
    bytes += i;
  }
}

Key KeyOf(SDL_Keycode code) {
  switch (code) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return Key::Enter;
    case SDLK_ESCAPE:
      return Key::Escape;
    case SDLK_TAB:
      return Key::Tab;
    case SDLK_BACKSPACE:
      return Key::Backspace;
    case SDLK_DELETE:
      return Key::Delete;
    case SDLK_LEFT:
      return Key::Left;
    case SDLK_RIGHT:
      return Key::Right;
    case SDLK_UP:
      return Key::Up;
    case SDLK_DOWN:
      return Key::Down;
    case SDLK_HOME:
      return Key::Home;
    case SDLK_END:
      return Key::End;
    case SDLK_SPACE:
      return Key::Space;
    default:
      return Key::None;
  }
}

}  // namespace

SdlPlatform::SdlPlatform(const char* caption)
    : random_(std::random_device{}()),
      // Called on the audio thread: the end of a play reaches our queue as an SDL event.
      music_(audio_, [this](std::uint32_t code) {
        if (musicEventType_ == 0) return;
        SDL_Event event{};
        event.type = musicEventType_;
        event.user.code = static_cast<Sint32>(code);
        SDL_PushEvent(&event);
      }) {
  // We draw in software anyway; a plain framebuffer starts faster and takes less memory.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error_ = SDL_GetError();
    return;
  }
  musicEventType_ = SDL_RegisterEvents(1);
  if (musicEventType_ == static_cast<std::uint32_t>(-1)) musicEventType_ = 0;
  SDL_Rect usable{0, 0, 1024, 768};
  SDL_GetDisplayUsableBounds(0, &usable);
  window_ = SDL_CreateWindow(caption, usable.x, usable.y, std::max(usable.w, 320), std::max(usable.h, 240),
                             SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (window_ == nullptr) {
    error_ = SDL_GetError();
    return;
  }
  const std::span<const std::uint8_t> icon = FindResource("IDI_ICON1");
  if (!icon.empty()) {
    if (SDL_Surface* surface =
            SDL_LoadBMP_RW(SDL_RWFromConstMem(icon.data(), static_cast<int>(icon.size())), 1)) {
      SDL_SetWindowIcon(window_, surface);
      SDL_FreeSurface(surface);
    }
  }
  arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  wait_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
  Resized();
}

SdlPlatform::~SdlPlatform() {
  music_.Close();
  sound_.Stop();
  if (arrow_ != nullptr) SDL_FreeCursor(arrow_);
  if (wait_ != nullptr) SDL_FreeCursor(wait_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint32_t SdlPlatform::Ticks() {
  const auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SdlPlatform::SleepUntil(std::uint32_t deadline) {
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
  const auto remaining = static_cast<std::int32_t>(deadline - static_cast<std::uint32_t>(elapsed.count()));
  if (remaining <= 0) return;
  // Wake at the exact millisecond the clock reaches the deadline, but at least every 50 ms so
  // the caller can keep the desktop informed.
  const auto wake = start_ + elapsed + std::chrono::milliseconds(std::min<std::int32_t>(remaining, 50));
  std::this_thread::sleep_until(wake);
}

std::uint32_t SdlPlatform::Random() {
  return random_() >> 1;
}

void SdlPlatform::Reseed() {
  random_.seed(std::random_device{}());
}

void SdlPlatform::ShowWindow() {
  if (shown_ || window_ == nullptr) return;
  shown_ = true;
  SDL_ShowWindow(window_);
  SDL_MaximizeWindow(window_);
  PumpEvents();
  Resized();
}

void SdlPlatform::Resized() {
  if (window_ == nullptr) return;
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  if (width != screen_.Width() || height != screen_.Height()) {
    screen_.Resize(width, height);
    queue_.Post({.kind = Message::Kind::Size, .size = {width, height}});
  }
}

void SdlPlatform::Present() {
  if (!shown_ || window_ == nullptr || presentedVersion_ == screen_.Version()) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  SDL_Surface* source =
      SDL_CreateRGBSurfaceWithFormatFrom(screen_.Pixels().data(), screen_.Width(), screen_.Height(), 32,
                                         screen_.Width() * 4, SDL_PIXELFORMAT_XRGB8888);
  if (source != nullptr) {
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(source, nullptr, surface, nullptr);
    SDL_FreeSurface(source);
  }
  SDL_UpdateWindowSurface(window_);
  presentedVersion_ = screen_.Version();
}

void SdlPlatform::SetCursor(Cursor cursor) {
  if (SDL_Cursor* wanted = cursor == Cursor::Wait ? wait_ : arrow_) SDL_SetCursor(wanted);
}

void SdlPlatform::CaptureMouse() {
  SDL_CaptureMouse(SDL_TRUE);
}

void SdlPlatform::ReleaseMouse() {
  SDL_CaptureMouse(SDL_FALSE);
}

void SdlPlatform::PumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) Translate(event);
}

bool SdlPlatform::WaitForInput() {
  while (queue_.Empty() && !paintPending_) {
    Present();
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 250) != 0) Translate(event);
    PumpEvents();
  }
  return true;
}

void SdlPlatform::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      queue_.Post({.kind = Message::Kind::Close});
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) {
        queue_.Post({.kind = Message::Kind::LeftDown, .point = {event.button.x, event.button.y}});
      } else if (event.button.button == SDL_BUTTON_RIGHT) {
        queue_.Post({.kind = Message::Kind::RightDown, .point = {event.button.x, event.button.y}});
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT) {
        queue_.Post({.kind = Message::Kind::LeftUp, .point = {event.button.x, event.button.y}});
      }
      break;
    case SDL_MOUSEMOTION:
      queue_.Post({.kind = Message::Kind::MouseMove, .point = {event.motion.x, event.motion.y}});
      break;
    case SDL_TEXTINPUT:
      ForEachCodePoint(event.text.text,
                       [this](char32_t c) { queue_.Post({.kind = Message::Kind::Char, .character = c}); });
      break;
    case SDL_KEYDOWN: {
      const Key key = KeyOf(event.key.keysym.sym);
      if (key != Key::None) {
        queue_.Post(
            {.kind = Message::Kind::KeyDown, .key = key, .shift = (event.key.keysym.mod & KMOD_SHIFT) != 0});
      }
      break;
    }
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Resized();
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        presentedVersion_ = ~std::uint64_t{0};
        Present();
      }
      break;
    default:
      if (event.type == musicEventType_ && musicEventType_ != 0) {
        queue_.Post(
            {.kind = Message::Kind::MusicNotify, .code = static_cast<std::uint32_t>(event.user.code)});
      }
      break;
  }
}

}  // namespace dakto
