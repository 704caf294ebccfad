#pragma once

#include <vector>

#include "platform/message_loop.h"
#include "platform/platform.h"
#include "tests/host/test_host.h"

namespace dakto::testing {

// A window for modal tests: paints itself green, remembers what reached it, and can open a
// modal from a click, as the shell's handlers do.
class ModalTestWindow : public WindowProcedure {
 public:
  explicit ModalTestWindow(TestHost& host) : host_(host) { host.Attach(*this); }

  void HandleMessage(const Message& message) override {
    handled.push_back(message.kind);
    if (message.kind == Message::Kind::LeftDown && onClick) onClick();
  }
  void Paint() override {
    ++paints;
    host_.Platform().Screen().Fill({0, 128, 64});
    if (onPaint) onPaint();
  }
  bool CanClose() override {
    ++canCloseCalls;
    return true;
  }

  std::function<void()> onClick;
  std::function<void()> onPaint;
  std::vector<Message::Kind> handled;
  int paints = 0;
  int canCloseCalls = 0;

 private:
  TestHost& host_;
};

inline Message KeyMessage(Key key, bool shift = false) {
  return {.kind = Message::Kind::KeyDown, .key = key, .shift = shift};
}
inline Message CharMessage(char32_t c) {
  return {.kind = Message::Kind::Char, .character = c};
}
inline Point Centre(Rect box) {
  return {box.left + box.width / 2, box.top + box.height / 2};
}

}  // namespace dakto::testing
