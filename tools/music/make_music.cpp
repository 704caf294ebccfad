// make_music <outdir>: composes "orlo.mid", the music behind every screen.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/music/orlo.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_music <outdir>\n");
    return 2;
  }
  std::string error;
  const auto bytes = dakto::music::ComposeOrlo(error);
  if (bytes.empty()) {
    std::fprintf(stderr, "make_music: %s\n", error.c_str());
    return 1;
  }
  const std::string path = std::string(argv[1]) + "/orlo.mid";
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    std::fprintf(stderr, "make_music: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}
