#include "platform/modal_loop.h"

#include <algorithm>
#include <string>

#include "platform/message_loop.h"
#include "platform/platform.h"

namespace dakto {
namespace {

// Draws the window as it stands, then the view over it.
void Repaint(Platform& platform, ModalView& view) {
  platform.ValidateAll();
  if (WindowProcedure* window = platform.AttachedWindow()) {
    window->Paint();
  } else {
    platform.Screen().Fill({0, 0, 0});
  }
  view.Layout(platform.ClientSize());
  // The modal's own drawing stays out of the draw log: that records what the program drew.
  Painter painter(platform.Screen());
  view.Draw(painter);
}

void RedrawView(Platform& platform, ModalView& view) {
  Painter painter(platform.Screen());
  view.Draw(painter);
}

// The window behind is drawn again once the view is gone, so a handler that goes on animating
// after a message box does not show the box's ghost.
void RepaintBehind(Platform& platform) {
  if (WindowProcedure* window = platform.AttachedWindow()) {
    platform.ValidateAll();
    window->Paint();
  } else {
    platform.Invalidate();
  }
}

}  // namespace

bool CloseIsPending(Platform& platform) {
  const auto& messages = platform.Queue().Messages();
  return std::any_of(messages.begin(), messages.end(),
                     [](const Message& m) { return m.kind == Message::Kind::Close; });
}

ModalEnd RunModalLoop(Platform& platform, ModalView& view, const char* what) {
  if (!platform.WindowShown()) platform.ShowWindow();
  platform.PumpEvents();
  if (CloseIsPending(platform)) return ModalEnd::Cancelled;
  Repaint(platform, view);
  MessageQueue& queue = platform.Queue();
  while (!view.Done()) {
    bool repaint = false;
    bool redraw = false;
    while (!queue.Empty() && !view.Done()) {
      if (queue.Front().kind == Message::Kind::Close) {
        RepaintBehind(platform);
        return ModalEnd::Cancelled;
      }
      const Message message = queue.Take();
      switch (message.kind) {
        case Message::Kind::Size:
          if (WindowProcedure* window = platform.AttachedWindow()) window->HandleMessage(message);
          repaint = true;
          break;
        case Message::Kind::Paint:
          repaint = true;
          break;
        case Message::Kind::MusicNotify:
          // The music starts again while a box is open, as it does behind any other wait.
          if (WindowProcedure* window = platform.AttachedWindow()) window->HandleMessage(message);
          break;
        default:
          view.HandleInput(message);
          redraw = redraw || message.kind != Message::Kind::MouseMove;
          break;
      }
    }
    if (view.Done()) break;
    if (repaint || platform.PaintPending()) {
      Repaint(platform, view);
    } else if (redraw) {
      RedrawView(platform, view);
    }
    if (!platform.WaitForInput()) {
      platform.ReportModalFault(std::string(what) + " waited for input that never came");
      RepaintBehind(platform);
      return ModalEnd::Cancelled;
    }
    platform.PumpEvents();
  }
  RepaintBehind(platform);
  return ModalEnd::Done;
}

}  // namespace dakto
