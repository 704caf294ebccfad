// The program itself, started as usual, that prints the moment its first frame reaches the
// window ("presented") and the moment the music is playing ("music"), on the monotonic clock,
// then waits to be killed. The program loads the soundfont beside its first frame, so the two
// moments differ.
#include <SDL_mixer.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "app/dakto_window.h"
#include "platform/sdl/sdl_platform.h"

namespace {

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class ProbePlatform : public dakto::SdlPlatform {
 public:
  using SdlPlatform::SdlPlatform;
  void Present() override {
    SdlPlatform::Present();
    if (reported_ || Screen().Version() == 0) return;
    reported_ = true;
    std::printf("presented %lld\n", NowNs());
    std::fflush(stdout);
    std::thread([] {
      while (Mix_PlayingMusic() == 0) std::this_thread::sleep_for(std::chrono::microseconds(500));
      std::printf("music %lld\n", NowNs());
      std::fflush(stdout);
    }).detach();
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main() {
  ProbePlatform platform("Dakto");
  if (!platform.IsOpen()) return 1;
  return dakto::TDaktoApp(platform).Run();
}
