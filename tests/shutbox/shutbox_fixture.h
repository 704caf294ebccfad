#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/game_shell.h"
#include "app/score_tables.h"
#include "games/shutbox/shutbox_game.h"
#include "platform/message_box.h"
#include "tests/host/test_host.h"

namespace dakto::testing {

// The shell as a game sees it, kept small: preferences of its own, the play area at the
// client's corner unless a test moves it, and the shell's top-score view and same-names rule.
class TestShell : public GameShell {
 public:
  explicit TestShell(TestHost& host) : host_(host) {
    SetName(prefs.Player1Name, "PLAYERA");
    SetName(prefs.Player2Name, "PLAYERB");
    prefs.StbDelay = 130;
    prefs.SoundEffectsOn = 1;
    prefs.MusicOn = 0;
    prefs.StbVsComputer = 0;
  }

  Platform& GetPlatform() override { return host_.Platform(); }
  PreferencesBlock& Preferences() override { return prefs; }
  Point PlayAreaOrigin() const override { return origin; }
  Size MeasuredClientSize() const override { return clientSize; }
  const Palette& CurrentGamePalette() const override { return palette_; }
  void ShowStbTopScores() override {
    ShowMessageBox(host_.Platform(), StbTopScoresText(prefs), kTopScoresCaption);
  }
  void ShowTenThouTopScores() override {}
  void ShowPokerTopScores() override {}
  void CheckSameNames() override {
    if (!ResolveSameNames(prefs)) return;
    if (game != nullptr) game->DrawNames();
    ShowMessageBox(host_.Platform(), SameNamesWarning(prefs), "Warning");
  }

  PreferencesBlock prefs;
  Point origin;
  Size clientSize{632, 428};
  ShutTheBoxGame* game = nullptr;

 private:
  TestHost& host_;
  Palette palette_;
};

// A game on the headless host with the wave files beside it, painted once, records cleared.
class ShutBoxTest : public ::testing::Test {
 protected:
  explicit ShutBoxTest(Size client = {632, 428}) : host(client), shell(host) {
    shell.clientSize = client;
    CopyWaveFiles();
  }

  void CopyWaveFiles() {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(fs::path(DAKTO_SOURCE_DIR) / "assets")) {
      if (entry.path().extension() == ".wav") {
        std::error_code ignored;
        fs::copy_file(entry.path(), fs::path(host.WorkDir()) / entry.path().filename(), ignored);
      }
    }
  }

  // Builds the game: GremlinOdds from `oddsDraw` and the first paint's faces from `first`, `second`.
  void StartGame(int first = 1, int second = 1, std::uint32_t oddsDraw = 0) {
    Script({0, 0, oddsDraw});
    game = std::make_unique<ShutTheBoxGame>(shell);
    shell.game = game.get();
    Faces({first, second});
    game->PaintScreen();
    host.Platform().ClearRecords();
  }

  void Script(std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t value : values) host.Platform().ScriptRandom(value);
  }
  // The next draws give these die faces.
  void Faces(std::initializer_list<int> faces) {
    for (int face : faces) host.Platform().ScriptRandom(static_cast<std::uint32_t>(face - 1));
  }
  void Throw(int die1, int die2) {
    Faces({die1, die2});
    game->ThrowOrEndTurn();
  }

  // Only these boxes are open; none is in a throw.
  void OpenOnly(std::initializer_list<int> open) {
    game->BoxShut.fill(true);
    game->BoxShut[0] = false;
    game->BoxInThrow.fill(false);
    for (int n : open) game->BoxShut[n] = false;
  }
  // The dice lie on the table showing these faces.
  void DiceOnTable(int die1, int die2) {
    game->DiceThrown = true;
    game->TwoDice = true;
    game->Die1 = die1;
    game->Die2 = die2;
  }
  std::vector<int> ShutBoxes() const {
    std::vector<int> shut;
    for (int n = 1; n <= 9; ++n) {
      if (game->BoxShut[n]) shut.push_back(n);
    }
    return shut;
  }

  // The pictures copied onto the window, by name, in order.
  std::vector<std::string> PicturesDrawn() {
    std::vector<std::string> names;
    for (const DrawRecord& record : host.DrawsOf(DrawRecord::Kind::Picture)) names.push_back(record.picture);
    return names;
  }
  std::vector<int> WaitsMs() {
    std::vector<int> waits;
    for (const DrawRecord& record : host.DrawsOf(DrawRecord::Kind::Wait)) waits.push_back(record.waitMs);
    return waits;
  }
  std::vector<std::string> SoundsPlayed() {
    std::vector<std::string> names;
    for (const SoundRecord& record : host.Sounds()) {
      names.push_back(record.kind == SoundRecord::Kind::Stop          ? "stop"
                      : record.kind == SoundRecord::Kind::PlayAndWait ? record.name + " (to end)"
                                                                      : record.name);
    }
    return names;
  }
  void ClearRecords() { host.Platform().ClearRecords(); }

  TestHost host;
  TestShell shell;
  std::unique_ptr<ShutTheBoxGame> game;
};

}  // namespace dakto::testing
