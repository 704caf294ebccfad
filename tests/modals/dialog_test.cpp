#include "platform/dialog.h"

#include <gtest/gtest.h>

#include "tests/modals/modal_window.h"

namespace dakto::testing {
namespace {

using Kind = ControlKind;

// The templates as the program's dialogs are laid out: every control, in template order.
struct ExpectedControl {
  Kind kind;
  int id;
  Rect box;
  const char* text;
  bool group;
};

struct ExpectedTemplate {
  int id;
  const char* caption;
  Size size;
  std::vector<ExpectedControl> controls;
};

const std::vector<ExpectedTemplate>& Templates() {
  static const std::vector<ExpectedTemplate> templates = {
      {201,
       "",
       {210, 147},
       {{Kind::Radio, 101, {21, 11, 75, 12}, "Play vs Computer", true},
        {Kind::Radio, 102, {21, 24, 84, 12}, "Play vs Player 2", false},
        {Kind::Radio, 103, {21, 50, 104, 12}, "Change first player's name", true},
        {Kind::Radio, 104, {21, 66, 115, 12}, "Change second player's name", false},
        {Kind::Frame, 106, {16, 4, 84, 36}, "", false},
        {Kind::Frame, 107, {16, 44, 176, 64}, "", false},
        {Kind::Static, 108, {24, 92, 80, 8}, "Enter new player name:", false},
        {Kind::Edit, 105, {116, 90, 64, 12}, "", false},
        {Kind::DefaultButton, 1, {71, 119, 50, 14}, "OK", false}}},
      {202,
       "",
       {189, 103},
       {{Kind::Static, 103, {38, 22, 60, 8}, "Player 1 Name", false},
        {Kind::Static, 104, {38, 42, 60, 8}, "Player 2 Name", false},
        {Kind::Edit, 101, {98, 20, 52, 12}, "", false},
        {Kind::Edit, 102, {98, 40, 52, 12}, "", false},
        {Kind::DefaultButton, 1, {72, 70, 50, 14}, "OK", false}}},
      {203,
       "",
       {210, 187},
       {{Kind::Radio, 101, {20, 11, 75, 12}, "Play vs Apprentice", true},
        {Kind::Radio, 102, {20, 24, 75, 12}, "Play vs Mage", false},
        {Kind::Radio, 103, {20, 37, 75, 12}, "Play vs Wizard", false},
        {Kind::Radio, 104, {20, 51, 84, 12}, "Play vs Player 2", false},
        {Kind::Frame, 108, {16, 4, 84, 68}, "", false},
        {Kind::Radio, 105, {21, 93, 104, 12}, "Change first player's name", true},
        {Kind::Radio, 106, {21, 109, 115, 12}, "Change second player's name", false},
        {Kind::Static, 110, {24, 135, 80, 8}, "Enter new player name:", false},
        {Kind::Edit, 107, {116, 133, 64, 12}, "", false},
        {Kind::Frame, 109, {16, 87, 176, 64}, "", false},
        {Kind::DefaultButton, 1, {71, 164, 50, 14}, "OK", false}}},
      {204,
       "Options for Poker Dice",
       {339, 214},
       {{Kind::Radio, 101, {20, 11, 75, 12}, "Play vs Apprentice", true},
        {Kind::Radio, 102, {20, 24, 75, 12}, "Play vs Mage", false},
        {Kind::Radio, 103, {20, 37, 75, 12}, "Play vs Wizard", false},
        {Kind::Radio, 104, {20, 51, 84, 12}, "Play vs Player 2", false},
        {Kind::Frame, -1, {16, 4, 84, 68}, "", false},
        {Kind::Radio, 105, {21, 93, 104, 12}, "Change first player's name", true},
        {Kind::Radio, 106, {21, 109, 115, 12}, "Change second player's name", false},
        {Kind::Static, -1, {24, 135, 80, 8}, "Enter new player name:", false},
        {Kind::Edit, 107, {116, 133, 64, 12}, "", false},
        {Kind::Frame, -1, {16, 87, 176, 64}, "", false},
        {Kind::Static, -1, {200, 4, 60, 8}, "Number of Rolls", false},
        {Kind::Radio, 111, {196, 22, 60, 12}, "2 rolls", true},
        {Kind::Radio, 112, {196, 38, 60, 12}, "3 rolls", false},
        {Kind::Frame, -1, {188, 17, 80, 35}, "", false},
        {Kind::Check, 113, {227, 105, 60, 12}, "Aces wild", false},
        {Kind::Check, 114, {227, 120, 92, 12}, "Reset coins to 5000", false},
        {Kind::Static, -1, {244, 82, 60, 8}, "Other options", false},
        {Kind::Frame, -1, {220, 96, 96, 46}, "", false},
        {Kind::DefaultButton, 1, {130, 177, 50, 14}, "OK", false}}},
      {205,
       "Top Scores Options",
       {295, 120},
       {{Kind::Check, 101, {32, 13, 96, 12}, "View 10,000 Top Scores", false},
        {Kind::Check, 102, {32, 34, 112, 12}, "View Poker Dice Top Scores", false},
        {Kind::Check, 103, {32, 56, 124, 12}, "View Shut The Box Top Scores", false},
        {Kind::Check, 104, {163, 13, 101, 12}, "Clear 10,000 Top Scores", false},
        {Kind::Check, 105, {163, 34, 117, 12}, "Clear Poker Dice Top Scores", false},
        {Kind::Check, 106, {163, 56, 121, 12}, "Clear Shut The Box Top Scores", false},
        {Kind::DefaultButton, 1, {114, 90, 50, 14}, "OK", false}}},
  };
  return templates;
}

TEST(DialogTemplates, EveryTemplateHoldsItsControlsExactly) {
  for (const ExpectedTemplate& expected : Templates()) {
    SCOPED_TRACE(expected.id);
    const std::optional<DialogTemplate> dialog = LoadDialogTemplate(expected.id);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->id, expected.id);
    EXPECT_EQ(dialog->caption, expected.caption);
    EXPECT_EQ(dialog->size, expected.size);
    EXPECT_EQ(dialog->fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog->fontPoints, 8);
    ASSERT_EQ(dialog->controls.size(), expected.controls.size());
    for (std::size_t i = 0; i < expected.controls.size(); ++i) {
      SCOPED_TRACE(i);
      const ControlTemplate& control = dialog->controls[i];
      EXPECT_EQ(control.kind, expected.controls[i].kind);
      EXPECT_EQ(control.id, expected.controls[i].id);
      EXPECT_EQ(control.box, expected.controls[i].box);
      EXPECT_EQ(control.text, expected.controls[i].text);
      EXPECT_EQ(control.startsGroup, expected.controls[i].group);
      if (control.kind == Kind::Edit) {
        EXPECT_EQ(control.textLimit, 9);
        EXPECT_EQ(control.filter, "A-Za-z");
      }
    }
  }
}

TEST(DialogTemplates, MalformedTextIsRefused) {
  for (const char* text : {
           "caption \"x\"\nsize 10 10\n",                        // no dialog line
           "dialog 1\nsize 10 10\nradio 1 2 3 4\n",              // too few numbers
           "dialog 1\nsize 10 10\nbutton 1 2 3 4 5\n",           // unknown kind
           "dialog 1\nsize 10 10\nstatic - 1 2 3 4 text \"x\n",  // open quote
           "dialog 1\nsize 0 10\n",                              // empty size
       }) {
    EXPECT_FALSE(ParseDialogTemplate(text).has_value()) << text;
  }
}

// The buffer is filled, the dialog opens and is closed with OK at once: what comes back is what
// went in, field by field, for every template.
TEST(TransferBuffer, EveryTemplateRoundTripsThroughTheDrawnDialog) {
  for (const ExpectedTemplate& expected : Templates()) {
    SCOPED_TRACE(expected.id);
    TestHost host;
    ModalTestWindow window(host);
    host.UseRealModals();
    const DialogTemplate dialog = *LoadDialogTemplate(expected.id);
    for (int pattern = 0; pattern < 2; ++pattern) {
      TransferBuffer buffer(dialog);
      const std::vector<int> fields = dialog.TransferControls();
      for (std::size_t field = 0; field < fields.size(); ++field) {
        const ControlTemplate& control = dialog.controls[fields[field]];
        const bool nextStartsGroup = field + 1 == fields.size() ||
                                     dialog.controls[fields[field + 1]].kind != Kind::Radio ||
                                     dialog.controls[fields[field + 1]].startsGroup;
        if (buffer.IsText(field)) {
          buffer.SetText(field, pattern == 0 ? "ABCDEFGH" : "zq");
        } else if (control.kind == Kind::Check) {
          buffer.SetFlag(field, (static_cast<int>(field) + pattern) % 2);
        } else {
          // One button checked per group: the first in one pattern, the last in the other.
          buffer.SetFlag(field, pattern == 0 ? control.startsGroup : nextStartsGroup);
        }
      }
      const std::vector<std::uint8_t> before = buffer.Bytes();
      host.Post(KeyMessage(Key::Enter));
      EXPECT_TRUE(RunDialog(host.Platform(), dialog, buffer));
      EXPECT_EQ(buffer.Bytes(), before) << "pattern " << pattern;
    }
    // Cancelled: the buffer is left alone.
    TransferBuffer buffer(dialog);
    const std::vector<std::uint8_t> before = buffer.Bytes();
    host.Post(KeyMessage(Key::Tab));
    host.Post(KeyMessage(Key::Space));
    host.Post(KeyMessage(Key::Escape));
    EXPECT_FALSE(RunDialog(host.Platform(), dialog, buffer));
    EXPECT_EQ(buffer.Bytes(), before);
  }
}

TEST(TransferBuffer, LaysOutFlagsAsInt32AndTextsAsNineBytes) {
  const DialogTemplate dialog = *LoadDialogTemplate(204);
  TransferBuffer buffer(dialog);
  ASSERT_EQ(buffer.FieldCount(), 11u);
  EXPECT_EQ(buffer.Bytes().size(), 10u * 4 + 9);
  buffer.SetFlag(0, 1);
  buffer.SetText(6, "ABCDEFGHIJK");  // cut to 8 letters and the NUL
  buffer.SetFlag(7, 1);
  const std::vector<std::uint8_t>& bytes = buffer.Bytes();
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
            (std::vector<std::uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(std::string(bytes.begin() + 24, bytes.begin() + 33), std::string("ABCDEFGH\0", 9));
  EXPECT_EQ(bytes[33], 1) << "the 8th field follows the text";
  EXPECT_EQ(buffer.Text(6), "ABCDEFGH");
}

// Typing into a name edit: what ends up in the field.
TEST(NameEdit, RefusesEverythingButLettersAndStopsAtEight) {
  struct Case {
    std::u32string typed;
    const char* kept;
  };
  const Case cases[] = {
      {U"ab1cd", "abcd"},          {U"ab cd", "abcd"},
      {U"a.b,c!d-e'f", "abcdef"},  {U"Zz09Aa", "ZzAa"},
      {U"ABCDEFGHIJ", "ABCDEFGH"}, {U"abcdefgh", "abcdefgh"},
      {U"\u00e9l\u00e8ve", "lve"}, {U"[`{@]", ""},
  };
  for (const Case& c : cases) {
    TestHost host;
    ModalTestWindow window(host);
    host.UseRealModals();
    const DialogTemplate dialog = *LoadDialogTemplate(202);
    TransferBuffer buffer(dialog);
    for (const char32_t ch : c.typed) {
      // A space arrives as a key and as a character, as the SDL backend delivers it.
      if (ch == U' ') host.Post(KeyMessage(Key::Space));
      host.Post(CharMessage(ch));
    }
    host.Post(KeyMessage(Key::Enter));
    ASSERT_TRUE(RunDialog(host.Platform(), dialog, buffer));
    EXPECT_EQ(buffer.Text(0), c.kept);
    EXPECT_EQ(buffer.Text(1), "");
  }
}

TEST(NameEdit, EditingKeysMoveTheCaretAndDelete) {
  struct Case {
    const char* start;
    std::vector<Key> keys;
    const char* typed;
    const char* result;
  };
  const Case cases[] = {
      {"ABCD", {Key::Backspace}, "", "ABC"},
      {"ABCD", {Key::Home, Key::Delete}, "", "BCD"},
      {"ABCD", {Key::Left, Key::Left, Key::Backspace}, "x", "AxCD"},
      {"ABCD", {Key::Home, Key::Right}, "y", "AyBCD"},
      {"ABCD", {Key::Home, Key::End, Key::Delete}, "z", "ABCDz"},
      {"ABCD", {Key::Home, Key::Backspace, Key::Left}, "q", "qABCD"},
      {"ABCDEFGH", {Key::Home}, "q", "ABCDEFGH"},  // full: the letter is refused, the text kept
  };
  for (const Case& c : cases) {
    LineEdit edit(9, "A-Za-z");
    edit.SetText(c.start);
    for (const Key key : c.keys) edit.KeyDown(key);
    for (const char* p = c.typed; *p != 0; ++p) edit.Insert(static_cast<unsigned char>(*p));
    EXPECT_EQ(edit.Text(), c.result) << c.start << " + " << c.typed;
  }
}

// Keyboard through the Shut The Box options: each step, where the focus is and what is checked.
TEST(DialogKeyboard, TabMovesBetweenGroupsAndArrowsWithinOne) {
  const DialogTemplate dialog = *LoadDialogTemplate(201);
  DialogModel model(dialog);
  TransferBuffer buffer(dialog);
  buffer.SetFlag(0, 1);  // Play vs Computer
  model.Load(buffer);
  auto id = [&](int index) { return index < 0 ? -1 : dialog.controls[index].id; };
  auto checked = [&] {
    std::vector<int> ids;
    for (int i = 0; i < static_cast<int>(dialog.controls.size()); ++i) {
      if (model.Checked(i)) ids.push_back(dialog.controls[i].id);
    }
    return ids;
  };
  ASSERT_EQ(id(model.Focus()), 101) << "the first control that takes focus";
  struct Step {
    Key key;
    bool shift;
    int focus;
    std::vector<int> checked;
  };
  const Step steps[] = {
      {Key::Down, false, 102, {102}},  // arrows check what they reach
      {Key::Down, false, 101, {101}},  // and wrap within the group
      {Key::Up, false, 102, {102}},
      {Key::Tab, false, 103, {102}},         // the next group, on its first button: none checked
      {Key::Space, false, 103, {102, 103}},  // Space checks
      {Key::Right, false, 104, {102, 104}},
      {Key::Tab, false, 105, {102, 104}},  // the edit
      {Key::Tab, false, 1, {102, 104}},    // OK
      {Key::Tab, false, 102, {102, 104}},  // round to the first group, on its checked button
      {Key::Tab, true, 1, {102, 104}},     // Shift+Tab goes back
      {Key::Tab, true, 105, {102, 104}},
      {Key::Tab, true, 104, {102, 104}},  // the second group is one stop, on its checked button
      {Key::Tab, true, 102, {102, 104}},
  };
  for (const Step& step : steps) {
    model.KeyDown(step.key, step.shift);
    EXPECT_EQ(id(model.Focus()), step.focus);
    EXPECT_EQ(checked(), step.checked);
  }
  EXPECT_EQ(model.GetState(), DialogModel::State::Open);
  model.KeyDown(Key::Enter, false);
  EXPECT_EQ(model.GetState(), DialogModel::State::Ok);
}

TEST(DialogKeyboard, TheDrawnDialogFollowsTheKeysAndEnterAcceptsEscapeCancels) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  const DialogTemplate dialog = *LoadDialogTemplate(201);
  TransferBuffer buffer(dialog);
  buffer.SetFlag(0, 1);
  for (const Message& m :
       {KeyMessage(Key::Down), KeyMessage(Key::Tab), KeyMessage(Key::Down), KeyMessage(Key::Tab),
        CharMessage(U'j'), CharMessage(U'o'), CharMessage(U'e'), KeyMessage(Key::Enter)}) {
    host.Post(m);
  }
  ASSERT_TRUE(RunDialog(host.Platform(), dialog, buffer));
  EXPECT_EQ(std::vector<int>({buffer.Flag(0), buffer.Flag(1), buffer.Flag(2), buffer.Flag(3)}),
            (std::vector<int>{0, 1, 0, 1}));
  EXPECT_EQ(buffer.Text(4), "joe");

  const std::vector<std::uint8_t> before = buffer.Bytes();
  host.Post(KeyMessage(Key::Up));
  host.Post(KeyMessage(Key::Escape));
  EXPECT_FALSE(RunDialog(host.Platform(), dialog, buffer));
  EXPECT_EQ(buffer.Bytes(), before);
  EXPECT_TRUE(host.ModalFaults().empty());
}

TEST(DialogMouse, AClickOnALabelActsAndOkActsOnRelease) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  const DialogTemplate dialog = *LoadDialogTemplate(204);
  const DialogLayout layout = LayOutDialog(dialog, host.Platform().ClientSize());
  auto at = [&](int id) {
    DialogModel model(dialog);
    const Rect box = layout.controls[model.IndexOf(id)];
    return Point{box.left + box.width - 4, box.top + box.height / 2};  // on the label's far end
  };
  auto click = [&](Point p) {
    host.Post({.kind = Message::Kind::LeftDown, .point = p});
    host.Post({.kind = Message::Kind::LeftUp, .point = p});
  };
  TransferBuffer buffer(dialog);
  buffer.SetFlag(0, 1);
  buffer.SetFlag(7, 1);
  click(at(103));                                                  // Play vs Wizard
  click(at(113));                                                  // Aces wild on
  click(at(114));                                                  // Reset coins on
  click(at(114));                                                  // and off again
  click(at(112));                                                  // 3 rolls
  host.Post({.kind = Message::Kind::LeftDown, .point = at(107)});  // the edit takes the letters
  host.Post(CharMessage(U'A'));
  host.Post({.kind = Message::Kind::LeftDown, .point = Centre(layout.controls.back())});
  host.Post({.kind = Message::Kind::LeftUp, .point = {0, 0}});  // released elsewhere: no OK yet
  click(Centre(layout.controls.back()));
  ASSERT_TRUE(RunDialog(host.Platform(), dialog, buffer));
  std::vector<int> flags;
  for (std::size_t f = 0; f < buffer.FieldCount(); ++f)
    flags.push_back(buffer.IsText(f) ? -1 : buffer.Flag(f));
  EXPECT_EQ(flags, (std::vector<int>{0, 0, 1, 0, 0, 0, -1, 0, 1, 1, 0}));
  EXPECT_EQ(buffer.Text(6), "A");
  EXPECT_TRUE(host.AnswersLeft() == 0 && host.ModalFaults().empty());
}

TEST(DialogMouse, AClickOnTheNameLabelPutsTheTypingInItsEdit) {
  const DialogTemplate dialog = *LoadDialogTemplate(201);
  DialogModel model(dialog);
  model.Click(model.IndexOf(108));  // "Enter new player name:"
  model.Char(U'Z');
  EXPECT_EQ(model.Text(model.IndexOf(105)), "Z");
  model.Click(model.IndexOf(106));  // a frame does nothing
  EXPECT_EQ(dialog.controls[model.Focus()].id, 105);
}

TEST(DialogMouse, TheCloseBoxOfACaptionedDialogCancels) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  const DialogTemplate dialog = *LoadDialogTemplate(205);
  const DialogLayout layout = LayOutDialog(dialog, host.Platform().ClientSize());
  TransferBuffer buffer(dialog);
  host.Post({.kind = Message::Kind::LeftDown, .point = Centre(layout.controls[0])});
  host.Post({.kind = Message::Kind::LeftDown,
             .point = {layout.frame.left + layout.frame.width - 12, layout.frame.top + 10}});
  EXPECT_FALSE(RunDialog(host.Platform(), dialog, buffer));
  EXPECT_EQ(buffer.Flag(0), 0);
}

}  // namespace
}  // namespace dakto::testing
