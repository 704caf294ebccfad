#include "tools/music/orlo.h"

#include <array>

#include "tools/music/midi_file.h"
#include "tools/music/score.h"

namespace dakto::music {

namespace {

constexpr int kBar = kOrloBeatsPerBar * kTicksPerQuarter;
constexpr int kEighth = kTicksPerQuarter / 2;

// Channels, one track each; General MIDI programs are counted from 0.
enum Channel { kHarp = 0, kRecorder = 1, kStrings = 2, kCello = 3, kCelesta = 4 };

struct Voice {
  Channel channel;
  const char* name;
  int program, volume, pan, reverb;
};

constexpr std::array<Voice, 5> kVoices{{{kHarp, "Harp", 46, 92, 50, 70},
                                        {kRecorder, "Recorder", 74, 100, 74, 60},
                                        {kStrings, "Strings", 49, 72, 64, 85},
                                        {kCello, "Cello", 42, 80, 42, 60},
                                        {kCelesta, "Celesta", 8, 84, 86, 85}}};

struct Section {
  const char* chords;  // one per bar
  const char* melody = "";
  Channel melodyVoice = kRecorder;
  bool climb = false;  // the harp climbs higher instead of rippling up and down
  bool strings = false;
  bool cello = false;
  bool sparkles = false;   // celesta figures above the tune
  bool finalRoll = false;  // the last bar rolls the chord and breathes out
};

constexpr const char* kTheme =
    "D5:h A4:q | D5:q E5:q F5:q | G5:h F5:e E5:e | D5:h. | A5:h G5:q | F5:q E5:q D5:q |"
    " C5:q D5:q E5:q | A4:h. |";
constexpr const char* kAnswer =
    "D5:h A4:q | D5:q E5:q F5:q | G5:h B5:q | A5:h. | C6:q B5:e A5:e G5:q | F5:q E5:q D5:q |"
    " E5:q. F5:e E5:q | D5:h. |";
constexpr const char* kTower =
    "F5:q G5:q A5:q | C6:h A5:q | G5:q F5:q E5:q | D5:h. | F5:q G5:q A5:q | B5:h G5:q |"
    " A5:q. G5:e F5:e E5:e | A5:h. |";
constexpr const char* kHome = "F5:q E5:q D5:q | C5:q D5:q E5:q | D5:h. | ~:h r:q |";

// The theme is asked, answered, wanders up into the tower on the celesta, comes
// home with the whole band and settles on D, from where the loop starts again
// with the harp alone, so the join is as smooth as any bar of the piece.
const std::array<Section, 6> kSections{{
    {.chords = "Dm Dm"},
    {.chords = "Dm Dm C Dm F Dm C Am", .melody = kTheme},
    {.chords = "Dm Dm G Dm C Dm Am Dm", .melody = kAnswer, .strings = true},
    {.chords = "F F C G Dm G Am Am",
     .melody = kTower,
     .melodyVoice = kCelesta,
     .climb = true,
     .strings = true,
     .cello = true},
    {.chords = "Dm Dm G Dm C Dm Am Dm", .melody = kAnswer, .strings = true, .cello = true, .sparkles = true},
    {.chords = "Dm C Dm Dm", .melody = kHome, .strings = true, .cello = true, .finalRoll = true},
}};

struct ChordKeys {
  int low, third, fifth;  // low root in octave 2 or 3; intervals above it
};

ChordKeys Keys(const Chord& chord) {
  const int low = chord.root <= 5 ? 48 + chord.root : 36 + chord.root;  // C3..F3, G2..B2
  return {low, chord.minor ? 3 : 4, 7};
}

// A small, fixed unevenness of touch, so that no two bars are played alike.
int Lilt(int bar, int note) {
  return (bar / kBar * 5 + note * 3) % 7 - 3;
}

void Harp(MidiTrack& track, int bar, const ChordKeys& k, bool climb, bool finalRoll) {
  const std::array<int, 6> ripple{
      k.low, k.low + k.fifth, k.low + 12, k.low + 12 + k.third, k.low + 12 + k.fifth, k.low + 12 + k.third};
  const std::array<int, 6> climbing{
      k.low, k.low + 12, k.low + 12 + k.fifth, k.low + 24 + k.third, k.low + 24, k.low + 12 + k.fifth};
  const auto& pattern = climb ? climbing : ripple;
  static constexpr std::array<int, 6> kVelocity{64, 48, 54, 50, 52, 46};
  const int strings = finalRoll ? 4 : 6;  // the roll: four strings in the first two beats
  for (int i = 0; i < strings; ++i) {
    const int start = bar + i * kEighth;
    // Each string rings over the next; the last chord is rolled and let go a beat
    // before the end, so that it dies away before the tune starts again.
    const int length = finalRoll ? kBar - kTicksPerQuarter - i * kEighth : 2 * kEighth;
    track.Note(start, length, kHarp, pattern[static_cast<std::size_t>(i)],
               kVelocity[static_cast<std::size_t>(i)] + Lilt(bar, i));
  }
}

void Strings(MidiTrack& track, int bar, int length, const ChordKeys& k) {
  for (int key : {k.low + 12, k.low + 12 + k.third, k.low + 12 + k.fifth})
    track.Note(bar, length, kStrings, key, 44);
}

void Cello(MidiTrack& track, int bar, int length, const ChordKeys& k) {
  const int key = k.low - 12 >= 36 ? k.low - 12 : k.low;  // nothing below the cello's C string
  track.Note(bar, length, kCello, key, 56);
}

void Sparkles(MidiTrack& track, int bar, const ChordKeys& k) {
  const int top = k.low + 36;  // an octave above the tune, out of its way
  const std::array<int, 4> figure{top + k.third, top + k.fifth, top + 12, top + k.fifth};
  for (int i = 0; i < 4; ++i) {
    track.Note(bar + kTicksPerQuarter + i * kEighth, kEighth + kEighth / 2, kCelesta,
               figure[static_cast<std::size_t>(i)], i == 2 ? 46 : 38);
  }
}

void Melody(MidiTrack& track, const std::vector<ScoreNote>& notes, Channel channel) {
  const int base = channel == kCelesta ? 72 : 78;
  for (const ScoreNote& n : notes) {
    const int accent = n.tick % kBar == 0 ? 6 : 0;  // a lift on the first beat of each bar
    track.Note(n.tick, n.length, channel, n.key, base + accent + Lilt(n.tick, n.key));
  }
}

}  // namespace

std::vector<std::uint8_t> ComposeOrlo(std::string& error) {
  std::vector<MidiTrack> tracks;
  tracks.emplace_back("orlo");
  tracks[0].Tempo(0, 60'000'000 / kOrloBeatsPerMinute);
  tracks[0].TimeSignature(0, kOrloBeatsPerBar, 2);
  for (const Voice& v : kVoices) {
    MidiTrack& track = tracks.emplace_back(v.name);
    track.Program(0, v.channel, v.program);
    track.Control(0, v.channel, 7, v.volume);
    track.Control(0, v.channel, 10, v.pan);
    track.Control(0, v.channel, 91, v.reverb);
    track.Control(0, v.channel, 93, 20);
    track.Control(0, v.channel, 11, 127);  // full expression again at every restart
  }
  auto trackOf = [&tracks](Channel c) -> MidiTrack& { return tracks[static_cast<std::size_t>(c) + 1]; };

  int bar = 0;
  for (const Section& section : kSections) {
    std::vector<Chord> chords;
    std::vector<ScoreNote> melody;
    if (!ParseChords(section.chords, chords, error) ||
        !ParseMelody(section.melody, bar, kBar, melody, error)) {
      return {};
    }
    Melody(trackOf(section.melodyVoice), melody, section.melodyVoice);
    for (std::size_t i = 0; i < chords.size(); ++i, bar += kBar) {
      const ChordKeys keys = Keys(chords[i]);
      const bool last = section.finalRoll && i + 1 == chords.size();
      const int held = last ? kBar - kTicksPerQuarter : kBar;
      Harp(trackOf(kHarp), bar, keys, section.climb, last);
      if (section.strings) Strings(trackOf(kStrings), bar, held, keys);
      if (section.cello) Cello(trackOf(kCello), bar, held, keys);
      if (section.sparkles) Sparkles(trackOf(kCelesta), bar, keys);
    }
  }
  // The last beat is a breath: the expression of every instrument falls to nothing
  // over it, and then whatever still rings (a harp string fades for many seconds)
  // is silenced, so a player that waits for the last sound reports the end at once.
  constexpr int kFadeSteps = 8;
  for (const Voice& v : kVoices) {
    for (int step = 1; step <= kFadeSteps; ++step) {
      const int tick = bar - kTicksPerQuarter + step * kTicksPerQuarter / kFadeSteps;
      trackOf(v.channel).Control(tick, v.channel, 11, 127 * (kFadeSteps - step) / kFadeSteps);
    }
    trackOf(v.channel).Control(bar, v.channel, 120, 0);
  }
  return EncodeMidiFile(tracks, bar);
}

}  // namespace dakto::music
