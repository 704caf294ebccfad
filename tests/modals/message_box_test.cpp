#include "platform/message_box.h"

#include <gtest/gtest.h>

#include "tests/modals/modal_window.h"

namespace dakto::testing {
namespace {

using Kind = Message::Kind;

struct KeyCase {
  const char* name;
  MessageBoxButtons buttons;
  std::vector<Message> input;
  MessageBoxAnswer answer;
};

TEST(MessageBoxKeys, PressTheFocusedButtonOrTheLetteredOne) {
  const MessageBoxButtons ok = MessageBoxButtons::Ok;
  const MessageBoxButtons yesNo = MessageBoxButtons::YesNo;
  const KeyCase cases[] = {
      {"Enter on OK", ok, {KeyMessage(Key::Enter)}, MessageBoxAnswer::Ok},
      {"Space on OK", ok, {KeyMessage(Key::Space)}, MessageBoxAnswer::Ok},
      {"Escape closes an OK box", ok, {KeyMessage(Key::Escape)}, MessageBoxAnswer::Ok},
      {"letters mean nothing to an OK box",
       ok,
       {CharMessage(U'n'), CharMessage(U'y'), KeyMessage(Key::Enter)},
       MessageBoxAnswer::Ok},
      {"Enter presses Yes, focused first", yesNo, {KeyMessage(Key::Enter)}, MessageBoxAnswer::Yes},
      {"Tab moves to No", yesNo, {KeyMessage(Key::Tab), KeyMessage(Key::Enter)}, MessageBoxAnswer::No},
      {"Tab twice wraps to Yes",
       yesNo,
       {KeyMessage(Key::Tab), KeyMessage(Key::Tab), KeyMessage(Key::Space)},
       MessageBoxAnswer::Yes},
      {"Shift+Tab from Yes is No",
       yesNo,
       {KeyMessage(Key::Tab, true), KeyMessage(Key::Enter)},
       MessageBoxAnswer::No},
      {"Right then Space", yesNo, {KeyMessage(Key::Right), KeyMessage(Key::Space)}, MessageBoxAnswer::No},
      {"Down, Up, Enter",
       yesNo,
       {KeyMessage(Key::Down), KeyMessage(Key::Up), KeyMessage(Key::Enter)},
       MessageBoxAnswer::Yes},
      {"N", yesNo, {CharMessage(U'N')}, MessageBoxAnswer::No},
      {"y", yesNo, {CharMessage(U'y')}, MessageBoxAnswer::Yes},
      {"Escape does not close a Yes/No box",
       yesNo,
       {KeyMessage(Key::Escape), CharMessage(U'n')},
       MessageBoxAnswer::No},
  };
  for (const KeyCase& c : cases) {
    TestHost host;
    ModalTestWindow window(host);
    host.UseRealModals();
    for (const Message& m : c.input) host.Post(m);
    EXPECT_EQ(ShowMessageBox(host.Platform(), "Music file orlo.mid does not exist, search for a new one?",
                             "File does not exist", c.buttons),
              c.answer)
        << c.name;
    EXPECT_TRUE(host.Platform().Queue().Empty()) << c.name;
  }
}

TEST(MessageBoxMouse, AButtonActsWhenReleasedOverIt) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  const MessageBoxRequest request{"Question", "Sure?", MessageBoxButtons::YesNo, false};
  const std::vector<Rect> buttons = MessageBoxButtonBoxes(request, host.Platform().ClientSize());
  ASSERT_EQ(buttons.size(), 2u);
  // Press Yes, slide off and release: nothing. Then a click on No.
  host.Post({.kind = Kind::LeftDown, .point = Centre(buttons[0])});
  host.Post({.kind = Kind::LeftUp, .point = {1, 1}});
  host.Post({.kind = Kind::LeftDown, .point = Centre(buttons[1])});
  host.Post({.kind = Kind::LeftUp, .point = Centre(buttons[1])});
  EXPECT_EQ(ShowMessageBox(host.Platform(), request), MessageBoxAnswer::No);
}

TEST(MessageBoxMouse, ABoxThatRunsOutOfInputFailsInsteadOfHanging) {
  TestHost host;
  host.ExpectModalFaults();
  ModalTestWindow window(host);
  host.UseRealModals();
  EXPECT_EQ(ShowMessageBox(host.Platform(), "Sure?", "Question", MessageBoxButtons::YesNo),
            MessageBoxAnswer::Cancelled);
  ASSERT_EQ(host.ModalFaults().size(), 1u);
  EXPECT_NE(host.ModalFaults()[0].find("Sure?"), std::string::npos);
}

TEST(MessageBoxWindow, IsShownFirstRepaintedBehindAndLeavesNoGhost) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  ASSERT_FALSE(host.Platform().WindowShown());
  host.Post({.kind = Kind::Size, .size = {800, 600}});
  host.Post({.kind = Kind::MusicNotify, .code = 1});
  // The user answers once the window has been painted again under the box.
  window.onPaint = [&] {
    if (window.paints == 2) host.Post(KeyMessage(Key::Enter));
  };
  EXPECT_EQ(ShowMessageBox(host.Platform(), "Cannot find file.  Turning music off.", "Music Off"),
            MessageBoxAnswer::Ok);
  EXPECT_TRUE(host.Platform().WindowShown()) << "a box opened before the window was shown shows it first";
  EXPECT_EQ(window.handled, (std::vector<Kind>{Kind::Size, Kind::MusicNotify}))
      << "size and music still reach the window; keys belong to the box";
  EXPECT_EQ(window.paints, 3) << "painted under the box, after the resize and once the box is gone";
  const Bitmap& screen = host.Screen();
  EXPECT_EQ(screen.ColorAt(400, 300), (Rgb{0, 128, 64})) << "the box is gone from the picture";
}

// The close box (or SIGTERM) while a box is open: the box gives up, the Close stays queued for
// the main loop, later boxes of the same handler give up at once, and the window closes once.
TEST(MessageBoxWindow, CloseDuringABoxEndsTheProgramThroughCanClose) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  std::vector<MessageBoxAnswer> answers;
  window.onClick = [&] {
    answers.push_back(
        ShowMessageBox(host.Platform(), "Search?", "File does not exist", MessageBoxButtons::YesNo));
    answers.push_back(ShowMessageBox(host.Platform(), "Cannot find file.  Turning music off.", "Music Off"));
  };
  host.Post({.kind = Kind::LeftDown, .point = {10, 10}});
  host.Post({.kind = Kind::MouseMove, .point = {20, 20}});
  host.Post({.kind = Kind::Close});
  host.Post(KeyMessage(Key::Enter));
  EXPECT_FALSE(host.Run());
  EXPECT_EQ(answers,
            (std::vector<MessageBoxAnswer>{MessageBoxAnswer::Cancelled, MessageBoxAnswer::Cancelled}));
  EXPECT_EQ(window.canCloseCalls, 1);
  EXPECT_TRUE(host.ModalFaults().empty());
}

}  // namespace
}  // namespace dakto::testing
