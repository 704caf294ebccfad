#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/help.h"
#include "platform/music.h"
#include "platform/sound.h"

namespace dakto {

class HeadlessPlatform;

struct SoundRecord {
  enum class Kind { Play, PlayAndWait, Stop } kind = Kind::Play;
  std::string name;  // of the sound started; empty for Stop
  friend bool operator==(const SoundRecord&, const SoundRecord&) = default;
};

// Records the sounds instead of playing them. A sound played to its end takes its length on the
// virtual clock.
class RecordingSound : public SoundPlayer {
 public:
  explicit RecordingSound(HeadlessPlatform& platform) : platform_(platform) {}
  void Play(std::span<const std::uint8_t> wave, std::string_view name) override;
  void PlayAndWait(std::span<const std::uint8_t> wave, std::string_view name) override;
  void Stop() override { records_.push_back({SoundRecord::Kind::Stop, {}}); }
  const std::vector<SoundRecord>& Records() const { return records_; }
  void ClearRecords() { records_.clear(); }

 private:
  HeadlessPlatform& platform_;
  std::vector<SoundRecord> records_;
};

struct MusicRecord {
  enum class Kind { Open, Play, Stop, Close } kind = Kind::Open;
  std::string path;          // Open
  std::uint32_t result = 0;  // Open and Play: the error code returned
  friend bool operator==(const MusicRecord&, const MusicRecord&) = default;
};

// A sequencer that checks the file as the real one does (exists, starts like MIDI) but plays
// nothing; a play ends when the test says so (FinishPlay), which posts the end notification.
class RecordingMusic : public MusicDevice {
 public:
  explicit RecordingMusic(HeadlessPlatform& platform) : platform_(platform) {}
  std::uint32_t Open(const std::string& path) override;
  std::uint32_t Play() override;
  void Stop() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::uint32_t DeviceId() const override { return open_ ? 1 : 0; }

  // The next Open or Play fails with `code`, as a device might.
  void FailNextOpen(std::uint32_t code) { failOpen_ = code; }
  void FailNextPlay(std::uint32_t code) { failPlay_ = code; }
  bool Playing() const { return playing_; }
  // The play reaches the end of the file: one MusicNotify goes to the queue. False when nothing played.
  bool FinishPlay();
  const std::vector<MusicRecord>& Records() const { return records_; }
  void ClearRecords() { records_.clear(); }

 private:
  HeadlessPlatform& platform_;
  bool open_ = false;
  bool playing_ = false;
  std::uint32_t failOpen_ = 0;
  std::uint32_t failPlay_ = 0;
  std::vector<MusicRecord> records_;
};

// Records help requests.
class RecordingHelp : public HelpViewer {
 public:
  void Request(const HelpRequest& request) override { records_.push_back(request); }
  void SetHelpFile(std::string fileName, HelpSectionFor sectionFor) override {
    fileName_ = std::move(fileName);
    sectionFor_ = sectionFor;
  }
  const std::string& FileName() const { return fileName_; }
  // The section a keyword would open, as the shell configured it ("" when it did not).
  std::string SectionFor(std::string_view keyword) const {
    return sectionFor_ != nullptr ? std::string(sectionFor_(keyword)) : std::string();
  }
  const std::vector<HelpRequest>& Records() const { return records_; }
  void ClearRecords() { records_.clear(); }

 private:
  std::vector<HelpRequest> records_;
  std::string fileName_;
  HelpSectionFor sectionFor_ = nullptr;
};

}  // namespace dakto
