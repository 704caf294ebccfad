// Starts the whole program on the headless backend with the input as "dakto.prf", answers every
// modal the plain way (OK, No, cancel), takes a short walk (next tip, Shut The Box, a throw,
// faster, quit) and closes. A well-formed block (at least 1036 bytes, first byte 0) must come back
// byte for byte, apart from what the start and the walk change.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/front_geometry.h"
#include "app/front_screen.h"
#include "app/preferences_file.h"
#include "app/side_controls.h"
#include "games/shutbox/shutbox_geometry.h"
#include "platform/files.h"
#include "tests/soak/shell_driver.h"

namespace dakto::testing {
namespace {

Point Middle(const HitBox& box) { return {(box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2}; }

const HitBox& Spot(front::FrontAction action) {
  for (const front::FrontSpot& spot : front::kSpots) {
    if (spot.action == action) return spot.area;
  }
  std::abort();
}

void Fail(const char* what) {
  std::fprintf(stderr, "preferences fuzzer: %s\n", what);
  std::abort();
}

// Each start and each click on the next-tip spot shows the following tip, wrapping to the first.
std::int32_t FollowingTip(std::int32_t tip) {
  const std::int64_t next = std::int64_t{tip} + 1;
  return next > kTipCount || next < 1 ? 1 : static_cast<std::int32_t>(next);
}

// The block the walk should leave, from the one the file held.
PreferencesBlock ExpectedAfterWalk(PreferencesBlock block) {
  for (std::int32_t* delay : {&block.StbDelay, &block.TenThouDelay, &block.PokerDelay}) {
    *delay = std::clamp(*delay, kMinDelay, kMaxDelay);
  }
  // Start-up and the next-tip click.
  block.TipIndex = FollowingTip(FollowingTip(block.TipIndex));
  // A missing music file is answered "No": the music stays off from then on.
  if (block.MusicOn != 0 && !FindFile(MusicFileText(block))) block.MusicOn = 0;
  // The welcome shows once; "faster" takes 10 ms off the delay.
  block.StbShowWelcome = 0;
  block.StbDelay = std::max(kMinDelay, block.StbDelay - 10);
  return block;
}

void Walk(ShellDriver& driver) {
  const auto click = [&driver](Point play) {
    driver.Send({.kind = Message::Kind::LeftDown, .point = driver.Client(play)});
    driver.Send({.kind = Message::Kind::LeftUp, .point = driver.Client(play)});
  };
  click(Middle(Spot(front::FrontAction::NextTip)));
  click(Middle(Spot(front::FrontAction::ShutTheBox)));
  if (driver.Window().StbGame == nullptr) Fail("Shut The Box did not open");
  click(Middle(shutbox::kDiceCupHit));
  click(Middle(kShutTheBoxSideControls.faster));
  click(Middle(kShutTheBoxSideControls.quit));
  if (driver.Window().StbGame != nullptr) Fail("Shut The Box did not end");
}

}  // namespace
}  // namespace dakto::testing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dakto;
  using namespace dakto::testing;
  const std::vector<std::uint8_t> input(data, data + size);
  ShellDriver driver;
  driver.WriteFile(kPreferencesFile, input);
  driver.Start();
  Walk(driver);
  if (!driver.Close()) Fail("the window did not close");
  if (!driver.Platform().ModalFaults().empty()) Fail("a modal could not be answered");

  const auto saved = driver.ReadFile(kPreferencesFile);
  if (!saved || saved->size() != kPreferencesSize) Fail("the saved file is not one whole block");
  if ((*saved)[0] != 0) Fail("the saved file asks for the setup");
  if (size >= kPreferencesSize && data[0] == 0) {
    const PreferencesBlock loaded = DecodePreferences(std::span<const std::uint8_t, kPreferencesSize>(data, kPreferencesSize));
    const PreferencesBytes expected = EncodePreferences(ExpectedAfterWalk(loaded));
    for (std::size_t i = 0; i < kPreferencesSize; ++i) {
      if ((*saved)[i] != expected[i]) {
        std::fprintf(stderr, "byte %zu saved as %u, expected %u\n", i, (*saved)[i], expected[i]);
        Fail("the block did not come back as it should");
      }
    }
  }
  return 0;
}
