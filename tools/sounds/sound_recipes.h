// Every wave file the games play, each with the recipe that synthesises it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/sounds/synth.h"

namespace dakto::sounds {

struct WaveSound {
  std::string fileName;
  std::function<Samples()> make;  // finished: faded at both ends and normalised
};

std::vector<WaveSound> AllWaveSounds();

// The recipes, exposed one by one so that a single sound can be studied.
Samples DiceRattle(std::uint64_t seed);
Samples DiceLanding();
Samples LidClosing();
Samples Creak();
Samples Note(int step);  // 1 to 8: a rising major scale of one octave
Samples Laugh();
Samples Magic();
Samples BeadClick();
Samples SadFall();
Samples Cheering();
Samples Hush();
Samples Coins();
Samples OhNo();

}  // namespace dakto::sounds
