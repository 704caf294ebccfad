#include "app/score_tables.h"

#include <gtest/gtest.h>

namespace dakto {
namespace {

TableSlot Scores(std::initializer_list<std::pair<const char*, std::int32_t>> entries) {
  TableSlot table{};
  int i = 1;
  for (const auto& [name, score] : entries) table[i++] = {MakeName(name), static_cast<std::uint32_t>(score)};
  return table;
}

TEST(InsertTopScore, RanksBestFirstAndEqualScoresGoBelow) {
  TableSlot table = Scores({{"A", 50}, {"B", 30}, {"C", 30}, {"D", 10}});
  EXPECT_TRUE(InsertTopScore(table, "NEW", 30));
  EXPECT_EQ(NameText(table[4].name), "NEW") << "below the two 30s already there";
  EXPECT_EQ(NameText(table[5].name), "D");
  EXPECT_EQ(table[0], TableEntry{}) << "place 0 is never used";

  TableSlot full = Scores({{"A", 90},
                           {"B", 80},
                           {"C", 70},
                           {"D", 60},
                           {"E", 50},
                           {"F", 40},
                           {"G", 30},
                           {"H", 20},
                           {"I", 10},
                           {"J", 5}});
  const TableSlot before = full;
  EXPECT_FALSE(InsertTopScore(full, "LOW", 5)) << "equal to the lowest: nothing changes";
  EXPECT_EQ(full, before);
  EXPECT_TRUE(InsertTopScore(full, "TOP", 100));
  EXPECT_EQ(NameText(full[1].name), "TOP");
  EXPECT_EQ(NameText(full[10].name), "I") << "the old tenth fell off";
}

TEST(TopScoreViews, ListUsedEntriesOnlyInTableOrder) {
  PreferencesBlock block;
  EXPECT_EQ(StbTopScoresText(block), "Top Scores for Shut The Box\n___________________________\n\n\n");
  block.StbTopScores = Scores({{"ANN", 12}, {"ZERO", 0}, {"", 7}, {"NEG", -3}, {"BOB", 2}});
  EXPECT_EQ(StbTopScoresText(block),
            "Top Scores for Shut The Box\n___________________________\n\n\n"
            "12  \tANN\n7  \t\n2  \tBOB\n");
  block.TenThouTopScores = Scores({{"MAGE", 10250}});
  EXPECT_EQ(TenThouTopScoresText(block), "Top Scores for 10,000\n_____________________\n\n\n10250  \tMAGE\n");
}

TEST(TopScoreViews, PokerShowsUnsignedCoinsAndTheClub) {
  PreferencesBlock block;
  block.PokerTopScores[1] = {MakeName("RICH"), 3000000000u};
  block.PokerTopScores[3] = {MakeName("POOR"), 1};
  block.BillionaireClub[2] = {MakeName("LATE"), 2000000000u};
  EXPECT_EQ(PokerTopScoresText(block),
            "Top Scores for PokerDice\n________________________\n\n\n"
            "3000000000  \tRICH\n1  \tPOOR\n"
            "\n\nBillionaire Club\n________________\n\n"
            "There are no billionaires yet.");
  block.BillionaireClub[1] = {MakeName("FIRST"), 4000000000u};
  EXPECT_EQ(PokerTopScoresText(block),
            "Top Scores for PokerDice\n________________________\n\n\n"
            "3000000000  \tRICH\n1  \tPOOR\n"
            "\n\nBillionaire Club\n________________\n\n"
            "4000000000  \tFIRST\n2000000000  \tLATE\n");
}

TEST(Names, SameNamesResetTheSecondPlayer) {
  PreferencesBlock block;
  SetName(block.Player1Name, UpperCase("playera"));
  SetName(block.Player2Name, "PLAYERA");
  EXPECT_TRUE(ResolveSameNames(block));
  EXPECT_EQ(NameText(block.Player2Name), "PLAYERB");
  EXPECT_EQ(SameNamesWarning(block),
            "PLAYERA may not be your own opponent.\nSecond player's name is reset to\n"
            "'PLAYERB'.  To change this name,\nclick on either player name.\n");
  EXPECT_FALSE(ResolveSameNames(block));
  SetName(block.Player1Name, "PLAYERB");
  EXPECT_TRUE(ResolveSameNames(block)) << "both stay PLAYERB, and the warning is shown";
  EXPECT_EQ(NameText(block.Player2Name), "PLAYERB");
  EXPECT_EQ(UpperCase("mIxEd"), "MIXED");
}

TEST(CoinTallies, FindGivesStoredCoinsOrAddsTheNameAtTheTop) {
  PreferencesBlock block;
  FindCoinTally(block, "PLAYERA", Seat::First);
  FindCoinTally(block, "PLAYERB", Seat::Second);
  EXPECT_EQ(NameText(block.CoinTallies[1].name), "PLAYERB");
  EXPECT_EQ(NameText(block.CoinTallies[2].name), "PLAYERA");
  EXPECT_EQ(block.Player1Coins, 5000u);

  block.Player1Coins = 777;
  SaveCoinTally(block, "PLAYERA", Seat::First);
  EXPECT_EQ(block.CoinTallies[2].value, 777u);
  block.Player2Coins = 1;
  FindCoinTally(block, "PLAYERA", Seat::Second);
  EXPECT_EQ(block.Player2Coins, 777u) << "a known name brings its coins";
  SaveCoinTally(block, "NOBODY", Seat::First);  // unknown: nothing changes
  EXPECT_EQ(block.CoinTallies[3], TableEntry{});

  for (int i = 0; i < 10; ++i) FindCoinTally(block, "N" + std::to_string(i), Seat::First);
  EXPECT_EQ(NameText(block.CoinTallies[1].name), "N9");
  EXPECT_EQ(NameText(block.CoinTallies[10].name), "N0") << "the eleventh new name pushed the older two out";
}

TEST(AdmitBillionaires, AdmitsEachSeatOnceAndOnlyPeople) {
  PreferencesBlock block;
  SetName(block.Player1Name, "ANN");
  SetName(block.Player2Name, "BOB");
  block.Player1Coins = kBillion;
  block.Player2Coins = 3000000000u;
  EXPECT_EQ(AdmitBillionaires(block, false), 1) << "the computer's coins play no part";
  EXPECT_EQ(NameText(block.BillionaireClub[1].name), "ANN");
  EXPECT_EQ(AdmitBillionaires(block, true), 2) << "ANN is a member already; BOB joins";
  EXPECT_EQ(NameText(block.BillionaireClub[1].name), "BOB") << "richer, so first";
  EXPECT_EQ(NameText(block.BillionaireClub[2].name), "ANN");
  EXPECT_EQ(AdmitBillionaires(block, true), 0);
  block.Player1Coins = kBillion - 1;
  SetName(block.Player1Name, "CAT");
  EXPECT_EQ(AdmitBillionaires(block, true), 0);
}

}  // namespace
}  // namespace dakto
