#include "tools/music/score.h"

#include <cctype>
#include <sstream>

#include "tools/music/midi_file.h"

namespace dakto::music {

namespace {

int PitchClass(char letter) {
  switch (letter) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      return -1;
  }
}

// "F#5" -> 78; -1 when the text is no pitch.
int ParsePitch(std::string_view text) {
  if (text.empty()) return -1;
  int pc = PitchClass(text[0]);
  if (pc < 0) return -1;
  std::size_t i = 1;
  if (i < text.size() && text[i] == '#')
    ++pc, ++i;
  else if (i < text.size() && text[i] == 'b')
    --pc, ++i;
  if (i + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
  return 12 * (text[i] - '0' + 1) + pc;
}

int ParseDuration(std::string_view text) {
  if (text.empty()) return -1;
  int ticks = 0;
  switch (text[0]) {
    case 'w':
      ticks = 4 * kTicksPerQuarter;
      break;
    case 'h':
      ticks = 2 * kTicksPerQuarter;
      break;
    case 'q':
      ticks = kTicksPerQuarter;
      break;
    case 'e':
      ticks = kTicksPerQuarter / 2;
      break;
    case 's':
      ticks = kTicksPerQuarter / 4;
      break;
    default:
      return -1;
  }
  if (text.size() == 2 && text[1] == '.') return ticks * 3 / 2;
  return text.size() == 1 ? ticks : -1;
}

}  // namespace

bool ParseMelody(std::string_view text, int startTick, int barTicks, std::vector<ScoreNote>& out,
                 std::string& error) {
  std::istringstream words{std::string(text)};
  std::string word;
  int tick = startTick;
  while (words >> word) {
    if (word == "|") {
      if ((tick - startTick) % barTicks != 0) {
        error = "bar line at tick " + std::to_string(tick - startTick) + " is not on a bar";
        return false;
      }
      continue;
    }
    const auto colon = word.find(':');
    const int length =
        colon == std::string::npos ? -1 : ParseDuration(std::string_view(word).substr(colon + 1));
    const std::string pitch = word.substr(0, colon);
    const bool rest = pitch == "r";
    const bool tie = pitch == "~";  // holds the note before for longer
    const int key = rest || tie ? 0 : ParsePitch(pitch);
    if (length <= 0 || key < 0) {
      error = "cannot read \"" + word + "\"";
      return false;
    }
    if (tie && out.empty()) {
      error = "a tie needs a note before it";
      return false;
    }
    if (tie)
      out.back().length += length;
    else if (!rest)
      out.push_back({tick, length, key});
    tick += length;
  }
  return true;
}

bool ParseChords(std::string_view text, std::vector<Chord>& out, std::string& error) {
  std::istringstream words{std::string(text)};
  std::string word;
  while (words >> word) {
    int pc = PitchClass(word[0]);
    std::size_t i = 1;
    if (i < word.size() && word[i] == '#')
      ++pc, ++i;
    else if (i < word.size() && word[i] == 'b')
      --pc, ++i;
    const bool minor = i < word.size() && word[i] == 'm';
    if (pc < 0 || i + (minor ? 1 : 0) != word.size()) {
      error = "cannot read chord \"" + word + "\"";
      return false;
    }
    out.push_back({(pc + 12) % 12, minor});
  }
  return true;
}

}  // namespace dakto::music
