#pragma once
// Editing the drawing list as a whole: packing away deleted entries, splitting
// a Poly Line around an erased run, duplicating a picked shape, and setting a
// Mark and cutting the list back to it.
//
// The list work is done here; what the canvas must do around it (erase point
// boxes, draw a new piece, close an open record the way a double click does,
// redraw the picture) goes through ListEditHooks, which the canvas fills in.
#include <cstdint>

#include "model/drawing_list.h"

namespace orn {

// The pick state of the editing tools. The mouse engine owns one.
struct PickState {
  // The picked entry and the header, first point, last entry and type of its
  // record.
  std::int16_t HitIndex = 0;
  std::int16_t HitHeader = 0;
  std::int16_t HitBegin = 0;
  std::int16_t HitEnd = 0;
  std::int16_t HitType = 0;
  // The two points picked by the Erase Lines tool, in either order.
  std::int16_t SplitPick1 = 0;
  std::int16_t SplitPick2 = 0;
  // Header of the record last duplicated.
  std::int16_t DupIndex = 0;
};

// What list editing asks of the canvas. Every hook has a default that keeps
// the list sound without drawing anything.
class ListEditHooks {
 public:
  virtual ~ListEditHooks() = default;
  // Erases the small point box around (x, y) (drawn in the background colour).
  virtual void erasePointBox(float /*x*/, float /*y*/) {}
  // Draws the open record's points from..to in black, as a connected line.
  virtual void plotPiece(const DrawingList& /*list*/, int /*from*/, int /*to*/) {}
  // A new record was opened: the canvas shows its drawing cursor.
  virtual void setDrawCursor() {}
  // Closes the open record as a double click on the canvas does. The default
  // closes it in the list alone.
  virtual void closeOpenRecord(DrawingList& list) { list.closeRecord(); }
  // Redraws the whole picture.
  virtual void drawAll() {}
};

// Compacts the list from the record that holds PackFrom to the end: entries
// marked deleted (-7777) go, records left without a point are dropped, and
// each surviving record's "Begin Data" offset is brought up to date. Single
// entries (symmetry changes, Marks) move down unchanged. PackFrom becomes 0.
// An open record stays open (packed). A frame that does not fit the list ends
// the compaction: the rest is moved down unchanged and false is returned.
bool PackBad(DrawingList& list);

// Splits the Poly Line that holds both erase picks into a piece before the
// picked run and a piece after it, each a new Poly Line at the end of the
// list with the split record's parameter slot; the split record itself is
// left as it is. False, with the list unchanged, when the picks are not in one
// record, a record is open, or the pieces would pass the entry limit.
bool SplitRun(DrawingList& list, const PickState& pick, ListEditHooks& hooks);

// Appends a copy of the picked record (HitHeader to HitEnd) after the last
// record, growing the arrays as needed, and moves the pick to the copy.
// False, with the list and the pick unchanged, when the pick is not a whole
// record of the list, a record is open or the copy would pass the entry limit.
bool DupShapes(DrawingList& list, PickState& pick);

// The Mark command: packs pending deletions, closes an open record, and puts
// a Mark (20092, 0) where the end marker was, with the end marker after it.
// False when the Mark would pass the entry limit (the packing and closing
// have been done).
bool Mark(DrawingList& list, ListEditHooks& hooks);

// The Undo to Mark command: packs pending deletions, closes an open record,
// then cuts the list back to just after the last Mark and redraws. Returns
// true when a Mark was found (the list was cut back to it).
bool UndoToMark(DrawingList& list, ListEditHooks& hooks);

}  // namespace orn
