#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dakto {

// A player's name as it is stored: up to 8 letters and a NUL in 9 bytes. The bytes after the NUL
// may hold what an older, longer name left there; they are kept as they are.
using NameField = std::array<char, 9>;

std::string NameText(const NameField& field);      // up to the first NUL, or all 9 bytes
void SetName(NameField& field, std::string_view text);  // at most 8 bytes and a NUL; the rest untouched
NameField MakeName(std::string_view text);

// One place of a score table, coin tally or the Billionaire Club. The value is an int32 score in
// the score tables and an unsigned coin count elsewhere; it is stored as its 32 bits.
struct TableEntry {
  NameField name{};
  std::uint32_t value = 0;
  bool operator==(const TableEntry&) const = default;
};

// Eleven entries, of which 1 to 10 are used and 0 never is.
using TableSlot = std::array<TableEntry, 11>;

inline constexpr std::size_t kPreferencesSize = 1036;
using PreferencesBytes = std::array<std::uint8_t, kPreferencesSize>;

// Every setting, name, coin count and table, as kept in "dakto.prf". Switches are kept as the
// byte the file holds, so any file reads and writes back unchanged.
struct PreferencesBlock {
  std::uint8_t NeedsSetup = 0;
  NameField Player1Name{};
  NameField Player2Name{};
  std::uint8_t MusicOn = 0;
  std::array<char, 256> MusicFile{};
  std::uint8_t SoundEffectsOn = 0;
  std::int32_t TipIndex = 0;
  std::uint8_t StbShowWelcome = 0;
  std::uint8_t StbVsComputer = 0;
  std::int32_t StbDelay = 0;
  std::uint8_t GremlinOn = 0;
  TableSlot StbTopScores{};
  std::uint8_t TenThouShowWelcome = 0;
  std::uint8_t TenThouVsApprentice = 0;
  std::uint8_t TenThouVsMage = 0;
  std::uint8_t TenThouVsWizard = 0;
  std::int32_t TenThouDelay = 0;
  TableSlot TenThouTopScores{};
  std::uint8_t PokerShowWelcome = 0;
  std::uint8_t PokerVsApprentice = 0;
  std::uint8_t PokerVsMage = 0;
  std::uint8_t PokerVsWizard = 0;
  TableSlot CoinTallies{};
  TableSlot BillionaireClub{};
  std::uint8_t AcesWild = 0;
  std::int32_t PokerDelay = 0;
  std::int32_t NumberOfRolls = 0;
  std::uint32_t PokerBet = 0;
  std::uint32_t Player1Coins = 0;
  std::uint32_t Player2Coins = 0;
  TableSlot PokerTopScores{};

  bool operator==(const PreferencesBlock&) const = default;
};

PreferencesBlock DecodePreferences(std::span<const std::uint8_t, kPreferencesSize> bytes);
PreferencesBytes EncodePreferences(const PreferencesBlock& block);

std::string MusicFileText(const PreferencesBlock& block);
void SetMusicFile(PreferencesBlock& block, std::string_view path);

// Brings values that a hand-edited file may hold into the range the program works with:
// animation delays into 0..200 (so no file can freeze the animations). Returns true if anything changed.
bool ClampLoadedValues(PreferencesBlock& block);

// The animation delays run from 0 to 200 ms in steps of 10.
inline constexpr std::int32_t kMinDelay = 0;
inline constexpr std::int32_t kMaxDelay = 200;

}  // namespace dakto
