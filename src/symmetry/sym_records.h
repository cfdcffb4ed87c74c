#pragma once
// The symmetry block of the drawing list: the Symmetry Item records (one per
// copy of the base cell) between two SYMMETRY CHG entries, followed by a Mark.
//
//   SymStart      (20091, -2)            opens the block
//   8 entries     Symmetry Item           per copy, group by group, base first
//   SymEnd        (20091, part)          closes it; part chosen at set-up
//   SymEnd + 1    (20092, 0)             Mark
#include <vector>

#include "model/drawing_list.h"
#include "symmetry/sym_state.h"

namespace orn {

constexpr float kSymItemCode = 20090.0f;
constexpr float kSymChangeCode = 20091.0f;
constexpr float kMarkCode = 20092.0f;
constexpr float kBeginDataCode = 20077.0f;
// G1 of the SYMMETRY CHG entry that opens the block.
constexpr float kSymBlockOpens = -2.0f;
// Entries in one Symmetry Item record.
constexpr int kSymItemLength = 8;

// One Symmetry Item record, as stored.
struct SymItem {
  int group = 1;        // 1..5; negative (-g) for the base copy of group g
  int copyNumber = 1;   // the copy's column in the set-up table (not read back)
  int RefGeo = 0;       // list index of the header of the copy's Geometric record
  float reflect = 0.0f; // 0, or -1 for a mirrored copy
  float P0x = 0, P0y = 0;
  float P1x = 0, P1y = 0;
  float handleX = 0, handleY = 0;
  float P2x = 0, P2y = 0;
};

// The record for set-up copy k (set-up layout of SymData): the corners from
// fields 3-6, the handle from 1-2, the apex ten times as far from (f9, f10) as
// (f7, f8) is, RefGeo and orientation from field 11, group from field 0.
SymItem MakeSymItem(const SymState& sym, int k);

// True when the entry's code is a Symmetry Item header (20090, or 20190 for
// one taken out of the picture).
bool IsSymItemHeader(float g0);

// Writes the 8 entries of item at list index `at`. False (nothing written)
// when they do not fit in the list's arrays.
bool PutSymItem(DrawingList& list, int at, const SymItem& item);

// Reads the record at `at`: false when it does not fit before `end`, its
// header or Begin Data entry is not that of a Symmetry Item, or a value is
// not a finite number.
bool GetSymItem(const DrawingList& list, int at, int end, SymItem& item);

// Number of list entries of a block of n copies, with its Mark.
constexpr int SymBlockLength(int n) { return 2 + kSymItemLength * n + 1; }

// Writes a whole block at `at`: the opening entry, the items, the closing
// entry holding `part`, then the Mark. Sets SymStart and SymEnd and clears
// SymTablesValid. False (nothing written) when it does not fit in the arrays
// or holds more than kMaxCopy + 1 copies. Does not move NumPoints.
bool WriteSymBlock(DrawingList& list, SymState& sym, int at, const std::vector<SymItem>& items,
                   int part);

// Reads the items of the block between SymStart and SymEnd. False when the
// block is damaged (the items read so far are kept in `items`).
bool ReadSymBlock(const DrawingList& list, const SymState& sym, std::vector<SymItem>& items);

}  // namespace orn
