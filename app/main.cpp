#include <cstdio>

#include "platform/message_loop.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// The window until the games move in: a black client area that closes cleanly.
class BlankWindow : public dakto::WindowProcedure {
 public:
  explicit BlankWindow(dakto::Platform& platform) : platform_(platform) {}
  void HandleMessage(const dakto::Message& message) override {
    if (message.kind == dakto::Message::Kind::Size) platform_.Invalidate();
  }
  void Paint() override { platform_.Screen().Fill({0, 0, 0}); }
  bool CanClose() override { return true; }

 private:
  dakto::Platform& platform_;
};

}  // namespace

int main() {
  dakto::SdlPlatform platform("Dakto");
  if (!platform.IsOpen()) {
    std::fprintf(stderr, "Dakto cannot open its window: %s\n", platform.Error());
    return 1;
  }
  BlankWindow window(platform);
  platform.ShowWindow();
  platform.Invalidate();
  return dakto::RunMessageLoop(platform, window);
}
