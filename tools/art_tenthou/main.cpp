// art_tenthou <outdir>           writes every picture of the 10,000 screen
// art_tenthou --review <outdir>  writes the screen put together from them, for a look

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/pictures.h"
#include "tools/gfx/bmp.h"
#include "tools/gfx/quantise.h"

namespace {

using namespace dakto;

std::string PicturePath(const std::string& folder, int number) {
  return folder + "/BITMAP_" + std::to_string(number) + ".bmp";
}

bool WritePictures(const std::string& folder, const std::vector<tenthou::art::Picture>& pictures) {
  std::vector<const gfx::Canvas*> all;
  for (const auto& picture : pictures) {
    if (!gfx::WriteBmp24(PicturePath(folder, picture.number), picture.image)) return false;
    all.push_back(&picture.image);
  }
  // The game's palette: colours that fit the whole screen and its pieces, plus the exact
  // colours the game draws with itself (the pips' rim and centre, black text).
  std::vector<gfx::Rgb8> palette = gfx::PaletteFor(all, 253);
  for (const auto& c : {tenthou::kPipRim, tenthou::kPipCentre, tenthou::PipColour{0, 0, 0}}) {
    palette.push_back(
        {static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.b)});
  }
  return gfx::WritePaletteSource(PicturePath(folder, tenthou::kPaletteBitmap), palette);
}

bool WriteReview(const std::string& folder, const std::vector<tenthou::art::Picture>& pictures) {
  using tenthou::art::ReviewScene;
  return gfx::WriteBmp24(folder + "/review_tenthou_play.bmp", ComposeReview(pictures, ReviewScene::Play)) &&
         gfx::WriteBmp24(folder + "/review_tenthou_panel.bmp", ComposeReview(pictures, ReviewScene::Panel)) &&
         gfx::WriteBmp24(folder + "/review_tenthou_toss.bmp", ComposeReview(pictures, ReviewScene::Toss));
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool review = args.size() == 2 && args[0] == "--review";
  if (!(args.size() == 1 && args[0] != "--review") && !review) {
    std::fprintf(stderr, "usage: art_tenthou [--review] <outdir>\n");
    return 2;
  }
  const std::string folder = args.back();
  const auto pictures = tenthou::art::DrawAllPictures();
  const bool ok = review ? WriteReview(folder, pictures) : WritePictures(folder, pictures);
  if (!ok) {
    std::fprintf(stderr, "art_tenthou: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
