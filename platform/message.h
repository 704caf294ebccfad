#pragma once

#include <cstdint>
#include <deque>

#include "platform/geometry.h"

namespace dakto {

// Keys that dialogs need beyond typed characters.
enum class Key { None, Enter, Escape, Tab, Backspace, Delete, Left, Right, Up, Down, Home, End, Space };

// The messages of the program's own queue. Points are in client coordinates.
struct Message {
  enum class Kind {
    LeftDown,
    LeftUp,
    RightDown,
    MouseMove,
    Char,         // a typed character: `character`
    KeyDown,      // a key press, for dialogs: `key`, `shift`
    Size,         // the client area changed to `size`
    Paint,        // the window must be drawn again
    MusicNotify,  // the music device finished a play: `code`
    Close,        // the close box, or SIGTERM or SIGINT
  };
  Kind kind = Kind::Paint;
  Point point;
  char32_t character = 0;
  Key key = Key::None;
  bool shift = false;
  Size size;
  std::uint32_t code = 0;

  bool IsMouse() const {
    return kind == Kind::LeftDown || kind == Kind::LeftUp || kind == Kind::RightDown ||
           kind == Kind::MouseMove;
  }
};

class MessageQueue {
 public:
  void Post(const Message& message) { messages_.push_back(message); }
  bool Empty() const { return messages_.empty(); }
  std::size_t Count() const { return messages_.size(); }
  const Message& Front() const { return messages_.front(); }
  Message Take() {
    Message message = messages_.front();
    messages_.pop_front();
    return message;
  }
  // Drops every queued mouse message; everything else keeps its place and order.
  void DropMouseMessages() {
    std::erase_if(messages_, [](const Message& m) { return m.IsMouse(); });
  }
  const std::deque<Message>& Messages() const { return messages_; }

 private:
  std::deque<Message> messages_;
};

}  // namespace dakto
