// art_pokerdice <folder>           writes every Poker Dice picture as BITMAP_<n>.bmp
// art_pokerdice --review <folder>  writes review_pokerdice.bmp, a screen during a hand

#include <cstdio>
#include <string>

#include "tools/art_pokerdice/pokerdice_art.h"

int main(int argc, char** argv) {
  using namespace dakto::art_pokerdice;
  const bool review = argc == 3 && std::string(argv[1]) == "--review";
  if (argc != 2 && !review) {
    std::fprintf(stderr, "usage: %s [--review] <folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[argc - 1];
  const PictureSet pictures = DrawAllPictures();
  const bool ok = review ? dakto::gfx::WriteBmp24(folder + "/review_pokerdice.bmp", ComposeReview(pictures))
                         : WriteAllPictures(pictures, folder);
  if (!ok) {
    std::fprintf(stderr, "%s: could not write into %s\n", argv[0], folder.c_str());
    return 1;
  }
  return 0;
}
