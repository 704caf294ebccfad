#include "platform/file_chooser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "tests/modals/modal_window.h"

namespace dakto::testing {
namespace {

namespace fs = std::filesystem;
const char* const kMidiFilter = "Midi files (*.MID)|*.MID|";

void Touch(const fs::path& path) {
  std::ofstream(path) << "MThd";
}

TEST(FileFilter, PatternsComeFromTheFilterAndMatchIgnoringCase) {
  EXPECT_EQ(FilterPatterns(kMidiFilter), (std::vector<std::string>{"*.MID"}));
  EXPECT_EQ(FilterPatterns("Music|*.mid;*.midi|All|*.*|"),
            (std::vector<std::string>{"*.mid", "*.midi", "*.*"}));
  const std::vector<std::string> patterns = FilterPatterns(kMidiFilter);
  struct Case {
    const char* name;
    bool listed;
  };
  for (const Case& c :
       {Case{"song.mid", true}, Case{"SONG.MID", true}, Case{"Orlo.Mid", true}, Case{"song.midi", false},
        Case{"song.mid.txt", false}, Case{"mid", false}, Case{"notes.wav", false}}) {
    EXPECT_EQ(MatchesFilter(c.name, patterns), c.listed) << c.name;
  }
}

TEST(FileChooser, ListsTheParentTheFoldersAndTheMatchingFiles) {
  TestHost host;
  const fs::path dir = host.WorkDir();
  Touch(dir / "song.mid");
  Touch(dir / "B.MID");
  Touch(dir / "readme.txt");
  Touch(dir / ".hidden.mid");
  fs::create_directory(dir / "music");
  fs::create_directory(dir / "Albums");
  const FolderListing listing = ListFolder(dir.string(), FilterPatterns(kMidiFilter));
  EXPECT_EQ(listing.folders, (std::vector<std::string>{"..", "Albums", "music"}));
  EXPECT_EQ(listing.files, (std::vector<std::string>{"B.MID", "song.mid"}));
  EXPECT_EQ(ListFolder("/", {"*.*"}).folders.front() == "..", false) << "the root has no parent";
}

struct ChooserRun {
  std::optional<std::string> chosen;
  std::string folderAfter;
};

ChooserRun RunChooser(TestHost& host, const std::vector<Message>& input) {
  for (const Message& m : input) host.Post(m);
  ChooserRun run;
  run.chosen = ChooseOpenFile(host.Platform(), {.filter = kMidiFilter});
  run.folderAfter = CurrentDirectory();
  return run;
}

std::vector<Message> Typed(const std::string& text) {
  std::vector<Message> messages;
  for (const char c : text) messages.push_back(CharMessage(static_cast<unsigned char>(c)));
  return messages;
}

TEST(FileChooser, ChoosesByKeysByTypingAndThroughFolders) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  const fs::path dir = fs::canonical(host.WorkDir());
  Touch(dir / "a.mid");
  Touch(dir / "song.mid");
  fs::create_directory(dir / "more");
  Touch(dir / "more" / "deep.MID");

  // The list starts on ".."; End reaches the last file and Enter takes it.
  ChooserRun run = RunChooser(host, {KeyMessage(Key::End), KeyMessage(Key::Enter)});
  EXPECT_EQ(run.chosen, (dir / "song.mid").string());

  // A typed name.
  std::vector<Message> input = Typed("a.mid");
  input.push_back(KeyMessage(Key::Enter));
  run = RunChooser(host, input);
  EXPECT_EQ(run.chosen, (dir / "a.mid").string());

  // Into the folder "more" (second entry) and its file; the working directory follows.
  run = RunChooser(host, {KeyMessage(Key::Down), KeyMessage(Key::Enter), KeyMessage(Key::Down),
                          KeyMessage(Key::Down), KeyMessage(Key::Enter)});
  EXPECT_EQ(run.chosen, (dir / "more" / "deep.MID").string());
  EXPECT_EQ(run.folderAfter, (dir / "more").string());

  // Back up through "..", then cancel: nothing chosen.
  run = RunChooser(host, {KeyMessage(Key::Home), KeyMessage(Key::Enter), KeyMessage(Key::Escape)});
  EXPECT_FALSE(run.chosen.has_value());
  EXPECT_EQ(run.folderAfter, dir.string());
  EXPECT_TRUE(host.ModalFaults().empty());
}

TEST(FileChooser, TheMouseScrollsALongListPicksAFileAndPressesButtons) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  const fs::path dir = fs::canonical(host.WorkDir());
  for (int i = 0; i < 30; ++i)
    Touch(dir / ("f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".mid"));
  const FileChooserLayout layout = LayOutFileChooser(host.Platform().ClientSize());
  auto click = [](Point p) {
    return std::vector<Message>{{.kind = Message::Kind::LeftDown, .point = p},
                                {.kind = Message::Kind::LeftUp, .point = p}};
  };
  auto clicks = [&](std::initializer_list<Point> points) {
    std::vector<Message> input;
    for (const Point p : points) {
      const std::vector<Message> one = click(p);
      input.insert(input.end(), one.begin(), one.end());
    }
    return input;
  };
  const Point down = Centre(layout.scrollDown);
  const Point firstRow = Centre(layout.Row(0));
  // Entry 0 is "..": three rows down, the top row shows f02.mid; a second click on it takes it.
  ChooserRun run = RunChooser(host, clicks({down, down, down, firstRow, firstRow}));
  EXPECT_EQ(run.chosen, (dir / "f02.mid").string());

  // A row down, then a page down through the track just above the lower arrow.
  const Point track{down.x, layout.scrollDown.top - 3};
  run = RunChooser(host, clicks({down, track, firstRow, firstRow}));
  EXPECT_EQ(run.chosen, (dir / "f12.mid").string());

  // A name typed, then the OK button; and the Cancel button.
  std::vector<Message> input = Typed("f29.mid");
  const std::vector<Message> ok = click(Centre(layout.ok));
  input.insert(input.end(), ok.begin(), ok.end());
  run = RunChooser(host, input);
  EXPECT_EQ(run.chosen, (dir / "f29.mid").string());
  run = RunChooser(host, click(Centre(layout.cancel)));
  EXPECT_FALSE(run.chosen.has_value());
  EXPECT_TRUE(host.ModalFaults().empty());
}

TEST(FileChooser, AFileInAFolderThatDoesNotExistIsRefused) {
  TestHost host;
  ModalTestWindow window(host);
  host.UseRealModals();
  std::vector<Message> input = Typed("nowhere/x.mid");
  input.push_back(KeyMessage(Key::Enter));   // refused: a box says so
  input.push_back(KeyMessage(Key::Enter));   // the box is closed
  input.push_back(KeyMessage(Key::Escape));  // and the chooser cancelled
  const ChooserRun run = RunChooser(host, input);
  EXPECT_FALSE(run.chosen.has_value());
  EXPECT_TRUE(host.ModalFaults().empty());
}

}  // namespace
}  // namespace dakto::testing
