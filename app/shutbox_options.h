#pragma once

namespace dakto {

class GameShell;
class ShutTheBoxGame;

// The Shut The Box options (a click on a player's name): the opponent, a person or the computer,
// and a new name for either player. A change of opponent or of a name starts a new game.
void RunShutTheBoxOptions(GameShell& shell, ShutTheBoxGame& game);

}  // namespace dakto
