// Shut The Box on the real backend, driven by synthetic events: how much processor time a whole
// computer turn takes over its length (goal: at most 2 % of one core), and the peak memory
// while playing with music against a bare SDL2 program playing the same MIDI file (goal: at
// most 30 MB above it). Run it under Xvfb; on a machine without a sound card with
// SDL_AUDIODRIVER=dummy.
#include <SDL_mixer.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "app/dakto_window.h"
#include "platform/sdl/sdl_platform.h"

extern char** environ;

namespace {

// Processor time of the calling thread: the window's thread, without the audio thread that
// synthesises the music meanwhile.
double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Peak resident memory of a process in kB, from /proc.
long PeakResidentKb(const std::string& pid) {
  std::ifstream status("/proc/" + pid + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// The bare program's peak once its music has played for a second (it reports when it starts).
long BarePeakKb(const std::string& program) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  long peak = -1;
  if (spawned == 0) {
    char c = 0;
    while (read(pipeFds[0], &c, 1) == 1 && c != '\n') {
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    peak = PeakResidentKb(std::to_string(pid));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  close(pipeFds[0]);
  return peak;
}

void WritePreferences(const std::filesystem::path& folder) {
  dakto::PreferencesBlock block;
  dakto::SetName(block.Player1Name, "PLAYERA");
  dakto::SetName(block.Player2Name, "PLAYERB");
  block.MusicOn = 1;
  dakto::SetMusicFile(block, "orlo.mid");
  block.SoundEffectsOn = 1;
  block.TipIndex = 1;
  block.StbVsComputer = 1;
  block.StbDelay = block.TenThouDelay = block.PokerDelay = 130;
  block.NumberOfRolls = 3;
  const dakto::PreferencesBytes bytes = dakto::EncodePreferences(block);
  std::ofstream(folder / "dakto.prf", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path here = std::filesystem::absolute(argv[0]).parent_path();
  const std::filesystem::path source = argc > 1 ? argv[1] : DAKTO_SOURCE_DIR;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "dakto-play-bench";
  std::filesystem::create_directories(folder);
  for (const auto& asset : std::filesystem::directory_iterator(source / "assets")) {
    std::filesystem::copy_file(asset.path(), folder / asset.path().filename(),
                               std::filesystem::copy_options::overwrite_existing);
  }
  WritePreferences(folder);
  std::filesystem::current_path(folder);

  dakto::SdlPlatform platform("Dakto");
  if (!platform.IsOpen()) {
    std::fprintf(stderr, "no window: %s\n", platform.Error());
    return 1;
  }
  dakto::TDaktoWindow window(platform);
  platform.AttachWindow(&window);
  platform.ShowWindow();
  platform.Invalidate();
  dakto::DispatchPending(platform, window);
  for (int i = 0; i < 400 && Mix_PlayingMusic() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));

  const dakto::Point origin = window.PlayOrigin;
  auto post = [&](dakto::Message message) {
    platform.Queue().Post(message);
    dakto::DispatchPending(platform, window);
  };
  post({.kind = dakto::Message::Kind::LeftDown, .point = {origin.x + 100, origin.y + 350}});  // open the game
  if (window.StbGame == nullptr) return 1;

  double cpu = 0;
  double wall = 0;
  constexpr int kTurns = 3;
  for (int turn = 0; turn < kTurns; ++turn) {
    // The person throws and shuts everything by hand so that the turn passes at once.
    post({.kind = dakto::Message::Kind::Char, .character = U' '});
    dakto::ShutTheBoxGame& game = *window.StbGame;
    for (int n = 1; n <= 9; ++n) game.BoxShut[n] = true;
    game.DiceThrown = true;
    game.GameOver = false;
    game.TotalScore = {0, 0, 0};  // no game end, whose top-score box would wait for a person
    const double cpuBefore = ProcessorSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    post({.kind = dakto::Message::Kind::Char,
          .character = U' '});  // ends the turn: the computer plays its whole turn
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    cpu += ProcessorSeconds() - cpuBefore;
  }
  const long ourPeak = PeakResidentKb("self");
  const double share = 100.0 * cpu / wall;
  std::printf(
      "%d computer turns: %.2f s long, %.1f ms of processor time: %.2f %% of one core (goal: at most 2 %%) "
      "%s\n",
      kTurns, wall, cpu * 1000, share, share <= 2.0 ? "MET" : "NOT MET");
  const long barePeak = BarePeakKb((here / "bare_sdl_startup").string());
  const double aboveMb = (ourPeak - barePeak) / 1024.0;
  std::printf(
      "peak resident memory playing with music: %.1f MB; bare SDL2 program with the same music: %.1f MB; "
      "%.1f MB above (goal: at most 30 MB) %s\n",
      ourPeak / 1024.0, barePeak / 1024.0, aboveMb, aboveMb <= 30.0 ? "MET" : "NOT MET");
  return 0;
}
