#include "tools/sounds/sound_recipes.h"

namespace dakto::sounds {

std::vector<WaveSound> AllWaveSounds() {
  std::vector<WaveSound> sounds{
      {"Dice1.wav", [] { return DiceRattle(1); }},
      {"Dice3.wav", [] { return DiceRattle(3); }},
      {"Dice4.wav", DiceLanding},
      {"closing2.wav", LidClosing},
      {"creak.wav", Creak},
  };
  for (int step = 1; step <= 8; ++step) {
    sounds.push_back({"note" + std::to_string(step) + ".wav", [step] { return Note(step); }});
  }
  const std::vector<WaveSound> rest{
      {"laugh.wav", Laugh},       {"magic.wav", Magic}, {"click.wav", BeadClick}, {"loseall.wav", SadFall},
      {"cheering.wav", Cheering}, {"shh.wav", Hush},    {"money.wav", Coins},     {"ohno.wav", OhNo},
  };
  sounds.insert(sounds.end(), rest.begin(), rest.end());
  return sounds;
}

}  // namespace dakto::sounds
