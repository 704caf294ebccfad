#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace dakto {

class Platform;

struct FileChooserRequest {
  std::string title = "Open";
  // Pairs of description and patterns, each ended by "|"; patterns are separated by ";".
  std::string filter = "Midi files (*.MID)|*.MID|";
  bool folderMustExist = true;
};

// The patterns of a filter string, e.g. {"*.MID"} for "Midi files (*.MID)|*.MID|".
std::vector<std::string> FilterPatterns(std::string_view filter);
// Whether a file name matches one of the patterns ("*" and "?"), ignoring case as the
// chooser does, so "song.mid" matches "*.MID".
bool MatchesFilter(std::string_view fileName, const std::vector<std::string>& patterns);

// What the chooser lists for a folder: the parent entry "..", the subfolders, then the files that
// match, each group in name order (ignoring case).
struct FolderListing {
  std::vector<std::string> folders;  // ".." first when the folder has a parent
  std::vector<std::string> files;
};
FolderListing ListFolder(const std::string& folder, const std::vector<std::string>& patterns);

// Where the drawn chooser puts its parts for a client area of `client`. The list shows
// `rows` entries of `rowHeight` pixels; when there are more, a scroll bar with its two arrows
// takes the list's right edge.
struct FileChooserLayout {
  Rect frame;
  Rect list;
  Rect name;
  Rect ok;
  Rect cancel;
  Rect scrollBar;
  Rect scrollUp;
  Rect scrollDown;
  int rows = 0;
  int rowHeight = 0;
  // The row of the list at `row` (0 the top one shown).
  Rect Row(int row) const {
    return {list.left + 2, list.top + 2 + row * rowHeight, list.width - 4, rowHeight};
  }
};
FileChooserLayout LayOutFileChooser(Size client);

// Lets the user pick a file to open. Returns its path (absolute), or nothing when cancelled.
// The working directory may change while the chooser is open, as the user moves between folders.
std::optional<std::string> ChooseOpenFile(Platform& platform, const FileChooserRequest& request = {});
// The drawn chooser, whatever the platform's modal host says.
std::optional<std::string> RunDrawnFileChooser(Platform& platform, const FileChooserRequest& request);

}  // namespace dakto
