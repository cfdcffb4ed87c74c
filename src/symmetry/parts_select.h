#pragma once
// Picture parts: choosing the part that drawing is replicated into, recorded
// in the drawing list so that a redraw replays the picture with the parts it
// was drawn with, and the two highlights of a part on the canvas.
#include "model/drawing_list.h"
#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"
#include "symmetry/sym_table.h"

namespace orn {

constexpr Rgb kPartHighlight = 0xFFFF00;  // cyan
constexpr Rgb kYellow = 0x00FFFF;

struct SelectPartResult {
  bool done = false;        // false: the index was out of range or the list is full
  SymRebuild tables = SymRebuild::NoBlock;  // what CheckSymData found
};

// Makes part `index` (0..5) current and records the change at the end of the
// list: a SYMMETRY CHG entry (20091, 100 x old part + new part) before a new
// end marker. A change entry that stands just before the end marker replaces
// itself (so several choices in a row leave one entry), but never the closing
// entry of the symmetry block. No record may be open (the caller closes it).
// Then BaseCopy and LastCopy follow the part (CheckSymData).
SelectPartResult SelectPart(DrawingList& list, SymState& sym, int index);

// The outline and centre of the current part's reference shape, when it is a
// Geometric record that lies inside the list: outline points first..last - 1,
// centre at last. False when the part, its copies or its RefGeo cannot be
// trusted (nothing is then drawn).
bool PartReferenceShape(const DrawingList& list, const SymState& sym, int& first, int& last);

// Index 0: toggles the press highlight of the current part (cyan boxes at the
// handles of its copies and its reference outline 5 wide, drawn with the XOR
// pen, so a second call takes it away). Any other index: paints the part's
// base shape yellow (outline black, a fill of the base cell from its centre,
// outline white). Nothing when no part is selected or the part is unusable.
// The canvas's pen is restored afterwards.
void ShowSymme(SymState& sym, DrawContext& ctx, const DrawingList& list, int Index);

}  // namespace orn
