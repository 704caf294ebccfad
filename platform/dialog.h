#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "platform/line_edit.h"
#include "platform/message.h"

namespace dakto {

class Platform;

enum class ControlKind { Static, Frame, Edit, Radio, Check, DefaultButton };

// One control of a dialog template. Positions and sizes are in dialog units.
struct ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = -1;  // -1: none
  Rect box;
  std::string text;
  bool startsGroup = false;
  int textLimit = 0;   // edits: bytes including the terminating NUL; 0 for no limit
  std::string filter;  // edits: the characters that may be typed, as ranges like "A-Za-z"; empty: any
};

struct DialogTemplate {
  int id = 0;
  std::string caption;  // empty: the dialog has no caption bar
  Size size;            // dialog units
  std::string fontFace = "MS Sans Serif";
  int fontPoints = 8;
  std::vector<ControlTemplate> controls;

  // The dialog's transfer fields, in order: every radio button, check box and edit.
  std::vector<int> TransferControls() const;
};

// Reads a template in the text form of resources/DIALOG_<id>.dlg; nothing when it is malformed.
std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text);
// The template the program carries as resource "DIALOG_<id>".
std::optional<DialogTemplate> LoadDialogTemplate(int id);

// The bytes a dialog is filled from and read back into: an int32 (1 or 0, little-endian) for each
// radio button and check box and 9 bytes of NUL-terminated text for each edit, in transfer order.
class TransferBuffer {
 public:
  static constexpr std::size_t kTextSize = 9;

  TransferBuffer() = default;
  explicit TransferBuffer(const DialogTemplate& dialog);

  std::size_t FieldCount() const { return fields_.size(); }
  bool IsText(std::size_t field) const { return fields_[field].text; }
  std::int32_t Flag(std::size_t field) const;
  void SetFlag(std::size_t field, std::int32_t value);
  // The text up to its NUL.
  std::string Text(std::size_t field) const;
  void SetText(std::size_t field, std::string_view text);

  std::vector<std::uint8_t>& Bytes() { return bytes_; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  struct Field {
    std::size_t offset;
    bool text;
  };
  std::vector<Field> fields_;
  std::vector<std::uint8_t> bytes_;
};

// The state and keyboard behaviour of an open dialog, apart from its drawing: checked buttons,
// edit texts with their carets, the focus, and how the dialog ended.
class DialogModel {
 public:
  enum class State { Open, Ok, Cancelled };

  explicit DialogModel(const DialogTemplate& dialog);

  void Load(const TransferBuffer& buffer);
  void Store(TransferBuffer& buffer) const;

  const DialogTemplate& Template() const { return dialog_; }
  State GetState() const { return state_; }
  int Focus() const { return focus_; }  // index of the focused control, -1 when none
  bool Checked(int index) const { return checked_[index]; }
  const std::string& Text(int index) const { return edits_[index].Text(); }
  int Caret(int index) const { return edits_[index].Caret(); }
  LineEdit& Edit(int index) { return edits_[index]; }
  int IndexOf(int id) const;

  void KeyDown(Key key, bool shift);
  void Char(char32_t character);
  // A click on a control or its label.
  void Click(int index);
  // What a user does by hand: check a radio button, set a check box, type into an edit.
  void SetChecked(int index, bool checked);
  void Type(int index, std::string_view text);
  void ClearText(int index);
  void Ok() { state_ = State::Ok; }
  void Cancel() { state_ = State::Cancelled; }

 private:
  bool TakesFocus(int index) const;
  // The controls of the radio group that `index` belongs to.
  std::vector<int> GroupOf(int index) const;
  // The control that Tab lands on for the stop that holds `index` (a group's checked button).
  int StopFor(int index) const;
  void MoveFocus(bool backwards);
  void MoveInGroup(int step);
  void CheckRadio(int index);

  DialogTemplate dialog_;
  std::vector<bool> checked_;
  std::vector<LineEdit> edits_;  // one per control; only the edits' are used
  int focus_ = -1;
  State state_ = State::Open;
};

// Where the drawn dialog puts its frame and each control, in client pixels, for a client area of
// `client`: dialog units become pixels through the dialog font's average character width and
// height, and the dialog is centred.
struct DialogLayout {
  Rect frame;
  std::vector<Rect> controls;
};
DialogLayout LayOutDialog(const DialogTemplate& dialog, Size client);

// Runs the dialog modally: fills it from `buffer` and, when it is closed with OK, writes the
// result back and returns true. Escape, the close box and closing the window cancel.
bool RunDialog(Platform& platform, const DialogTemplate& dialog, TransferBuffer& buffer);
// The same for the template carried as resource "DIALOG_<templateId>"; false when it is missing.
bool RunDialog(Platform& platform, int templateId, TransferBuffer& buffer);
// The drawn dialog, whatever the platform's modal host says.
bool RunDrawnDialog(Platform& platform, const DialogTemplate& dialog, TransferBuffer& buffer);

}  // namespace dakto
