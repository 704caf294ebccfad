// A small Standard MIDI File reader for the tests: header, track chunks,
// variable-length times, running status, meta and system-exclusive events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dakto::test {

struct SmfEvent {
  std::uint32_t tick = 0;   // absolute time in ticks
  std::uint8_t status = 0;  // 0xFF meta, 0xF0/0xF7 system exclusive, else channel status
  std::uint8_t data1 = 0, data2 = 0;
  std::uint8_t metaType = 0;
  std::vector<std::uint8_t> payload;  // meta and system-exclusive data

  bool IsMeta() const { return status == 0xFF; }
  bool IsChannel() const { return status >= 0x80 && status < 0xF0; }
  int Kind() const { return status & 0xF0; }
  int Channel() const { return status & 0x0F; }
  bool IsNoteOn() const { return Kind() == 0x90 && data2 > 0; }
  bool IsNoteOff() const { return Kind() == 0x80 || (Kind() == 0x90 && data2 == 0); }
};

struct SmfTrack {
  std::vector<SmfEvent> events;
};

struct SmfFile {
  int format = 0;
  int division = 0;  // ticks per quarter note
  std::vector<SmfTrack> tracks;
};

// False, with the reason, for anything a player could not make sense of.
bool ReadSmf(const std::vector<std::uint8_t>& bytes, SmfFile& out, std::string& error);

// Seconds from the start to `tick`, following every tempo change of the file.
double TickToSeconds(const SmfFile& file, std::uint32_t tick);

// The latest tick of any event (End of Track included).
std::uint32_t LastTick(const SmfFile& file);

}  // namespace dakto::test
