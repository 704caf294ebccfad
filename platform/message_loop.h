#pragma once

#include "platform/platform.h"

namespace dakto {

// What the main window does with the messages of its queue.
class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;
  // Input, size and music messages.
  virtual void HandleMessage(const Message& message) = 0;
  virtual void Paint() = 0;
  // The close box, SIGTERM or SIGINT: true lets the window close and the program end.
  virtual bool CanClose() = 0;
};

// Handles queued messages in order, then a pending paint, until nothing is left.
// Returns false once the window has closed.
bool DispatchPending(Platform& platform, WindowProcedure& window);

// The program's message loop: runs until the window closes. Returns the exit status.
int RunMessageLoop(Platform& platform, WindowProcedure& window);

}  // namespace dakto
