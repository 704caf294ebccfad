#pragma once

#include <array>
#include <vector>

namespace dakto::shutbox {

// Which boxes are open, indexed 1 to 9 (entry 0 is never used).
using BoxSet = std::array<bool, 10>;

// True when `total` is the number of one box of `open` other than `except`, or the sum of two,
// three or four distinct such boxes. A throw never needs more than four boxes.
bool MakesTotal(const BoxSet& open, int total, int except = 0);

// May box n be shut, with `throwSum` already shut in this throw of `diceTotal`? Only when the
// throw can still be completed exactly: n fits, and what remains is made of one to four other
// open boxes, or nothing.
bool MayShut(const BoxSet& open, int n, int diceTotal, int throwSum);

// The computer's boxes for a throw: as few as possible, and among those the set with the largest
// boxes, found in a fixed search order; listed largest first, the order they are shut in.
// Empty when no one to four open boxes make the total.
std::vector<int> ChooseBoxes(const BoxSet& open, int diceTotal);

}  // namespace dakto::shutbox
