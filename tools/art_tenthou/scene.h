#pragma once

// The 10,000 room, drawn in layers so that every picture the game copies over the board
// can be cut from the same composition and always matches what lies around it.

#include <string_view>

#include "platform/geometry.h"
#include "tools/gfx/canvas.h"
#include "tools/gfx/color.h"
#include "tools/gfx/mask.h"

namespace dakto::tenthou::art {

// Colours shared by several layers.
inline constexpr gfx::Color kSlate = gfx::Rgb(24, 27, 33);        // score boxes and arrow sockets
inline constexpr gfx::Color kDigitInk = gfx::Rgb(255, 206, 102);  // score digits glowing in the slate
inline constexpr gfx::Color kLabelInk = gfx::Rgb(30, 22, 40);     // pane labels as the board shows them
inline constexpr gfx::Color kLabelLit = gfx::Rgb(222, 90, 8);     // a touched pane's glowing letters
inline constexpr gfx::Color kNameInk = gfx::Rgb(0, 0, 0);

// The room without the pane labels and the side controls: walls, floor, window glass and
// leads, cauldrons, score boxes, arrow sockets and name plates.
gfx::Canvas DrawRoom();

// The window's glass and leads, and the frosted sheet that the message panel shows.
void DrawWindow(gfx::Canvas& canvas);
void DrawFrostedSheet(gfx::Canvas& canvas);

// Every pane label, dark as on the board or faint as when the pane is touched.
void DrawPaneLabels(gfx::Canvas& canvas, bool highlighted);

// The column at the left edge: the return arrow, the help mark and the five controls
// off (released) or on (pressed).
void DrawSideControls(gfx::Canvas& canvas, bool lit);

// The cauldrons with their boxes, sockets and name plates.
void DrawCauldrons(gfx::Canvas& canvas);

// A blank die of the given frame, over the piece of board it covers.
gfx::Canvas DrawDieFrame(const gfx::Canvas& board, int die, int frame);

// One score digit in a box's slate, and the turn arrow in its socket.
gfx::Canvas DrawDigit(int digit);
gfx::Canvas DrawTurnArrow(const gfx::Canvas& board);

// The seamless stone tile for the area around the board.
gfx::Canvas DrawTile();

// Helpers shared by the layers.
gfx::PointF Centre(Point p);  // the centre of the pixel at p
gfx::Mask ClipToRect(gfx::Mask mask, Rect rect);
// The lines that cover a label's ink exactly (coverage above a trace), or an empty rect.
Rect InkBounds(const gfx::Mask& mask);

}  // namespace dakto::tenthou::art
