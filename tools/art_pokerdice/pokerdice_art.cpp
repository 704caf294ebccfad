#include "tools/art_pokerdice/pokerdice_art.h"

#include <algorithm>
#include <string>

namespace dakto::art_pokerdice {

using namespace gfx;
namespace pd = pokerdice;

namespace {

Picture Colour(Canvas image) {
  return {std::move(image), PictureFormat::kColour};
}
Picture MaskOf(Canvas image) {
  return {std::move(image), PictureFormat::kMask};
}

// A copy of the room with one more thing drawn on it, cut to that thing's place.
template <typename DrawFn>
Canvas CutFrom(const Canvas& room, Rect place, DrawFn draw) {
  Canvas copy = room;
  draw(copy);
  return copy.Crop(place);
}

void AddRoomPieces(PictureSet& pictures) {
  const Canvas base = DrawRoomBase();
  const Canvas table = DrawTable(base);
  pictures[pd::kTablePicture] = Colour(table);
  for (const pd::SideControl& control : pd::kSideControls) {
    for (const int state : {0, 1}) {
      const int resource = state == 0 ? control.offPicture : control.onPicture;
      pictures[resource] =
          Colour(CutFrom(base, control.place, [&](Canvas& c) { DrawSideControl(c, control, state); }));
    }
  }
  for (int height = 0; height < 4; ++height) {
    pictures[pd::kFlamePictures[height]] =
        Colour(CutFrom(table, pd::kRollFlamePlace, [&](Canvas& c) { DrawRollFlame(c, height); }));
  }
  for (const int player : {1, 2}) {
    pictures[pd::kTurnMarkerPictures[player]] =
        Colour(CutFrom(table, pd::kTurnMarkerPlaces[player], [&](Canvas& c) { DrawTurnMarker(c, player); }));
  }
  pictures[pd::kOptionsPlatePicture] =
      Colour(CutFrom(base, pd::kOptionsPlate, [](Canvas& c) { DrawOptionsPlate(c); }));
  pictures[pd::kTilePicture] = Colour(DrawTile());
}

void AddPieces(PictureSet& pictures) {
  for (int face = 1; face <= pd::kFaceCount; ++face) {
    for (int frame = 1; frame <= pd::kFrameCount; ++frame) {
      pictures[pd::kBigDiePictures[face][frame]] = Colour(DrawBigDie(face, frame));
    }
    pictures[pd::kSmallDiePictures[face]] = Colour(DrawSmallDie(face));
  }
  pictures[pd::kBigDieMask] = MaskOf(DrawBigDieMask());
  pictures[pd::kSmallDieMask] = MaskOf(DrawSmallDieMask());
  for (int digit = 0; digit <= 9; ++digit)
    pictures[pd::kBetDigitPictures[digit]] = Colour(DrawBetDigit(digit));
  pictures[pd::kBeadPicture] = Colour(DrawBead());
}

std::string PicturePath(const std::string& folder, int resource) {
  return folder + "/BITMAP_" + std::to_string(resource) + ".bmp";
}

}  // namespace

PictureSet DrawAllPictures() {
  PictureSet pictures;
  AddRoomPieces(pictures);
  AddPieces(pictures);
  return pictures;
}

std::vector<Rgb8> GamePalette(const PictureSet& pictures) {
  // The text colours, black and white are kept exactly; the rest is fitted to the art.
  const std::vector<Rgb8> fixed = {
      {0, 0, 0},
      {255, 255, 255},
      {static_cast<std::uint8_t>(pd::kPanelTextColour.red),
       static_cast<std::uint8_t>(pd::kPanelTextColour.green),
       static_cast<std::uint8_t>(pd::kPanelTextColour.blue)},
      {static_cast<std::uint8_t>(pd::kNameTextColour.red),
       static_cast<std::uint8_t>(pd::kNameTextColour.green),
       static_cast<std::uint8_t>(pd::kNameTextColour.blue)},
  };
  std::vector<const Canvas*> images;
  for (const auto& [resource, picture] : pictures) {
    if (picture.format == PictureFormat::kColour) images.push_back(&picture.image);
  }
  std::vector<Rgb8> palette = fixed;
  for (const Rgb8 colour : PaletteFor(images, 256 - static_cast<int>(fixed.size()))) {
    if (std::find(palette.begin(), palette.end(), colour) == palette.end()) palette.push_back(colour);
  }
  return palette;
}

bool WriteAllPictures(const PictureSet& pictures, const std::string& folder) {
  bool ok = true;
  for (const auto& [resource, picture] : pictures) {
    const std::string path = PicturePath(folder, resource);
    if (picture.format == PictureFormat::kColour) {
      ok = WriteBmp24(path, picture.image) && ok;
      continue;
    }
    std::vector<std::uint8_t> bits;
    bits.reserve(static_cast<size_t>(picture.image.Width()) * picture.image.Height());
    for (int y = 0; y < picture.image.Height(); ++y) {
      for (int x = 0; x < picture.image.Width(); ++x) bits.push_back(picture.image.At(x, y).r > 0.5f ? 1 : 0);
    }
    ok = WriteBmp1(path, picture.image.Width(), picture.image.Height(), bits, {0, 0, 0}, {255, 255, 255}) &&
         ok;
  }
  return WritePaletteSource(PicturePath(folder, pd::kPalettePicture), GamePalette(pictures)) && ok;
}

}  // namespace dakto::art_pokerdice
