#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/message_loop.h"

namespace dakto::testing {

// Runs a window on the headless backend inside a fresh temporary working directory.
// Input is given in play-area coordinates; each input is handled at once, with everything it
// causes (paints included), before the call returns.
class TestHost {
 public:
  explicit TestHost(Size clientSize = {800, 600});
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  HeadlessPlatform& Platform() { return platform_; }
  // The window that receives the input, and where its play area starts in the client area.
  void Attach(WindowProcedure& window, std::function<Point()> playOrigin = {});

  void Click(int x, int y);       // left button down
  void Release(int x, int y);     // left button up
  void RightClick(int x, int y);  // right button down
  void Move(int x, int y);
  void Key(char32_t character);
  void Press(dakto::Key key, bool shift = false);
  void Resize(int width, int height);
  // The close box. Returns true when the window closed.
  bool Close();
  // Posts without handling, to build up a queue as it stands during a long animation.
  void Post(const Message& message) { platform_.Queue().Post(message); }
  // Handles whatever is queued. Returns false once the window has closed.
  bool Run();
  bool Closed() const { return closed_; }

  // Scripted answers to the next modals, in order. A modal with no answer fails the test
  // (showing its text) and is cancelled.
  void AnswerMessageBox(MessageBoxAnswer answer) { platform_.Scripted().Script(answer); }
  void AnswerDialog(DialogAnswer answer) { platform_.Scripted().Script(std::move(answer)); }
  void ChooseFile(std::string path) { platform_.Scripted().Script(FileAnswer{std::move(path)}); }
  void CancelFileChooser() { platform_.Scripted().Script(FileAnswer{}); }
  std::size_t AnswersLeft() const {
    return const_cast<HeadlessPlatform&>(platform_).Scripted().AnswersLeft();
  }
  // Runs the real drawn modals instead, on input posted beforehand (Post); one that runs out of
  // input fails the test and is cancelled.
  void UseRealModals(bool real = true) { platform_.UseRealModals(real); }
  // Faults are expected in this test (checked through ModalFaults()) rather than failures.
  void ExpectModalFaults() { expectFaults_ = true; }
  const std::vector<std::string>& ModalFaults() const { return platform_.ModalFaults(); }

  // Records of the modals shown, sounds, music and help.
  const std::vector<ModalRecord>& Modals() { return platform_.Scripted().Records(); }
  const std::vector<SoundRecord>& Sounds() { return platform_.Sounds().Records(); }
  const std::vector<MusicRecord>& Music() { return platform_.MusicRecorder().Records(); }
  const std::vector<HelpRequest>& HelpRequests() { return platform_.HelpRecorder().Records(); }
  // The music playing reaches its end: its notification is queued and handled. False when none played.
  bool FinishMusic();

  // Records.
  const std::vector<DrawRecord>& Draws() { return platform_.Log()->Records(); }
  std::vector<DrawRecord> DrawsOf(DrawRecord::Kind kind);
  const Bitmap& Screen() { return platform_.Screen(); }
  Rgb PixelAt(int x, int y);  // play-area coordinates
  bool SaveBmp(const std::string& path);

  // The temporary working directory and files in it.
  const std::string& WorkDir() const { return workDir_; }
  void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& name);

 private:
  Point ToClient(int x, int y) const;

  HeadlessPlatform platform_;
  WindowProcedure* window_ = nullptr;
  std::function<Point()> playOrigin_;
  std::string previousDir_;
  std::string workDir_;
  bool closed_ = false;
  bool expectFaults_ = false;
};

}  // namespace dakto::testing
