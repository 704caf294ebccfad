// A seeded stream of random input (clicks on and beside every hit area of every screen, releases,
// moves, keys, resizes, music ends) with random answers to every modal, checking after each event
// that the window's state is one the program can be in. The program is closed and started again
// from its saved file now and then, and what it saved must be what it held.
//
// DAKTO_SOAK_EVENTS (default 100000) and DAKTO_SOAK_SEED (default 1) set the run; a failure
// names the seed and the event that reproduce it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>

#include "app/front_geometry.h"
#include "app/preferences_file.h"
#include "app/side_controls.h"
#include "games/shutbox/shutbox_geometry.h"
#include "games/tenthou/tenthou_geometry.h"
#include "platform/files.h"
#include "tests/soak/shell_driver.h"

namespace dakto::testing {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// Every corner and edge of a hit box, just inside and just outside, plus its middle.
void AddEdges(std::vector<Point>& points, const HitBox& box) {
  for (int x : {box.x1 - 1, box.x1, box.x1 + 1, (box.x1 + box.x2) / 2, box.x2 - 1, box.x2, box.x2 + 1}) {
    for (int y : {box.y1 - 1, box.y1, (box.y1 + box.y2) / 2, box.y2, box.y2 + 1}) points.push_back({x, y});
  }
}

// Each vertex of an outline and its neighbours one step away.
void AddOutline(std::vector<Point>& points, std::span<const Point> outline) {
  for (const Point& p : outline) {
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) points.push_back({p.x + dx, p.y + dy});
    }
  }
}

std::vector<Point> SideControlPoints(const SideControlHits& hits) {
  std::vector<Point> points;
  for (const HitBox& box : {hits.quit, hits.faster, hits.slower, hits.music, hits.musicFile, hits.sound, hits.help}) {
    AddEdges(points, box);
  }
  return points;
}

// One screen of the program: where it answers clicks, whether its game object exists, and what
// must hold of its state after every event. The 10,000 and Poker Dice screens join with their
// game objects; until then the window must never show them.
struct ScreenCheck {
  ScreenKind kind;
  const char* name;
  std::vector<Point> targets;
  std::function<bool(TDaktoWindow&)> gameExists;
  std::function<std::string(TDaktoWindow&)> invariant;  // empty when it holds
};

// Shut The Box: what the rules promise of the boxes, dice and scores.
struct ShutTheBoxWatch {
  const ShutTheBoxGame* game = nullptr;
  std::array<std::int32_t, 3> totals{};

  std::string Check(const ShutTheBoxGame& g) {
    std::ostringstream fault;
    for (int n = 1; n <= 9; ++n) {
      if (g.BoxInThrow[n] && !g.BoxShut[n]) fault << "box " << n << " is in the throw but open; ";
    }
    for (int die : {g.Die1, g.Die2}) {
      if (die < 1 || die > 6) fault << "a die shows " << die << "; ";
    }
    if (g.DiceThrown) {
      int throwSum = 0;
      for (int n = 1; n <= 9; ++n) throwSum += g.BoxInThrow[n] ? n : 0;
      const int diceTotal = g.TwoDice ? g.Die1 + g.Die2 : g.Die1;
      if (throwSum > diceTotal) fault << "boxes worth " << throwSum << " shut on a throw of " << diceTotal << "; ";
    }
    for (int p = 1; p <= 2; ++p) {
      if (g.TurnScore[p] < 0 || g.TotalScore[p] < 0) fault << "player " << p << " has a negative score; ";
    }
    // Totals grow within a game; a new game starts both from zero.
    const bool fresh = g.TotalScore[1] == 0 && g.TotalScore[2] == 0;
    if (game == &g && !fresh && (g.TotalScore[1] < totals[1] || g.TotalScore[2] < totals[2])) {
      fault << "a total fell from " << totals[1] << "/" << totals[2] << " to " << g.TotalScore[1] << "/"
            << g.TotalScore[2] << "; ";
    }
    game = &g;
    totals = g.TotalScore;
    return fault.str();
  }
};

class Soak {
 public:
  explicit Soak(std::uint64_t seed) : seed_(seed), random_(static_cast<std::uint32_t>(seed)) {
    screens_ = MakeScreens();
  }

  // Runs `events` events; returns the first fault, with what reproduces it.
  std::string Run(std::uint64_t events);
  std::uint64_t ModalsAnswered() const { return modals_; }
  std::uint64_t Sessions() const { return sessions_; }
  // Events sent while each screen was shown, by ScreenKind.
  const std::array<std::uint64_t, 4>& EventsOn() const { return eventsOn_; }

 private:
  std::vector<ScreenCheck> MakeScreens();
  std::uint32_t Below(std::uint32_t n) { return random_() % n; }
  void StartSession(const std::vector<std::uint8_t>* saved);
  Point RandomPoint(const ScreenCheck& screen);
  void RandomEvent();
  bool RandomBurst();
  void Deliver(const Message& message);
  void DeliverResize(Size size);
  std::string CompareSaved(PreferencesBlock held, std::vector<std::uint8_t>& saved);
  std::string CheckInvariants();
  std::string CloseAndCompare(std::vector<std::uint8_t>& saved);

  std::uint64_t seed_;
  std::mt19937 random_;
  std::vector<ScreenCheck> screens_;
  std::unique_ptr<ShellDriver> driver_;
  ShutTheBoxWatch stbWatch_;
  std::uint64_t modals_ = 0;
  std::uint64_t sessions_ = 0;
  bool burst_ = false;
  std::array<std::uint64_t, 4> eventsOn_{};
};

std::vector<ScreenCheck> Soak::MakeScreens() {
  std::vector<Point> front;
  for (const front::FrontSpot& spot : front::kSpots) AddEdges(front, spot.area);

  std::vector<Point> stb = SideControlPoints(kShutTheBoxSideControls);
  for (int n = 1; n <= shutbox::kBoxCount; ++n) AddEdges(stb, shutbox::BoxHitBox(n));
  for (const HitBox& box : {shutbox::kDiceCupHit, shutbox::kOneDieHit, shutbox::kGremlinControlHit,
                            shutbox::kName1Hit, shutbox::kName2Hit}) {
    AddEdges(stb, box);
  }

  std::vector<Point> tenThou;
  for (const tenthou::PaneOutline& pane : tenthou::kPaneOutlines) AddOutline(tenThou, pane.points);

  const auto noGame = [](TDaktoWindow&) { return false; };
  const auto nothing = [](TDaktoWindow&) { return std::string(); };
  return {
      {ScreenKind::FrontScreen, "front", front, noGame, nothing},
      {ScreenKind::ShutTheBoxScreen, "Shut The Box", stb, [](TDaktoWindow& w) { return w.StbGame != nullptr; },
       [this](TDaktoWindow& w) { return stbWatch_.Check(*w.StbGame); }},
      {ScreenKind::TenThouScreen, "10,000", tenThou, noGame, nothing},
      {ScreenKind::PokerDiceScreen, "Poker Dice", {}, noGame, nothing},
  };
}

void Soak::StartSession(const std::vector<std::uint8_t>* saved) {
  driver_.reset();
  driver_ = std::make_unique<ShellDriver>(&random_);
  ++sessions_;
  stbWatch_ = {};
  driver_->WriteFile("tune.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                  'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0});
  driver_->WriteFile("noise.mid", {'R', 'I', 'F', 'F', 1, 2, 3});
  std::filesystem::create_directory(driver_->PathOf("folder.mid"));
  driver_->Platform().Answerer().SetChooserPaths(
      {driver_->PathOf("tune.mid"), "tune.mid", driver_->PathOf("noise.mid"), driver_->PathOf("folder.mid"),
       driver_->PathOf("missing.mid"), ""});
  if (saved != nullptr) driver_->WriteFile("dakto.prf", *saved);
  driver_->Platform().Resize({800 + static_cast<int>(Below(400)), 600 + static_cast<int>(Below(300))});
  driver_->Start();
}

Point Soak::RandomPoint(const ScreenCheck& screen) {
  const Size client = driver_->Platform().ClientSize();
  if (screen.targets.empty() || Below(4) == 0) {
    // Anywhere, the tiles round the play area and just past the client area included.
    return {static_cast<int>(Below(static_cast<std::uint32_t>(client.width) + 20)) - 10,
            static_cast<int>(Below(static_cast<std::uint32_t>(client.height) + 20)) - 10};
  }
  return driver_->Client(screen.targets[Below(static_cast<std::uint32_t>(screen.targets.size()))]);
}

void Soak::RandomEvent() {
  TDaktoWindow& window = driver_->Window();
  const ScreenCheck* screen = &screens_[0];
  for (const ScreenCheck& s : screens_) {
    if (s.kind == window.ActiveScreen) screen = &s;
  }
  ++eventsOn_[static_cast<std::size_t>(window.ActiveScreen)];
  const std::uint32_t pick = Below(1000);
  if (pick < 330) {
    Deliver({.kind = Message::Kind::LeftDown, .point = RandomPoint(*screen)});
  } else if (pick < 500) {
    Deliver({.kind = Message::Kind::LeftUp, .point = RandomPoint(*screen)});
  } else if (pick < 580) {
    Deliver({.kind = Message::Kind::RightDown, .point = RandomPoint(*screen)});
  } else if (pick < 700) {
    Deliver({.kind = Message::Kind::MouseMove, .point = RandomPoint(*screen)});
  } else if (pick < 930) {
    // Keys the program reacts to, and some it does not.
    static constexpr char32_t kKeys[] = {U'+', U'=', U'-', U'_', U'S', U's', U' ', U'1', U'2', U'3', U'4',
                                         U'5', U'6', U'7', U'8', U'9', U'0', U'a', U'Q', U'\r', U'\x1b',
                                         U'\t', U'\b', U'\0', U'\u00e9', U'\U0001F3B2'};
    Deliver({.kind = Message::Kind::Char, .character = kKeys[Below(std::size(kKeys))]});
  } else if (pick < 960) {
    Deliver({.kind = Message::Kind::KeyDown, .key = static_cast<Key>(Below(13)), .shift = Below(2) == 0});
  } else if (pick < 985) {
    if (driver_->Platform().MusicRecorder().FinishPlay() && !burst_) driver_->Pump();
  } else {
    const std::uint32_t size = Below(100);
    if (size < 5) {
      DeliverResize({static_cast<int>(Below(4000)) + 1, static_cast<int>(Below(3000)) + 1});  // up to huge
    } else if (size < 35) {
      DeliverResize({static_cast<int>(Below(64)), static_cast<int>(Below(64))});  // tiny, even empty
    } else {
      DeliverResize({500 + static_cast<int>(Below(900)), 400 + static_cast<int>(Below(600))});
    }
  }
}

void Soak::Deliver(const Message& message) {
  if (burst_) {
    driver_->Platform().Queue().Post(message);
  } else {
    driver_->Send(message);
  }
}

void Soak::DeliverResize(Size size) {
  if (burst_) {
    driver_->Platform().Resize(size);
  } else {
    driver_->Resize(size);
  }
}

// Several inputs queued at once, as they pile up while an animation runs, now and then with the
// close box among them. Returns true when a Close was queued.
bool Soak::RandomBurst() {
  burst_ = true;
  const std::uint32_t count = 2 + Below(5);
  const std::uint32_t closeAt = Below(40) == 0 ? Below(count) : count;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (i == closeAt) {
      driver_->Platform().Queue().Post({.kind = Message::Kind::Close});
    } else {
      RandomEvent();
    }
  }
  burst_ = false;
  driver_->Pump();
  return closeAt < count;
}

std::string Soak::CheckInvariants() {
  std::ostringstream fault;
  TDaktoWindow& window = driver_->Window();
  bool known = false;
  for (const ScreenCheck& screen : screens_) {
    const bool exists = screen.gameExists(window);
    if (screen.kind == window.ActiveScreen) {
      known = true;
      if (screen.kind != ScreenKind::FrontScreen && !exists) fault << screen.name << " is shown without its game; ";
      if (exists) fault << screen.invariant(window);
    } else if (exists) {
      fault << "the " << screen.name << " game exists off its screen; ";
    }
  }
  if (!known) fault << "an unknown screen is shown; ";
  for (const std::int32_t delay : {window.Prefs.StbDelay, window.Prefs.TenThouDelay, window.Prefs.PokerDelay}) {
    if (delay < kMinDelay || delay > kMaxDelay) fault << "a delay is " << delay << "; ";
  }
  // Files are opened by bare name, so a chooser that wandered off must have come back.
  if (CurrentDirectory() != driver_->WorkDir()) fault << "the working directory moved to " << CurrentDirectory() << "; ";
  if (driver_->Platform().Answerer().OpenNow() != 0) fault << "a modal is still open; ";
  if (driver_->Platform().Scripted().AnswersLeft() != 0) fault << "a modal answer was never used; ";
  for (const std::string& what : driver_->Platform().ModalFaults()) fault << "modal fault: " << what << "; ";
  return fault.str();
}

// Closes the program and checks the file holds the block it had: nothing it kept is lost.
std::string Soak::CloseAndCompare(std::vector<std::uint8_t>& saved) {
  const PreferencesBlock held = driver_->Window().Prefs;
  if (!driver_->Close()) return "the window refused to close; ";
  return CompareSaved(held, saved);
}

std::string Soak::CompareSaved(PreferencesBlock held, std::vector<std::uint8_t>& saved) {
  held.NeedsSetup = 0;
  const PreferencesFileRead read = ReadPreferencesFile(driver_->PathOf("dakto.prf"));
  if (read.status != PreferencesFileRead::Status::Read) return "nothing was saved at close; ";
  if (!(read.block == held)) return "the saved file differs from what the program held; ";
  saved = *driver_->ReadFile("dakto.prf");
  return {};
}

// The file the first start finds: none, or one of the fuzzer's seeds (odd names, extreme delays
// and counts, short and long files), picked by the seed.
std::optional<std::vector<std::uint8_t>> FirstFile(std::uint64_t seed) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(DAKTO_SOURCE_DIR "/tests/fuzz/corpus", error)) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  const std::size_t pick = seed % (files.size() + 1);
  if (pick == files.size()) return std::nullopt;
  return ReadWholeFile(files[pick].string());
}

std::string Soak::Run(std::uint64_t events) {
  std::vector<std::uint8_t> saved;
  const auto first = FirstFile(seed_);
  StartSession(first ? &*first : nullptr);
  std::uint64_t sessionEnd = 2000 + Below(20000);
  for (std::uint64_t event = 0; event < events; ++event) {
    std::string fault;
    if (event == sessionEnd) {
      fault = CloseAndCompare(saved);
      if (fault.empty()) {
        modals_ += driver_->Platform().Answerer().Answered();
        StartSession(&saved);
        sessionEnd = event + 2000 + Below(20000);
      }
    } else {
      const bool closeQueued = Below(100) < 5 ? RandomBurst() : (RandomEvent(), false);
      if (driver_->Closed() && closeQueued) {
        // The window is gone but its object is not: what it held at the close is what it saved.
        fault = CompareSaved(driver_->Window().Prefs, saved);
        if (fault.empty()) {
          modals_ += driver_->Platform().Answerer().Answered();
          StartSession(&saved);
          sessionEnd = event + 2000 + Below(20000);
        }
      } else if (driver_->Closed()) {
        fault = "the window closed by itself; ";
      } else {
        fault = CheckInvariants();
      }
    }
    if (event % 1000 == 0) driver_->Platform().ClearRecords();
    if (event % 1'000'000 == 0 && event > 0) std::cerr << "soak: " << event << " events\n";
    if (!fault.empty()) {
      std::ostringstream report;
      report << fault << "\nreproduce with DAKTO_SOAK_SEED=" << seed_ << " DAKTO_SOAK_EVENTS=" << event + 1
             << " (event " << event << ")";
      return report.str();
    }
  }
  modals_ += driver_->Platform().Answerer().Answered();
  return CloseAndCompare(saved);
}

// The Shut The Box checks see each kind of broken state, and only those.
TEST(SoakTest, TheShutTheBoxChecksCatchEachBrokenState) {
  ShellDriver driver;
  driver.Start();
  driver.Send({.kind = Message::Kind::LeftDown, .point = driver.Client({100, 350})});
  ASSERT_NE(driver.Window().StbGame, nullptr);
  ShutTheBoxGame& game = *driver.Window().StbGame;
  const struct {
    const char* name;
    std::function<void(ShutTheBoxGame&)> breakIt;
  } cases[] = {
      {"a box in the throw left open", [](ShutTheBoxGame& g) { g.BoxInThrow[4] = true; }},
      {"more shut than thrown",
       [](ShutTheBoxGame& g) {
         g.DiceThrown = true;
         g.Die1 = g.Die2 = 1;
         g.BoxShut[3] = g.BoxInThrow[3] = true;
       }},
      {"a die showing 7", [](ShutTheBoxGame& g) { g.Die2 = 7; }},
      {"a negative turn score", [](ShutTheBoxGame& g) { g.TurnScore[2] = -1; }},
      {"a total that fell", [](ShutTheBoxGame& g) { g.TotalScore = {0, 20, 30}; }},
  };
  for (const auto& c : cases) {
    auto boxShut = game.BoxShut, boxInThrow = game.BoxInThrow;
    const bool diceThrown = game.DiceThrown;
    const int die1 = game.Die1, die2 = game.Die2;
    const auto turn = game.TurnScore;
    ShutTheBoxWatch watch;
    game.TotalScore = {0, 25, 35};
    EXPECT_EQ(watch.Check(game), "") << c.name << ": the state before";
    c.breakIt(game);
    EXPECT_NE(watch.Check(game), "") << c.name;
    game.BoxShut = boxShut;
    game.BoxInThrow = boxInThrow;
    game.DiceThrown = diceThrown;
    game.Die1 = die1;
    game.Die2 = die2;
    game.TurnScore = turn;
  }
  // A new game starts both totals from zero.
  ShutTheBoxWatch watch;
  game.TotalScore = {0, 25, 35};
  watch.Check(game);
  game.TotalScore = {0, 0, 0};
  EXPECT_EQ(watch.Check(game), "");
}

TEST(SoakTest, RandomInputKeepsEveryScreenConsistentAndSavesWhatItHeld) {
  const std::uint64_t events = EnvNumber("DAKTO_SOAK_EVENTS", 100000);
  const std::uint64_t seed = EnvNumber("DAKTO_SOAK_SEED", 1);
  Soak soak(seed);
  const std::string fault = soak.Run(events);
  EXPECT_EQ(fault, "");
  std::cout << "soak: seed " << seed << ", " << events << " events, " << soak.Sessions() << " starts, "
            << soak.ModalsAnswered() << " modals answered; events on the front screen "
            << soak.EventsOn()[0] << ", on Shut The Box " << soak.EventsOn()[1] << "\n";
}

}  // namespace
}  // namespace dakto::testing
