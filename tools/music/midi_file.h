// Builds Standard MIDI Files (format 1) from timed events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dakto::music {

constexpr int kTicksPerQuarter = 480;

class MidiTrack {
 public:
  explicit MidiTrack(const std::string& name);

  void Tempo(int tick, int microsecondsPerQuarter);
  void TimeSignature(int tick, int beatsPerBar, int beatUnitPowerOfTwo);
  void Program(int tick, int channel, int program);
  void Control(int tick, int channel, int controller, int value);
  // A note from `tick` for `length` ticks; the release is written as a note-on
  // with velocity 0, which lets the whole run share one running status.
  void Note(int tick, int length, int channel, int key, int velocity);

  // The track chunk, events in time order, closed by End of Track at `endTick`.
  // At equal times releases come before new notes, so a repeated key sounds again.
  std::vector<std::uint8_t> Encode(int endTick) const;

 private:
  struct Event {
    int tick;
    int rank;  // 0 meta and controls, 1 releases, 2 notes
    int sequence;
    std::vector<std::uint8_t> bytes;
  };
  void Add(int tick, int rank, std::vector<std::uint8_t> bytes);

  std::vector<Event> events_;
};

std::vector<std::uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, int endTick);

}  // namespace dakto::music
