#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/dakto_window.h"
#include "platform/headless/headless_platform.h"

namespace dakto::testing {

// Answers every modal the moment it opens instead of from a prepared script: at random when a
// generator is given, otherwise the plain way through (OK, No, cancel). Each answer goes through
// the scripted user, so ticks and typed names reach a dialog exactly as a person's would.
class ImprovisedModals : public ModalHost {
 public:
  ImprovisedModals(ScriptedModals& scripted, std::mt19937* random) : scripted_(scripted), random_(random) {}

  MessageBoxAnswer MessageBox(const MessageBoxRequest& request) override;
  bool Dialog(const DialogTemplate& dialog, TransferBuffer& buffer) override;
  std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;

  // Modals open right now: nonzero only while one is being answered.
  int OpenNow() const { return open_; }
  std::uint64_t Answered() const { return answered_; }
  // Paths the chooser may give: existing files, missing ones, a folder.
  void SetChooserPaths(std::vector<std::string> paths) { chooserPaths_ = std::move(paths); }

 private:
  std::uint32_t Below(std::uint32_t n) { return random_ ? (*random_)() % n : 0; }
  DialogAnswer RandomDialogAnswer(const DialogTemplate& dialog);
  std::string RandomName();

  ScriptedModals& scripted_;
  std::mt19937* random_;
  std::vector<std::string> chooserPaths_;
  int open_ = 0;
  std::uint64_t answered_ = 0;
};

// The headless backend with the improvised answerer in place of the script.
class ImprovisingPlatform : public HeadlessPlatform {
 public:
  explicit ImprovisingPlatform(std::mt19937* random) : answerer_(Scripted(), random) {}
  ModalHost* Modals() override { return &answerer_; }
  ImprovisedModals& Answerer() { return answerer_; }

 private:
  ImprovisedModals answerer_;
};

// The whole program on the headless backend in a fresh working directory, without GoogleTest, so
// the fuzzer and the soak share it. Points are client-area points.
class ShellDriver {
 public:
  // `random`: the generator for modal answers, or nullptr for the plain answers.
  explicit ShellDriver(std::mt19937* random = nullptr);
  ~ShellDriver();
  ShellDriver(const ShellDriver&) = delete;
  ShellDriver& operator=(const ShellDriver&) = delete;

  const std::string& WorkDir() const { return workDir_; }
  std::string PathOf(const std::string& name) const { return workDir_ + "/" + name; }
  void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& name) const;

  // Builds the window (start-up with its modals), shows it and handles the first paint.
  void Start();
  // Queues one message and handles everything it causes.
  void Send(const Message& message);
  void Resize(Size size);
  // Handles whatever is queued (a music end, say).
  void Pump();
  // Sends Close; true when the window closed.
  bool Close();
  bool Closed() const { return closed_; }
  // Play-area point to client point.
  Point Client(Point play) const;

  TDaktoWindow& Window() { return *window_; }
  ImprovisingPlatform& Platform() { return platform_; }

 private:
  ImprovisingPlatform platform_;
  std::unique_ptr<TDaktoWindow> window_;
  std::string previousDir_;
  std::string workDir_;
  bool closed_ = false;
};

}  // namespace dakto::testing
