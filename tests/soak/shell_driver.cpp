#include "tests/soak/shell_driver.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/message_loop.h"

namespace dakto::testing {

MessageBoxAnswer ImprovisedModals::MessageBox(const MessageBoxRequest& request) {
  ++open_;
  MessageBoxAnswer answer = request.buttons == MessageBoxButtons::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::No;
  if (random_) {
    const std::uint32_t pick = Below(5);
    if (pick == 0) {
      answer = MessageBoxAnswer::Cancelled;
    } else if (request.buttons == MessageBoxButtons::YesNo) {
      answer = pick % 2 == 0 ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
    }
  }
  scripted_.Script(answer);
  const MessageBoxAnswer given = scripted_.MessageBox(request);
  ++answered_;
  --open_;
  return given;
}

std::string ImprovisedModals::RandomName() {
  // Letters of both cases, digits, blanks and bytes above 127: the edit's filter decides.
  static constexpr char kAlphabet[] = "abzAMZ09 -_\x7f\xc3\xa9";
  std::string name;
  const std::uint32_t length = Below(14);
  for (std::uint32_t i = 0; i < length; ++i) name += kAlphabet[Below(sizeof kAlphabet - 1)];
  return name;
}

DialogAnswer ImprovisedModals::RandomDialogAnswer(const DialogTemplate& dialog) {
  DialogAnswer answer = Below(4) == 0 ? DialogAnswer::Cancel() : DialogAnswer::Ok();
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id < 0 || Below(2) == 0) continue;
    switch (control.kind) {
      case ControlKind::Check:
      case ControlKind::Radio:
        if (Below(2) == 0) {
          answer.Check(control.id);
        } else {
          answer.Uncheck(control.id);
        }
        break;
      case ControlKind::Edit:
        if (Below(2) == 0) answer.Clear(control.id);
        answer.Type(control.id, RandomName());
        break;
      default:
        break;
    }
  }
  return answer;
}

bool ImprovisedModals::Dialog(const DialogTemplate& dialog, TransferBuffer& buffer) {
  ++open_;
  scripted_.Script(random_ ? RandomDialogAnswer(dialog) : DialogAnswer::Ok());
  const bool ok = scripted_.Dialog(dialog, buffer);
  ++answered_;
  --open_;
  return ok;
}

std::optional<std::string> ImprovisedModals::ChooseFile(const FileChooserRequest& request) {
  ++open_;
  FileAnswer answer;
  if (random_ && !chooserPaths_.empty()) {
    const std::uint32_t pick = Below(static_cast<std::uint32_t>(chooserPaths_.size()) + 1);
    if (pick < chooserPaths_.size()) answer.path = chooserPaths_[pick];
  }
  // A real chooser leaves the process in the folder it browsed last; the program must come back.
  if (random_ && Below(3) == 0) ChangeDirectory("/");
  scripted_.Script(std::move(answer));
  auto chosen = scripted_.ChooseFile(request);
  ++answered_;
  --open_;
  return chosen;
}

ShellDriver::ShellDriver(std::mt19937* random) : platform_(random) {
  previousDir_ = CurrentDirectory();
  std::string pattern = (std::filesystem::temp_directory_path() / "dakto-drive-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) workDir_ = pattern;
  ChangeDirectory(workDir_);
}

ShellDriver::~ShellDriver() {
  window_.reset();
  ChangeDirectory(previousDir_);
  std::error_code error;
  if (!workDir_.empty()) std::filesystem::remove_all(workDir_, error);
}

void ShellDriver::WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(PathOf(name), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::vector<std::uint8_t>> ShellDriver::ReadFile(const std::string& name) const {
  return ReadWholeFile(PathOf(name));
}

void ShellDriver::Start() {
  window_ = std::make_unique<TDaktoWindow>(platform_);
  platform_.AttachWindow(window_.get());
  platform_.ShowWindow();
  platform_.Invalidate();
  closed_ = !DispatchPending(platform_, *window_);
}

void ShellDriver::Send(const Message& message) {
  if (closed_) return;
  platform_.Queue().Post(message);
  closed_ = !DispatchPending(platform_, *window_);
}

void ShellDriver::Resize(Size size) {
  if (closed_) return;
  platform_.Resize(size);
  closed_ = !DispatchPending(platform_, *window_);
}

void ShellDriver::Pump() {
  if (!closed_) closed_ = !DispatchPending(platform_, *window_);
}

bool ShellDriver::Close() {
  Send({.kind = Message::Kind::Close});
  return closed_;
}

Point ShellDriver::Client(Point play) const {
  return {play.x + window_->PlayOrigin.x, play.y + window_->PlayOrigin.y};
}

}  // namespace dakto::testing
