#include "platform/message_loop.h"

namespace dakto {
namespace {

// Handles one message or the pending paint. Returns false when the window closed.
bool DispatchOne(Platform& platform, WindowProcedure& window, bool& didSomething) {
  didSomething = true;
  MessageQueue& queue = platform.Queue();
  if (!queue.Empty()) {
    const Message message = queue.Take();
    switch (message.kind) {
      case Message::Kind::Close:
        return !window.CanClose();
      case Message::Kind::Paint:
        platform.Invalidate();
        return true;
      default:
        window.HandleMessage(message);
        return true;
    }
  }
  if (platform.PaintPending()) {
    platform.ValidateAll();
    window.Paint();
    return true;
  }
  didSomething = false;
  return true;
}

}  // namespace

bool DispatchPending(Platform& platform, WindowProcedure& window) {
  bool didSomething = true;
  while (didSomething) {
    if (!DispatchOne(platform, window, didSomething)) return false;
  }
  return true;
}

int RunMessageLoop(Platform& platform, WindowProcedure& window) {
  while (true) {
    platform.PumpEvents();
    bool didSomething = false;
    if (!DispatchOne(platform, window, didSomething)) return 0;
    if (!didSomething && !platform.WaitForInput()) return 0;
  }
}

}  // namespace dakto
