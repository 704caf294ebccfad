// A screen in the middle of the game, composed the way the game draws it: the table, the
// flame, the controls, the marker and plate, the names and coins, dice put down through
// their masks (AND, then OR), the abacus set to a bet and the panel's text.

#include <string>
#include <vector>

#include "tools/art_pokerdice/pokerdice_art.h"

namespace dakto::art_pokerdice {

using namespace gfx;
namespace pd = pokerdice;

namespace {

// Room around the play area, so that the tile shows as it does in a larger window.
constexpr Point kOrigin{42, 35};
constexpr Size kClient{pd::kPlayAreaSize.width + 2 * kOrigin.x, pd::kPlayAreaSize.height + 2 * kOrigin.y};

class ReviewScreen {
 public:
  explicit ReviewScreen(const PictureSet& pictures) : pictures_(pictures), screen_(kClient, Rgb(0, 0, 0)) {}

  Canvas& Screen() { return screen_; }
  const Canvas& Get(int resource) const { return pictures_.at(resource).image; }

  void Tile() {
    const Canvas& tile = Get(pd::kTilePicture);
    for (int y = 0; y < kClient.height; y += tile.Height()) {
      for (int x = 0; x < kClient.width; x += tile.Width()) screen_.Blit(tile, x, y);
    }
  }

  void Copy(int resource, Point at, Size size) {
    screen_.Blit(Get(resource).Crop({0, 0, size.width, size.height}), kOrigin.x + at.x, kOrigin.y + at.y);
  }
  void Copy(int resource, Point at) { Copy(resource, at, Get(resource).GetSize()); }

  // The table ANDed with the mask, then the piece ORed in, byte by byte as on the screen.
  void CopyMasked(int mask, int piece, Point at, Size size) {
    const Canvas& maskImage = Get(mask);
    const Canvas& pieceImage = Get(piece);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        Color& target = screen_.At(kOrigin.x + at.x + x, kOrigin.y + at.y + y);
        const Rgb8 t = ToRgb8(target), m = ToRgb8(maskImage.At(x, y)), p = ToRgb8(pieceImage.At(x, y));
        const Rgb8 out{static_cast<std::uint8_t>((t.r & m.r) | p.r),
                       static_cast<std::uint8_t>((t.g & m.g) | p.g),
                       static_cast<std::uint8_t>((t.b & m.b) | p.b)};
        target = FromRgb8(out);
      }
    }
  }

  void Text(const Font& font, const std::string& text, int left, int top, pd::TextColour colour) {
    DrawText(screen_, font, text, kOrigin.x + left, kOrigin.y + top,
             Rgb(colour.red, colour.green, colour.blue));
  }

 private:
  const PictureSet& pictures_;
  Canvas screen_;
};

void DrawAbacus(ReviewScreen& review, int bet) {
  int value = bet;
  bool leading = true;
  std::vector<int> digits(pd::kRodCount + 1);
  for (int rod = 1; rod <= pd::kRodCount; ++rod, value /= 10) digits[rod] = value % 10;
  for (int rod = 1; rod <= pd::kRodCount; ++rod) {
    for (int place = 1; place <= pd::kBeadPlaceCount; ++place) {
      if (pd::BeadAt(digits[rod], place)) review.Copy(pd::kBeadPicture, pd::kBeadPlaces[rod][place]);
    }
  }
  for (int rod = pd::kRodCount; rod >= 1; --rod) {
    if (leading && digits[rod] == 0 && rod > 1) continue;
    leading = false;
    review.Copy(pd::kBetDigitPictures[digits[rod]], pd::kBetDigitPlaces[rod]);
  }
}

}  // namespace

Canvas ComposeReview(const PictureSet& pictures) {
  ReviewScreen review(pictures);
  review.Tile();
  review.Copy(pd::kTablePicture, {0, 0}, pd::kPlayAreaSize);
  // Three rolls a hand, one made.
  review.Copy(pd::FlamePictureFor(3, 2), {pd::kRollFlamePlace.left, pd::kRollFlamePlace.top});
  const int states[][2] = {{pd::kSoundEffectsControl, 1}, {pd::kMusicControl, 1},
                           {pd::kQuitControl, 0},         {pd::kFasterControl, 0},
                           {pd::kSlowerControl, 0},       {pd::kMusicFileControl, 0},
                           {pd::kHelpControl, 0},         {pd::kAcesWildControl, 1}};
  for (const auto& [k, state] : states) {
    const pd::SideControl* control = pd::FindSideControl(k);
    review.Copy(state == 0 ? control->offPicture : control->onPicture,
                {control->place.left, control->place.top});
  }
  const Rect marker = pd::kTurnMarkerPlaces[1];
  review.Copy(pd::kTurnMarkerPictures[1], {marker.left, marker.top});
  review.Copy(pd::kOptionsPlatePicture, {pd::kOptionsPlate.left, pd::kOptionsPlate.top});

  const Font font = Font::WithCellHeight(FontFace::SerifBold, pd::kTextHeight);
  auto centredName = [&](const std::string& text, int top) {
    review.Text(font, text, pd::kNameTextLeft + (pd::kNameTextWidth - font.Width(text)) / 2, top,
                pd::kNameTextColour);
  };
  centredName("MERLIN", pd::kNameTextTops[1]);
  centredName("12,500", pd::kCoinTextTops[1]);
  centredName("MORGANA", pd::kNameTextTops[2]);
  centredName("1,000,000,000", pd::kCoinTextTops[2]);

  const std::vector<std::string> lines = {
      "MORGANA WON!",      "", "MAKE A BET, THEN", "CLICK AN OPTION BELOW", "", "\"PLAY\"", "",
      "\"RESET PLAYERS\"", "", "\"QUIT\""};
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i].empty()) continue;
    const int left = pd::kMessagePanel.left + (pd::kMessagePanel.width - font.Width(lines[i])) / 2;
    review.Text(font, lines[i], left, pd::kPanelFirstLineTop + pd::kPanelLineStep * i, pd::kPanelTextColour);
  }

  // Morgana's dice on the table, the last still appearing; both rows of small dice.
  const int tableFaces[] = {0, 1, 1, 5, 5, 3};
  const int tableFrames[] = {0, 4, 4, 4, 4, 2};
  for (int die = 1; die <= pd::kDiceCount; ++die) {
    review.CopyMasked(pd::kBigDieMask, pd::kBigDiePictures[tableFaces[die]][tableFrames[die]],
                      pd::kBigDiePlaces[die], pd::kBigDieSize);
  }
  const int rowFaces[3][6] = {{}, {0, 2, 2, 2, 4, 6}, {0, 1, 1, 5, 5, 3}};
  for (const int player : {1, 2}) {
    for (int die = 1; die <= pd::kDiceCount; ++die) {
      review.CopyMasked(pd::kSmallDieMask, pd::kSmallDiePictures[rowFaces[player][die]],
                        pd::kSmallDiePlaces[player][die], pd::kSmallDieDrawSize);
    }
  }
  DrawAbacus(review, 1250);
  return review.Screen();
}

}  // namespace dakto::art_pokerdice
