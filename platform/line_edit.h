#pragma once

#include <string>
#include <string_view>

#include "platform/message.h"

namespace dakto {

// The text of a one-line edit field with its caret: typing through a character filter and a
// length limit, Backspace, Delete, Left, Right, Home and End. The text is UTF-8 and the caret
// moves over whole characters.
class LineEdit {
 public:
  LineEdit() = default;
  // `limit`: bytes including the terminating NUL (9 allows 8 letters); 0 for none.
  // `filter`: the characters that may be typed, as ranges like "A-Za-z"; empty for any.
  LineEdit(int limit, std::string filter) : limit_(limit), filter_(std::move(filter)) {}

  const std::string& Text() const { return text_; }
  int Caret() const { return caret_; }
  // Replaces the text (cut to the limit) and puts the caret at its end.
  void SetText(std::string_view text);
  void SetCaret(int caret);
  // Inserts at the caret; a refused character (filter or limit) changes nothing. False if refused.
  bool Insert(char32_t character);
  // The editing keys; false for keys an edit does not use.
  bool KeyDown(Key key);

 private:
  std::string text_;
  int caret_ = 0;
  int limit_ = 0;
  std::string filter_;
};

// Whether `character` belongs to a filter set like "A-Za-z" (ranges and single characters).
bool FilterAccepts(std::string_view filter, char32_t character);
void AppendUtf8(std::string& text, char32_t character);

}  // namespace dakto
