#pragma once

#include <string_view>

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/painter.h"

namespace dakto::classic {

// The grey three-dimensional look of the classic desktop's dialogs.
inline constexpr Rgb kFace{192, 192, 192};
inline constexpr Rgb kLight{223, 223, 223};
inline constexpr Rgb kHighlight{255, 255, 255};
inline constexpr Rgb kShadow{128, 128, 128};
inline constexpr Rgb kDarkShadow{0, 0, 0};
inline constexpr Rgb kText{0, 0, 0};
inline constexpr Rgb kWindow{255, 255, 255};
inline constexpr Rgb kSelection{0, 0, 128};
inline constexpr Rgb kCaptionLeft{0, 0, 128};
inline constexpr Rgb kCaptionRight{16, 132, 208};

inline constexpr int kCaptionHeight = 18;
inline constexpr int kBorder = 3;

// The fonts of dialogs: MS Sans Serif 8 and its bold for captions.
const Font& DialogFont();
const Font& CaptionFont();

// Text drawn over the face colour at its cell's top-left corner.
void Label(Painter& painter, Point at, std::string_view text, Rgb color = kText);
// A window frame with a caption bar (none when `caption` is null); returns the client area.
Rect DrawWindow(Painter& painter, Rect outer, const char* caption, bool closeBox);
// The close box of a caption bar for a window whose outer rectangle is `outer`.
Rect CloseBoxOf(Rect outer);
void DrawRaised(Painter& painter, Rect box);
void DrawSunken(Painter& painter, Rect box);
void DrawEtchedFrame(Painter& painter, Rect box);
void DrawButton(Painter& painter, Rect box, std::string_view text, bool isDefault, bool focused,
                bool pressed);
void DrawCheckBox(Painter& painter, Rect box, bool checked);
void DrawRadioButton(Painter& painter, Rect box, bool checked);
void DrawFocusRect(Painter& painter, Rect box);
// The yellow warning triangle, 32 x 32.
void DrawExclamation(Painter& painter, Point at);
// A small closed folder, 16 x 13, for the file chooser.
void DrawFolderIcon(Painter& painter, Point at);

bool Contains(Rect box, Point point);

}  // namespace dakto::classic
