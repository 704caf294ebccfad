#include "platform/classic_look.h"

#include <algorithm>
#include <cmath>

namespace dakto::classic {
namespace {

void HLine(Painter& painter, int x, int y, int width, Rgb color) {
  painter.FillRect({x, y, width, 1}, color);
}

void VLine(Painter& painter, int x, int y, int height, Rgb color) {
  painter.FillRect({x, y, 1, height}, color);
}

// Two nested bevels: top-left colours first, bottom-right colours second, outer then inner.
void Bevel(Painter& painter, Rect box, Rgb outerTopLeft, Rgb outerBottomRight, Rgb innerTopLeft,
           Rgb innerBottomRight) {
  const int right = box.left + box.width - 1;
  const int bottom = box.top + box.height - 1;
  HLine(painter, box.left, box.top, box.width - 1, outerTopLeft);
  VLine(painter, box.left, box.top, box.height - 1, outerTopLeft);
  HLine(painter, box.left, bottom, box.width, outerBottomRight);
  VLine(painter, right, box.top, box.height, outerBottomRight);
  HLine(painter, box.left + 1, box.top + 1, box.width - 3, innerTopLeft);
  VLine(painter, box.left + 1, box.top + 1, box.height - 3, innerTopLeft);
  HLine(painter, box.left + 1, bottom - 1, box.width - 2, innerBottomRight);
  VLine(painter, right - 1, box.top + 1, box.height - 2, innerBottomRight);
}

Rgb Blend(Rgb a, Rgb b, double t) {
  auto mix = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
  return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

}  // namespace

const Font& DialogFont() {
  static const Font font(FontDescription{"MS Sans Serif", -11, 0, 400, false});
  return font;
}

const Font& CaptionFont() {
  static const Font font(FontDescription{"MS Sans Serif", -11, 0, 700, false});
  return font;
}

bool Contains(Rect box, Point point) {
  return point.x >= box.left && point.x < box.left + box.width && point.y >= box.top &&
         point.y < box.top + box.height;
}

void Label(Painter& painter, Point at, std::string_view text, Rgb color) {
  painter.Text(at, text, DialogFont(), color);
}

void DrawRaised(Painter& painter, Rect box) {
  Bevel(painter, box, kLight, kDarkShadow, kHighlight, kShadow);
}

void DrawSunken(Painter& painter, Rect box) {
  Bevel(painter, box, kShadow, kHighlight, kDarkShadow, kLight);
}

void DrawEtchedFrame(Painter& painter, Rect box) {
  const int right = box.left + box.width - 1;
  const int bottom = box.top + box.height - 1;
  // A grey line with a white one just below and right of it reads as a groove in the face.
  HLine(painter, box.left, box.top, box.width - 1, kShadow);
  VLine(painter, box.left, box.top, box.height - 1, kShadow);
  HLine(painter, box.left, bottom - 1, box.width - 1, kShadow);
  VLine(painter, right - 1, box.top, box.height - 1, kShadow);
  HLine(painter, box.left + 1, box.top + 1, box.width - 3, kHighlight);
  VLine(painter, box.left + 1, box.top + 1, box.height - 3, kHighlight);
  HLine(painter, box.left, bottom, box.width, kHighlight);
  VLine(painter, right, box.top, box.height, kHighlight);
}

Rect CloseBoxOf(Rect outer) {
  return {outer.left + outer.width - kBorder - 2 - 16, outer.top + kBorder + 2, 16, 14};
}

Rect DrawWindow(Painter& painter, Rect outer, const char* caption, bool closeBox) {
  painter.FillRect(outer, kFace);
  DrawRaised(painter, outer);
  Rect client{outer.left + kBorder, outer.top + kBorder, outer.width - 2 * kBorder,
              outer.height - 2 * kBorder};
  if (caption == nullptr) return client;
  const Rect bar{client.left, client.top, client.width, kCaptionHeight};
  for (int x = 0; x < bar.width; ++x) {
    VLine(painter, bar.left + x, bar.top, bar.height,
          Blend(kCaptionLeft, kCaptionRight, x / std::max(1.0, bar.width - 1.0)));
  }
  painter.Text({bar.left + 4, bar.top + (bar.height - CaptionFont().CellHeight()) / 2}, caption,
               CaptionFont(), kHighlight);
  if (closeBox) {
    const Rect box = CloseBoxOf(outer);
    painter.FillRect(box, kFace);
    DrawRaised(painter, box);
    // The cross, two pixels thick.
    for (int i = 0; i < 7; ++i) {
      painter.FillRect({box.left + 4 + i, box.top + 3 + i, 2, 1}, kText);
      painter.FillRect({box.left + 10 - i, box.top + 3 + i, 2, 1}, kText);
    }
  }
  client.top += kCaptionHeight + 1;
  client.height -= kCaptionHeight + 1;
  return client;
}

void DrawFocusRect(Painter& painter, Rect box) {
  const int right = box.left + box.width - 1;
  const int bottom = box.top + box.height - 1;
  for (int x = box.left; x <= right; x += 2) {
    painter.FillRect({x, box.top, 1, 1}, kText);
    painter.FillRect({x, bottom, 1, 1}, kText);
  }
  for (int y = box.top; y <= bottom; y += 2) {
    painter.FillRect({box.left, y, 1, 1}, kText);
    painter.FillRect({right, y, 1, 1}, kText);
  }
}

void DrawButton(Painter& painter, Rect box, std::string_view text, bool isDefault, bool focused,
                bool pressed) {
  painter.FillRect(box, kFace);
  Rect face = box;
  if (isDefault) {
    // The default button wears a black border around its bevel.
    painter.FillRect({box.left, box.top, box.width, 1}, kDarkShadow);
    painter.FillRect({box.left, box.top + box.height - 1, box.width, 1}, kDarkShadow);
    painter.FillRect({box.left, box.top, 1, box.height}, kDarkShadow);
    painter.FillRect({box.left + box.width - 1, box.top, 1, box.height}, kDarkShadow);
    face = {box.left + 1, box.top + 1, box.width - 2, box.height - 2};
  }
  if (pressed) {
    HLine(painter, face.left, face.top, face.width, kShadow);
    VLine(painter, face.left, face.top, face.height, kShadow);
    HLine(painter, face.left, face.top + face.height - 1, face.width, kShadow);
    VLine(painter, face.left + face.width - 1, face.top, face.height, kShadow);
  } else {
    DrawRaised(painter, face);
  }
  const Font& font = DialogFont();
  const int shift = pressed ? 1 : 0;
  const int x = face.left + (face.width - font.TextWidth(text)) / 2 + shift;
  const int y = face.top + (face.height - font.CellHeight()) / 2 + shift;
  Label(painter, {x, y}, text);
  if (focused) DrawFocusRect(painter, {face.left + 3, face.top + 3, face.width - 6, face.height - 6});
}

void DrawCheckBox(Painter& painter, Rect box, bool checked) {
  painter.FillRect(box, kWindow);
  DrawSunken(painter, box);
  if (!checked) return;
  // The tick: a short stroke down to the right, then a long one up, three pixels thick.
  constexpr int kDrop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i) VLine(painter, box.left + 3 + i, box.top + 3 + kDrop[i], 3, kText);
}

void DrawRadioButton(Painter& painter, Rect box, bool checked) {
  painter.FillEllipse(box, kShadow);
  painter.FillEllipse({box.left + 1, box.top + 1, box.width - 1, box.height - 1}, kHighlight);
  painter.FillEllipse({box.left + 1, box.top + 1, box.width - 2, box.height - 2}, kDarkShadow);
  painter.FillEllipse({box.left + 2, box.top + 2, box.width - 3, box.height - 3}, kLight);
  painter.FillEllipse({box.left + 2, box.top + 2, box.width - 4, box.height - 4}, kWindow);
  if (checked) painter.FillEllipse({box.left + 4, box.top + 4, box.width - 8, box.height - 8}, kText);
}

void DrawExclamation(Painter& painter, Point at) {
  // A rounded yellow triangle with a dark rim and a black "!".
  const Rgb rim{64, 48, 0};
  const Rgb yellow{255, 221, 0};
  for (int row = 0; row < 30; ++row) {
    const int half = 1 + row / 2;
    painter.FillRect({at.x + 16 - half, at.y + 1 + row, 2 * half, 1}, rim);
    if (row > 1 && row < 29) {
      painter.FillRect({at.x + 16 - half + 1, at.y + 1 + row, 2 * half - 2, 1}, yellow);
    }
  }
  painter.FillRect({at.x + 15, at.y + 9, 3, 12}, kText);
  painter.FillRect({at.x + 15, at.y + 24, 3, 3}, kText);
}

void DrawFolderIcon(Painter& painter, Point at) {
  const Rgb outline{96, 80, 0};
  const Rgb body{255, 214, 96};
  painter.FillRect({at.x, at.y + 2, 16, 11}, outline);
  painter.FillRect({at.x + 1, at.y, 6, 3}, outline);
  painter.FillRect({at.x + 1, at.y + 3, 14, 9}, body);
  painter.FillRect({at.x + 2, at.y + 1, 4, 2}, body);
}

}  // namespace dakto::classic
