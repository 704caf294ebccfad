#include "app/preferences.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "app/preferences_file.h"
#include "tests/host/test_host.h"

namespace dakto {
namespace {

PreferencesBytes RandomBytes(unsigned seed) {
  std::mt19937 random(seed);
  PreferencesBytes bytes;
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

TEST(PreferencesBlock, AnyBlockOfBytesReadsAndWritesBackUnchanged) {
  for (unsigned seed = 1; seed <= 50; ++seed) {
    const PreferencesBytes bytes = RandomBytes(seed);
    EXPECT_EQ(EncodePreferences(DecodePreferences(bytes)), bytes) << "seed " << seed;
  }
  PreferencesBytes zeros{};
  EXPECT_EQ(EncodePreferences(DecodePreferences(zeros)), zeros);
}

TEST(PreferencesBlock, FieldsLieAtTheirOffsetsLittleEndian) {
  PreferencesBlock block;
  block.NeedsSetup = 7;
  SetName(block.Player1Name, "ALICE");
  SetName(block.Player2Name, "BOB");
  block.MusicOn = 1;
  SetMusicFile(block, "orlo.mid");
  block.SoundEffectsOn = 1;
  block.TipIndex = 0x01020304;
  block.StbShowWelcome = 1;
  block.StbVsComputer = 1;
  block.StbDelay = 130;
  block.GremlinOn = 1;
  block.StbTopScores[1] = {MakeName("CAROL"), 42};
  block.StbTopScores[10] = {MakeName("LAST"), 1};
  block.TenThouShowWelcome = 1;
  block.TenThouVsApprentice = 2;
  block.TenThouVsMage = 3;
  block.TenThouVsWizard = 4;
  block.TenThouDelay = -5;
  block.TenThouTopScores[1] = {MakeName("DAVE"), 10050};
  block.PokerShowWelcome = 5;
  block.PokerVsApprentice = 6;
  block.PokerVsMage = 7;
  block.PokerVsWizard = 8;
  block.CoinTallies[1] = {MakeName("ERIN"), 5000};
  block.BillionaireClub[1] = {MakeName("RICH"), 3000000000u};
  block.AcesWild = 1;
  block.PokerDelay = 200;
  block.NumberOfRolls = 3;
  block.PokerBet = 100;
  block.Player1Coins = 0xAABBCCDD;
  block.Player2Coins = 5000;
  block.PokerTopScores[10] = {MakeName("ZED"), 77};
  const PreferencesBytes bytes = EncodePreferences(block);

  auto u32 = [&](std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (std::uint32_t{bytes[at + 3]} << 24);
  };
  auto text = [&](std::size_t at) { return std::string(reinterpret_cast<const char*>(&bytes[at])); };
  EXPECT_EQ(bytes[0], 7);
  EXPECT_EQ(text(1), "ALICE");
  EXPECT_EQ(text(10), "BOB");
  EXPECT_EQ(bytes[19], 1);
  EXPECT_EQ(text(20), "orlo.mid");
  EXPECT_EQ(bytes[276], 1);
  EXPECT_EQ(bytes[277], 0x04);
  EXPECT_EQ(u32(277), 0x01020304u);
  EXPECT_EQ(bytes[281], 1);
  EXPECT_EQ(bytes[282], 1);
  EXPECT_EQ(u32(283), 130u);
  EXPECT_EQ(bytes[287], 1);
  EXPECT_EQ(text(288 + 13), "CAROL");
  EXPECT_EQ(u32(288 + 13 + 9), 42u);
  EXPECT_EQ(text(288 + 130), "LAST");
  EXPECT_EQ(bytes[431], 1);
  EXPECT_EQ(bytes[432], 2);
  EXPECT_EQ(bytes[433], 3);
  EXPECT_EQ(bytes[434], 4);
  EXPECT_EQ(u32(435), static_cast<std::uint32_t>(-5));
  EXPECT_EQ(text(439 + 13), "DAVE");
  EXPECT_EQ(bytes[582], 5);
  EXPECT_EQ(bytes[585], 8);
  EXPECT_EQ(text(586 + 13), "ERIN");
  EXPECT_EQ(text(729 + 13), "RICH");
  EXPECT_EQ(u32(729 + 22), 3000000000u);
  EXPECT_EQ(bytes[872], 1);
  EXPECT_EQ(u32(873), 200u);
  EXPECT_EQ(u32(877), 3u);
  EXPECT_EQ(u32(881), 100u);
  EXPECT_EQ(u32(885), 0xAABBCCDDu);
  EXPECT_EQ(u32(889), 5000u);
  EXPECT_EQ(text(893 + 130), "ZED");
  EXPECT_EQ(u32(893 + 139), 77u);
}

TEST(PreferencesBlock, ChangingOneByteChangesOnlyTheFieldThatHoldsIt) {
  const PreferencesBytes original = RandomBytes(99);
  const PreferencesBlock before = DecodePreferences(original);
  for (std::size_t at : {1u, 9u, 19u, 275u, 280u, 287u, 430u, 434u, 872u, 888u, 1035u}) {
    PreferencesBytes changed = original;
    changed[at] ^= 0x5A;
    const PreferencesBlock after = DecodePreferences(changed);
    EXPECT_NE(after, before) << at;
    EXPECT_EQ(EncodePreferences(after), changed) << at;
  }
}

TEST(Names, KeepTheBytesAfterTheirEnd) {
  NameField field = MakeName("ABCDEFGH");
  SetName(field, "XY");
  EXPECT_EQ(NameText(field), "XY");
  EXPECT_EQ(field[3], 'D') << "leftovers of the longer name stay";
  SetName(field, "TOOLONGNAME");
  EXPECT_EQ(NameText(field), "TOOLONGN");
  NameField full;
  full.fill('Q');
  EXPECT_EQ(NameText(full), "QQQQQQQQQ") << "no NUL: read up to the field's width";
}

TEST(Preferences, DelaysFromAHandEditedFileAreBroughtIntoRange) {
  PreferencesBlock block;
  block.StbDelay = -40;
  block.TenThouDelay = 2000000000;
  block.PokerDelay = 130;
  EXPECT_TRUE(ClampLoadedValues(block));
  EXPECT_EQ(block.StbDelay, 0);
  EXPECT_EQ(block.TenThouDelay, 200);
  EXPECT_EQ(block.PokerDelay, 130);
  EXPECT_FALSE(ClampLoadedValues(block));
}

class PreferencesFileTest : public ::testing::Test {
 protected:
  void Write(std::size_t size, std::uint8_t fill = 0) {
    host_.WriteFile("dakto.prf", std::vector<std::uint8_t>(size, fill));
  }
  testing::TestHost host_;
};

TEST_F(PreferencesFileTest, ReadsBySize) {
  using Status = PreferencesFileRead::Status;
  EXPECT_EQ(ReadPreferencesFile("dakto.prf").status, Status::Unreadable) << "missing";
  Write(1035);
  EXPECT_EQ(ReadPreferencesFile("dakto.prf").status, Status::TooShort);
  Write(0);
  EXPECT_EQ(ReadPreferencesFile("dakto.prf").status, Status::TooShort);
  Write(1037, 3);
  const PreferencesFileRead longer = ReadPreferencesFile("dakto.prf");
  EXPECT_EQ(longer.status, Status::Read);
  EXPECT_EQ(longer.block.NeedsSetup, 3);
  std::filesystem::remove("dakto.prf");
  std::filesystem::create_directory("dakto.prf");
  EXPECT_EQ(ReadPreferencesFile("dakto.prf").status, Status::Unreadable) << "a folder";
}

TEST_F(PreferencesFileTest, AReadOnlyFileIsReadAndLeftAlone) {
  Write(1036, 0);
  std::filesystem::permissions("dakto.prf", std::filesystem::perms::owner_read);
  EXPECT_EQ(ReadPreferencesFile("dakto.prf").status, PreferencesFileRead::Status::Read);
  PreferencesBlock block;
  block.TipIndex = 5;
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  EXPECT_FALSE(WritePreferencesFile("dakto.prf", block));
  EXPECT_EQ(host_.ReadFile("dakto.prf"), std::vector<std::uint8_t>(1036, 0));
}

TEST_F(PreferencesFileTest, AFailedWriteLeavesThePreviousFileIntact) {
  PreferencesBlock saved;
  saved.TipIndex = 4;
  SetName(saved.Player1Name, "KEEPME");
  ASSERT_TRUE(WritePreferencesFile("dakto.prf", saved));
  const auto before = host_.ReadFile("dakto.prf");
  ASSERT_TRUE(before.has_value());
  ASSERT_EQ(before->size(), kPreferencesSize);

  PreferencesBlock next = saved;
  next.TipIndex = 5;
  SetPreferencesWriteFailureHook([](std::size_t written) { return written > 0; });  // fails halfway
  EXPECT_FALSE(WritePreferencesFile("dakto.prf", next));
  SetPreferencesWriteFailureHook(nullptr);
  EXPECT_EQ(host_.ReadFile("dakto.prf"), before);
  EXPECT_FALSE(std::filesystem::exists(".dakto.prf.new")) << "no temporary file left behind";

  ASSERT_TRUE(WritePreferencesFile("dakto.prf", next));
  EXPECT_EQ(ReadPreferencesFile("dakto.prf").block, next);
}

TEST_F(PreferencesFileTest, AFolderInThePlaceOfTheFileIsNeverReplaced) {
  std::filesystem::create_directory("dakto.prf");
  EXPECT_FALSE(WritePreferencesFile("dakto.prf", PreferencesBlock{}));
  EXPECT_TRUE(std::filesystem::is_directory("dakto.prf"));
}

}  // namespace
}  // namespace dakto
