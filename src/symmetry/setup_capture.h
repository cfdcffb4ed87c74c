#pragma once
// Turning the edges of the Geometric base shapes into set-up copies, matching
// an existing symmetry block to them, and clearing the groups.
#include <array>
#include <span>

#include "model/drawing_list.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_state.h"

namespace orn {

// Records the edge from point i - 1 to point i of the Geometric record whose
// points are X/Y[first..last] (last = its centre) as set-up copy SymCount + 1.
// When the table is full nothing is recorded and CaptureOverflow is set.
// Returns true when the edge was recorded.
bool CaptureEdge(SymState& sym, std::span<const float> X, std::span<const float> Y, int i,
                 int first, int last);

// Sets a copy's edge midpoint and its match point (halfway between the
// midpoint and the centre) from its edge ends and centre.
void DeriveEdgePoints(std::array<float, kSymFields>& f);

// The leading run of Geometric records (code exactly 20006) from index 0:
// the index one past its last entry, or 0 when the list does not start with
// one. Frames are checked, so a damaged offset ends the run.
int GeometricRunEnd(const DrawingList& list);

// Captures every edge of the leading Geometric run as set-up copies 1..,
// from scratch (SymCount starts at 0). Returns the number captured; more than
// 800 edges leave the first 800 and set CaptureOverflow.
int CaptureLeadingShapes(SymState& sym, const DrawingList& list);

// Restores groups, base marks and mirroring from the block between SymStart
// and SymEnd: the copy whose match point lies within 0.001 of a record's
// handle entry moves to the front (SymActive) and takes that record's group;
// every record counts for its group in GroupCounts. Returns false when the
// block is damaged (a record that is not a Symmetry Item, or a group number
// outside 1..5): matching stops there, with what was matched kept.
bool MatchSymRecords(SetupState& setup, SymState& sym, const DrawingList& list);

// Swaps all fields of set-up copies a and b.
void SwapSetupCopies(SymState& sym, int a, int b);

// "Clear": every copy in no group and unmirrored, the group counts of groups
// 1..5 zero, nothing active.
void SymClear(SetupState& setup, SymState& sym);

// How many group choices the panel offers: choices 1..n are shown. Group 1
// always; group 2 too when a second part label is showing; all five with the
// geometry numbers shown.
int OfferedGroupChoices(bool ShowGeoNumbers, bool secondPartLabelVisible);

}  // namespace orn
