#pragma once
// The zoom box: a frame laid over the canvas that the user moves, scales and
// (in the rotatable kind) turns in whole degrees; applying it makes the part
// of the picture inside it fill the canvas (see zoom_views.h).
//
// The box is nine points of the canvas rectangle (corners 0-3, inner handles
// 4-7 halfway between the centre and each corner, centre 8), taken through
// the box's offset, rotation and scale. Only the inner handles and the
// centre can be grabbed.
//
// Two kinds: the rotatable frame (ZoomBoxKind 0), dragged by its handles,
// and the click-and-size box (1 waiting for the centre click, 2 being sized
// by moving the mouse up and down while the pointer is held in place).
// Where the desktop cannot move the pointer, both work from the relative
// motion of the mouse instead.
#include <array>

#include "platform/core/surface.h"

namespace orn {

constexpr int kBoxFrame = 0;      // rotatable frame with the fine-tuning panel
constexpr int kBoxClickWait = 1;  // click-and-size: waiting for the centre click
constexpr int kBoxSizing = 2;     // click-and-size: being sized

constexpr int kBoxCentre = 8;
// Colour of the handle rings; the outline is kFrameOutline or kSizeOutline.
constexpr Rgb kBoxHandleColour = 0xFFFF00;
constexpr Rgb kFrameOutline = 0xFF00FF;
constexpr Rgb kSizeOutline = 0x00FF00;

// The box's size as a fraction of the canvas never leaves these bounds: it
// never collapses to a point, and the click-and-size box never grows past
// twice the canvas.
constexpr float kMinBoxScale = 0.01f;
constexpr float kMaxSizingScale = 2.0f;

struct BoxPoint {
  float x = 0.0f;
  float y = 0.0f;
};

struct ZoomBoxState {
  // The box's reference points (the canvas rectangle) and the same points
  // after offset, rotation and scale: what is drawn and hit-tested.
  std::array<BoxPoint, kBoxCentre + 1> BoxRef{};
  std::array<BoxPoint, kBoxCentre + 1> BoxPts{};
  // Offset of the box centre from the canvas centre, rotation in radians
  // (on whole degrees, 0 to 2 pi) and size as a fraction of the canvas.
  float ViewOffX = 0.0f;
  float ViewOffY = 0.0f;
  float ViewRot = 0.0f;
  float ViewInvScale = 1.0f;

  // The handle being dragged (4 to 8; 0 none) and where it stood at the press.
  int GrabHandle = 0;
  float GrabX = 0.0f;
  float GrabY = 0.0f;
  // The grabbed handle's offset from the mouse: 0 when the pointer was put
  // on the handle, the distance at the press where it could not be.
  float GrabDX = 0.0f;
  float GrabDY = 0.0f;

  // The zoom-box mode owns the canvas's mouse events.
  bool ZoomBoxMode = false;
  int ZoomBoxKind = kBoxClickWait;
  // Where the click-and-size box was centred; the pointer is held there.
  int BoxMouseX = 0;
  int BoxMouseY = 0;
  // Where the pointer was at the last sizing event: the held point, or the
  // mouse itself where the pointer cannot be moved.
  float LastX = 0.0f;
  float LastY = 0.0f;
  // The box was moved, scaled or turned since the last applied view.
  bool BoxChanged = false;
  // The box stands on the canvas: it has been drawn once more than erased
  // since the canvas was last cleared.
  bool BoxDrawn = false;
};

// Resets the box to the whole canvas of sw x sh pixels.
void CalcBox(ZoomBoxState& b, int sw, int sh);
// Recomputes BoxPts from BoxRef and the offset, rotation and scale.
void GeoRotate(ZoomBoxState& b);

// Draws the box with the exclusive-or pen; drawing it again with the same
// state erases it. Each call flips BoxDrawn. The canvas is left in the copy
// pen with `lineWidth`.
void DrawRotBox(ZoomBoxState& b, Surface& canvas, Rgb colour, int lineWidth);
// Puts the box on the canvas (on) or takes it off, unless it already is.
void ShowRotBox(ZoomBoxState& b, Surface& canvas, bool on, int lineWidth);

// What the zoom box needs of the desktop while it is dragged.
class BoxPointer {
 public:
  virtual ~BoxPointer() = default;
  // Moves the mouse pointer onto the canvas point (x, y); false where the
  // desktop does not let a program move it.
  virtual bool LocateCursor(int x, int y) = 0;
};

// What a mouse event asks of the zoom-box mode beyond the box itself.
enum class BoxAction {
  None,     // nothing, or only the box on the canvas changed
  Started,  // the click-and-size box was centred: the canvas takes the drawing cursor
  Cancel,   // a right press on the waiting click-and-size box: leave the mode
  Apply,    // the second left press on the sized box: apply it
};

// The canvas on which the box is drawn, and the pen width to return to.
struct BoxCanvas {
  Surface& surface;
  int lineWidth = 1;
};

// One mouse event in the zoom-box mode: Kind 0 press (a double click comes
// as a press), 1 move, 2 release; Button 1 left, 2 right (for a move, the
// buttons held; 0 none).
BoxAction CalcBoxDrag(ZoomBoxState& b, BoxCanvas canvas, BoxPointer& pointer, int Kind,
                      int Button, float X, float Y);

}  // namespace orn
