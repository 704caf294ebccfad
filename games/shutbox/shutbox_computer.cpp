// The computer in the second seat: it plays through the same operations as a person's clicks,
// shutting as few boxes as it can, the largest first, with a second's pause between its moves.
#include <vector>

#include "games/shutbox/shutbox_game.h"
#include "platform/platform.h"

namespace dakto {

namespace {
constexpr std::int32_t kThinkingMs = 1000;
}  // namespace

void ShutTheBoxGame::ComputerTurn() {
  DiceThrown = false;
  GetPlatform().SetCursor(Cursor::Wait);
  ThrowOrEndTurn();
  Wait(kThinkingMs);
  while (!NoMoveLeft()) {
    const std::vector<int> boxes = shutbox::ChooseBoxes(OpenBoxes(), DiceTotal());
    if (boxes.empty()) break;  // cannot happen while a move is left; never spin on it
    for (int box : boxes) ToggleBox(box);
    Wait(kThinkingMs);
    // Small leftovers are easier to hit with one die.
    if (OpenSum() <= 6) UseOneDie();
    if (OpenSum() > 0) ThrowOrEndTurn();
    Wait(kThinkingMs);
  }
  ThrowOrEndTurn();
  GetPlatform().SetCursor(Cursor::Arrow);
}

}  // namespace dakto
