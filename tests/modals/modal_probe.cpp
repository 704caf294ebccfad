// Opens one message box in the real window and prints the answer: the end-to-end check that a
// drawn modal works on the SDL backend under a real display.
#include <cstdio>
#include <cstring>

#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/sdl/sdl_platform.h"

namespace {

class ProbeWindow : public dakto::WindowProcedure {
 public:
  explicit ProbeWindow(dakto::Platform& platform) : platform_(platform) {}
  void HandleMessage(const dakto::Message&) override {}
  void Paint() override { platform_.Screen().Fill({0, 64, 32}); }
  bool CanClose() override {
    std::printf("closed\n");
    return true;
  }

 private:
  dakto::Platform& platform_;
};

const char* Name(dakto::MessageBoxAnswer answer) {
  switch (answer) {
    case dakto::MessageBoxAnswer::Ok:
      return "OK";
    case dakto::MessageBoxAnswer::Yes:
      return "Yes";
    case dakto::MessageBoxAnswer::No:
      return "No";
    case dakto::MessageBoxAnswer::Cancelled:
      return "Cancelled";
  }
  return "?";
}

}  // namespace

int main(int argc, char** argv) {
  dakto::SdlPlatform platform("Dakto modal probe");
  if (!platform.IsOpen()) {
    std::fprintf(stderr, "no window: %s\n", platform.Error());
    return 1;
  }
  ProbeWindow window(platform);
  platform.AttachWindow(&window);
  const bool yesNo = argc > 1 && std::strcmp(argv[1], "yesno") == 0;
  // The box opens before the window is shown, as the first-run names dialog does.
  const dakto::MessageBoxAnswer answer = dakto::ShowMessageBox(
      platform, "Music file orlo.mid does not exist, search for a new one?", "File does not exist",
      yesNo ? dakto::MessageBoxButtons::YesNo : dakto::MessageBoxButtons::Ok, !yesNo);
  std::printf("%s\n", Name(answer));
  std::fflush(stdout);
  // A close (SIGTERM, the close box) during the box waits in the queue: the program's own loop
  // then ends it through CanClose, as the real program would.
  if (answer == dakto::MessageBoxAnswer::Cancelled) return dakto::RunMessageLoop(platform, window);
  return 0;
}
