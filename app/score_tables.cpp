#include "app/score_tables.h"

#include <algorithm>
#include <cctype>

namespace dakto {
namespace {

// Moves places `from` to 9 down by one (the tenth falls off) and writes the entry at `from`.
void InsertAt(TableSlot& table, int from, std::string_view name, std::uint32_t value) {
  for (int i = 10; i > from; --i) table[i] = table[i - 1];
  table[from].name = MakeName(name);
  table[from].value = value;
}

template <typename Include>
std::string ListEntries(const TableSlot& table, bool asCoins, Include include) {
  std::string text;
  for (int i = 1; i <= 10; ++i) {
    const TableEntry& entry = table[i];
    if (!include(entry)) continue;
    text += asCoins ? std::to_string(entry.value) : std::to_string(static_cast<std::int32_t>(entry.value));
    text += "  \t" + NameText(entry.name) + "\n";
  }
  return text;
}

std::string ScoreView(const TableSlot& table, const std::string& heading, const std::string& rule) {
  return heading + "\n" + rule + "\n\n\n" +
         ListEntries(table, false, [](const TableEntry& e) { return static_cast<std::int32_t>(e.value) > 0; });
}

NameField& SeatName(PreferencesBlock& block, Seat seat) {
  return seat == Seat::First ? block.Player1Name : block.Player2Name;
}
std::uint32_t& SeatCoins(PreferencesBlock& block, Seat seat) {
  return seat == Seat::First ? block.Player1Coins : block.Player2Coins;
}

}  // namespace

bool InsertTopScore(TableSlot& table, std::string_view name, std::int32_t score) {
  for (int i = 1; i <= 10; ++i) {
    if (static_cast<std::int32_t>(table[i].value) < score) {
      InsertAt(table, i, name, static_cast<std::uint32_t>(score));
      return true;
    }
  }
  return false;
}

void ClearTable(TableSlot& table) {
  for (int i = 1; i <= 10; ++i) table[i] = TableEntry{};
}

std::string StbTopScoresText(const PreferencesBlock& block) {
  return ScoreView(block.StbTopScores, "Top Scores for Shut The Box", "___________________________");
}

std::string TenThouTopScoresText(const PreferencesBlock& block) {
  return ScoreView(block.TenThouTopScores, "Top Scores for 10,000", "_____________________");
}

std::string PokerTopScoresText(const PreferencesBlock& block) {
  auto hasCoins = [](const TableEntry& e) { return e.value != 0; };
  std::string text = "Top Scores for PokerDice\n________________________\n\n\n";
  text += ListEntries(block.PokerTopScores, true, hasCoins);
  text += "\n\nBillionaire Club\n________________\n\n";
  if (block.BillionaireClub[1].value != 0) {
    text += ListEntries(block.BillionaireClub, true, hasCoins);
  } else {
    text += "There are no billionaires yet.";
  }
  return text;
}

std::string UpperCase(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool ResolveSameNames(PreferencesBlock& block) {
  if (NameText(block.Player1Name) != NameText(block.Player2Name)) return false;
  SetName(block.Player2Name, "PLAYERB");
  return true;
}

std::string SameNamesWarning(const PreferencesBlock& block) {
  return NameText(block.Player1Name) +
         " may not be your own opponent.\n"
         "Second player's name is reset to\n"
         "'PLAYERB'.  To change this name,\n"
         "click on either player name.\n";
}

void FindCoinTally(PreferencesBlock& block, std::string_view name, Seat seat) {
  for (int i = 1; i <= 10; ++i) {
    if (NameText(block.CoinTallies[i].name) == name) {
      SeatName(block, seat) = block.CoinTallies[i].name;
      SeatCoins(block, seat) = block.CoinTallies[i].value;
      return;
    }
  }
  InsertAt(block.CoinTallies, 1, name, kStartingCoins);
  SeatCoins(block, seat) = kStartingCoins;
}

void SaveCoinTally(PreferencesBlock& block, std::string_view name, Seat seat) {
  for (int i = 1; i <= 10; ++i) {
    if (NameText(block.CoinTallies[i].name) == name) {
      block.CoinTallies[i].value = SeatCoins(block, seat);
      return;
    }
  }
}

int AdmitBillionaires(PreferencesBlock& block, bool secondIsPerson) {
  int admitted = 0;
  for (Seat seat : {Seat::First, Seat::Second}) {
    if (seat == Seat::Second && !secondIsPerson) break;
    const std::string name = NameText(SeatName(block, seat));
    const std::uint32_t coins = SeatCoins(block, seat);
    if (coins < kBillion) continue;
    const bool member = std::any_of(block.BillionaireClub.begin() + 1, block.BillionaireClub.end(),
                                    [&](const TableEntry& e) { return NameText(e.name) == name; });
    if (member) continue;
    for (int i = 1; i <= 10; ++i) {
      if (block.BillionaireClub[i].value < coins) {
        InsertAt(block.BillionaireClub, i, name, coins);
        admitted = seat == Seat::First ? 1 : 2;
        break;
      }
    }
  }
  return admitted;
}

}  // namespace dakto
