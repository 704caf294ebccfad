#include "app/dakto_window.h"

#include "app/front_geometry.h"
#include "app/help_topics.h"
#include "app/preferences_file.h"
#include "games/shutbox/shutbox_geometry.h"
#include "games/tenthou/tenthou_geometry.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "platform/sound.h"

namespace dakto {

TDaktoWindow::TDaktoWindow(Platform& platform) : platform_(platform) {
  StartupDirectory = CurrentDirectory();
  Prefs.StbVsComputer = 1;
  Prefs.MusicOn = 1;
  Prefs.SoundEffectsOn = 1;
  Prefs.GremlinOn = 0;
  LoadPreferences();
  StartupMusicFile = MusicFileText(Prefs);
  platform_.Reseed();
  platform_.Help().SetHelpFile(std::string(kHelpFileName), HelpAnchorFor);
  front_ = std::make_unique<FrontScreen>();
  FrontPalette = front_->FrontPalette();
  Prefs.TipIndex = NextTipIndex(Prefs.TipIndex);
  music_ = std::make_unique<BackgroundMusic>(platform_, Prefs, StartupDirectory, StartupMusicFile);
  // Only a finished window draws behind a modal; the first-run names dialog above stands alone.
  platform_.AttachWindow(this);
}

TDaktoWindow::~TDaktoWindow() {
  if (platform_.AttachedWindow() == this) platform_.AttachWindow(nullptr);
}

void TDaktoWindow::LoadPreferences() {
  const PreferencesFileRead read = ReadPreferencesFile(kPreferencesFile);
  switch (read.status) {
    case PreferencesFileRead::Status::Unreadable:
      SetUpDefaults();
      return;
    case PreferencesFileRead::Status::TooShort:
      ShowMessageBox(platform_, "Out-of-date preference file found - re-setting defaults", "");
      SetUpDefaults();
      return;
    case PreferencesFileRead::Status::Read:
      Prefs = read.block;
      ClampLoadedValues(Prefs);
      if (Prefs.NeedsSetup != 0) SetUpDefaults();
      return;
  }
}

void TDaktoWindow::WritePreferences() {
  // The chooser may have moved the working directory; the file belongs where the program started.
  const std::string path =
      StartupDirectory.empty() ? kPreferencesFile : StartupDirectory + "/" + kPreferencesFile;
  WritePreferencesFile(path, Prefs);
}

void TDaktoWindow::RebuildPaneRegions() {
  for (const tenthou::PaneOutline& outline : tenthou::kPaneOutlines) {
    PaneRegions[outline.region] = PolygonRegion(outline.points, PlayOrigin);
  }
}

void TDaktoWindow::HandleMessage(const Message& message) {
  switch (message.kind) {
    case Message::Kind::LeftDown:
      EvLButtonDown(message.point);
      break;
    case Message::Kind::LeftUp:
      EvLButtonUp(message.point);
      break;
    case Message::Kind::RightDown:
      EvRButtonDown(message.point);
      break;
    case Message::Kind::MouseMove:
      EvMouseMove(message.point);
      break;
    case Message::Kind::Char:
      EvChar(message.character);
      break;
    case Message::Kind::Size:
      EvSize(message.size);
      break;
    case Message::Kind::MusicNotify:
      EvMusicNotify(message.code);
      break;
    default:
      break;
  }
}

void TDaktoWindow::EvSize(Size size) {
  // Division truncates toward zero, so a client area smaller than the play area puts the
  // origin above and left of the corner.
  PlayOrigin = {(size.width - kPlayAreaSize.width) / 2, (size.height - kPlayAreaSize.height) / 2};
  RebuildPaneRegions();
  platform_.Invalidate();
}

void TDaktoWindow::Paint() {
  if (FirstPaintPending) {
    ClientSize = platform_.ClientSize();
    if (ClientSize.width > kPlayAreaSize.width || ClientSize.height > kPlayAreaSize.height) {
      PlayOrigin = {(ClientSize.width - kPlayAreaSize.width) / 2,
                    (ClientSize.height - kPlayAreaSize.height) / 2};
    } else {
      PlayOrigin = {0, 0};
    }
    for (int n = 1; n <= 9; ++n) BoxLeft[n] = shutbox::kBoxLeft[n];
    RebuildPaneRegions();
    FirstPaintPending = false;
    // The picture goes up before the music asks about a missing file over it.
    front_->Draw(platform_, PlayOrigin, Prefs.TipIndex);
    // Show it at once: opening the music loads a soundfont, which need not hold up the picture.
    platform_.Present();
    if (Prefs.MusicOn != 0) {
      music_->OpenMusic(MusicFileText(Prefs));
      music_->PlayMusic();
    }
    if (ActiveScreen == ScreenKind::FrontScreen) return;
  }
  if (ActiveScreen == ScreenKind::FrontScreen) {
    front_->Draw(platform_, PlayOrigin, Prefs.TipIndex);
  } else {
    PaintGame();
  }
}

void TDaktoWindow::EvLButtonDown(Point point) {
  switch (ActiveScreen) {
    case ScreenKind::FrontScreen:
      FrontScreenClick(point);
      break;
    case ScreenKind::ShutTheBoxScreen:
      ShutTheBoxClick(point);
      break;
    default:
      break;
  }
  platform_.DiscardMouseInput();
}

void TDaktoWindow::FrontScreenClick(Point point) {
  for (const front::FrontSpot& spot : front::kSpots) {
    if (!Hit(spot.area, point)) continue;
    switch (spot.action) {
      case front::FrontAction::ShutTheBox:
        CreateGame(ScreenKind::ShutTheBoxScreen, spot.palettePicture);
        break;
      case front::FrontAction::TenThou:
      case front::FrontAction::PokerDice:
        // These games move in with their own screens.
        break;
      case front::FrontAction::HelpContents:
        platform_.Help().Contents();
        break;
      case front::FrontAction::TopScores:
        RunTopScoresDialog();
        break;
      case front::FrontAction::About:
        ShowAbout();
        break;
      case front::FrontAction::NextTip:
        NextTip();
        break;
    }
    return;
  }
}

void TDaktoWindow::EvLButtonUp(Point point) {
  if (const SideControlHits* hits = ActiveSideControls()) {
    SideControlRelease(*hits, point);
    // Clicks queued behind a pressed control go; Poker Dice keeps them.
    if (ActiveScreen != ScreenKind::PokerDiceScreen) platform_.DiscardMouseInput();
  }
  platform_.ReleaseMouse();
}

void TDaktoWindow::EvRButtonDown(Point point) {
  if (ActiveScreen == ScreenKind::ShutTheBoxScreen) {
    if (const int box = StbBoxAt(point)) StbGame->ToggleBox(box);
  }
}

void TDaktoWindow::EvMouseMove(Point /*point*/) {
  platform_.SetCursor(Cursor::Arrow);
}

void TDaktoWindow::EvChar(char32_t character) {
  // Every key is ignored on the front screen.
  if (ActiveScreen != ScreenKind::FrontScreen) GameKey(character);
}

void TDaktoWindow::EvMusicNotify(std::uint32_t /*code*/) {
  music_->Notified();
}

bool TDaktoWindow::CanClose() {
  WritePreferences();
  StbGame.reset();
  ActiveScreen = ScreenKind::FrontScreen;
  platform_.Invalidate();
  platform_.Sound().Stop();
  platform_.Help().Quit();
  return true;
}

void TDaktoWindow::ShowAbout() {
  ShowMessageBox(platform_, AboutText(), kAboutCaption);
}

void TDaktoWindow::NextTip() {
  Prefs.TipIndex = NextTipIndex(Prefs.TipIndex);
  front_->RedrawTip(platform_, PlayOrigin, Prefs.TipIndex);
}

int TDaktoApp::Run() {
  TDaktoWindow window(platform_);
  platform_.ShowWindow();
  platform_.Invalidate();
  const int status = RunMessageLoop(platform_, window);
  return status;
}

}  // namespace dakto
