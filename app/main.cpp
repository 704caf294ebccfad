#include <cstdio>

#include "app/dakto_window.h"
#include "platform/sdl/sdl_platform.h"

int main() {
  dakto::SdlPlatform platform("Dakto");
  if (!platform.IsOpen()) {
    std::fprintf(stderr, "Dakto cannot open its window: %s\n", platform.Error());
    return 1;
  }
  return dakto::TDaktoApp(platform).Run();
}
