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
#include "games/shutbox/shutbox_game.h"
#include "platform/headless/headless_platform.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

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

void MemcpyFloor(benchmark::State& state) {
  std::vector<std::uint32_t> from(kWidth * kHeight, 1);
  std::vector<std::uint32_t> to(kWidth * kHeight, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(MemcpyFloor)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration so the ratio can be printed at the end.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double repaint = reporter.times["ShutBoxRepaint"];
  const double floor = reporter.times["MemcpyFloor"];
  if (repaint > 0 && floor > 0) {
    const double ratio = repaint / floor;
    std::printf(
        "\nShut The Box repaint of %d x %d: %.0f us; memcpy floor: %.0f us; ratio %.2f (goal: at most 3) "
        "%s\n",
        kWidth, kHeight, repaint, floor, ratio, ratio <= 3.0 ? "MET" : "NOT MET");
  }
  benchmark::Shutdown();
  return 0;
}
