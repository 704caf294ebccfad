// The leaded window: twelve frosted panes lit by the moon behind them, drawn from the same
// outlines that answer the clicks, with the lead came along every edge.

#include <algorithm>
#include <cmath>
#include <vector>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/scene.h"
#include "tools/gfx/effects.h"
#include "tools/gfx/noise.h"
#include "tools/gfx/paint.h"
#include "tools/gfx/text.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

constexpr PointF kMoon = {462, 60};
constexpr Rect kGlassArea = {151, 38, 343, 138};  // inside the iron frame

// Pale stained tints, one per pane in region order, so neighbours differ.
constexpr Color kPaneTints[12] = {
    Rgb(168, 194, 232),  // Straight
    Rgb(200, 186, 230),  // 3 Pairs
    Rgb(236, 220, 170),  // 111
    Rgb(232, 200, 210),  // 666
    Rgb(170, 216, 210),  // 555
    Rgb(226, 204, 160),  // 444
    Rgb(180, 212, 176),  // 333
    Rgb(182, 196, 236),  // 222
    Rgb(230, 186, 196),  // 1
    Rgb(206, 190, 230),  // 5
    Rgb(238, 210, 150),  // Roll
    Rgb(172, 206, 224),  // Pass
};

std::vector<PointF> PaneOutlineF(const PaneOutline& pane) {
  std::vector<PointF> points;
  for (Point p : pane.points) points.push_back(Centre(p));
  return points;
}

// The light that comes through frosted glass: brightest around the moon, a little
// brighter toward the top of the window, rippled by the old glass.
float GlassLight(double x, double y, const Noise& frost, const Noise& ripple) {
  const double d = std::hypot(x - kMoon.x, (y - kMoon.y) * 1.2);
  // The moon itself shows as a soft disc, its halo spreading over the neighbouring panes.
  const double disc = std::clamp((21.0 - d) / 6.0, 0.0, 1.0);
  const double moon = 0.45 * std::exp(-d * d / (2 * 80.0 * 80.0)) + 0.3 * disc;
  const double sky = 0.82 + 0.1 * (1 - (y - 38) / 138.0);
  const double f = frost.Fractal(x / 7.0, y / 7.0, 4, 0.6) - 0.5;
  const double r = ripple.Value(x / 30.0, y / 4.0) - 0.5;
  return static_cast<float>(sky + moon + 0.2 * f + 0.1 * r);
}

void DrawPaneGlass(Canvas& canvas, const PaneOutline& pane, Color tint, int index) {
  const Size size = canvas.GetSize();
  const std::vector<PointF> outline = PaneOutlineF(pane);
  const Mask glass = PolygonMask(size, outline);
  const Noise frost(100 + index);
  const Noise ripple(200 + index);
  canvas.Fill(glass, [&](double x, double y) {
    const float k = GlassLight(x, y, frost, ripple);
    Color c = Shade(tint, std::min(k, 1.25f));
    // Where the light is strongest the glass goes white, as frosted glass does.
    const float over = std::max(0.0f, k - 1.0f);
    return Mix(c, Rgb(255, 252, 240), std::min(0.45f, over * 1.2f));
  });
  // The glass is a little darker where it sits in the lead.
  InnerShadow(canvas, glass, 0, 0, 3.0f, Rgb(20, 24, 60, 0.45f));
}

// Lead came: a rounded dark strip on every edge, with a dull sheen along its top.
void DrawCame(Canvas& canvas, const PaneOutline& pane) {
  const Size size = canvas.GetSize();
  const std::vector<PointF> outline = PaneOutlineF(pane);
  const Mask came = PolylineMask(size, outline, 3.4, true);
  canvas.Fill(came, Rgb(46, 48, 58));
  std::vector<PointF> sheenLine;
  for (PointF p : outline) sheenLine.push_back({p.x - 0.6, p.y - 0.6});
  Mask sheen = PolylineMask(size, sheenLine, 1.0, true);
  canvas.Fill(sheen, Rgb(150, 156, 176, 0.45f));
}

void DrawIronFrame(Canvas& canvas) {
  const Size size = canvas.GetSize();
  Mask frame = RectMask(size, ToRectF(kPanelRect));
  frame.Subtract(RectMask(size, ToRectF(kGlassArea)));
  canvas.Fill(frame, Rgb(40, 40, 46));
  Bevel(canvas, frame, 1.5f, Rgb(190, 196, 220, 0.5f), Rgb(0, 0, 0, 0.6f));
}

// The leads between the panes: dark, with a faint texture of old metal.
void DrawLeadGround(Canvas& canvas) {
  const Noise metal(300);
  canvas.FillRect(kGlassArea, [&](double x, double y) {
    const float n = static_cast<float>(metal.Fractal(x / 3.0, y / 3.0, 3));
    return Mix(Rgb(34, 36, 44), Rgb(62, 64, 76), n);
  });
}

struct FittedLabel {
  Font font;
  int x;
  int y;
};

// The largest bold serif whose ink fits the label's place with a pixel to spare, centred.
FittedLabel FitLabel(const PaneLabel& label) {
  const Rect r = label.rect;
  for (int pixels = 40; pixels >= 6; --pixels) {
    Font font(FontFace::SerifBold, pixels);
    const Size probe = {font.Width(label.label) + 8, font.LineHeight() + 8};
    const Rect ink = InkBounds(font.Render(probe, label.label, 4, 4));
    if (ink.IsEmpty()) continue;
    if (ink.width > r.width - 2 || ink.height > r.height - 2) continue;
    const int x = r.left + (r.width - ink.width) / 2 - (ink.left - 4);
    const int y = r.top + (r.height - ink.height) / 2 - (ink.top - 4);
    return {std::move(font), x, y};
  }
  return {Font(FontFace::SerifBold, 6), r.left, r.top};
}

}  // namespace

void DrawWindow(Canvas& canvas) {
  DrawIronFrame(canvas);
  DrawLeadGround(canvas);
  for (size_t i = 0; i < kPaneOutlines.size(); ++i)
    DrawPaneGlass(canvas, kPaneOutlines[i], kPaneTints[i], int(i));
  for (const PaneOutline& pane : kPaneOutlines) DrawCame(canvas, pane);
}

void DrawFrostedSheet(Canvas& canvas) {
  const Size size = canvas.GetSize();
  const Noise frost(400);
  const Noise ripple(401);
  const Mask sheet = RectMask(size, ToRectF(kGlassArea));
  canvas.Fill(sheet, [&](double x, double y) {
    const float k = GlassLight(x, y, frost, ripple);
    // Much paler than the panes, so the panel's black lines read easily.
    return Mix(Rgb(206, 214, 232), Rgb(250, 250, 246), std::clamp((k - 0.75f) * 0.9f, 0.0f, 1.0f));
  });
  InnerShadow(canvas, sheet, 1, 2, 4.0f, Rgb(20, 24, 60, 0.55f));
}

void DrawPaneLabels(Canvas& canvas, bool highlighted) {
  const Size size = canvas.GetSize();
  for (const PaneLabel& label : kPaneLabels) {
    const FittedLabel fit = FitLabel(label);
    const Mask ink = ClipToRect(fit.font.Render(size, label.label, fit.x, fit.y), label.rect);
    if (highlighted) {
      // Letters of warm light, as if the pane glowed where it was touched.
      const Rect inner = {label.rect.left + 1, label.rect.top + 1, label.rect.width - 2,
                          label.rect.height - 2};
      canvas.Fill(ClipToRect(ink.Dilated(0.8f).Blurred(1.2f), inner), Rgb(255, 250, 220, 0.7f));
      canvas.Fill(ink, kLabelLit);
    } else {
      // Dark letters stained into the glass, with a pale edge below them.
      canvas.Fill(ClipToRect(ink.Shifted(1, 1), label.rect), Rgb(255, 255, 245, 0.35f));
      canvas.Fill(ink, kLabelInk);
    }
  }
}

}  // namespace dakto::tenthou::art
