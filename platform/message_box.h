#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace dakto {

class Platform;

enum class MessageBoxButtons { Ok, YesNo };

// What closed a message box. Cancelled: the window was closed (close box, SIGTERM) while the
// box was open, or no answer could ever come; callers treat it as the safe answer (No / OK).
enum class MessageBoxAnswer { Ok, Yes, No, Cancelled };

struct MessageBoxRequest {
  std::string caption;  // may be empty
  std::string text;     // "\n" breaks lines, "\t" goes to the next tab stop
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  bool exclamation = false;
};

// Shows a message box owned by the window and centred on it, and returns when it is closed.
// The window behind is repainted meanwhile; input meant for the window waits.
MessageBoxAnswer ShowMessageBox(Platform& platform, const MessageBoxRequest& request);

inline MessageBoxAnswer ShowMessageBox(Platform& platform, std::string_view text, std::string_view caption,
                                       MessageBoxButtons buttons = MessageBoxButtons::Ok,
                                       bool exclamation = false) {
  return ShowMessageBox(platform, {std::string(caption), std::string(text), buttons, exclamation});
}

// Where the drawn box puts its buttons (OK, or Yes then No) for a client area of `client`.
std::vector<Rect> MessageBoxButtonBoxes(const MessageBoxRequest& request, Size client);

// The drawn message box, whatever the platform's modal host says: the real user interface.
MessageBoxAnswer RunDrawnMessageBox(Platform& platform, const MessageBoxRequest& request);

}  // namespace dakto
