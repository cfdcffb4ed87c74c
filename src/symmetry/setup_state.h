#pragma once
// The state of the symmetry set-up panel, beside the copy table that holds
// the set-up layout while the panel is up (SymState::SymData with
// GeoCapture != 0).
//
// Set-up layout of copy k (1..SymCount) of SymData:
//   0        group membership: 0 none, g member of group g, -g base of g
//   1, 2     match point: halfway between the edge's midpoint and the centre
//   3..6     the edge's ends P0 and P1
//   7, 8     the centre of the base shape the edge belongs to
//   9, 10    the edge's midpoint
//   11       +-(index of the shape's first point); positive = unmirrored 'b'
//   12, 13   handle position on the canvas
#include <array>
#include <string>

#include "platform/core/surface.h"

namespace orn {

// Fields of a copy in the set-up layout.
enum SetupField : int {
  kGroup = 0,
  kMatchX = 1, kMatchY = 2,
  kEdgeP0x = 3, kEdgeP0y = 4,
  kEdgeP1x = 5, kEdgeP1y = 6,
  kCentreX = 7, kCentreY = 8,
  kMidX = 9, kMidY = 10,
  kOrient = 11,
  kHandlePosX = 12, kHandlePosY = 13,
};

// Copies the set-up can hold (1..800; copy 0 is not used by the set-up).
constexpr int kMaxSetupCopies = 800;
// Groups 1..5; SymActive after an existing block was matched.
constexpr int kMaxGroups = 5;
constexpr int kSymActiveMatched = 1000;

// Back colours of the group choices 0 (none, white) and 1..5.
constexpr std::array<Rgb, kMaxGroups + 1> kGroupColors = {
    0xFFFFFF, 0x00FFFF, 0x00FF00, 0xFF0000, 0xFF00FF, 0x808080};

inline Rgb GroupColor(int g) {
  return (g >= 0 && g <= kMaxGroups) ? kGroupColors[static_cast<std::size_t>(g)] : kWhite;
}

// The help texts of the set-up.
inline constexpr const char* kSetupHelpText =
    "Click on red handles, 'b's and 'd's to set the symmetry of your picture";
inline constexpr const char* kMoveBaseHelpText =
    "Click a new base drawing location for this symmetry group.  The current base drawing "
    "location is indicated by a black dot inside one of the \"b\"s on the screen.";
inline constexpr const char* kBaseClickText =
    "You must use the Base button to move the black base handle dot to another \"b\" before you "
    "can change this \"b\"";
inline constexpr const char* kNoGeometryText =
    "You must have geometric shapes at the start of your drawing to set symmetry.";
inline constexpr const char* kTooManyEdgesText =
    "The base shapes have more than 800 edges; only the first 800 edges are used as copies.";

struct SetupState {
  // Copies 1..SymActive have been matched from records or touched by the
  // user, in that order; kSymActiveMatched after an existing block matched.
  int SymActive = 0;
  // Per group 1..5 the number of copies ever put into it during this set-up.
  std::array<int, kMaxGroups + 1> GroupCounts{};
  // The group being set up (1..5).
  int CurSymGroup = 1;
  // The part that is current when the picture opens (0 none, 1..5).
  int CurSymType = 0;
  // The "Initial Symmetry" choice is showing.
  bool SymInitialMode = false;
  // The "Base" button was pressed: the next handle click moves the base.
  bool MovingBase = false;
  // What the set-up hid and replaced, restored when it ends.
  bool SavedColorTools = false;
  std::string OldHelpText;
  // The last press handled, repeated by a double click.
  int HandleButton = 0;
  int HandleShift = 0;
  float HandleX = 0.0f;
  float HandleY = 0.0f;
  // Some group was written by the last OK.
  bool HasBaseGroup = false;
};

}  // namespace orn
