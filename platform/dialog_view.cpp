// The drawn dialog: a template's controls laid out in pixels and drawn in the classic look over
// the window, driven by a DialogModel.
#include <algorithm>

#include "platform/classic_look.h"
#include "platform/dialog.h"
#include "platform/modal_loop.h"
#include "platform/platform.h"

namespace dakto {
namespace {

constexpr int kBoxSize = 13;

// Dialog units to pixels: a horizontal unit is a quarter of the font's average character width,
// a vertical one an eighth of its height.
struct BaseUnits {
  int x = 6;
  int y = 13;
  int ToX(int units) const { return units * x / 4; }
  int ToY(int units) const { return units * y / 8; }
};

BaseUnits DialogBaseUnits() {
  const Font& font = classic::DialogFont();
  const int alphabet = font.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  BaseUnits units;
  if (alphabet > 0) units.x = (alphabet / 26 + 1) / 2;
  if (font.CellHeight() > 0) units.y = font.CellHeight();
  return units;
}

class DialogView : public ModalView {
 public:
  explicit DialogView(DialogModel& model) : model_(model) {}

  bool Done() const override { return model_.GetState() != DialogModel::State::Open; }

  void Layout(Size client) override {
    DialogLayout layout = LayOutDialog(model_.Template(), client);
    outer_ = layout.frame;
    boxes_ = std::move(layout.controls);
  }

  void Draw(Painter& painter) override {
    const DialogTemplate& dialog = model_.Template();
    classic::DrawWindow(painter, outer_, dialog.caption.empty() ? nullptr : dialog.caption.c_str(),
                        !dialog.caption.empty());
    for (int i = 0; i < static_cast<int>(dialog.controls.size()); ++i) DrawControl(painter, i);
  }

  void HandleInput(const Message& message) override {
    switch (message.kind) {
      case Message::Kind::KeyDown:
        model_.KeyDown(message.key, message.shift);
        break;
      case Message::Kind::Char:
        model_.Char(message.character);
        break;
      case Message::Kind::LeftDown:
        MouseDown(message.point);
        break;
      case Message::Kind::LeftUp:
        if (pressed_ >= 0 && ControlAt(message.point) == pressed_) model_.Click(pressed_);
        pressed_ = -1;
        break;
      default:
        break;
    }
  }

 private:
  void MouseDown(Point point) {
    if (!model_.Template().caption.empty() && classic::Contains(classic::CloseBoxOf(outer_), point)) {
      model_.Cancel();
      return;
    }
    const int index = ControlAt(point);
    if (index < 0) return;
    const ControlTemplate& control = model_.Template().controls[index];
    if (control.kind == ControlKind::DefaultButton) {
      pressed_ = index;  // a button acts when the mouse is released over it
      return;
    }
    model_.Click(index);
    if (control.kind == ControlKind::Edit) PlaceCaret(index, point.x);
  }

  // Puts the caret at the character boundary nearest to x.
  void PlaceCaret(int index, int x) {
    LineEdit& edit = model_.Edit(index);
    const std::string& text = edit.Text();
    const int left = boxes_[index].left + 3;
    int best = 0;
    int bestDistance = std::abs(x - left);
    for (int at = 1; at <= static_cast<int>(text.size()); ++at) {
      if (at < static_cast<int>(text.size()) && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        continue;
      const int distance = std::abs(x - (left + classic::DialogFont().TextWidth(text.substr(0, at))));
      if (distance < bestDistance) {
        best = at;
        bestDistance = distance;
      }
    }
    edit.SetCaret(best);
  }

  int ControlAt(Point point) const {
    const auto& controls = model_.Template().controls;
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
      if (controls[i].kind == ControlKind::Frame) continue;
      if (classic::Contains(boxes_[i], point)) return i;
    }
    return -1;
  }

  void DrawControl(Painter& painter, int index) {
    const ControlTemplate& control = model_.Template().controls[index];
    const Rect box = boxes_[index];
    const Font& font = classic::DialogFont();
    const bool focused = model_.Focus() == index;
    const int textTop = box.top + (box.height - font.CellHeight()) / 2;
    switch (control.kind) {
      case ControlKind::Static:
        classic::Label(painter, {box.left, box.top}, control.text);
        break;
      case ControlKind::Frame:
        classic::DrawEtchedFrame(painter, box);
        break;
      case ControlKind::Edit: {
        painter.FillRect(box, classic::kWindow);
        classic::DrawSunken(painter, box);
        const std::string& text = model_.Text(index);
        classic::Label(painter, {box.left + 3, textTop}, text);
        if (focused) {
          const int caretX = box.left + 3 + font.TextWidth(text.substr(0, model_.Caret(index)));
          painter.FillRect({caretX, textTop, 1, font.CellHeight()}, classic::kText);
        }
        break;
      }
      case ControlKind::Radio:
      case ControlKind::Check: {
        const Rect mark{box.left, box.top + (box.height - kBoxSize) / 2, kBoxSize, kBoxSize};
        if (control.kind == ControlKind::Radio) {
          classic::DrawRadioButton(painter, {mark.left, mark.top, 12, 12}, model_.Checked(index));
        } else {
          classic::DrawCheckBox(painter, mark, model_.Checked(index));
        }
        const Point at{box.left + kBoxSize + 4, textTop};
        classic::Label(painter, at, control.text);
        if (focused) {
          classic::DrawFocusRect(
              painter, {at.x - 2, at.y - 1, font.TextWidth(control.text) + 4, font.CellHeight() + 2});
        }
        break;
      }
      case ControlKind::DefaultButton:
        classic::DrawButton(painter, box, control.text, true, focused, pressed_ == index);
        break;
    }
  }

  DialogModel& model_;
  Rect outer_;
  std::vector<Rect> boxes_;
  int pressed_ = -1;
};

}  // namespace

DialogLayout LayOutDialog(const DialogTemplate& dialog, Size client) {
  const BaseUnits units = DialogBaseUnits();
  const bool captioned = !dialog.caption.empty();
  const int width = units.ToX(dialog.size.width) + 2 * classic::kBorder;
  const int height =
      units.ToY(dialog.size.height) + 2 * classic::kBorder + (captioned ? classic::kCaptionHeight + 1 : 0);
  DialogLayout layout;
  layout.frame = {std::max(0, (client.width - width) / 2), std::max(0, (client.height - height) / 2), width,
                  height};
  const Point origin{layout.frame.left + classic::kBorder,
                     layout.frame.top + classic::kBorder + (captioned ? classic::kCaptionHeight + 1 : 0)};
  for (const ControlTemplate& control : dialog.controls) {
    layout.controls.push_back({origin.x + units.ToX(control.box.left), origin.y + units.ToY(control.box.top),
                               units.ToX(control.box.width), units.ToY(control.box.height)});
  }
  return layout;
}

bool RunDrawnDialog(Platform& platform, const DialogTemplate& dialog, TransferBuffer& buffer) {
  DialogModel model(dialog);
  model.Load(buffer);
  DialogView view(model);
  const std::string what = "dialog " + std::to_string(dialog.id);
  if (RunModalLoop(platform, view, what.c_str()) == ModalEnd::Cancelled) return false;
  if (model.GetState() != DialogModel::State::Ok) return false;
  model.Store(buffer);
  return true;
}

}  // namespace dakto
