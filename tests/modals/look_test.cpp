// How the drawn modals look: the classic grey faces, centred on the window. Set
// DAKTO_SCREENSHOT_DIR to keep a picture of each (BMP) to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/classic_look.h"
#include "platform/dialog.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "tests/modals/modal_window.h"

namespace dakto::testing {
namespace {

// Runs `open` with the real modals; when the modal waits for input, `look` sees the screen,
// the picture is kept if asked for, and Escape (or Enter) closes the modal.
void WhileOpen(const std::string& name, const std::function<void(TestHost&)>& open,
               const std::function<void(TestHost&)>& look, Key close = Key::Escape,
               const std::vector<Message>& before = {}) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  bool looked = false;
  host.Platform().SetIdleHook([&] {
    if (looked) return;
    looked = true;
    if (const char* dir = std::getenv("DAKTO_SCREENSHOT_DIR"))
      host.SaveBmp(std::string(dir) + "/" + name + ".bmp");
    look(host);
    host.Post(KeyMessage(close));
  });
  std::ofstream(host.WorkDir() + "/song.mid") << "MThd";
  for (int i = 0; i < 16; ++i) std::ofstream(host.WorkDir() + "/tune" + std::to_string(i) + ".MID") << "MThd";
  std::filesystem::create_directory(host.WorkDir() + "/music");
  for (const Message& m : before) host.Post(m);
  open(host);
  EXPECT_TRUE(looked) << name;
}

// A little done in each dialog before the picture: boxes ticked, buttons picked, a name typed.
std::vector<Message> Input(int id) {
  std::vector<Message> input;
  auto type = [&](const char* text) {
    for (const char* p = text; *p != 0; ++p) input.push_back(CharMessage(static_cast<unsigned char>(*p)));
  };
  switch (id) {
    case 201:
    case 203:
      input = {KeyMessage(Key::Tab), KeyMessage(Key::Down), KeyMessage(Key::Tab)};
      type("Anna");
      break;
    case 202:
      type("Anna");
      input.push_back(KeyMessage(Key::Tab));
      type("Bob");
      break;
    case 204:
      input = {KeyMessage(Key::Down), KeyMessage(Key::Down), KeyMessage(Key::Tab), KeyMessage(Key::Tab),
               KeyMessage(Key::Tab),  KeyMessage(Key::Down), KeyMessage(Key::Tab), KeyMessage(Key::Space)};
      break;
    case 205:
      input = {KeyMessage(Key::Space), KeyMessage(Key::Tab), KeyMessage(Key::Tab),
               KeyMessage(Key::Tab),   KeyMessage(Key::Tab), KeyMessage(Key::Space)};
      break;
  }
  return input;
}

TEST(ModalLook, DialogsAreGreyCentredWithABlackBorderedOkButton) {
  for (const int id : {201, 202, 203, 204, 205}) {
    const DialogTemplate dialog = *LoadDialogTemplate(id);
    WhileOpen(
        "dialog_" + std::to_string(id),
        [&](TestHost& host) {
          TransferBuffer buffer(dialog);
          if (id != 202 && id != 205) buffer.SetFlag(0, 1);
          EXPECT_FALSE(RunDialog(host.Platform(), dialog, buffer));
        },
        [&](TestHost& host) {
          const DialogLayout layout = LayOutDialog(dialog, host.Platform().ClientSize());
          const Rect frame = layout.frame;
          EXPECT_NEAR(frame.left * 2 + frame.width, 800, 1) << "centred";
          EXPECT_NEAR(frame.top * 2 + frame.height, 600, 1);
          EXPECT_EQ(host.Screen().ColorAt(frame.left + 5, frame.top + frame.height - 5), classic::kFace);
          EXPECT_EQ(host.Screen().ColorAt(frame.left + frame.width - 1, frame.top + 5), classic::kDarkShadow);
          const Rect ok = layout.controls.back();
          EXPECT_EQ(host.Screen().ColorAt(ok.left, ok.top + ok.height / 2), classic::kDarkShadow);
          EXPECT_EQ(host.Screen().ColorAt(frame.left - 2, frame.top - 2), (Rgb{0, 128, 64}))
              << "the window shows around it";
        },
        Key::Escape, Input(id));
  }
}

TEST(ModalLook, MessageBoxWithTheExclamationIconAndTabbedText) {
  WhileOpen(
      "message_box",
      [](TestHost& host) {
        ShowMessageBox(host.Platform(),
                       {"Top Scores",
                        "Top Scores for PokerDice\n________________________\n\n\n12000  \tANNA\n5000  \tBOB",
                        MessageBoxButtons::Ok, true});
      },
      [](TestHost& host) {
        int yellow = 0;
        for (int y = 0; y < 600; ++y) {
          for (int x = 0; x < 800; ++x) yellow += host.Screen().ColorAt(x, y) == Rgb{255, 221, 0};
        }
        EXPECT_GT(yellow, 100) << "the exclamation icon";
      },
      Key::Enter);
}

TEST(ModalLook, FileChooserListsTheFolder) {
  WhileOpen(
      "file_chooser", [](TestHost& host) { EXPECT_FALSE(ChooseOpenFile(host.Platform()).has_value()); },
      [](TestHost& host) { EXPECT_EQ(host.Screen().ColorAt(400, 300), classic::kWindow) << "the list"; });
}

}  // namespace
}  // namespace dakto::testing
