#include "tools/art_shutbox/review.h"

#include <string>
#include <string_view>

#include "app/front_geometry.h"
#include "games/shutbox/shutbox_geometry.h"
#include "tools/art_shutbox/board.h"
#include "tools/art_shutbox/dice.h"
#include "tools/art_shutbox/front.h"
#include "tools/art_shutbox/pieces.h"
#include "tools/gfx/gfx.h"

namespace dakto::art {

using gfx::Canvas;
namespace sb = shutbox;

namespace {

const Canvas& Picture(const ShutBoxArt& art, int number) {
  return art.pictures.at(number);
}

void Place(Canvas& screen, const ShutBoxArt& art, int number, Point at) {
  screen.Blit(Picture(art, number), at.x, at.y);
}
void Place(Canvas& screen, const ShutBoxArt& art, const sb::PlacedPicture& p) {
  Place(screen, art, p.picture, {p.rect.left, p.rect.top});
}

int GlyphWidth(std::string_view text, int spaceAdvance) {
  int w = 0;
  for (const char ch : text) {
    const sb::Glyph* glyph = sb::GlyphFor(ch);
    w += glyph != nullptr ? glyph->advance : ch == ' ' ? spaceAdvance : 0;
  }
  return w;
}

// Writes with the glyph pictures as the game does: centred in the field, pen at y.
void WriteGlyphs(Canvas& screen, const ShutBoxArt& art, std::string_view text, sb::TextField field, int y,
                 int spaceAdvance = sb::kNameSpaceAdvance) {
  int x = sb::CentredPenX(field, GlyphWidth(text, spaceAdvance));
  for (const char ch : text) {
    const sb::Glyph* glyph = sb::GlyphFor(ch);
    if (glyph != nullptr) {
      screen.Blit(Picture(art, glyph->picture), x, y);
      x += glyph->advance;
    } else if (ch == ' ') {
      x += spaceAdvance;
    }
  }
}

void SetControl(Canvas& screen, const ShutBoxArt& art, int k, bool on) {
  const sb::SideControl* ctl = sb::SideControlFor(k);
  Place(screen, art, on ? ctl->onPicture : ctl->offPicture, ctl->position);
}

void ShutBox(Canvas& screen, const ShutBoxArt& art, int n) {
  Place(screen, art, sb::kShutBoxPicture, {sb::kBoxLeft[n], sb::kBoxTop});
}

// The Shut The Box screen mid-game: some boxes shut, the dice landed, the Gremlin looking.
Canvas GameInProgress(const ShutBoxArt& art) {
  Canvas screen = art.board;
  SetControl(screen, art, sb::kMusicControl, true);
  SetControl(screen, art, sb::kSoundControl, true);
  SetControl(screen, art, sb::kGremlinControl, true);
  Place(screen, art, sb::kTurnArrowPicture, {sb::kTurnArrow1.left, sb::kTurnArrow1.top});
  WriteGlyphs(screen, art, "MERLIN", sb::kNameField, sb::kName1PenY);
  WriteGlyphs(screen, art, "COMPUTER", sb::kNameField, sb::kName2PenY);
  WriteGlyphs(screen, art, "22", sb::kTurnScoreField, sb::kScore1PenY);
  WriteGlyphs(screen, art, "37", sb::kTotalScoreField, sb::kScore1PenY);
  WriteGlyphs(screen, art, "9", sb::kTurnScoreField, sb::kScore2PenY);
  WriteGlyphs(screen, art, "58", sb::kTotalScoreField, sb::kScore2PenY);
  for (const int n : {2, 5, 7, 9}) ShutBox(screen, art, n);
  Place(screen, art, sb::kPairLanded);
  DrawTablePips(screen, sb::PipSet::Landed, 1, 6);
  DrawTablePips(screen, sb::PipSet::Landed, 2, 5);
  Place(screen, art, sb::kGremlin);
  Place(screen, art, sb::LeftEyePicture(3), sb::kLeftEye);
  Place(screen, art, sb::RightEyePicture(3), sb::kRightEye);
  return screen;
}

// A throw in the air, and a box half shut (the lid's third picture).
Canvas ThrowInFlight(const ShutBoxArt& art) {
  Canvas screen = art.board;
  Place(screen, art, sb::kTurnArrowPicture, {sb::kTurnArrow2.left, sb::kTurnArrow2.top});
  WriteGlyphs(screen, art, "ANNA", sb::kNameField, sb::kName1PenY);
  WriteGlyphs(screen, art, "WIZARD", sb::kNameField, sb::kName2PenY);
  WriteGlyphs(screen, art, "0", sb::kTurnScoreField, sb::kScore1PenY);
  WriteGlyphs(screen, art, "104", sb::kTotalScoreField, sb::kScore1PenY);
  WriteGlyphs(screen, art, "45", sb::kTurnScoreField, sb::kScore2PenY);
  WriteGlyphs(screen, art, "97", sb::kTotalScoreField, sb::kScore2PenY);
  for (const int n : {1, 8}) ShutBox(screen, art, n);
  const sb::LidFrame rising = sb::kLidRise[2];
  screen.Blit(Picture(art, sb::kShutBoxPicture).Crop({0, 0, sb::kBoxSize.width, rising.rows}),
              sb::kBoxLeft[4], rising.y);
  // Erase the pair at rest as the game does, then show the second flight picture.
  Place(screen, art, sb::kPairFlight2);
  SetControl(screen, art, sb::kFasterControl, true);
  return screen;
}

// One die left, at rest in the cup, and the winner written on the score board.
Canvas OneDieAndWinner(const ShutBoxArt& art) {
  Canvas screen = art.board;
  SetControl(screen, art, sb::kSoundControl, true);
  for (const int n : {7, 8, 9, 1, 3}) ShutBox(screen, art, n);
  Place(screen, art, sb::kSingleAtRest);
  DrawTablePips(screen, sb::PipSet::Rest, 2, 4);
  Place(screen, art, sb::kSingleLanded);
  DrawTablePips(screen, sb::PipSet::Landed, 2, 3);
  WriteGlyphs(screen, art, "MERLIN WINS", sb::kWinnerField, sb::kWinnerPenY, sb::kWinnerSpaceAdvance);
  WriteGlyphs(screen, art, "17", sb::kWinnerField, sb::kMarginPenY);
  return screen;
}

// The pair at rest with every face, to check the pips sit on the dice.
Canvas AllFaces(const ShutBoxArt& art) {
  Canvas sheet(6 * 110, 2 * 140, gfx::Rgb(0, 0, 0));
  for (int face = 1; face <= 6; ++face) {
    Canvas screen = art.board;
    Place(screen, art, sb::kPairAtRest);
    DrawTablePips(screen, sb::PipSet::Rest, 1, face);
    DrawTablePips(screen, sb::PipSet::Rest, 2, 7 - face);
    Place(screen, art, sb::kPairLanded);
    DrawTablePips(screen, sb::PipSet::Landed, 1, face);
    DrawTablePips(screen, sb::PipSet::Landed, 2, 7 - face);
    sheet.Blit(screen.Crop({320, 240, 110, 120}), (face - 1) * 110, 0);
    sheet.Blit(screen.Crop({460, 235, 110, 140}), (face - 1) * 110, 140);
  }
  return sheet;
}

Canvas FrontWithTip(std::string_view line1, std::string_view line2, std::string_view line3) {
  Canvas screen(sb::kBoardSize, gfx::Rgb(0, 0, 0));
  screen.Blit(DrawFront(), front::kPictureOrigin.x, front::kPictureOrigin.y);
  const gfx::Font tipFont = gfx::Font::WithCellHeight(gfx::FontFace::SerifBoldItalic, front::kTipFontHeight);
  const std::string_view lines[] = {line1, line2, line3};
  for (int n = 0; n < 3; ++n) {
    const int x = front::TipLineLeft(tipFont.Width(lines[n]));
    gfx::DrawText(screen, tipFont, lines[n], x, front::kTipLineTops[n],
                  gfx::Rgb(front::kTipRed, front::kTipGreen, front::kTipBlue));
  }
  return screen;
}

// A window larger than the play area: tiles from the client's corner, the board centred.
Canvas InAWindow(const ShutBoxArt& art) {
  const Size client{760, 520};
  Canvas screen(client.width, client.height, gfx::Rgb(0, 0, 0));
  const Canvas& tile = Picture(art, sb::kTilePicture);
  for (int y = 0; y < client.height; y += tile.Height()) {
    for (int x = 0; x < client.width; x += tile.Width()) screen.Blit(tile, x, y);
  }
  screen.Blit(GameInProgress(art), (client.width - sb::kBoardSize.width) / 2,
              (client.height - sb::kBoardSize.height) / 2);
  return screen;
}

bool Write(const std::string& folder, const std::string& name, const Canvas& picture) {
  return gfx::WriteBmp24(folder + "/" + name + ".bmp", picture);
}

}  // namespace

bool WriteReviewScreens(const std::string& folder) {
  const ShutBoxArt art = DrawShutBoxArt();
  bool ok = Write(folder, "review_front",
                  FrontWithTip("In surveys of magical persons, wizards", "beat apprentices in these games",
                               "75% of the time."));
  ok = Write(folder, "review_front_tip2",
             FrontWithTip("Try the Gremlin in Shut The Box, and", "Aces Wild in Poker Dice!", "")) &&
       ok;
  ok = Write(folder, "review_shutbox", GameInProgress(art)) && ok;
  ok = Write(folder, "review_shutbox_throw", ThrowInFlight(art)) && ok;
  ok = Write(folder, "review_shutbox_winner", OneDieAndWinner(art)) && ok;
  ok = Write(folder, "review_shutbox_faces", AllFaces(art)) && ok;
  ok = Write(folder, "review_shutbox_window", InAWindow(art)) && ok;
  Canvas icon(64, 64, gfx::Rgb(200, 200, 200));
  icon.Draw(DrawIcon(), 0, 0);
  ok = Write(folder, "review_icon", icon) && ok;
  return ok;
}

}  // namespace dakto::art
