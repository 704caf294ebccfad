#include "platform/line_edit.h"

#include <algorithm>

namespace dakto {
namespace {

int PreviousBoundary(const std::string& text, int at) {
  if (at <= 0) return 0;
  --at;
  while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  return at;
}

int NextBoundary(const std::string& text, int at) {
  const int size = static_cast<int>(text.size());
  if (at >= size) return size;
  ++at;
  while (at < size && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  return at;
}

}  // namespace

bool FilterAccepts(std::string_view filter, char32_t character) {
  if (filter.empty()) return true;
  for (std::size_t i = 0; i < filter.size(); ++i) {
    const auto low = static_cast<unsigned char>(filter[i]);
    if (i + 2 < filter.size() && filter[i + 1] == '-') {
      const auto high = static_cast<unsigned char>(filter[i + 2]);
      if (character >= low && character <= high) return true;
      i += 2;
    } else if (character == low) {
      return true;
    }
  }
  return false;
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void LineEdit::SetText(std::string_view text) {
  text_ = std::string(text);
  if (limit_ > 0 && static_cast<int>(text_.size()) > limit_ - 1) text_.resize(limit_ - 1);
  caret_ = static_cast<int>(text_.size());
}

void LineEdit::SetCaret(int caret) {
  caret_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
  while (caret_ > 0 && (static_cast<unsigned char>(text_[caret_]) & 0xC0) == 0x80) --caret_;
}

bool LineEdit::Insert(char32_t character) {
  if (character < 0x20 || character == 0x7F || !FilterAccepts(filter_, character)) return false;
  std::string encoded;
  AppendUtf8(encoded, character);
  if (limit_ > 0 && static_cast<int>(text_.size() + encoded.size()) > limit_ - 1) return false;
  text_.insert(static_cast<std::size_t>(caret_), encoded);
  caret_ += static_cast<int>(encoded.size());
  return true;
}

bool LineEdit::KeyDown(Key key) {
  switch (key) {
    case Key::Left:
      caret_ = PreviousBoundary(text_, caret_);
      return true;
    case Key::Right:
      caret_ = NextBoundary(text_, caret_);
      return true;
    case Key::Home:
      caret_ = 0;
      return true;
    case Key::End:
      caret_ = static_cast<int>(text_.size());
      return true;
    case Key::Backspace:
      if (caret_ > 0) {
        const int from = PreviousBoundary(text_, caret_);
        text_.erase(from, caret_ - from);
        caret_ = from;
      }
      return true;
    case Key::Delete:
      if (caret_ < static_cast<int>(text_.size())) text_.erase(caret_, NextBoundary(text_, caret_) - caret_);
      return true;
    default:
      return false;
  }
}

}  // namespace dakto
