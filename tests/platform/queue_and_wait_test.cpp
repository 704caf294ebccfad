#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "media/busy_delay.h"
#include "platform/headless/headless_platform.h"
#include "tests/host/test_host.h"

namespace dakto {
namespace {

using Kind = Message::Kind;

std::vector<Kind> Kinds(const MessageQueue& queue) {
  std::vector<Kind> kinds;
  for (const Message& m : queue.Messages()) kinds.push_back(m.kind);
  return kinds;
}

TEST(DiscardMouseInput, DropsMouseMessagesAndKeepsKeysInOrder) {
  HeadlessPlatform platform;
  MessageQueue& queue = platform.Queue();
  queue.Post({.kind = Kind::MouseMove});
  queue.Post({.kind = Kind::Char, .character = U'a'});
  queue.Post({.kind = Kind::LeftDown});
  queue.Post({.kind = Kind::LeftUp});
  queue.Post({.kind = Kind::Char, .character = U'b'});
  queue.Post({.kind = Kind::RightDown});
  queue.Post({.kind = Kind::Size, .size = {700, 500}});
  queue.Post({.kind = Kind::MusicNotify});
  queue.Post({.kind = Kind::Char, .character = U' '});
  platform.DiscardMouseInput();
  EXPECT_EQ(Kinds(queue),
            (std::vector<Kind>{Kind::Char, Kind::Char, Kind::Size, Kind::MusicNotify, Kind::Char}));
  std::u32string typed;
  for (const Message& m : queue.Messages()) {
    if (m.kind == Kind::Char) typed += m.character;
  }
  EXPECT_EQ(typed, U"ab ");
}

TEST(BusyDelay, WaitsExactlyTheAskedTimeAndShowsTheFrameFirst) {
  HeadlessPlatform platform;
  platform.Queue().Post({.kind = Kind::LeftDown});
  BusyDelay(platform, 130);
  EXPECT_EQ(platform.Ticks(), 1130u);
  EXPECT_EQ(platform.Waits(), (std::vector<std::uint32_t>{130}));
  EXPECT_EQ(platform.Presents(), 1);
  EXPECT_EQ(platform.Queue().Count(), 1u) << "input that arrives meanwhile waits, unhandled";
}

TEST(BusyDelay, ReturnsAtOnceWhenTheDeadlineIsNotAheadAsASignedNumber) {
  struct Case {
    std::uint32_t start;
    std::int32_t ms;
    std::uint32_t waited;
    const char* why;
  };
  const Case cases[] = {
      {1000, 0, 0, "zero"},
      {1000, -1, 0, "negative"},
      {1000, INT_MIN, 0, "most negative"},
      {0x7FFFFFF0u, 100, 0, "the deadline wraps past the largest signed value"},
      {0x7FFFFFF0u, 15, 15, "the deadline just below the largest signed value"},
      {0xFFFFFFF0u, 100, 100, "the clock crosses zero: -16 to 84"},
      {0, INT_MAX, static_cast<std::uint32_t>(INT_MAX), "the longest wait"},
  };
  for (const Case& c : cases) {
    HeadlessPlatform platform({100, 100}, c.start);
    BusyDelay(platform, c.ms);
    EXPECT_EQ(platform.TotalWaited(), c.waited) << c.why;
    EXPECT_EQ(platform.Ticks(), c.start + c.waited) << c.why;
    EXPECT_EQ(platform.Presents(), c.waited > 0 ? 1 : 0) << c.why;
  }
}

// A window that records what reaches it.
class RecordingWindow : public WindowProcedure {
 public:
  explicit RecordingWindow(Platform& platform) : platform_(platform) {}
  void HandleMessage(const Message& message) override {
    handled.push_back(message.kind);
    if (message.kind == Kind::LeftDown) {
      // A long animation inside the click: more input arrives meanwhile.
      platform_.Queue().Post({.kind = Kind::LeftUp});
      platform_.Queue().Post({.kind = Kind::Char, .character = U'7'});
      platform_.Queue().Post({.kind = Kind::LeftDown});
      BusyDelay(platform_, 1000);
      platform_.DiscardMouseInput();
    }
    if (message.kind == Kind::Size) platform_.Invalidate();
  }
  void Paint() override { handled.push_back(Kind::Paint); }
  bool CanClose() override {
    handled.push_back(Kind::Close);
    return allowClose;
  }
  std::vector<Kind> handled;
  bool allowClose = false;

 private:
  Platform& platform_;
};

TEST(MessageLoop, ClicksDuringAnAnimationAreDroppedAndKeysHandledAfterIt) {
  testing::TestHost host;
  RecordingWindow window(host.Platform());
  host.Attach(window);
  host.Click(10, 10);
  EXPECT_EQ(window.handled, (std::vector<Kind>{Kind::LeftDown, Kind::Char}));
  EXPECT_EQ(host.Platform().TotalWaited(), 1000u);
}

TEST(MessageLoop, PaintsOnlyWhenNothingElseWaitsAndClosesOnlyWhenAllowed) {
  testing::TestHost host;
  RecordingWindow window(host.Platform());
  host.Attach(window);
  host.Post({.kind = Kind::Size, .size = {800, 600}});
  host.Post({.kind = Kind::Char, .character = U'x'});
  host.Run();
  EXPECT_EQ(window.handled, (std::vector<Kind>{Kind::Size, Kind::Char, Kind::Paint}));
  window.handled.clear();
  EXPECT_FALSE(host.Close());
  EXPECT_EQ(window.handled, (std::vector<Kind>{Kind::Close}));
  window.allowClose = true;
  host.Post({.kind = Kind::Close});
  host.Post({.kind = Kind::Char, .character = U'y'});
  EXPECT_FALSE(host.Run());
  EXPECT_TRUE(host.Closed());
}

TEST(TestHost, RunsInAFreshWorkingDirectoryWithScriptedRandomValues) {
  std::string dir;
  {
    testing::TestHost host;
    dir = host.WorkDir();
    host.WriteFile("dakto.prf", {1, 2, 3});
    EXPECT_EQ(host.ReadFile("dakto.prf"), (std::vector<std::uint8_t>{1, 2, 3}));
    host.Platform().ScriptRandom(5);
    host.Platform().ScriptRandom(0);
    EXPECT_EQ(host.Platform().Random(), 5u);
    EXPECT_EQ(host.Platform().Random(), 0u);
    EXPECT_LE(host.Platform().Random(), 0x7FFFFFFFu);
  }
  EXPECT_FALSE(std::filesystem::exists(dir));
}

}  // namespace
}  // namespace dakto
