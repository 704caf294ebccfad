#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/preferences.h"

namespace dakto {

// Ranked tables of ten entries, best first, in places 1 to 10.

// Puts a score in at the first place whose score is strictly lower; equal scores go below those
// already there, and the tenth falls off. Returns false when the score is not good enough.
bool InsertTopScore(TableSlot& table, std::string_view name, std::int32_t score);
// Empties places 1 to 10.
void ClearTable(TableSlot& table);

// The texts of the three top-score views.
std::string StbTopScoresText(const PreferencesBlock& block);
std::string TenThouTopScoresText(const PreferencesBlock& block);
std::string PokerTopScoresText(const PreferencesBlock& block);

inline constexpr char kTopScoresCaption[] = "Top Scores";

// Names as the players type them are kept in capitals.
std::string UpperCase(std::string_view name);

// When both seats carry the same name, the second becomes "PLAYERB". Returns true when that
// happened; the caller then shows SameNamesWarning() under the caption "Warning".
bool ResolveSameNames(PreferencesBlock& block);
std::string SameNamesWarning(const PreferencesBlock& block);

enum class Seat { First, Second };

// Coin tallies remember the coins of the ten names last used at Poker Dice, newest first.
void FindCoinTally(PreferencesBlock& block, std::string_view name, Seat seat);
void SaveCoinTally(PreferencesBlock& block, std::string_view name, Seat seat);

inline constexpr std::uint32_t kStartingCoins = 5000;
inline constexpr std::uint32_t kBillion = 1'000'000'000;

// The Billionaire Club entry rule for the first player and, when `secondIsPerson`, the second.
// Returns 0 when nobody was admitted, else the seat (1 or 2) of the last player admitted.
int AdmitBillionaires(PreferencesBlock& block, bool secondIsPerson);

}  // namespace dakto
