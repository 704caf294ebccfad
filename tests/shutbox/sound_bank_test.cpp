// The sound bank: files read whole at load, plays and stops guarded by the switch of the moment.
#include "media/sound_bank.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string_view>

#include "tests/host/test_host.h"

namespace dakto::testing {
namespace {

using ::testing::ElementsAre;

class SoundBankTest : public ::testing::Test {
 protected:
  SoundBankTest() {
    host.WriteFile("one.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
    host.WriteFile("two.wav", {'R', 'I', 'F', 'F', 4, 5});
    static constexpr std::string_view kFiles[] = {"one.wav", "missing.wav", "two.wav"};
    bank.LoadSoundBank(kFiles);
  }
  std::vector<SoundRecord> Records() { return host.Sounds(); }

  TestHost host;
  std::uint8_t soundOn = 1;
  SoundBank bank{host.Platform(), soundOn};
};

TEST_F(SoundBankTest, SlotsFollowTheListAndAMissingFileLeavesItsSlotEmpty) {
  EXPECT_EQ(bank.SlotCount(), 3u);
  EXPECT_TRUE(bank.IsLoaded(0));
  EXPECT_FALSE(bank.IsLoaded(1));
  EXPECT_TRUE(bank.IsLoaded(2));
  bank.PlaySoundEffect(1);
  bank.PlaySoundEffect(7);
  EXPECT_TRUE(Records().empty());
  bank.PlaySoundEffect(2);
  bank.PlaySoundEffectAndWait(0);
  bank.StopSoundEffect();
  EXPECT_THAT(Records(), ElementsAre(SoundRecord{SoundRecord::Kind::Play, "two.wav"},
                                     SoundRecord{SoundRecord::Kind::PlayAndWait, "one.wav"},
                                     SoundRecord{SoundRecord::Kind::Stop, ""}));
}

TEST_F(SoundBankTest, TheSwitchIsReadAtEachCall) {
  bank.PlaySoundEffect(0);
  soundOn = 0;
  bank.PlaySoundEffect(2);
  bank.PlaySoundEffectAndWait(2);
  bank.StopSoundEffect();  // the sound already started plays on
  soundOn = 1;
  bank.StopSoundEffect();
  EXPECT_THAT(Records(), ElementsAre(SoundRecord{SoundRecord::Kind::Play, "one.wav"},
                                     SoundRecord{SoundRecord::Kind::Stop, ""}));
}

TEST_F(SoundBankTest, FreeingEmptiesEverySlot) {
  bank.FreeSoundBank();
  bank.PlaySoundEffect(0);
  EXPECT_EQ(bank.SlotCount(), 0u);
  EXPECT_TRUE(Records().empty());
}

}  // namespace
}  // namespace dakto::testing
