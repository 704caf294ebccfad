// The game screens seen from the shell: creating and ending a game, the order in which a click
// is offered to the game and to the shell's side controls, and the keys of a game screen.
#include <algorithm>

#include "app/dakto_window.h"
#include "app/front_geometry.h"
#include "app/shutbox_options.h"
#include "platform/help.h"

namespace dakto {

void TDaktoWindow::CreateGame(ScreenKind screen, int palettePicture) {
  // The palette picture serves only as a source of colours.
  if (const auto source = Bitmap::Load("BITMAP_" + std::to_string(palettePicture))) {
    GamePalette = BuildPalette(source->ColorTable());
  }
  switch (screen) {
    case ScreenKind::ShutTheBoxScreen:
      StbGame = std::make_unique<ShutTheBoxGame>(*this);
      break;
    default:
      return;  // the other games are not here yet
  }
  ActiveScreen = screen;
  PaintGame();
}

void TDaktoWindow::EndGame() {
  ActiveScreen = ScreenKind::FrontScreen;
  StbGame.reset();
  platform_.Invalidate();
}

void TDaktoWindow::PaintGame() {
  if (ActiveScreen == ScreenKind::ShutTheBoxScreen && StbGame) StbGame->PaintScreen();
}

const SideControlHits* TDaktoWindow::ActiveSideControls() const {
  return ActiveScreen == ScreenKind::ShutTheBoxScreen ? &kShutTheBoxSideControls : nullptr;
}

std::int32_t* TDaktoWindow::ActiveDelay() {
  switch (ActiveScreen) {
    case ScreenKind::ShutTheBoxScreen:
      return &Prefs.StbDelay;
    case ScreenKind::TenThouScreen:
      return &Prefs.TenThouDelay;
    case ScreenKind::PokerDiceScreen:
      return &Prefs.PokerDelay;
    case ScreenKind::FrontScreen:
      return nullptr;
  }
  return nullptr;
}

void TDaktoWindow::ChangeDelay(int step) {
  if (std::int32_t* delay = ActiveDelay()) *delay = std::clamp(*delay + step, kMinDelay, kMaxDelay);
}

void TDaktoWindow::DrawGameControl(int k, int state) {
  if (ActiveScreen == ScreenKind::ShutTheBoxScreen && StbGame) StbGame->DrawControl(k, state);
}

int TDaktoWindow::StbBoxAt(Point point) const {
  for (int n = 1; n <= 9; ++n) {
    const HitBox box = {BoxLeft[n], shutbox::kBoxTop, BoxLeft[n] + shutbox::kBoxSize.width,
                        shutbox::kBoxTop + shutbox::kBoxSize.height};
    if (Hit(box, point)) return n;
  }
  return 0;
}

void TDaktoWindow::ShutTheBoxClick(Point point) {
  if (const int box = StbBoxAt(point)) {
    StbGame->ToggleBox(box);
    return;
  }
  if (Hit(shutbox::kDiceCupHit, point)) {
    StbGame->ThrowOrEndTurn();
    return;
  }
  if (SideControlClick(kShutTheBoxSideControls, point)) return;
  if (Hit(shutbox::kGremlinControlHit, point)) {
    platform_.CaptureMouse();
    Prefs.GremlinOn = Prefs.GremlinOn != 0 ? 0 : 1;
    StbGame->DrawControl(kGremlinControl, Prefs.GremlinOn);
    StbGame->NewGame();
  } else if (Hit(shutbox::kOneDieHit, point)) {
    platform_.CaptureMouse();
    StbGame->UseOneDie();
  } else if (Hit(shutbox::kName1Hit, point) || Hit(shutbox::kName2Hit, point)) {
    RunShutTheBoxOptions(*this, *StbGame);
  }
}

bool TDaktoWindow::SideControlClick(const SideControlHits& hits, Point point) {
  if (Hit(hits.quit, point)) {
    EndGame();
  } else if (Hit(hits.faster, point)) {
    platform_.CaptureMouse();
    DrawGameControl(kFasterControl, 1);
    ChangeDelay(-10);
  } else if (Hit(hits.slower, point)) {
    platform_.CaptureMouse();
    DrawGameControl(kSlowerControl, 1);
    ChangeDelay(+10);
  } else if (Hit(hits.music, point)) {
    if (Prefs.MusicOn == 0) {
      DrawGameControl(kMusicControl, 1);
      music_->StartMusic();
    } else {
      DrawGameControl(kMusicControl, 0);
      music_->StopMusic();
    }
  } else if (Hit(hits.musicFile, point)) {
    platform_.CaptureMouse();
    DrawGameControl(kMusicFileControl, 1);
    music_->ChooseMusicFile();
    DrawGameControl(kMusicControl, 1);
    DrawGameControl(kMusicFileControl, 0);
  } else if (Hit(hits.sound, point)) {
    Prefs.SoundEffectsOn = Prefs.SoundEffectsOn != 0 ? 0 : 1;
    DrawGameControl(kSoundControl, Prefs.SoundEffectsOn);
  } else if (Hit(hits.help, point)) {
    platform_.Help().Keyword(hits.helpKeyword);
  } else {
    return false;
  }
  return true;
}

void TDaktoWindow::SideControlRelease(const SideControlHits& hits, Point point) {
  for (const auto& [box, k] : {std::pair{hits.faster, kFasterControl}, std::pair{hits.slower, kSlowerControl},
                               std::pair{hits.musicFile, kMusicFileControl}}) {
    if (Hit(box, point)) {
      platform_.ReleaseMouse();
      DrawGameControl(k, 0);
      return;
    }
  }
}

void TDaktoWindow::GameKey(char32_t character) {
  switch (character) {
    case U'+':
    case U'=':
      ChangeDelay(-10);
      return;
    case U'-':
    case U'_':
      ChangeDelay(+10);
      return;
    case U'S':
    case U's':
      if (ActiveScreen == ScreenKind::ShutTheBoxScreen) ShowStbTopScores();
      if (ActiveScreen == ScreenKind::TenThouScreen) ShowTenThouTopScores();
      if (ActiveScreen == ScreenKind::PokerDiceScreen) ShowPokerTopScores();
      return;
    case U' ':
      if (ActiveScreen == ScreenKind::ShutTheBoxScreen) StbGame->ThrowOrEndTurn();
      return;
    default:
      if (character >= U'1' && character <= U'9' && ActiveScreen == ScreenKind::ShutTheBoxScreen) {
        StbGame->ToggleBox(static_cast<int>(character - U'0'));
      }
      return;
  }
}

}  // namespace dakto
