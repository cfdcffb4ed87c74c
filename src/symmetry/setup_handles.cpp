#include "symmetry/setup_handles.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"
#include "symmetry/setup_capture.h"

namespace orn {

namespace {

constexpr float kBowlRadius = 4.0f;

struct Pt {
  float x = 0, y = 0;
};

Pt rotate(Pt p, Pt about, float angle, float radius) {
  Pt r;
  RotateAbout(p.x, p.y, about.x, about.y, r.x, r.y, angle, radius);
  return r;
}

// Restores the pen the caller had when the marks are drawn.
class PenGuard {
 public:
  explicit PenGuard(Surface& s)
      : s_(s), colour_(s.penColor()), width_(s.penWidth()), mode_(s.penMode()) {
    s.setPenWidth(1);
    s.setPenMode(PenMode::Copy);
  }
  ~PenGuard() {
    s_.setPenColor(colour_);
    s_.setPenWidth(width_);
    s_.setPenMode(mode_);
  }

 private:
  Surface& s_;
  Rgb colour_;
  int width_;
  PenMode mode_;
};

void line(Surface& s, Pt a, Pt b, Rgb c) {
  s.setPenColor(c);
  s.line(toPixel(a.x), toPixel(a.y), toPixel(b.x), toPixel(b.y));
}

// A disc of the fill colour with an outline: the letter's bowl.
void bowl(Surface& s, Pt h, Rgb fill, Rgb outline) {
  const int cx = toPixel(h.x), cy = toPixel(h.y);
  const int r = static_cast<int>(kBowlRadius);
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (dx * dx + dy * dy <= r * r) s.pset(cx + dx, cy + dy, fill);
  s.setPenColor(outline);
  s.circle(cx, cy, r);
}

void smallBox(Surface& s, Pt h, Rgb c) {
  s.setPenColor(c);
  s.box(toPixel(h.x - 1), toPixel(h.y - 1), toPixel(h.x + 1), toPixel(h.y + 1));
}

// The red handle of a free copy: a filled square that covers exactly the
// pixels a click hits it from.
void handleSquare(Surface& s, Pt h) {
  const int r = kHandleSquare;
  s.fillBox(toPixel(h.x) - r, toPixel(h.y) - r, toPixel(h.x) + r, toPixel(h.y) + r, kHandleRed);
}

// The stem of a letter: A lies 4 units from the handle along the edge (to the
// P0 side for 90 degrees, to the P1 side for 270), B 5 units from A towards
// the edge, C 10 units beyond A away from it. The stem is the line C-B.
void stem(Pt m, Pt h, float angle, Pt& b, Pt& c) {
  const Pt a = rotate(m, h, angle, 4);
  b = rotate(h, a, angle, 5);
  c = rotate(a, b, 0, 15);
}

void drawCopy(SymState& sym, Surface& s, int k, bool single) {
  const auto& f = sym.SymData[static_cast<std::size_t>(k)];
  const Pt m{(f[kEdgeP0x] + f[kEdgeP1x]) / 2, (f[kEdgeP0y] + f[kEdgeP1y]) / 2};
  const Pt h{f[kHandlePosX], f[kHandlePosY]};
  Pt b, c;
  const float group = f[kGroup];
  if (group != 0) {
    const int g = static_cast<int>(std::lround(std::fabs(group)));
    bowl(s, h, GroupColor(g), kBlack);
    stem(m, h, 90, b, c);
    if (f[kOrient] > 0) {
      line(s, c, b, kBlack);
    } else {
      line(s, c, b, kWhite);
      bowl(s, h, GroupColor(g), kBlack);
      stem(m, h, 270, b, c);
      line(s, c, b, kBlack);
    }
    if (group < 0) smallBox(s, h, kBaseDot);
    return;
  }
  if (single) {
    bowl(s, h, kWhite, kWhite);
    stem(m, h, 270, b, c);
    line(s, c, b, kWhite);
  }
  handleSquare(s, h);
}

void placeHandle(SymState& sym, int k) {
  auto& f = sym.SymData[static_cast<std::size_t>(k)];
  const Pt m{(f[kEdgeP0x] + f[kEdgeP1x]) / 2, (f[kEdgeP0y] + f[kEdgeP1y]) / 2};
  const Pt h = rotate({f[kEdgeP0x], f[kEdgeP0y]}, m, 90, kHandleOffset);
  f[kHandlePosX] = h.x;
  f[kHandlePosY] = h.y;
}

}  // namespace

void SymShowHandles(SymState& sym, Surface& canvas, int Which, bool recompute) {
  PenGuard pen(canvas);
  const int count = std::min(sym.SymCount, kMaxSetupCopies);
  if (Which == 0) {
    for (int c = 1; c <= count; ++c) {
      if (recompute) placeHandle(sym, c);
      drawCopy(sym, canvas, c, false);
    }
  } else if (Which >= 1 && Which <= count) {
    drawCopy(sym, canvas, Which, true);
  }
}

void MoveSetupCopies(SymState& sym, const std::function<void(float& x, float& y)>& map) {
  const int count = std::min(sym.SymCount, kMaxSetupCopies);
  for (int c = 1; c <= count; ++c) {
    auto& f = sym.SymData[static_cast<std::size_t>(c)];
    map(f[kEdgeP0x], f[kEdgeP0y]);
    map(f[kEdgeP1x], f[kEdgeP1y]);
    map(f[kCentreX], f[kCentreY]);
    DeriveEdgePoints(f);
    placeHandle(sym, c);
  }
}

int FindHandle(const SymState& sym, float x, float y) {
  const int count = std::min(sym.SymCount, kMaxSetupCopies);
  for (int c = 1; c <= count; ++c) {
    const auto& f = sym.SymData[static_cast<std::size_t>(c)];
    if (std::fabs(f[kHandlePosX] - x) < kHandleHit && std::fabs(f[kHandlePosY] - y) < kHandleHit)
      return c;
  }
  return 0;
}

HandleAction SymTestHandle(SetupState& setup, SymState& sym, Surface& canvas, Host& host,
                           int Button, int Shift, float X, float Y) {
  setup.HandleButton = Button;
  setup.HandleShift = Shift;
  setup.HandleX = X;
  setup.HandleY = Y;
  int c = FindHandle(sym, X, Y);
  if (c == 0) return HandleAction::Missed;

  const int g = std::clamp(setup.CurSymGroup, 1, kMaxGroups);
  if (setup.MovingBase) {
    // Another group's base stays where it is: that group would be left
    // without a base and its copies would fall into the wrong part.
    const float target = sym.SymData[static_cast<std::size_t>(c)][kGroup];
    if (target < 0 && target != static_cast<float>(-g)) {
      host.messageBox(kBaseClickText, MsgButtons::OK, MsgIcon::None, "");
      return HandleAction::MoveRefused;
    }
  }
  if (c > setup.SymActive) {
    setup.SymActive += 1;
    SwapSetupCopies(sym, c, setup.SymActive);
    c = setup.SymActive;
  }
  auto& f = sym.SymData[static_cast<std::size_t>(c)];

  if (!setup.MovingBase) {
    HandleAction action;
    if (f[kGroup] == 0) {
      f[kGroup] = static_cast<float>(g);
      if (++setup.GroupCounts[static_cast<std::size_t>(g)] == 1) f[kGroup] = static_cast<float>(-g);
      action = HandleAction::Joined;
    } else if (f[kGroup] < 0) {
      host.messageBox(kBaseClickText, MsgButtons::OK, MsgIcon::None, "");
      return HandleAction::BaseRefused;
    } else if (f[kOrient] > 0) {
      f[kOrient] = -f[kOrient];
      action = HandleAction::Mirrored;
    } else {
      f[kOrient] = std::fabs(f[kOrient]);
      f[kGroup] = 0;
      action = HandleAction::Left;
    }
    SymShowHandles(sym, canvas, c, false);
    return action;
  }

  setup.MovingBase = false;
  for (int k = 1; k <= std::min(sym.SymCount, kMaxSetupCopies); ++k) {
    auto& old = sym.SymData[static_cast<std::size_t>(k)];
    if (old[kGroup] == static_cast<float>(-g)) {
      old[kGroup] = static_cast<float>(g);
      SymShowHandles(sym, canvas, k, false);
    }
  }
  f[kGroup] = static_cast<float>(-g);
  f[kOrient] = std::fabs(f[kOrient]);
  SymShowHandles(sym, canvas, c, false);
  return HandleAction::BaseMoved;
}

}  // namespace orn
