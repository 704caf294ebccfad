// From starting the program to its first presented front screen, with the music started,
// against a bare SDL2 program that does the least the same screen needs. Both are started ten
// times in a folder holding a settled dakto.prf (music on) and orlo.mid. Needs a display (run it
// under Xvfb) and, on a machine without a sound card, SDL_AUDIODRIVER=dummy.
// Goal: at most 1.3 times the floor.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/preferences.h"
#include "app/score_tables.h"

extern char** environ;

namespace {

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The moments a started program reports, in milliseconds after it was started; -1 when missing.
struct Startup {
  double frame = -1;  // its first frame is on the screen
  double music = -1;  // its music is playing
};

// Reads one "<word> <nanoseconds>" line from `fd`.
bool ReadReport(int fd, char* word, long long& ns) {
  std::array<char, 64> line{};
  std::size_t length = 0;
  char c = 0;
  while (length + 1 < line.size() && read(fd, &c, 1) == 1 && c != '\n') line[length++] = c;
  return std::sscanf(line.data(), "%15s %lld", word, &ns) == 2;
}

// Starts `program` and waits for its reports: the bare program reports one moment, after
// starting its music; ours reports the frame and then the music.
Startup Measure(const std::string& program, int reports) {
  Startup result;
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  const long long start = NowNs();
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned == 0) {
    for (int i = 0; i < reports; ++i) {
      char word[16] = {};
      long long ns = 0;
      if (!ReadReport(pipeFds[0], word, ns)) break;
      const double ms = (ns - start) / 1e6;
      if (std::string(word) == "music") {
        result.music = ms;
      } else {
        result.frame = ms;
      }
    }
    if (reports == 1) result.music = result.frame;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  close(pipeFds[0]);
  return result;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path here = std::filesystem::absolute(argv[0]).parent_path();
  const std::filesystem::path source = argc > 1 ? argv[1] : DAKTO_SOURCE_DIR;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "dakto-startup-bench";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(source / "assets" / "orlo.mid", folder / "orlo.mid",
                             std::filesystem::copy_options::overwrite_existing);
  dakto::PreferencesBlock block;
  dakto::SetName(block.Player1Name, "PLAYERA");
  dakto::SetName(block.Player2Name, "PLAYERB");
  block.MusicOn = 1;
  dakto::SetMusicFile(block, "orlo.mid");
  block.SoundEffectsOn = 1;
  block.TipIndex = 1;
  block.StbDelay = block.TenThouDelay = block.PokerDelay = 130;
  block.NumberOfRolls = 3;
  const dakto::PreferencesBytes bytes = dakto::EncodePreferences(block);
  std::filesystem::current_path(folder);

  std::vector<double> bare;
  std::vector<double> frame;
  std::vector<double> withMusic;
  for (int run = 0; run < 10; ++run) {
    std::ofstream(folder / "dakto.prf", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bare.push_back(Measure((here / "bare_sdl_startup").string(), 1).frame);
    const Startup ours = Measure((here / "dakto_startup_probe").string(), 2);
    frame.push_back(ours.frame);
    withMusic.push_back(std::max(ours.frame, ours.music));
  }
  const double floor = Median(bare);
  const double first = Median(frame);
  const double both = Median(withMusic);
  std::printf("bare SDL2 program, frame and music: %.1f ms (the floor; medians of 10 starts)\n", floor);
  std::printf("program, first frame: %.1f ms (%.2f of the floor)\n", first, first / floor);
  std::printf("program, first frame with the music playing: %.1f ms; ratio %.2f (goal: at most 1.3) %s\n",
              both, both / floor, both / floor <= 1.3 ? "MET" : "NOT MET");
  return 0;
}
