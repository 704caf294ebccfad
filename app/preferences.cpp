#include "app/preferences.h"

#include <algorithm>
#include <cstring>

namespace dakto {
namespace {

// Reads and writes the block's fields at their offsets, little-endian, one after the other.
class Cursor {
 public:
  explicit Cursor(std::uint8_t* bytes) : bytes_(bytes) {}

  template <typename Field>
  void Write(const Field& value) {
    if constexpr (std::is_same_v<Field, TableSlot>) {
      for (const TableEntry& entry : value) {
        Write(entry.name);
        Write(entry.value);
      }
    } else if constexpr (std::is_integral_v<Field>) {
      using Unsigned = std::make_unsigned_t<Field>;
      const auto bits = static_cast<Unsigned>(value);
      for (std::size_t i = 0; i < sizeof(Field); ++i) bytes_[at_++] = static_cast<std::uint8_t>(bits >> (8 * i));
    } else {  // arrays of char
      std::memcpy(bytes_ + at_, value.data(), value.size());
      at_ += value.size();
    }
  }

  template <typename Field>
  void Read(Field& value) {
    if constexpr (std::is_same_v<Field, TableSlot>) {
      for (TableEntry& entry : value) {
        Read(entry.name);
        Read(entry.value);
      }
    } else if constexpr (std::is_integral_v<Field>) {
      std::make_unsigned_t<Field> bits = 0;
      for (std::size_t i = 0; i < sizeof(Field); ++i) {
        bits |= static_cast<std::make_unsigned_t<Field>>(bytes_[at_++]) << (8 * i);
      }
      value = static_cast<Field>(bits);
    } else {
      std::memcpy(value.data(), bytes_ + at_, value.size());
      at_ += value.size();
    }
  }

  std::size_t At() const { return at_; }

 private:
  std::uint8_t* bytes_;
  std::size_t at_ = 0;
};

// Visits every field in file order, so reading and writing cannot disagree about the layout.
template <typename Block, typename Visit>
void ForEachField(Block& b, Visit visit) {
  visit(b.NeedsSetup);          // 0
  visit(b.Player1Name);         // 1
  visit(b.Player2Name);         // 10
  visit(b.MusicOn);             // 19
  visit(b.MusicFile);           // 20
  visit(b.SoundEffectsOn);      // 276
  visit(b.TipIndex);            // 277
  visit(b.StbShowWelcome);      // 281
  visit(b.StbVsComputer);       // 282
  visit(b.StbDelay);            // 283
  visit(b.GremlinOn);           // 287
  visit(b.StbTopScores);        // 288
  visit(b.TenThouShowWelcome);  // 431
  visit(b.TenThouVsApprentice);
  visit(b.TenThouVsMage);
  visit(b.TenThouVsWizard);
  visit(b.TenThouDelay);      // 435
  visit(b.TenThouTopScores);  // 439
  visit(b.PokerShowWelcome);  // 582
  visit(b.PokerVsApprentice);
  visit(b.PokerVsMage);
  visit(b.PokerVsWizard);
  visit(b.CoinTallies);      // 586
  visit(b.BillionaireClub);  // 729
  visit(b.AcesWild);         // 872
  visit(b.PokerDelay);       // 873
  visit(b.NumberOfRolls);    // 877
  visit(b.PokerBet);         // 881
  visit(b.Player1Coins);     // 885
  visit(b.Player2Coins);     // 889
  visit(b.PokerTopScores);   // 893, ending at 1036
}

}  // namespace

std::string NameText(const NameField& field) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  return std::string(field.begin(), end);
}

void SetName(NameField& field, std::string_view text) {
  const std::size_t length = std::min<std::size_t>(text.size(), field.size() - 1);
  std::copy_n(text.begin(), length, field.begin());
  field[length] = '\0';
}

NameField MakeName(std::string_view text) {
  NameField field{};
  SetName(field, text);
  return field;
}

PreferencesBlock DecodePreferences(std::span<const std::uint8_t, kPreferencesSize> bytes) {
  PreferencesBytes copy;
  std::copy(bytes.begin(), bytes.end(), copy.begin());
  PreferencesBlock block;
  Cursor cursor(copy.data());
  ForEachField(block, [&](auto& field) { cursor.Read(field); });
  return block;
}

PreferencesBytes EncodePreferences(const PreferencesBlock& block) {
  PreferencesBytes bytes{};
  Cursor cursor(bytes.data());
  ForEachField(block, [&](const auto& field) { cursor.Write(field); });
  return bytes;
}

std::string MusicFileText(const PreferencesBlock& block) {
  const auto end = std::find(block.MusicFile.begin(), block.MusicFile.end(), '\0');
  return std::string(block.MusicFile.begin(), end);
}

void SetMusicFile(PreferencesBlock& block, std::string_view path) {
  const std::size_t length = std::min<std::size_t>(path.size(), block.MusicFile.size() - 1);
  std::copy_n(path.begin(), length, block.MusicFile.begin());
  block.MusicFile[length] = '\0';
}

bool ClampLoadedValues(PreferencesBlock& block) {
  bool changed = false;
  for (std::int32_t* delay : {&block.StbDelay, &block.TenThouDelay, &block.PokerDelay}) {
    const std::int32_t clamped = std::clamp(*delay, kMinDelay, kMaxDelay);
    changed = changed || clamped != *delay;
    *delay = clamped;
  }
  return changed;
}

}  // namespace dakto
