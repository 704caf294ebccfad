// "orlo": the music behind every screen. A gentle tune in D dorian, 3/4, for
// harp, recorder, strings, cello and celesta: the apprentice's room at dusk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dakto::music {

constexpr int kOrloBeatsPerMinute = 88;
constexpr int kOrloBeatsPerBar = 3;

// The whole Standard MIDI File; empty, with the reason in `error`, when a line
// of the score cannot be read.
std::vector<std::uint8_t> ComposeOrlo(std::string& error);

}  // namespace dakto::music
