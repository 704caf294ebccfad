#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/modal_host.h"

namespace dakto {

// What a scripted user does in a dialog: ticks and unticks boxes, picks radio buttons, clears
// and types text (through the edit's filter and limit, as typing would), then OK or cancel.
struct DialogAnswer {
  struct Step {
    enum class Kind { Check, Uncheck, Type, Clear } kind;
    int id;
    std::string text;
  };
  bool ok = true;
  std::vector<Step> steps;

  static DialogAnswer Ok() { return {}; }
  static DialogAnswer Cancel() { return {.ok = false}; }
  DialogAnswer& Check(int id) { return Add({Step::Kind::Check, id, {}}); }
  DialogAnswer& Uncheck(int id) { return Add({Step::Kind::Uncheck, id, {}}); }
  DialogAnswer& Type(int id, std::string text) { return Add({Step::Kind::Type, id, std::move(text)}); }
  DialogAnswer& Clear(int id) { return Add({Step::Kind::Clear, id, {}}); }

 private:
  DialogAnswer& Add(Step step) {
    steps.push_back(std::move(step));
    return *this;
  }
};

// The chooser's answer: a path, or nothing for Cancel.
struct FileAnswer {
  std::optional<std::string> path;
};

// One modal as a user saw it.
struct ModalRecord {
  enum class Kind { MessageBox, Dialog, FileChooser } kind = Kind::MessageBox;
  std::string caption;
  std::string text;  // message boxes
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  bool exclamation = false;
  int templateId = 0;     // dialogs
  std::string filter;     // file choosers
  bool answered = false;  // false: nothing was scripted for it
};

// Answers every modal from a queue of scripted answers, in order, and records each. A modal whose
// answer is missing or of another kind is reported as a fault (with its text) and cancelled.
class ScriptedModals : public ModalHost {
 public:
  using Answer = std::variant<MessageBoxAnswer, DialogAnswer, FileAnswer>;
  using FaultHandler = std::function<void(const std::string&)>;

  void SetFaultHandler(FaultHandler handler) { onFault_ = std::move(handler); }
  void Script(Answer answer) { answers_.push_back(std::move(answer)); }
  std::size_t AnswersLeft() const { return answers_.size(); }
  const std::vector<ModalRecord>& Records() const { return records_; }
  void ClearRecords() { records_.clear(); }

  MessageBoxAnswer MessageBox(const MessageBoxRequest& request) override;
  bool Dialog(const DialogTemplate& dialog, TransferBuffer& buffer) override;
  std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;

 private:
  template <typename T>
  std::optional<T> Next(ModalRecord& record, const std::string& shown);
  void Fault(const std::string& what);

  std::deque<Answer> answers_;
  std::vector<ModalRecord> records_;
  FaultHandler onFault_;
};

}  // namespace dakto
