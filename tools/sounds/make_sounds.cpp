// make_sounds <outdir>: synthesises every wave file the games play.
#include <cstdio>
#include <string>

#include "tools/sounds/sound_recipes.h"
#include "tools/sounds/wave_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <outdir>\n");
    return 2;
  }
  using namespace dakto::sounds;
  const std::string outDir = argv[1];
  for (const WaveSound& sound : AllWaveSounds()) {
    const auto bytes = EncodeWave(Quantise(sound.make()), kSampleRate);
    if (!WriteFile(outDir + "/" + sound.fileName, bytes)) {
      std::fprintf(stderr, "make_sounds: cannot write %s/%s\n", outDir.c_str(), sound.fileName.c_str());
      return 1;
    }
  }
  return 0;
}
