#include "tests/shell/shell_fixture.h"

#include "app/preferences_file.h"
#include "app/score_tables.h"

namespace dakto::testing {

PreferencesBlock SettledPreferences() {
  PreferencesBlock block;
  SetName(block.Player1Name, "PLAYERA");
  SetName(block.Player2Name, "PLAYERB");
  block.MusicOn = 0;
  SetMusicFile(block, "orlo.mid");
  block.SoundEffectsOn = 1;
  block.TipIndex = 1;
  block.StbShowWelcome = 1;
  block.StbVsComputer = 1;
  block.StbDelay = 130;
  block.TenThouShowWelcome = 1;
  block.TenThouVsApprentice = 1;
  block.TenThouDelay = 130;
  block.PokerShowWelcome = 1;
  block.PokerVsApprentice = 1;
  block.PokerDelay = 130;
  block.NumberOfRolls = 3;
  block.PokerBet = 100;
  block.Player1Coins = 5000;
  block.Player2Coins = 5000;
  FindCoinTally(block, "PLAYERA", Seat::First);
  FindCoinTally(block, "PLAYERB", Seat::Second);
  return block;
}

std::vector<std::uint8_t> Bytes(const PreferencesBlock& block) {
  const PreferencesBytes bytes = EncodePreferences(block);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> TinyMidi() {
  return {'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0, 0,    1,    0,
          96,  'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0};
}

void ShellTest::Start() {
  window_ = std::make_unique<TDaktoWindow>(host_.Platform());
  host_.Attach(*window_, [this] { return window_->PlayOrigin; });
  host_.Platform().ShowWindow();
  host_.Platform().Invalidate();
  host_.Run();
}

PreferencesBlock ShellTest::SavedPreferences() {
  const PreferencesFileRead read = ReadPreferencesFile(host_.WorkDir() + "/dakto.prf");
  EXPECT_EQ(read.status, PreferencesFileRead::Status::Read);
  return read.block;
}

std::vector<ModalRecord> ShellTest::ModalsOf(ModalRecord::Kind kind) {
  std::vector<ModalRecord> found;
  for (const ModalRecord& record : host_.Modals()) {
    if (record.kind == kind) found.push_back(record);
  }
  return found;
}

}  // namespace dakto::testing
