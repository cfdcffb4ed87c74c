#pragma once
// Accepting a symmetry set-up: the set-up layout of the copy table becomes the
// picture's symmetry block (one Symmetry Item record per copy in a group,
// group by group, each group's base first), replacing the old block, with the
// rest of the drawing kept behind it unchanged.
#include <array>
#include <optional>
#include <vector>

#include "model/drawing_list.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_state.h"

namespace orn {

enum class AcceptResult {
  Written,    // the block was written (or, with no group, removed)
  TooLong,    // the new list would pass the entry limit; nothing changed
  NoGeometry, // the list does not start with base shapes; nothing changed
};

struct AcceptOutcome {
  AcceptResult result = AcceptResult::Written;
  // Groups written, each with the list index of its base copy's Geometric
  // record (for the part's view) and whether its label is to be shown.
  std::array<bool, kMaxGroups + 1> partShown{};
  std::array<int, kMaxGroups + 1> partRefGeo{};
};

// The copies of set-up group g in the order they are written: its base copy
// first, then its members by copy number. A group with members but no base
// has its lowest member made the base (the group's orientations flipped
// when that member was mirrored); a second base is written as a member.
// Empty for a group with no copies.
std::vector<int> GroupWriteOrder(SymState& sym, int g);

// Writes the block. Copies of every group that has copies are written; groups
// without copies are skipped and get no part label. The rest of the drawing
// (after the old block, or after the base shapes) is held in memory and put
// back behind the block's Mark entry unchanged, a Mark at its start merging
// into the block's. With no group written, no block remains and a Mark follows
// the base shapes. On success SymStart/SymEnd, CurPart (= CurSymType when a
// group was written, else 0), HasBaseGroup and the list's indexes are set and
// the symmetry tables are marked out of date; GeoCapture becomes 0.
AcceptOutcome AcceptSymmetry(SetupState& setup, SymState& sym, DrawingList& list);

// The frame that makes the base shapes fill the canvas: the box of the points
// of the leading Geometric run, widened by a twentieth on each side and, when
// the canvas is relatively wider, widened in x to the canvas's proportions.
// Columns 0-5 of a view row (three corners). Empty when the box has no width
// or no height, or the list has no base shapes.
std::optional<std::array<float, 6>> SymRangeFrame(const DrawingList& list, int canvasWidth,
                                                   int canvasHeight);

}  // namespace orn
