#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/draw_log.h"
#include "platform/message.h"
#include "platform/painter.h"

namespace dakto {

enum class Cursor { Arrow, Wait };

class HelpViewer;
class ModalHost;
class MusicDevice;
class SoundPlayer;
class WindowProcedure;

// The services of the machine that the program uses: a millisecond clock, random numbers, one
// window with its picture in memory, and a queue of input. One backend draws into a real SDL
// window; the headless one runs on a virtual clock for tests.
//
// Presentation: the program draws into Screen(); the picture reaches the real window whenever
// the program waits (a timed wait, a modal loop, the idle message loop), never half drawn.
class Platform {
 public:
  virtual ~Platform() = default;

  // A 32-bit millisecond count that wraps around.
  virtual std::uint32_t Ticks() = 0;
  // Sleeps until Ticks() reaches `deadline` (compared as signed 32-bit values), or a little
  // earlier; callers check the clock again.
  virtual void SleepUntil(std::uint32_t deadline) = 0;

  // A random integer r >= 0 (31 bits).
  virtual std::uint32_t Random() = 0;
  // Starts a fresh sequence from real entropy.
  virtual void Reseed() = 0;

  // Shows the window (maximised) once; later calls do nothing.
  virtual void ShowWindow() = 0;
  virtual bool WindowShown() const = 0;
  Size ClientSize() const { return screen_.GetSize(); }
  Bitmap& Screen() { return screen_; }
  DrawLog* Log() { return log_.get(); }
  // A painter on the window with positions relative to `origin`.
  Painter ScreenPainter(Point origin = {}) { return Painter(screen_, origin, log_.get()); }
  // Shows the window's picture as it stands now.
  virtual void Present() = 0;

  virtual void SetCursor(Cursor cursor) = 0;
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;

  // Moves the operating system's pending input into Queue() without handling any of it, and
  // keeps the desktop informed that the program is alive.
  virtual void PumpEvents() = 0;
  // Waits until Queue() holds a message. Presents first. Returns false when no input can ever
  // come (the headless backend with nothing scripted).
  virtual bool WaitForInput() = 0;
  MessageQueue& Queue() { return queue_; }

  // Asks for a paint message once the queue has nothing else.
  void Invalidate() { paintPending_ = true; }
  bool PaintPending() const { return paintPending_; }
  void ValidateAll() { paintPending_ = false; }

  // Drops the mouse messages queued meanwhile, including those the system still holds.
  void DiscardMouseInput() {
    PumpEvents();
    queue_.DropMouseMessages();
  }

  // Where modal interfaces (message boxes, dialogs, the file chooser) are answered: the drawn
  // ones on the real backend, a script in tests.
  virtual ModalHost* Modals() { return nullptr; }
  // Something a modal could not do (no answer scripted, no input ever coming); the headless
  // backend turns it into a test failure, the real one has nothing to report.
  virtual void ReportModalFault(const std::string& /*what*/) {}

  // The window whose Paint draws the picture behind a modal and who gets size and music
  // messages while one is open. Set by whoever builds the main window.
  void AttachWindow(WindowProcedure* window) { window_ = window; }
  WindowProcedure* AttachedWindow() const { return window_; }

  // One wave sound at a time, the MIDI sequencer, and the help viewer.
  virtual SoundPlayer& Sound() = 0;
  virtual MusicDevice& Music() = 0;
  virtual HelpViewer& Help() = 0;

 protected:
  Bitmap screen_{0, 0, "window"};
  std::unique_ptr<DrawLog> log_;
  MessageQueue queue_;
  bool paintPending_ = false;
  WindowProcedure* window_ = nullptr;
};

}  // namespace dakto
