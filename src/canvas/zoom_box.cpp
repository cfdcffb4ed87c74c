#include "canvas/zoom_box.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"

namespace orn {

namespace {

// A handle is grabbed when the press lies closer than this on both axes.
constexpr float kGrabReach = 10.0f;
// Pen of the box outline and radius of the handle rings.
constexpr int kBoxPenWidth = 3;
constexpr int kHandleRadius = 3;
// Distances below this give the scaling no direction to follow.
constexpr double kTinyDistance = 1e-3;

double distance(const BoxPoint& a, double x, double y) { return std::hypot(x - a.x, y - a.y); }

// The rotation floored to a whole degree. The tolerance keeps a value that
// is a whole degree but came back from the radian round trip a hair below
// it from losing a degree on every event.
float wholeDegrees(float rot) {
  while (rot > kTwoPi) rot -= static_cast<float>(kTwoPi);
  while (rot < 0.0f) rot += static_cast<float>(kTwoPi);
  return DegToRad(std::floor(RadToDeg(rot) + 1e-3f));
}

void redrawBox(ZoomBoxState& b, BoxCanvas c) {
  ShowRotBox(b, c.surface, false, c.lineWidth);
  GeoRotate(b);
  ShowRotBox(b, c.surface, true, c.lineWidth);
}

void framePress(ZoomBoxState& b, BoxPointer& pointer, float X, float Y) {
  for (int h = 4; h <= kBoxCentre; ++h) {
    const BoxPoint& p = b.BoxPts[static_cast<std::size_t>(h)];
    if (std::fabs(p.x - X) >= kGrabReach || std::fabs(p.y - Y) >= kGrabReach) continue;
    b.GrabX = p.x;
    b.GrabY = p.y;
    const bool onHandle = pointer.LocateCursor(toPixel(p.x), toPixel(p.y));
    b.GrabDX = onHandle ? 0.0f : p.x - X;
    b.GrabDY = onHandle ? 0.0f : p.y - Y;
    b.GrabHandle = h;
    return;
  }
}

void frameMove(ZoomBoxState& b, BoxCanvas c, int Button, float X, float Y) {
  if (Button == 0) return;
  b.BoxChanged = true;
  if (b.GrabHandle == 0) return;
  const float mx = X + b.GrabDX;
  const float my = Y + b.GrabDY;
  const BoxPoint& centre = b.BoxPts[kBoxCentre];
  if (b.GrabHandle == kBoxCentre) {
    b.ViewOffX = mx - b.BoxRef[kBoxCentre].x;
    b.ViewOffY = my - b.BoxRef[kBoxCentre].y;
  } else {
    const BoxPoint& handle = b.BoxPts[static_cast<std::size_t>(b.GrabHandle)];
    if ((Button & 2) != 0) {
      b.ViewRot -= static_cast<float>(SweepAngle(centre.x, centre.y, handle.x, handle.y, mx, my));
      b.ViewRot = wholeDegrees(b.ViewRot);
    }
    const double dh = distance(centre, handle.x, handle.y);
    const double dm = distance(centre, mx, my);
    if (dh > kTinyDistance && dm > kTinyDistance)
      b.ViewInvScale = std::max(static_cast<float>(b.ViewInvScale * dm / dh), kMinBoxScale);
  }
  redrawBox(b, c);
}

BoxAction sizingEvent(ZoomBoxState& b, BoxCanvas c, BoxPointer& pointer, int Kind, int Button,
                      float X, float Y) {
  if (b.ZoomBoxKind == kBoxClickWait) {
    if (Kind != 0) return BoxAction::None;
    if (Button == 2) return BoxAction::Cancel;
    b.ZoomBoxKind = kBoxSizing;
    b.BoxMouseX = toPixel(X);
    b.BoxMouseY = toPixel(Y);
    b.LastX = X;
    b.LastY = Y;
    CalcBox(b, c.surface.width(), c.surface.height());
    b.ViewOffX = X - b.BoxRef[kBoxCentre].x;
    b.ViewOffY = Y - b.BoxRef[kBoxCentre].y;
    b.ViewInvScale *= 0.3f;
    GeoRotate(b);
    ShowRotBox(b, c.surface, true, c.lineWidth);
    return BoxAction::Started;
  }
  if (Kind == 0) {
    if (Button != 2) {
      b.BoxChanged = true;
      return BoxAction::Apply;
    }
    // Take the box away: the user may click another centre.
    ShowRotBox(b, c.surface, false, c.lineWidth);
    b.ZoomBoxKind = kBoxClickWait;
    return BoxAction::None;
  }
  // Moving up grows the box and moving down shrinks it, by 1 % a pixel,
  // measured from where the pointer was at the last event.
  if (X == b.LastX && Y == b.LastY) return BoxAction::None;
  const float f = ((b.LastY - Y) + 100.0f) / 100.0f;
  b.ViewInvScale = std::clamp(b.ViewInvScale * f, kMinBoxScale, kMaxSizingScale);
  if (pointer.LocateCursor(b.BoxMouseX, b.BoxMouseY)) {
    b.LastX = static_cast<float>(b.BoxMouseX);
    b.LastY = static_cast<float>(b.BoxMouseY);
  } else {
    b.LastX = X;
    b.LastY = Y;
  }
  redrawBox(b, c);
  return BoxAction::None;
}

}  // namespace

void CalcBox(ZoomBoxState& b, int sw, int sh) {
  b.ViewOffX = b.ViewOffY = b.ViewRot = 0.0f;
  b.ViewInvScale = 1.0f;
  const float r = static_cast<float>(sw - 1);
  const float d = static_cast<float>(sh - 1);
  b.BoxRef[0] = {0.0f, 0.0f};
  b.BoxRef[1] = {r, 0.0f};
  b.BoxRef[2] = {r, d};
  b.BoxRef[3] = {0.0f, d};
  const BoxPoint centre{sw / 2.0f, sh / 2.0f};
  b.BoxRef[kBoxCentre] = centre;
  for (std::size_t k = 0; k < 4; ++k)
    b.BoxRef[4 + k] = {(centre.x + b.BoxRef[k].x) / 2.0f, (centre.y + b.BoxRef[k].y) / 2.0f};
  b.BoxPts = b.BoxRef;
}

void GeoRotate(ZoomBoxState& b) {
  const BoxPoint centre = b.BoxRef[kBoxCentre];
  const double c = std::cos(b.ViewRot);
  const double s = std::sin(b.ViewRot);
  const double k = b.ViewInvScale;
  for (std::size_t i = 0; i < b.BoxRef.size(); ++i) {
    const double dx = b.BoxRef[i].x - centre.x;
    const double dy = b.BoxRef[i].y - centre.y;
    b.BoxPts[i].x = static_cast<float>((dx * c + dy * s) * k + b.ViewOffX + centre.x);
    b.BoxPts[i].y = static_cast<float>((dy * c - dx * s) * k + b.ViewOffY + centre.y);
  }
}

void DrawRotBox(ZoomBoxState& b, Surface& canvas, Rgb colour, int lineWidth) {
  canvas.setPenMode(PenMode::Xor);
  canvas.setPenWidth(kBoxPenWidth);
  const Rgb pen = canvas.penColor();
  auto line = [&](int from, int to) {
    const BoxPoint& p = b.BoxPts[static_cast<std::size_t>(from)];
    const BoxPoint& q = b.BoxPts[static_cast<std::size_t>(to)];
    canvas.line(toPixel(p.x), toPixel(p.y), toPixel(q.x), toPixel(q.y));
  };
  const bool frame = b.ZoomBoxKind <= kBoxFrame;
  canvas.setPenColor(frame ? kFrameOutline : kSizeOutline);
  line(1, 0);
  line(2, 1);
  line(3, 2);
  line(0, 3);
  if (frame) {
    line(5, 4);
    line(6, 5);
    line(7, 6);
    line(4, 7);
    canvas.setPenColor(colour);
    for (std::size_t h = 4; h <= kBoxCentre; ++h)
      canvas.circle(toPixel(b.BoxPts[h].x), toPixel(b.BoxPts[h].y), kHandleRadius);
  }
  canvas.setPenColor(pen);
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenWidth(lineWidth);
  b.BoxDrawn = !b.BoxDrawn;
}

void ShowRotBox(ZoomBoxState& b, Surface& canvas, bool on, int lineWidth) {
  if (b.BoxDrawn != on) DrawRotBox(b, canvas, kBoxHandleColour, lineWidth);
}

BoxAction CalcBoxDrag(ZoomBoxState& b, BoxCanvas canvas, BoxPointer& pointer, int Kind,
                      int Button, float X, float Y) {
  if (b.ZoomBoxKind > kBoxFrame) return sizingEvent(b, canvas, pointer, Kind, Button, X, Y);
  switch (Kind) {
    case 0:
      framePress(b, pointer, X, Y);
      break;
    case 1:
      frameMove(b, canvas, Button, X, Y);
      break;
    default:
      b.GrabHandle = 0;
      break;
  }
  return BoxAction::None;
}

}  // namespace orn
