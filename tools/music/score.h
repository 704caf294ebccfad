// A compact text notation for melodies and chord progressions, so that the
// tune reads like a score: "D5:h A4:q | D5:q E5:q F5:q |".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dakto::music {

struct ScoreNote {
  int tick;
  int length;
  int key;  // MIDI key number; rests are not kept
};

struct Chord {
  int root;  // pitch class, 0 = C
  bool minor;
};

// Parses notes "<pitch><octave>:<duration>" (pitch A..G with # or b; durations
// w h q e s, "." for dotted), rests "r:<duration>" and ties "~:<duration>",
// which hold the note before for longer. A "|" must fall on a bar
// line of `barTicks`, which catches a miscounted bar. Returns false and says why.
bool ParseMelody(std::string_view text, int startTick, int barTicks, std::vector<ScoreNote>& out,
                 std::string& error);

// Parses one chord per bar: "Dm C G Am".
bool ParseChords(std::string_view text, std::vector<Chord>& out, std::string& error);

}  // namespace dakto::music
