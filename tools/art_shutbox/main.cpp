// art_shutbox <outdir>           writes the front screen, the icon and the Shut The Box pictures
// art_shutbox --review <outdir>  writes review screens of both

#include <cstdio>
#include <string>
#include <vector>

#include "app/front_geometry.h"
#include "games/shutbox/shutbox_geometry.h"
#include "tools/art_shutbox/board.h"
#include "tools/art_shutbox/front.h"
#include "tools/art_shutbox/review.h"
#include "tools/gfx/gfx.h"

namespace dakto::art {
namespace {

std::string PicturePath(const std::string& folder, int number) {
  return folder + "/BITMAP_" + std::to_string(number) + ".bmp";
}

bool WriteShutBox(const std::string& folder) {
  const ShutBoxArt art = DrawShutBoxArt();
  bool ok = true;
  std::vector<const gfx::Canvas*> all;
  for (const auto& [number, picture] : art.pictures) {
    ok = gfx::WriteBmp24(PicturePath(folder, number), picture) && ok;
    all.push_back(&picture);
  }
  // The pips are drawn in a colour taken from the palette, so it holds that colour exactly.
  std::vector<gfx::Rgb8> palette = gfx::PaletteFor(all, 255);
  palette.push_back({shutbox::kPipRed, shutbox::kPipGreen, shutbox::kPipBlue});
  ok = gfx::WritePaletteSource(PicturePath(folder, shutbox::kPalettePicture), palette) && ok;
  return ok;
}

bool WriteFront(const std::string& folder) {
  const gfx::Canvas front = DrawFront();
  bool ok = gfx::WriteBmp24(PicturePath(folder, front::kPicture), front);
  // Likewise the tip's colour.
  std::vector<gfx::Rgb8> palette = gfx::PaletteFor(front, 255);
  palette.push_back({front::kTipRed, front::kTipGreen, front::kTipBlue});
  ok = gfx::WritePaletteSource(PicturePath(folder, front::kPalettePicture), palette) && ok;
  ok = gfx::WriteBmp32(folder + "/IDI_ICON1.bmp", DrawIcon()) && ok;
  return ok;
}

}  // namespace
}  // namespace dakto::art

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--review") return dakto::art::WriteReviewScreens(args[1]) ? 0 : 1;
  if (args.size() != 1 || args[0].starts_with("-")) {
    std::fprintf(stderr, "usage: art_shutbox <outdir> | art_shutbox --review <outdir>\n");
    return 2;
  }
  const bool ok = dakto::art::WriteShutBox(args[0]) && dakto::art::WriteFront(args[0]);
  if (!ok) std::fprintf(stderr, "art_shutbox: could not write into %s\n", args[0].c_str());
  return ok ? 0 : 1;
}
