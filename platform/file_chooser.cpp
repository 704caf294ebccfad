#include "platform/file_chooser.h"

#include <fnmatch.h>
#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "platform/classic_look.h"
#include "platform/files.h"
#include "platform/line_edit.h"
#include "platform/message_box.h"
#include "platform/modal_host.h"
#include "platform/modal_loop.h"
#include "platform/platform.h"

namespace dakto {
namespace fs = std::filesystem;
namespace {

constexpr int kRowHeight = 16;
constexpr int kRows = 12;
constexpr int kScrollWidth = 16;
constexpr int kWidth = 430;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

bool NameLess(const std::string& a, const std::string& b) {
  const int order = strcasecmp(a.c_str(), b.c_str());
  return order != 0 ? order < 0 : a < b;
}

// The description of a filter's first entry, shown under "Files of type".
std::string FilterDescription(std::string_view filter) {
  return std::string(filter.substr(0, filter.find('|')));
}

// Where the focus can be.
enum class Part { List, Name, Ok, Cancel };

class FileChooserView : public ModalView {
 public:
  FileChooserView(Platform& platform, const FileChooserRequest& request)
      : platform_(platform), request_(request), patterns_(FilterPatterns(request.filter)) {
    Refresh();
  }

  bool Done() const override { return finished_; }
  const std::optional<std::string>& Chosen() const { return chosen_; }

  void Layout(Size client) override {
    layout_ = LayOutFileChooser(client);
    outer_ = layout_.frame;
    list_ = layout_.list;
    name_ = layout_.name;
    type_ = {name_.left, name_.top + 30, name_.width, 21};
    ok_ = layout_.ok;
    cancel_ = layout_.cancel;
    folderAt_ = {list_.left, outer_.top + classic::kBorder + classic::kCaptionHeight + 1 + 8};
  }

  void Draw(Painter& painter) override {
    classic::DrawWindow(painter, outer_, request_.title.c_str(), true);
    const Font& font = classic::DialogFont();
    classic::Label(painter, folderAt_, "Look in:");
    const Rect folderBox{folderAt_.x + 80, folderAt_.y - 4, list_.left + list_.width - folderAt_.x - 80, 21};
    painter.FillRect(folderBox, classic::kWindow);
    classic::DrawSunken(painter, folderBox);
    classic::Label(painter, {folderBox.left + 4, folderBox.top + 4}, Shortened(folder_, folderBox.width - 8));
    DrawList(painter);
    classic::Label(painter, {list_.left, name_.top + 4}, "File name:");
    painter.FillRect(name_, classic::kWindow);
    classic::DrawSunken(painter, name_);
    classic::Label(painter, {name_.left + 3, name_.top + 4}, nameEdit_.Text());
    if (focus_ == Part::Name) {
      const int caretX = name_.left + 3 + font.TextWidth(nameEdit_.Text().substr(0, nameEdit_.Caret()));
      painter.FillRect({caretX, name_.top + 4, 1, font.CellHeight()}, classic::kText);
    }
    classic::Label(painter, {list_.left, type_.top + 4}, "Files of type:");
    painter.FillRect(type_, classic::kWindow);
    classic::DrawSunken(painter, type_);
    classic::Label(painter, {type_.left + 3, type_.top + 4}, FilterDescription(request_.filter));
    classic::DrawButton(painter, ok_, "OK", focus_ != Part::Cancel, focus_ == Part::Ok, pressed_ == Part::Ok);
    classic::DrawButton(painter, cancel_, "Cancel", focus_ == Part::Cancel, focus_ == Part::Cancel,
                        pressed_ == Part::Cancel);
  }

  void HandleInput(const Message& message) override {
    switch (message.kind) {
      case Message::Kind::KeyDown:
        Key(message.key, message.shift);
        break;
      case Message::Kind::Char:
        if (message.character != U' ' || focus_ == Part::Name) {
          focus_ = Part::Name;
          nameEdit_.Insert(message.character);
        }
        break;
      case Message::Kind::LeftDown:
        MouseDown(message.point);
        break;
      case Message::Kind::LeftUp:
        if (pressed_ == Part::Ok && classic::Contains(ok_, message.point)) Accept();
        if (pressed_ == Part::Cancel && classic::Contains(cancel_, message.point)) Cancel();
        pressed_ = Part::List;
        break;
      default:
        break;
    }
  }

 private:
  int EntryCount() const { return static_cast<int>(listing_.folders.size() + listing_.files.size()); }
  bool IsFolderEntry(int index) const { return index < static_cast<int>(listing_.folders.size()); }
  const std::string& EntryName(int index) const {
    return IsFolderEntry(index) ? listing_.folders[index] : listing_.files[index - listing_.folders.size()];
  }

  void Refresh() {
    folder_ = CurrentDirectory();
    listing_ = ListFolder(folder_, patterns_);
    selected_ = EntryCount() > 0 ? 0 : -1;
    top_ = 0;
  }

  bool Scrolls() const { return EntryCount() > kRows; }
  Rect Thumb() const {
    const Rect bar = layout_.scrollBar;
    const int track = bar.height - 2 * kScrollWidth;
    const int height = std::max(8, track * kRows / std::max(1, EntryCount()));
    const int range = std::max(1, EntryCount() - kRows);
    return {bar.left, bar.top + kScrollWidth + (track - height) * top_ / range, bar.width, height};
  }
  void ScrollBy(int rows) { top_ = std::clamp(top_ + rows, 0, std::max(0, EntryCount() - kRows)); }

  void DrawScrollBar(Painter& painter) {
    const Rect bar = layout_.scrollBar;
    painter.FillRect(bar, classic::kLight);
    for (const Rect arrow : {layout_.scrollUp, layout_.scrollDown}) {
      painter.FillRect(arrow, classic::kFace);
      classic::DrawRaised(painter, arrow);
      // A small black triangle pointing up or down.
      const bool up = arrow.top == bar.top;
      for (int i = 0; i < 4; ++i) {
        const int y = arrow.top + 6 + (up ? i : 3 - i);
        painter.FillRect({arrow.left + 8 - i - 1, y, 2 * i + 2, 1}, classic::kText);
      }
    }
    const Rect thumb = Thumb();
    painter.FillRect(thumb, classic::kFace);
    classic::DrawRaised(painter, thumb);
  }

  void DrawList(Painter& painter) {
    painter.FillRect(list_, classic::kWindow);
    classic::DrawSunken(painter, list_);
    const int lineWidth = list_.width - 4 - (Scrolls() ? kScrollWidth : 0);
    if (Scrolls()) DrawScrollBar(painter);
    for (int row = 0; row < kRows && top_ + row < EntryCount(); ++row) {
      const int index = top_ + row;
      const Rect line{list_.left + 2, list_.top + 2 + row * kRowHeight, lineWidth, kRowHeight};
      const bool selected = index == selected_;
      if (selected) painter.FillRect(line, focus_ == Part::List ? classic::kSelection : classic::kLight);
      if (IsFolderEntry(index)) classic::DrawFolderIcon(painter, {line.left + 2, line.top + 2});
      const Rgb color = selected && focus_ == Part::List ? classic::kHighlight : classic::kText;
      classic::Label(painter, {line.left + 22, line.top + 1}, EntryName(index), color);
      if (selected && focus_ == Part::List) classic::DrawFocusRect(painter, line);
    }
  }

  std::string Shortened(const std::string& text, int width) const {
    const Font& font = classic::DialogFont();
    if (font.TextWidth(text) <= width) return text;
    for (std::size_t cut = 1; cut < text.size(); ++cut) {
      const std::string candidate = "..." + text.substr(cut);
      if (font.TextWidth(candidate) <= width) return candidate;
    }
    return text;
  }

  void Select(int index) {
    if (EntryCount() == 0) return;
    selected_ = std::clamp(index, 0, EntryCount() - 1);
    if (selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + kRows) top_ = selected_ - kRows + 1;
    if (!IsFolderEntry(selected_)) nameEdit_.SetText(EntryName(selected_));
  }

  void Key(dakto::Key key, bool shift) {
    switch (key) {
      case Key::Escape:
        Cancel();
        return;
      case Key::Enter:
        if (focus_ == Part::Cancel) {
          Cancel();
        } else if (focus_ == Part::List && selected_ >= 0 && IsFolderEntry(selected_)) {
          Open(EntryName(selected_));
        } else {
          Accept();
        }
        return;
      case Key::Tab: {
        const int next = (static_cast<int>(focus_) + (shift ? 3 : 1)) % 4;
        focus_ = static_cast<Part>(next);
        return;
      }
      default:
        break;
    }
    if (focus_ == Part::List) {
      if (key == Key::Up) Select(selected_ - 1);
      if (key == Key::Down) Select(selected_ + 1);
      if (key == Key::Home) Select(0);
      if (key == Key::End) Select(EntryCount() - 1);
    } else if (focus_ == Part::Name) {
      nameEdit_.KeyDown(key);
    } else if (key == Key::Space) {
      focus_ == Part::Ok ? Accept() : Cancel();
    }
  }

  void MouseDown(Point point) {
    if (classic::Contains(classic::CloseBoxOf(outer_), point)) {
      Cancel();
    } else if (classic::Contains(ok_, point)) {
      pressed_ = focus_ = Part::Ok;
    } else if (classic::Contains(cancel_, point)) {
      pressed_ = focus_ = Part::Cancel;
    } else if (classic::Contains(name_, point)) {
      focus_ = Part::Name;
    } else if (Scrolls() && classic::Contains(layout_.scrollBar, point)) {
      // The arrows move a row; the track above or below the thumb a page.
      if (classic::Contains(layout_.scrollUp, point)) {
        ScrollBy(-1);
      } else if (classic::Contains(layout_.scrollDown, point)) {
        ScrollBy(1);
      } else if (point.y < Thumb().top) {
        ScrollBy(-kRows);
      } else if (point.y >= Thumb().top + Thumb().height) {
        ScrollBy(kRows);
      }
    } else if (classic::Contains(list_, point)) {
      focus_ = Part::List;
      const int index = top_ + (point.y - list_.top - 2) / kRowHeight;
      if (index < 0 || index >= EntryCount()) return;
      // A click on the entry already selected opens it, as a double click would.
      if (index == selected_ && IsFolderEntry(index)) {
        Open(EntryName(index));
      } else if (index == selected_) {
        Accept();
      } else {
        Select(index);
      }
    }
  }

  void Open(const std::string& folder) {
    if (ChangeDirectory(folder)) {
      Refresh();
      nameEdit_.SetText("");
    }
  }

  // OK: a folder typed or selected is opened; a file name is the answer if its folder exists.
  void Accept() {
    std::string name = nameEdit_.Text();
    if (name.empty()) {
      if (selected_ >= 0 && IsFolderEntry(selected_)) Open(EntryName(selected_));
      return;
    }
    const fs::path path = fs::path(folder_) / name;
    std::error_code error;
    if (fs::is_directory(path, error)) {
      Open(path.string());
      return;
    }
    if (request_.folderMustExist && !fs::is_directory(path.parent_path(), error)) {
      ShowMessageBox(platform_, path.parent_path().string() + "\nThe folder does not exist.", request_.title,
                     MessageBoxButtons::Ok, true);
      return;
    }
    chosen_ = path.lexically_normal().string();
    finished_ = true;
  }

  void Cancel() {
    chosen_.reset();
    finished_ = true;
  }

  Platform& platform_;
  FileChooserRequest request_;
  std::vector<std::string> patterns_;
  std::string folder_;
  FolderListing listing_;
  LineEdit nameEdit_{260, ""};
  int selected_ = -1;
  int top_ = 0;
  Part focus_ = Part::List;
  Part pressed_ = Part::List;  // List: no button held
  FileChooserLayout layout_;
  Rect outer_;
  Point folderAt_;
  Rect list_;
  Rect name_;
  Rect type_;
  Rect ok_;
  Rect cancel_;
  bool finished_ = false;
  std::optional<std::string> chosen_;
};

}  // namespace

FileChooserLayout LayOutFileChooser(Size client) {
  FileChooserLayout layout;
  const int height = 2 * classic::kBorder + classic::kCaptionHeight + 1 + 62 + kRows * kRowHeight + 4 + 70;
  const int width = kWidth + 2 * classic::kBorder;
  layout.frame = {std::max(0, (client.width - width) / 2), std::max(0, (client.height - height) / 2), width,
                  height};
  const int left = layout.frame.left + classic::kBorder + 11;
  const int top = layout.frame.top + classic::kBorder + classic::kCaptionHeight + 1 + 8;
  layout.list = {left, top + 40, kWidth - 22 - kButtonWidth - 11, kRows * kRowHeight + 4};
  layout.name = {left + 80, layout.list.top + layout.list.height + 12, layout.list.width - 80, 21};
  layout.ok = {layout.list.left + layout.list.width + 11, layout.name.top, kButtonWidth, kButtonHeight};
  layout.cancel = {layout.ok.left, layout.name.top + 30, kButtonWidth, kButtonHeight};
  const Rect& list = layout.list;
  layout.scrollBar = {list.left + list.width - 2 - kScrollWidth, list.top + 2, kScrollWidth, list.height - 4};
  layout.scrollUp = {layout.scrollBar.left, layout.scrollBar.top, kScrollWidth, kScrollWidth};
  layout.scrollDown = {layout.scrollBar.left, layout.scrollBar.top + layout.scrollBar.height - kScrollWidth,
                       kScrollWidth, kScrollWidth};
  layout.rows = kRows;
  layout.rowHeight = kRowHeight;
  return layout;
}

std::vector<std::string> FilterPatterns(std::string_view filter) {
  std::vector<std::string> patterns;
  bool isPattern = false;
  while (!filter.empty()) {
    const std::size_t bar = filter.find('|');
    const std::string_view part = filter.substr(0, bar);
    if (isPattern) {
      std::size_t start = 0;
      while (start <= part.size()) {
        const std::size_t semicolon = part.find(';', start);
        const std::string_view one =
            part.substr(start, semicolon == std::string_view::npos ? part.npos : semicolon - start);
        if (!one.empty()) patterns.emplace_back(one);
        if (semicolon == std::string_view::npos) break;
        start = semicolon + 1;
      }
    }
    isPattern = !isPattern;
    if (bar == std::string_view::npos) break;
    filter = filter.substr(bar + 1);
  }
  return patterns;
}

bool MatchesFilter(std::string_view fileName, const std::vector<std::string>& patterns) {
  const std::string name(fileName);
  for (const std::string& pattern : patterns) {
    if (pattern == "*.*" || fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
  }
  return false;
}

FolderListing ListFolder(const std::string& folder, const std::vector<std::string>& patterns) {
  FolderListing listing;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with(".")) continue;  // hidden, as the desktop hides them
    std::error_code statError;
    if (it->is_directory(statError)) {
      listing.folders.push_back(name);
    } else if (it->is_regular_file(statError) && MatchesFilter(name, patterns)) {
      listing.files.push_back(name);
    }
  }
  std::sort(listing.folders.begin(), listing.folders.end(), NameLess);
  std::sort(listing.files.begin(), listing.files.end(), NameLess);
  if (fs::path(folder).has_relative_path()) listing.folders.insert(listing.folders.begin(), "..");
  return listing;
}

std::optional<std::string> RunDrawnFileChooser(Platform& platform, const FileChooserRequest& request) {
  FileChooserView view(platform, request);
  if (RunModalLoop(platform, view, "file chooser") == ModalEnd::Cancelled) return std::nullopt;
  return view.Chosen();
}

std::optional<std::string> ChooseOpenFile(Platform& platform, const FileChooserRequest& request) {
  if (CloseIsPending(platform)) return std::nullopt;
  if (ModalHost* host = platform.Modals()) return host->ChooseFile(request);
  return RunDrawnFileChooser(platform, request);
}

}  // namespace dakto
