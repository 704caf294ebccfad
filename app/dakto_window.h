#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/background_music.h"
#include "app/front_screen.h"
#include "app/game_shell.h"
#include "app/preferences.h"
#include "app/side_controls.h"
#include "games/shutbox/shutbox_game.h"
#include "platform/message_loop.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/region.h"

namespace dakto {

enum class ScreenKind { FrontScreen, ShutTheBoxScreen, TenThouScreen, PokerDiceScreen };

inline constexpr Size kPlayAreaSize = {632, 428};
inline constexpr char kPreferencesFile[] = "dakto.prf";

// The program's one window: it owns the preferences, the front screen and, later, the game
// being played, and turns every click, key and paint into the action of the screen shown.
class TDaktoWindow : public WindowProcedure, public GameShell {
 public:
  // Builds the window: records the working directory, loads the preferences or runs the
  // first-run setup, seeds the random numbers, loads the front screen and advances the tip.
  explicit TDaktoWindow(Platform& platform);
  ~TDaktoWindow() override;

  // What the games see of the shell.
  Platform& GetPlatform() override { return platform_; }
  PreferencesBlock& Preferences() override { return Prefs; }
  Point PlayAreaOrigin() const override { return PlayOrigin; }
  Size MeasuredClientSize() const override { return ClientSize; }
  const Palette& CurrentGamePalette() const override { return GamePalette ? *GamePalette : FrontPalette; }

  void HandleMessage(const Message& message) override;
  void Paint() override;
  bool CanClose() override;

  void EvSize(Size size);
  void EvLButtonDown(Point point);
  void EvLButtonUp(Point point);
  void EvRButtonDown(Point point);
  void EvMouseMove(Point point);
  void EvChar(char32_t character);
  void EvMusicNotify(std::uint32_t code);

  // What the shell shows and keeps.
  ScreenKind ActiveScreen = ScreenKind::FrontScreen;
  bool FirstPaintPending = true;
  Point PlayOrigin;
  Size ClientSize;
  PreferencesBlock Prefs;
  std::string StartupDirectory;
  std::string StartupMusicFile;
  std::array<int, 10> BoxLeft{};                // entries 1 to 9
  std::array<PolygonRegion, 22> PaneRegions{};  // entries 10 to 21
  bool SkipTopScoresOnce = false;
  // The game being played, when ActiveScreen is its screen.
  std::unique_ptr<ShutTheBoxGame> StbGame;
  Palette FrontPalette;
  std::optional<Palette> GamePalette;

  BackgroundMusic& Music() { return *music_; }

  // The first-run setup: the names dialog and every default.
  void SetUpDefaults();
  void WritePreferences();
  // When the two names are equal the second becomes "PLAYERB" and a warning says so.
  void CheckSameNames() override;
  void ShowStbTopScores() override;
  void ShowTenThouTopScores() override;
  void ShowPokerTopScores() override;
  void RunTopScoresDialog();
  void ShowAbout();
  void NextTip();

 private:
  void LoadPreferences();
  void RebuildPaneRegions();
  bool Hit(const HitBox& box, Point point) const { return box.Offset(PlayOrigin).Contains(point); }
  void FrontScreenClick(Point point);
  // Game screens (game_screens.cpp).
  void CreateGame(ScreenKind screen, int palettePicture);
  void EndGame();
  void PaintGame();
  void ShutTheBoxClick(Point point);
  // The Shut The Box box under a point, 1 to 9, or 0.
  int StbBoxAt(Point point) const;
  // The shell's side controls; true when the point hit one. Quitting ends the game.
  bool SideControlClick(const SideControlHits& hits, Point point);
  void SideControlRelease(const SideControlHits& hits, Point point);
  const SideControlHits* ActiveSideControls() const;
  std::int32_t* ActiveDelay();
  void DrawGameControl(int k, int state);
  void GameKey(char32_t character);
  void ChangeDelay(int step);

  Platform& platform_;
  std::unique_ptr<FrontScreen> front_;
  std::unique_ptr<BackgroundMusic> music_;
};

// The application: builds the main window, shows it maximised and runs the message loop.
class TDaktoApp {
 public:
  explicit TDaktoApp(Platform& platform) : platform_(platform) {}
  int Run();

 private:
  Platform& platform_;
};

}  // namespace dakto
