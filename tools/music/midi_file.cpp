#include "tools/music/midi_file.h"

#include <algorithm>

namespace dakto::music {

namespace {

void PutVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::uint8_t Low7(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

std::uint8_t Status(int kind, int channel) {
  return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

}  // namespace

MidiTrack::MidiTrack(const std::string& name) {
  std::vector<std::uint8_t> meta{0xFF, 0x03};
  PutVariableLength(meta, static_cast<std::uint32_t>(name.size()));
  meta.insert(meta.end(), name.begin(), name.end());
  Add(0, 0, meta);
}

void MidiTrack::Add(int tick, int rank, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, rank, static_cast<int>(events_.size()), std::move(bytes)});
}

void MidiTrack::Tempo(int tick, int microsecondsPerQuarter) {
  std::vector<std::uint8_t> meta{0xFF, 0x51, 0x03};
  PutBigEndian(meta, static_cast<std::uint32_t>(microsecondsPerQuarter), 3);
  Add(tick, 0, meta);
}

void MidiTrack::TimeSignature(int tick, int beatsPerBar, int beatUnitPowerOfTwo) {
  Add(tick, 0, {0xFF, 0x58, 0x04, Low7(beatsPerBar), Low7(beatUnitPowerOfTwo), 24, 8});
}

void MidiTrack::Program(int tick, int channel, int program) {
  Add(tick, 0, {Status(0xC0, channel), Low7(program)});
}

void MidiTrack::Control(int tick, int channel, int controller, int value) {
  Add(tick, 0, {Status(0xB0, channel), Low7(controller), Low7(value)});
}

void MidiTrack::Note(int tick, int length, int channel, int key, int velocity) {
  Add(tick, 2, {Status(0x90, channel), Low7(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
  Add(tick + length, 1, {Status(0x90, channel), Low7(key), 0});
}

std::vector<std::uint8_t> MidiTrack::Encode(int endTick) const {
  std::vector<Event> sorted = events_;
  std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    if (a.tick != b.tick) return a.tick < b.tick;
    if (a.rank != b.rank) return a.rank < b.rank;
    return a.sequence < b.sequence;
  });
  std::vector<std::uint8_t> body;
  int now = 0;
  std::uint8_t running = 0;
  for (const Event& e : sorted) {
    PutVariableLength(body, static_cast<std::uint32_t>(e.tick - now));
    now = e.tick;
    const std::uint8_t status = e.bytes.front();
    if (status == 0xFF) {
      running = 0;  // meta events end a running status
      body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    } else {
      const auto from = status == running ? e.bytes.begin() + 1 : e.bytes.begin();
      body.insert(body.end(), from, e.bytes.end());
      running = status;
    }
  }
  PutVariableLength(body, static_cast<std::uint32_t>(std::max(0, endTick - now)));
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> chunk;
  PutTag(chunk, "MTrk");
  PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, int endTick) {
  std::vector<std::uint8_t> out;
  PutTag(out, "MThd");
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 1, 2);  // format 1: a tempo track and one track per instrument
  PutBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBigEndian(out, kTicksPerQuarter, 2);
  for (const MidiTrack& track : tracks) {
    const auto chunk = track.Encode(endTick);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace dakto::music
