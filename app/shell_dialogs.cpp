// The shell's dialogs and message boxes: the first-run names, the top-score views and the
// top-scores dialog, the same-names warning.
#include "app/dakto_window.h"
#include "app/score_tables.h"
#include "platform/dialog.h"
#include "platform/message_box.h"

namespace dakto {
namespace {

constexpr int kNamesDialog = 202;
constexpr int kTopScoresDialog = 205;

}  // namespace

void TDaktoWindow::SetUpDefaults() {
  Prefs.NeedsSetup = 0;
  TransferBuffer names;
  if (const auto dialog = LoadDialogTemplate(kNamesDialog)) {
    names = TransferBuffer(*dialog);
    RunDialog(platform_, *dialog, names);
  }
  // A dialog closed without OK leaves both names empty.
  const std::string first = names.FieldCount() > 0 ? UpperCase(names.Text(0)) : "";
  const std::string second = names.FieldCount() > 1 ? UpperCase(names.Text(1)) : "";
  SetName(Prefs.Player1Name, first.empty() ? "PLAYERA" : first);
  SetName(Prefs.Player2Name, second.empty() ? "PLAYERB" : second);
  CheckSameNames();

  Prefs.StbShowWelcome = 1;
  Prefs.StbVsComputer = 1;
  Prefs.StbDelay = 130;
  Prefs.GremlinOn = 0;
  Prefs.StbTopScores = TableSlot{};

  Prefs.MusicOn = 1;
  SetMusicFile(Prefs, "orlo.mid");
  Prefs.SoundEffectsOn = 1;
  Prefs.TipIndex = 1;

  Prefs.TenThouShowWelcome = 1;
  Prefs.TenThouVsApprentice = 1;
  Prefs.TenThouVsMage = 0;
  Prefs.TenThouVsWizard = 0;
  Prefs.TenThouDelay = 130;
  Prefs.TenThouTopScores = TableSlot{};

  Prefs.PokerShowWelcome = 1;
  Prefs.PokerVsApprentice = 1;
  Prefs.PokerVsMage = 0;
  Prefs.PokerVsWizard = 0;
  Prefs.AcesWild = 0;
  Prefs.PokerDelay = 130;
  Prefs.NumberOfRolls = 3;
  Prefs.PokerBet = 100;
  Prefs.Player1Coins = kStartingCoins;
  Prefs.Player2Coins = kStartingCoins;
  Prefs.PokerTopScores = TableSlot{};
  Prefs.CoinTallies = TableSlot{};
  Prefs.BillionaireClub = TableSlot{};
  FindCoinTally(Prefs, NameText(Prefs.Player1Name), Seat::First);
  FindCoinTally(Prefs, NameText(Prefs.Player2Name), Seat::Second);
}

void TDaktoWindow::CheckSameNames() {
  if (!ResolveSameNames(Prefs)) return;
  // The board shows the name that was put right before the warning explains it.
  if (ActiveScreen == ScreenKind::ShutTheBoxScreen && StbGame) StbGame->DrawNames();
  ShowMessageBox(platform_, SameNamesWarning(Prefs), "Warning");
}

void TDaktoWindow::ShowStbTopScores() {
  ShowMessageBox(platform_, StbTopScoresText(Prefs), kTopScoresCaption);
}

void TDaktoWindow::ShowTenThouTopScores() {
  ShowMessageBox(platform_, TenThouTopScoresText(Prefs), kTopScoresCaption);
}

void TDaktoWindow::ShowPokerTopScores() {
  ShowMessageBox(platform_, PokerTopScoresText(Prefs), kTopScoresCaption);
}

void TDaktoWindow::RunTopScoresDialog() {
  const auto dialog = LoadDialogTemplate(kTopScoresDialog);
  if (!dialog) return;
  TransferBuffer boxes(*dialog);
  for (std::size_t i = 0; i < boxes.FieldCount(); ++i) boxes.SetFlag(i, 0);
  if (!RunDialog(platform_, *dialog, boxes) || boxes.FieldCount() < 6) return;
  if (boxes.Flag(0) != 0) ShowTenThouTopScores();
  if (boxes.Flag(1) != 0) {
    ShowPokerTopScores();
    const bool secondIsPerson =
        Prefs.PokerVsApprentice == 0 && Prefs.PokerVsMage == 0 && Prefs.PokerVsWizard == 0;
    AdmitBillionaires(Prefs, secondIsPerson);
  }
  if (boxes.Flag(2) != 0) ShowStbTopScores();
  if (boxes.Flag(3) != 0) ClearTable(Prefs.TenThouTopScores);
  if (boxes.Flag(4) != 0) ClearTable(Prefs.PokerTopScores);
  if (boxes.Flag(5) != 0) ClearTable(Prefs.StbTopScores);
}

}  // namespace dakto
