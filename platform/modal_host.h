#pragma once

#include <optional>
#include <string>

#include "platform/dialog.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"

namespace dakto {

// Answers the modal interfaces in place of the drawn ones: the headless backend's scripted user.
// A platform without one (Platform::Modals() gives nullptr) draws them in the window.
class ModalHost {
 public:
  virtual ~ModalHost() = default;
  virtual MessageBoxAnswer MessageBox(const MessageBoxRequest& request) = 0;
  // Returns true when the dialog was closed with OK; `buffer` is then the dialog's result.
  virtual bool Dialog(const DialogTemplate& dialog, TransferBuffer& buffer) = 0;
  // The chosen path, or nothing when the chooser was cancelled.
  virtual std::optional<std::string> ChooseFile(const FileChooserRequest& request) = 0;
};

}  // namespace dakto
