#include "platform/dialog.h"

#include <algorithm>
#include <charconv>

#include "platform/modal_host.h"
#include "platform/modal_loop.h"
#include "platform/platform.h"
#include "platform/resources.h"

namespace dakto {
namespace {

bool IsTransferKind(ControlKind kind) {
  return kind == ControlKind::Radio || kind == ControlKind::Check || kind == ControlKind::Edit;
}

// Splits a template line into words; a double-quoted text is one word (without its quotes).
std::vector<std::string> Words(std::string_view line, bool& ok) {
  std::vector<std::string> words;
  std::size_t at = 0;
  ok = true;
  while (at < line.size()) {
    if (line[at] == ' ' || line[at] == '\t' || line[at] == '\r') {
      ++at;
    } else if (line[at] == '"') {
      const std::size_t end = line.find('"', at + 1);
      if (end == std::string_view::npos) {
        ok = false;
        return words;
      }
      words.emplace_back(line.substr(at + 1, end - at - 1));
      at = end + 1;
    } else {
      std::size_t end = at;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
      words.emplace_back(line.substr(at, end - at));
      at = end;
    }
  }
  return words;
}

bool ToInt(const std::string& word, int& value) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size();
}

std::optional<ControlKind> KindNamed(const std::string& word) {
  if (word == "static") return ControlKind::Static;
  if (word == "frame") return ControlKind::Frame;
  if (word == "edit") return ControlKind::Edit;
  if (word == "radio") return ControlKind::Radio;
  if (word == "check") return ControlKind::Check;
  if (word == "defbutton") return ControlKind::DefaultButton;
  return std::nullopt;
}

// kind id x y w h [group] [limit N] [filter SET] ["text"]; id "-" for none.
std::optional<ControlTemplate> ParseControl(const std::vector<std::string>& words) {
  ControlTemplate control;
  const auto kind = KindNamed(words[0]);
  if (!kind || words.size() < 6) return std::nullopt;
  control.kind = *kind;
  if (words[1] != "-" && !ToInt(words[1], control.id)) return std::nullopt;
  if (!ToInt(words[2], control.box.left) || !ToInt(words[3], control.box.top) ||
      !ToInt(words[4], control.box.width) || !ToInt(words[5], control.box.height)) {
    return std::nullopt;
  }
  for (std::size_t i = 6; i < words.size(); ++i) {
    if (words[i] == "group") {
      control.startsGroup = true;
    } else if (words[i] == "limit" && i + 1 < words.size()) {
      if (!ToInt(words[++i], control.textLimit)) return std::nullopt;
    } else if (words[i] == "filter" && i + 1 < words.size()) {
      control.filter = words[++i];
    } else if (words[i] == "text" && i + 1 < words.size()) {
      control.text = words[++i];
    } else {
      return std::nullopt;
    }
  }
  return control;
}

}  // namespace

std::vector<int> DialogTemplate::TransferControls() const {
  std::vector<int> indices;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
    if (IsTransferKind(controls[i].kind)) indices.push_back(i);
  }
  return indices;
}

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text) {
  DialogTemplate dialog;
  bool sawDialog = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    bool ok = true;
    const std::vector<std::string> words = Words(line, ok);
    if (!ok) return std::nullopt;
    if (words.empty() || words[0].starts_with("#")) continue;
    const std::string& head = words[0];
    if (head == "dialog" && words.size() == 2) {
      if (!ToInt(words[1], dialog.id)) return std::nullopt;
      sawDialog = true;
    } else if (head == "caption" && words.size() == 2) {
      dialog.caption = words[1];
    } else if (head == "size" && words.size() == 3) {
      if (!ToInt(words[1], dialog.size.width) || !ToInt(words[2], dialog.size.height)) return std::nullopt;
    } else if (head == "font" && words.size() == 3) {
      dialog.fontFace = words[1];
      if (!ToInt(words[2], dialog.fontPoints)) return std::nullopt;
    } else if (auto control = ParseControl(words)) {
      dialog.controls.push_back(std::move(*control));
    } else {
      return std::nullopt;
    }
  }
  if (!sawDialog || dialog.size.width <= 0 || dialog.size.height <= 0) return std::nullopt;
  return dialog;
}

std::optional<DialogTemplate> LoadDialogTemplate(int id) {
  const std::span<const std::uint8_t> bytes = FindResource("DIALOG_" + std::to_string(id));
  if (bytes.empty()) return std::nullopt;
  return ParseDialogTemplate(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TransferBuffer::TransferBuffer(const DialogTemplate& dialog) {
  std::size_t offset = 0;
  for (const int index : dialog.TransferControls()) {
    const bool text = dialog.controls[index].kind == ControlKind::Edit;
    fields_.push_back({offset, text});
    offset += text ? kTextSize : 4;
  }
  bytes_.assign(offset, 0);
}

std::int32_t TransferBuffer::Flag(std::size_t field) const {
  const std::size_t at = fields_[field].offset;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[at + i];
  return static_cast<std::int32_t>(value);
}

void TransferBuffer::SetFlag(std::size_t field, std::int32_t value) {
  const std::size_t at = fields_[field].offset;
  for (int i = 0; i < 4; ++i)
    bytes_[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

std::string TransferBuffer::Text(std::size_t field) const {
  const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(fields_[field].offset);
  const auto end = std::find(begin, begin + kTextSize, std::uint8_t{0});
  return std::string(begin, end);
}

void TransferBuffer::SetText(std::size_t field, std::string_view text) {
  const std::size_t at = fields_[field].offset;
  std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(at), kTextSize, std::uint8_t{0});
  const std::size_t length = std::min(text.size(), kTextSize - 1);
  std::copy_n(text.begin(), length, bytes_.begin() + static_cast<std::ptrdiff_t>(at));
}

DialogModel::DialogModel(const DialogTemplate& dialog)
    : dialog_(dialog), checked_(dialog.controls.size(), false) {
  for (const ControlTemplate& control : dialog_.controls)
    edits_.emplace_back(control.textLimit, control.filter);
  for (int i = 0; i < static_cast<int>(dialog_.controls.size()); ++i) {
    if (TakesFocus(i)) {
      focus_ = i;
      break;
    }
  }
}

void DialogModel::Load(const TransferBuffer& buffer) {
  const std::vector<int> fields = dialog_.TransferControls();
  for (std::size_t field = 0; field < fields.size() && field < buffer.FieldCount(); ++field) {
    const int index = fields[field];
    if (buffer.IsText(field)) {
      edits_[index].SetText(buffer.Text(field));
    } else {
      checked_[index] = buffer.Flag(field) != 0;
    }
  }
  if (focus_ >= 0) focus_ = StopFor(focus_);
}

void DialogModel::Store(TransferBuffer& buffer) const {
  const std::vector<int> fields = dialog_.TransferControls();
  for (std::size_t field = 0; field < fields.size() && field < buffer.FieldCount(); ++field) {
    const int index = fields[field];
    if (buffer.IsText(field)) {
      buffer.SetText(field, edits_[index].Text());
    } else {
      buffer.SetFlag(field, checked_[index] ? 1 : 0);
    }
  }
}

int DialogModel::IndexOf(int id) const {
  for (int i = 0; i < static_cast<int>(dialog_.controls.size()); ++i) {
    if (dialog_.controls[i].id == id) return i;
  }
  return -1;
}

bool DialogModel::TakesFocus(int index) const {
  const ControlKind kind = dialog_.controls[index].kind;
  return kind != ControlKind::Static && kind != ControlKind::Frame;
}

std::vector<int> DialogModel::GroupOf(int index) const {
  const auto& controls = dialog_.controls;
  if (controls[index].kind != ControlKind::Radio) return {index};
  // A group runs from a button that starts one to the next control that starts another, or to
  // the next control that is neither a radio button nor a mere decoration.
  int first = index;
  while (first > 0 && !controls[first].startsGroup) {
    const ControlKind kind = controls[first - 1].kind;
    if (kind != ControlKind::Radio && TakesFocus(first - 1)) break;
    --first;
  }
  std::vector<int> group;
  for (int i = first; i < static_cast<int>(controls.size()); ++i) {
    if (i != first && controls[i].startsGroup) break;
    if (controls[i].kind == ControlKind::Radio) {
      group.push_back(i);
    } else if (TakesFocus(i)) {
      break;
    }
  }
  return group;
}

int DialogModel::StopFor(int index) const {
  if (dialog_.controls[index].kind != ControlKind::Radio) return index;
  const std::vector<int> group = GroupOf(index);
  for (const int member : group) {
    if (checked_[member]) return member;
  }
  return group.front();
}

void DialogModel::MoveFocus(bool backwards) {
  const int count = static_cast<int>(dialog_.controls.size());
  if (focus_ < 0) return;
  const std::vector<int> current = GroupOf(focus_);
  int at = focus_;
  for (int step = 0; step < count; ++step) {
    at = (at + (backwards ? count - 1 : 1)) % count;
    if (!TakesFocus(at)) continue;
    if (std::find(current.begin(), current.end(), at) != current.end()) continue;
    focus_ = StopFor(at);
    return;
  }
}

void DialogModel::MoveInGroup(int step) {
  const std::vector<int> group = GroupOf(focus_);
  const auto here = std::find(group.begin(), group.end(), focus_);
  if (here == group.end()) return;
  const int size = static_cast<int>(group.size());
  const int position = static_cast<int>(here - group.begin());
  const int next = group[(position + step + size) % size];
  focus_ = next;
  CheckRadio(next);
}

void DialogModel::CheckRadio(int index) {
  for (const int member : GroupOf(index)) checked_[member] = member == index;
}

void DialogModel::KeyDown(Key key, bool shift) {
  if (state_ != State::Open) return;
  const ControlKind focused = focus_ >= 0 ? dialog_.controls[focus_].kind : ControlKind::Static;
  switch (key) {
    case Key::Enter:
      state_ = State::Ok;
      return;
    case Key::Escape:
      state_ = State::Cancelled;
      return;
    case Key::Tab:
      MoveFocus(shift);
      return;
    case Key::Space:
      if (focused == ControlKind::Edit) {
        edits_[focus_].Insert(U' ');
      } else if (focus_ >= 0) {
        Click(focus_);
      }
      return;
    default:
      break;
  }
  if (focused == ControlKind::Radio) {
    if (key == Key::Up || key == Key::Left) MoveInGroup(-1);
    if (key == Key::Down || key == Key::Right) MoveInGroup(1);
    return;
  }
  if (focused == ControlKind::Edit) edits_[focus_].KeyDown(key);
}

void DialogModel::Char(char32_t character) {
  if (state_ != State::Open || focus_ < 0) return;
  // Space arrives as a key as well; the key does the work, so a dialog acts on it once.
  if (character < 0x20 || character == U' ' || character == 0x7F) return;
  if (dialog_.controls[focus_].kind == ControlKind::Edit) edits_[focus_].Insert(character);
}

void DialogModel::Click(int index) {
  if (state_ != State::Open || index < 0 || index >= static_cast<int>(dialog_.controls.size())) return;
  switch (dialog_.controls[index].kind) {
    case ControlKind::Radio:
      focus_ = index;
      CheckRadio(index);
      break;
    case ControlKind::Check:
      focus_ = index;
      checked_[index] = !checked_[index];
      break;
    case ControlKind::Edit:
      focus_ = index;
      break;
    case ControlKind::DefaultButton:
      focus_ = index;
      state_ = State::Ok;
      break;
    case ControlKind::Static:
      // A label hands the click to the edit that follows it, frames aside.
      for (int next = index + 1; next < static_cast<int>(dialog_.controls.size()); ++next) {
        if (dialog_.controls[next].kind == ControlKind::Frame) continue;
        if (dialog_.controls[next].kind == ControlKind::Edit) focus_ = next;
        break;
      }
      break;
    case ControlKind::Frame:
      break;
  }
}

void DialogModel::SetChecked(int index, bool checked) {
  if (index < 0) return;
  if (dialog_.controls[index].kind == ControlKind::Radio) {
    if (checked) CheckRadio(index);
  } else if (dialog_.controls[index].kind == ControlKind::Check) {
    checked_[index] = checked;
  }
}

void DialogModel::Type(int index, std::string_view text) {
  if (index < 0 || dialog_.controls[index].kind != ControlKind::Edit) return;
  for (const char c : text) edits_[index].Insert(static_cast<unsigned char>(c));
}

void DialogModel::ClearText(int index) {
  if (index < 0) return;
  edits_[index].SetText("");
}

bool RunDialog(Platform& platform, const DialogTemplate& dialog, TransferBuffer& buffer) {
  if (CloseIsPending(platform)) return false;
  if (ModalHost* host = platform.Modals()) return host->Dialog(dialog, buffer);
  return RunDrawnDialog(platform, dialog, buffer);
}

bool RunDialog(Platform& platform, int templateId, TransferBuffer& buffer) {
  const std::optional<DialogTemplate> dialog = LoadDialogTemplate(templateId);
  if (!dialog) {
    platform.ReportModalFault("dialog template " + std::to_string(templateId) + " is missing");
    return false;
  }
  return RunDialog(platform, *dialog, buffer);
}

}  // namespace dakto
