#pragma once
// The set-up handles: one mark per copy beside the midpoint of its edge. A
// copy in no group shows a small red square; a copy in a group shows a
// letter in the group's colour, 'b' when unmirrored and 'd' when mirrored,
// and the group's base copy carries a dark dot inside its letter.
#include <functional>

#include "platform/core/host.h"
#include "platform/core/surface.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_state.h"

namespace orn {

constexpr Rgb kHandleRed = 0x0000FF;
constexpr Rgb kBaseDot = 0x800000;
// Distance of the handle from the edge's midpoint, and the hit tolerance.
constexpr float kHandleOffset = 6.0f;
constexpr float kHandleHit = 3.0f;
// The red handle reaches this many pixels from its centre each way: a
// filled 5 x 5 square, every pixel of which is within the hit tolerance.
constexpr int kHandleSquare = 2;

// Draws the mark of copy Which, or of every copy 1..SymCount when Which is 0.
// With recompute (the set-up is being entered) each handle position is first
// placed 6 units from its edge's midpoint, perpendicular to the edge on the
// side of the shape. The surface's pen is restored afterwards.
void SymShowHandles(SymState& sym, Surface& canvas, int Which, bool recompute);

// Moves every copy of the set-up with the picture when a view change has
// rewritten the picture's points (the window was resized): `map` takes a
// canvas point to its new place. The edge ends and the centre are mapped as
// the picture's points were, so they stay on the base shapes; the midpoint and
// the match point follow from them, and each handle is placed again beside
// its edge, the marks keeping their size. Nothing is drawn.
void MoveSetupCopies(SymState& sym, const std::function<void(float& x, float& y)>& map);

// The first copy whose handle lies within the tolerance of (x, y), or 0.
int FindHandle(const SymState& sym, float x, float y);

enum class HandleAction {
  Missed,         // no handle there; nothing changed
  Joined,         // a free copy joined the current group (as its base if first)
  Mirrored,       // a member turned from 'b' into 'd'
  Left,           // a mirrored member left its group
  BaseRefused,    // a click on a base copy; the message was shown
  BaseMoved,      // the base of the current group moved to the copy
  MoveRefused,    // the base cannot move onto another group's base
};

// A press on the canvas during the set-up. The touched copy moves to the
// front (SymActive) and then changes as HandleAction says; its mark is
// redrawn on the canvas. After BaseMoved the caller shows the panel again,
// clears the yellow base highlight and redraws the picture in full.
HandleAction SymTestHandle(SetupState& setup, SymState& sym, Surface& canvas, Host& host,
                           int Button, int Shift, float X, float Y);

}  // namespace orn
