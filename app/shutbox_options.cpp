#include "app/shutbox_options.h"

#include <string>

#include "app/game_shell.h"
#include "app/preferences.h"
#include "app/score_tables.h"
#include "games/shutbox/shutbox_game.h"
#include "platform/dialog.h"

namespace dakto {
namespace {

constexpr int kOptionsDialog = 201;
// Transfer fields, in the template's order.
enum Field : std::size_t { kVsComputer, kVsPlayer2, kChangeFirst, kChangeSecond, kNewName, kFieldCount };

}  // namespace

void RunShutTheBoxOptions(GameShell& shell, ShutTheBoxGame& game) {
  const auto dialog = LoadDialogTemplate(kOptionsDialog);
  if (!dialog) return;
  TransferBuffer buffer(*dialog);
  if (buffer.FieldCount() < kFieldCount) return;
  PreferencesBlock& prefs = shell.Preferences();
  buffer.SetFlag(kVsComputer, prefs.StbVsComputer != 0 ? 1 : 0);
  buffer.SetFlag(kVsPlayer2, prefs.StbVsComputer != 0 ? 0 : 1);
  buffer.SetFlag(kChangeFirst, 0);
  buffer.SetFlag(kChangeSecond, 0);
  buffer.SetText(kNewName, "");
  if (!RunDialog(shell.GetPlatform(), *dialog, buffer)) return;

  const std::string name = UpperCase(buffer.Text(kNewName));
  if (buffer.Flag(kVsComputer) != 0 && prefs.StbVsComputer == 0) {
    prefs.StbVsComputer = 1;
    game.NewGame();
  } else if (buffer.Flag(kVsPlayer2) != 0 && prefs.StbVsComputer != 0) {
    prefs.StbVsComputer = 0;
    game.NewGame();
  }
  bool nameChanged = false;
  if (buffer.Flag(kChangeFirst) != 0 && !name.empty()) {
    SetName(prefs.Player1Name, name);
    nameChanged = true;
  } else if (buffer.Flag(kChangeSecond) != 0 && !name.empty()) {
    SetName(prefs.Player2Name, name);
    nameChanged = true;
  }
  if (nameChanged) game.NewGame();
  shell.CheckSameNames();
  if (nameChanged) game.DrawNames();
}

}  // namespace dakto
