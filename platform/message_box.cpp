#include "platform/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/classic_look.h"
#include "platform/modal_host.h"
#include "platform/modal_loop.h"
#include "platform/platform.h"

namespace dakto {
namespace {

constexpr int kMargin = 11;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kIconSize = 32;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// The pieces of a line between tabs; each tab moves to the next stop, every 8 average characters.
struct TabbedLine {
  std::vector<std::pair<int, std::string>> pieces;  // x offset, text
  int width = 0;
};

TabbedLine LayOutTabs(const std::string& line, const Font& font) {
  const int averageWidth = std::max(1, font.TextWidth("x"));
  const int stop = 8 * averageWidth;
  TabbedLine laid;
  int x = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    const std::string piece = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    laid.pieces.emplace_back(x, piece);
    x += font.TextWidth(piece);
    if (tab == std::string::npos) break;
    x = (x / stop + 1) * stop;
    start = tab + 1;
  }
  laid.width = x;
  return laid;
}

class MessageBoxView : public ModalView {
 public:
  explicit MessageBoxView(const MessageBoxRequest& request) : request_(request) {
    if (request.buttons == MessageBoxButtons::Ok) {
      buttons_ = {{"OK", MessageBoxAnswer::Ok}};
    } else {
      buttons_ = {{"Yes", MessageBoxAnswer::Yes}, {"No", MessageBoxAnswer::No}};
    }
    for (const std::string& line : SplitLines(request.text)) {
      lines_.push_back(LayOutTabs(line, classic::DialogFont()));
    }
  }

  MessageBoxAnswer Answer() const { return answer_; }
  std::vector<Rect> ButtonBoxes() const {
    std::vector<Rect> boxes;
    for (const Button& button : buttons_) boxes.push_back(button.box);
    return boxes;
  }
  bool Done() const override { return answer_ != MessageBoxAnswer::Cancelled; }

  void Layout(Size client) override {
    const Font& font = classic::DialogFont();
    int textWidth = 0;
    for (const TabbedLine& line : lines_) textWidth = std::max(textWidth, line.width);
    const int textHeight = static_cast<int>(lines_.size()) * font.CellHeight();
    const int iconWidth = request_.exclamation ? kIconSize + kMargin + 7 : 0;
    const int buttonsWidth = static_cast<int>(buttons_.size()) * kButtonWidth +
                             (static_cast<int>(buttons_.size()) - 1) * kButtonGap;
    const int captionWidth = classic::CaptionFont().TextWidth(request_.caption) + 40;
    const int clientWidth = std::max(
        {kMargin + iconWidth + textWidth + 2 * kMargin, buttonsWidth + 2 * kMargin, captionWidth, 120});
    const int bodyHeight = std::max(textHeight, request_.exclamation ? kIconSize : 0);
    const int clientHeight = kMargin + bodyHeight + kMargin + 6 + kButtonHeight + kMargin;
    const int width = clientWidth + 2 * classic::kBorder;
    const int height = clientHeight + 2 * classic::kBorder + classic::kCaptionHeight + 1;
    outer_ = {std::max(0, (client.width - width) / 2), std::max(0, (client.height - height) / 2), width,
              height};
    const int clientLeft = outer_.left + classic::kBorder;
    const int clientTop = outer_.top + classic::kBorder + classic::kCaptionHeight + 1;
    iconAt_ = {clientLeft + kMargin, clientTop + kMargin};
    textAt_ = {clientLeft + kMargin + iconWidth, clientTop + kMargin + (bodyHeight - textHeight) / 2};
    int x = clientLeft + (clientWidth - buttonsWidth) / 2;
    const int y = clientTop + clientHeight - kMargin - kButtonHeight;
    for (Button& button : buttons_) {
      button.box = {x, y, kButtonWidth, kButtonHeight};
      x += kButtonWidth + kButtonGap;
    }
  }

  void Draw(Painter& painter) override {
    const bool closeBox = request_.buttons == MessageBoxButtons::Ok;
    classic::DrawWindow(painter, outer_, request_.caption.c_str(), closeBox);
    if (request_.exclamation) classic::DrawExclamation(painter, iconAt_);
    const Font& font = classic::DialogFont();
    int y = textAt_.y;
    for (const TabbedLine& line : lines_) {
      for (const auto& [x, piece] : line.pieces) classic::Label(painter, {textAt_.x + x, y}, piece);
      y += font.CellHeight();
    }
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      classic::DrawButton(painter, buttons_[i].box, buttons_[i].text, i == focus_, i == focus_,
                          i == pressed_);
    }
  }

  void HandleInput(const Message& message) override {
    switch (message.kind) {
      case Message::Kind::KeyDown:
        Key(message.key, message.shift);
        break;
      case Message::Kind::Char:
        Letter(message.character);
        break;
      case Message::Kind::LeftDown:
        pressed_ = ButtonAt(message.point);
        if (pressed_ >= 0) focus_ = pressed_;
        if (request_.buttons == MessageBoxButtons::Ok &&
            classic::Contains(classic::CloseBoxOf(outer_), message.point)) {
          answer_ = MessageBoxAnswer::Ok;
        }
        break;
      case Message::Kind::LeftUp:
        if (pressed_ >= 0 && ButtonAt(message.point) == pressed_) answer_ = buttons_[pressed_].answer;
        pressed_ = -1;
        break;
      default:
        break;
    }
  }

 private:
  struct Button {
    const char* text;
    MessageBoxAnswer answer;
    Rect box;
  };

  int ButtonAt(Point point) const {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      if (classic::Contains(buttons_[i].box, point)) return i;
    }
    return -1;
  }

  void Key(dakto::Key key, bool shift) {
    const int count = static_cast<int>(buttons_.size());
    switch (key) {
      case Key::Enter:
      case Key::Space:
        answer_ = buttons_[focus_].answer;
        break;
      case Key::Escape:
        if (request_.buttons == MessageBoxButtons::Ok) answer_ = MessageBoxAnswer::Ok;
        break;
      case Key::Tab:
        focus_ = (focus_ + (shift ? count - 1 : 1)) % count;
        break;
      case Key::Left:
      case Key::Up:
        focus_ = (focus_ + count - 1) % count;
        break;
      case Key::Right:
      case Key::Down:
        focus_ = (focus_ + 1) % count;
        break;
      default:
        break;
    }
  }

  void Letter(char32_t character) {
    if (request_.buttons != MessageBoxButtons::YesNo) return;
    if (character == U'y' || character == U'Y') answer_ = MessageBoxAnswer::Yes;
    if (character == U'n' || character == U'N') answer_ = MessageBoxAnswer::No;
  }

  MessageBoxRequest request_;
  std::vector<Button> buttons_;
  std::vector<TabbedLine> lines_;
  Rect outer_;
  Point iconAt_;
  Point textAt_;
  int focus_ = 0;
  int pressed_ = -1;
  MessageBoxAnswer answer_ = MessageBoxAnswer::Cancelled;
};

}  // namespace

std::vector<Rect> MessageBoxButtonBoxes(const MessageBoxRequest& request, Size client) {
  MessageBoxView view(request);
  view.Layout(client);
  return view.ButtonBoxes();
}

MessageBoxAnswer RunDrawnMessageBox(Platform& platform, const MessageBoxRequest& request) {
  MessageBoxView view(request);
  if (RunModalLoop(platform, view, ("message box \"" + request.text + "\"").c_str()) == ModalEnd::Cancelled) {
    return MessageBoxAnswer::Cancelled;
  }
  return view.Answer();
}

MessageBoxAnswer ShowMessageBox(Platform& platform, const MessageBoxRequest& request) {
  // Once the window is closing, no box opens: on either backend, so tests see what users get.
  if (CloseIsPending(platform)) return MessageBoxAnswer::Cancelled;
  if (ModalHost* host = platform.Modals()) return host->MessageBox(request);
  return RunDrawnMessageBox(platform, request);
}

}  // namespace dakto
