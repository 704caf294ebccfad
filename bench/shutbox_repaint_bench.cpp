// A full repaint of the Shut The Box screen in a 1920 x 1080 window — tiles, board, boxes,
// names, scores and dice, as the game paints it — against the floor of copying the same number
// of bytes once, in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/game_shell.h"
#include "app/preferences.h"
#include "bench/against_memcpy.h"
#include "games/shutbox/shutbox_game.h"
#include "platform/headless/headless_platform.h"

namespace {

using dakto::bench::kHeight;
using dakto::bench::kWidth;

// The headless window without its draw log, so that only the drawing itself is timed.
class QuietPlatform : public dakto::HeadlessPlatform {
 public:
  QuietPlatform() : HeadlessPlatform({kWidth, kHeight}) { log_.reset(); }
};

class BenchShell : public dakto::GameShell {
 public:
  BenchShell() {
    dakto::SetName(prefs_.Player1Name, "WINIFRED");
    dakto::SetName(prefs_.Player2Name, "MAXIMUS");
    prefs_.StbDelay = 130;
    prefs_.SoundEffectsOn = 1;
    prefs_.MusicOn = 1;
    prefs_.GremlinOn = 1;
  }
  dakto::Platform& GetPlatform() override { return platform_; }
  dakto::PreferencesBlock& Preferences() override { return prefs_; }
  dakto::Point PlayAreaOrigin() const override { return {(kWidth - 632) / 2, (kHeight - 428) / 2}; }
  dakto::Size MeasuredClientSize() const override { return {kWidth, kHeight}; }
  const dakto::Palette& CurrentGamePalette() const override { return palette_; }
  void ShowStbTopScores() override {}
  void ShowTenThouTopScores() override {}
  void ShowPokerTopScores() override {}
  void CheckSameNames() override {}

 private:
  QuietPlatform platform_;
  dakto::PreferencesBlock prefs_;
  dakto::Palette palette_;
};

void ShutBoxRepaint(benchmark::State& state) {
  BenchShell shell;
  dakto::ShutTheBoxGame game(shell);
  // A game under way: some boxes shut, the dice on the table.
  for (int n : {2, 5, 9}) game.BoxShut[n] = true;
  game.DiceThrown = true;
  game.Die1 = 6;
  game.Die2 = 5;
  game.PaintScreen();  // the first paint also takes the board's copies
  for (auto _ : state) {
    game.PaintScreen();
    benchmark::DoNotOptimize(shell.GetPlatform().Screen().Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(ShutBoxRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return dakto::bench::RunAgainstMemcpy(argc, argv, "ShutBoxRepaint", "Shut The Box repaint");
}
