#include "platform/headless/scripted_modals.h"

namespace dakto {
namespace {

const char* KindName(std::size_t index) {
  switch (index) {
    case 0:
      return "a message box";
    case 1:
      return "a dialog";
    default:
      return "a file chooser";
  }
}

}  // namespace

void ScriptedModals::Fault(const std::string& what) {
  if (onFault_) onFault_(what);
}

template <typename T>
std::optional<T> ScriptedModals::Next(ModalRecord& record, const std::string& shown) {
  if (answers_.empty()) {
    records_.push_back(record);
    Fault("no answer was scripted for " + shown);
    return std::nullopt;
  }
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  if (!std::holds_alternative<T>(answer)) {
    records_.push_back(record);
    Fault(std::string("the next scripted answer is for ") + KindName(answer.index()) + ", but up came " +
          shown);
    return std::nullopt;
  }
  record.answered = true;
  records_.push_back(record);
  return std::get<T>(std::move(answer));
}

MessageBoxAnswer ScriptedModals::MessageBox(const MessageBoxRequest& request) {
  ModalRecord record{.kind = ModalRecord::Kind::MessageBox,
                     .caption = request.caption,
                     .text = request.text,
                     .buttons = request.buttons,
                     .exclamation = request.exclamation};
  const auto answer =
      Next<MessageBoxAnswer>(record, "a message box \"" + request.caption + "\": \"" + request.text + "\"");
  if (!answer) return MessageBoxAnswer::Cancelled;
  const bool fits = request.buttons == MessageBoxButtons::Ok
                        ? (*answer == MessageBoxAnswer::Ok || *answer == MessageBoxAnswer::Cancelled)
                        : *answer != MessageBoxAnswer::Ok;
  if (!fits) Fault("the scripted answer has no button in the message box \"" + request.text + "\"");
  return *answer;
}

bool ScriptedModals::Dialog(const DialogTemplate& dialog, TransferBuffer& buffer) {
  ModalRecord record{.kind = ModalRecord::Kind::Dialog, .caption = dialog.caption, .templateId = dialog.id};
  const auto answer =
      Next<DialogAnswer>(record, "dialog " + std::to_string(dialog.id) + " \"" + dialog.caption + "\"");
  if (!answer) return false;
  DialogModel model(dialog);
  model.Load(buffer);
  for (const DialogAnswer::Step& step : answer->steps) {
    const int index = model.IndexOf(step.id);
    if (index < 0) {
      Fault("dialog " + std::to_string(dialog.id) + " has no control " + std::to_string(step.id));
      continue;
    }
    switch (step.kind) {
      case DialogAnswer::Step::Kind::Check:
        model.SetChecked(index, true);
        break;
      case DialogAnswer::Step::Kind::Uncheck:
        model.SetChecked(index, false);
        break;
      case DialogAnswer::Step::Kind::Type:
        model.Edit(index).SetCaret(static_cast<int>(model.Text(index).size()));
        model.Type(index, step.text);
        break;
      case DialogAnswer::Step::Kind::Clear:
        model.ClearText(index);
        break;
    }
  }
  if (!answer->ok) return false;
  model.Store(buffer);
  return true;
}

std::optional<std::string> ScriptedModals::ChooseFile(const FileChooserRequest& request) {
  ModalRecord record{
      .kind = ModalRecord::Kind::FileChooser, .caption = request.title, .filter = request.filter};
  const auto answer = Next<FileAnswer>(record, "a file chooser for \"" + request.filter + "\"");
  if (!answer) return std::nullopt;
  return answer->path;
}

}  // namespace dakto
