#include "tests/assets/smf_reader.h"

#include <algorithm>
#include <map>

namespace dakto::test {

namespace {

class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t end)
      : bytes_(bytes), at_(at), end_(end) {}
  bool AtEnd() const { return at_ >= end_; }
  std::size_t Position() const { return at_; }
  bool Byte(std::uint8_t& out) {
    if (at_ >= end_) return false;
    out = bytes_[at_++];
    return true;
  }
  bool Peek(std::uint8_t& out) const {
    if (at_ >= end_) return false;
    out = bytes_[at_];
    return true;
  }
  bool BigEndian(int count, std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < count; ++i) {
      std::uint8_t b;
      if (!Byte(b)) return false;
      out = out << 8 | b;
    }
    return true;
  }
  bool VariableLength(std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b;
      if (!Byte(b)) return false;
      out = out << 7 | (b & 0x7F);
      if ((b & 0x80) == 0) return true;
    }
    return false;  // more than four bytes is not a valid quantity
  }
  bool Bytes(std::uint32_t count, std::vector<std::uint8_t>& out) {
    if (count > end_ - at_) return false;
    out.assign(bytes_.begin() + static_cast<long>(at_), bytes_.begin() + static_cast<long>(at_ + count));
    at_ += count;
    return true;
  }
  bool Tag(const char* tag) {
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b;
      if (!Byte(b) || b != static_cast<std::uint8_t>(tag[i])) return false;
    }
    return true;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_;
  std::size_t end_;
};

int DataBytes(std::uint8_t status) {
  const int kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool ReadEvent(Cursor& c, std::uint8_t& running, SmfEvent& e, std::string& error) {
  std::uint8_t first;
  if (!c.Peek(first)) return false;
  if (first == 0xFF || first == 0xF0 || first == 0xF7) {
    c.Byte(e.status);
    running = 0;  // meta and system-exclusive events end a running status
    if (e.status == 0xFF && !c.Byte(e.metaType)) return false;
    std::uint32_t length;
    return c.VariableLength(length) && c.Bytes(length, e.payload);
  }
  if (first & 0x80) {
    c.Byte(e.status);
    running = e.status;
  } else if (running == 0) {
    error = "data byte without a status at offset " + std::to_string(c.Position());
    return false;
  } else {
    e.status = running;
  }
  if (!c.Byte(e.data1)) return false;
  if (DataBytes(e.status) == 2 && !c.Byte(e.data2)) return false;
  if ((e.data1 | e.data2) & 0x80) {
    error = "data byte above 127 at offset " + std::to_string(c.Position());
    return false;
  }
  return true;
}

bool ReadTrack(Cursor& file, const std::vector<std::uint8_t>& bytes, SmfTrack& track, std::string& error) {
  std::uint32_t length;
  if (!file.Tag("MTrk") || !file.BigEndian(4, length)) {
    error = "missing track chunk";
    return false;
  }
  const std::size_t start = file.Position();
  if (length > bytes.size() - start) {
    error = "track chunk longer than the file";
    return false;
  }
  Cursor c(bytes, start, start + length);
  std::uint32_t tick = 0;
  std::uint8_t running = 0;
  while (!c.AtEnd()) {
    std::uint32_t delta;
    SmfEvent e;
    if (!c.VariableLength(delta) || !ReadEvent(c, running, e, error)) {
      if (error.empty()) error = "track ends inside an event";
      return false;
    }
    tick += delta;
    e.tick = tick;
    track.events.push_back(std::move(e));
  }
  std::vector<std::uint8_t> skip;
  return file.Bytes(length, skip);
}

}  // namespace

bool ReadSmf(const std::vector<std::uint8_t>& bytes, SmfFile& out, std::string& error) {
  Cursor c(bytes, 0, bytes.size());
  std::uint32_t headerLength, format, tracks, division;
  if (!c.Tag("MThd") || !c.BigEndian(4, headerLength) || headerLength < 6 || !c.BigEndian(2, format) ||
      !c.BigEndian(2, tracks) || !c.BigEndian(2, division)) {
    error = "no MIDI header";
    return false;
  }
  std::vector<std::uint8_t> skip;
  c.Bytes(headerLength - 6, skip);
  if (division & 0x8000) {
    error = "time code division is not supported";
    return false;
  }
  out.format = static_cast<int>(format);
  out.division = static_cast<int>(division);
  out.tracks.resize(tracks);
  for (SmfTrack& track : out.tracks) {
    if (!ReadTrack(c, bytes, track, error)) return false;
  }
  return true;
}

double TickToSeconds(const SmfFile& file, std::uint32_t tick) {
  std::map<std::uint32_t, std::uint32_t> tempos{{0, 500000}};  // the default 120 beats a minute
  for (const SmfTrack& track : file.tracks) {
    for (const SmfEvent& e : track.events) {
      if (e.IsMeta() && e.metaType == 0x51 && e.payload.size() == 3) {
        tempos[e.tick] = static_cast<std::uint32_t>(e.payload[0] << 16 | e.payload[1] << 8 | e.payload[2]);
      }
    }
  }
  double seconds = 0;
  for (auto it = tempos.begin(); it != tempos.end() && it->first < tick; ++it) {
    const auto next = std::next(it);
    const std::uint32_t until = next == tempos.end() ? tick : std::min(tick, next->first);
    seconds += static_cast<double>(until - it->first) * it->second / 1e6 / file.division;
  }
  return seconds;
}

std::uint32_t LastTick(const SmfFile& file) {
  std::uint32_t last = 0;
  for (const SmfTrack& track : file.tracks) {
    if (!track.events.empty()) last = std::max(last, track.events.back().tick);
  }
  return last;
}

}  // namespace dakto::test
