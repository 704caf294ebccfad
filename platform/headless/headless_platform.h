#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/headless/recorders.h"
#include "platform/headless/scripted_modals.h"
#include "platform/platform.h"

namespace dakto {

// The test backend: a virtual clock that jumps to each deadline, random values from a script,
// a window that exists only as its picture, and a record of what a user would have seen.
// Input is posted straight into the queue by the test host.
class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(Size clientSize = {800, 600}, std::uint32_t startTicks = 1000);

  std::uint32_t Ticks() override { return ticks_; }
  void SleepUntil(std::uint32_t deadline) override;
  // Scripted values first, in order; then a fixed-seed sequence so unscripted draws repeat.
  std::uint32_t Random() override;
  void Reseed() override { ++reseeds_; }
  void ShowWindow() override { shown_ = true; }
  bool WindowShown() const override { return shown_; }
  void Present() override { ++presents_; }
  void SetCursor(Cursor cursor) override { cursors_.push_back(cursor); }
  void CaptureMouse() override { captured_ = true; }
  void ReleaseMouse() override { captured_ = false; }
  void PumpEvents() override {}
  // With nothing queued, the idle hook (a test looking at the screen, then typing) may post
  // input; otherwise no input can ever come.
  bool WaitForInput() override {
    if (queue_.Empty() && !paintPending_ && idleHook_) idleHook_();
    return !queue_.Empty() || paintPending_;
  }
  void SetIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }

  // Modals are answered by the script unless the real drawn ones are wanted, which then run on
  // the input posted to the queue beforehand.
  ModalHost* Modals() override { return realModals_ ? nullptr : &scriptedModals_; }
  void ReportModalFault(const std::string& what) override;
  SoundPlayer& Sound() override { return sound_; }
  MusicDevice& Music() override { return music_; }
  HelpViewer& Help() override { return help_; }

  // Test controls.
  void UseRealModals(bool real) { realModals_ = real; }
  ScriptedModals& Scripted() { return scriptedModals_; }
  RecordingSound& Sounds() { return sound_; }
  RecordingMusic& MusicRecorder() { return music_; }
  RecordingHelp& HelpRecorder() { return help_; }
  // Called with each modal fault (unscripted modal, input that never came); the test host turns
  // it into a test failure. Faults are also kept.
  void SetFaultHandler(std::function<void(const std::string&)> handler);
  const std::vector<std::string>& ModalFaults() const { return faults_; }

  void SetTicks(std::uint32_t ticks) { ticks_ = ticks; }
  void Advance(std::uint32_t ms) { ticks_ += ms; }
  void ScriptRandom(std::uint32_t value) { scriptedRandom_.push_back(value); }
  std::size_t ScriptedRandomLeft() const { return scriptedRandom_.size(); }
  void Resize(Size clientSize);

  // Records.
  const std::vector<std::uint32_t>& Waits() const { return waits_; }
  std::uint64_t TotalWaited() const;
  const std::vector<Cursor>& Cursors() const { return cursors_; }
  bool MouseCaptured() const { return captured_; }
  int Presents() const { return presents_; }
  int Reseeds() const { return reseeds_; }
  void ClearRecords();

 private:
  std::uint32_t ticks_;
  bool shown_ = false;
  bool captured_ = false;
  int presents_ = 0;
  int reseeds_ = 0;
  std::deque<std::uint32_t> scriptedRandom_;
  std::mt19937 fallback_{12345};
  std::vector<std::uint32_t> waits_;
  std::vector<Cursor> cursors_;
  bool realModals_ = false;
  ScriptedModals scriptedModals_;
  RecordingSound sound_{*this};
  RecordingMusic music_{*this};
  RecordingHelp help_;
  std::vector<std::string> faults_;
  std::function<void(const std::string&)> onFault_;
  std::function<void()> idleHook_;
};

}  // namespace dakto
