#pragma once

#include "platform/geometry.h"
#include "platform/message.h"
#include "platform/painter.h"

namespace dakto {

class Platform;

// A modal interface drawn by us over the window: a message box, a dialog, the file chooser.
class ModalView {
 public:
  virtual ~ModalView() = default;
  // Places the view for a client area of `client` (centred on it).
  virtual void Layout(Size client) = 0;
  virtual void Draw(Painter& painter) = 0;
  // Mouse (client coordinates) and keyboard input.
  virtual void HandleInput(const Message& message) = 0;
  virtual bool Done() const = 0;
};

enum class ModalEnd { Done, Cancelled };

// Runs a modal view until it is done. The window is shown first if it is not yet; the window
// behind is repainted by its own Paint whenever it needs it and the view is drawn on top; the
// view takes the mouse and key messages; size and music messages still go to the window.
// A Close message (close box, SIGTERM) ends the view with Cancelled and stays queued, so the
// main loop closes the window once the handler that opened the view returns; a view opened while
// a Close waits is cancelled at once. Cancelled too when no input can ever come (headless).
ModalEnd RunModalLoop(Platform& platform, ModalView& view, const char* what);

// True while the queue holds a Close message.
bool CloseIsPending(Platform& platform);

}  // namespace dakto
