#pragma once
// Erasing all colour from a picture: every PAINT record leaves the drawing
// list, the records around them move down unchanged, and the colours in use
// are emptied.
#include "colour/colour_state.h"
#include "model/drawing_list.h"
#include "model/list_edit.h"
#include "platform/core/host.h"
#include "symmetry/sym_state.h"

namespace orn {

inline constexpr const char* kEraseColoursQuestion = "Are you sure?";
inline constexpr const char* kEraseColoursTitle = "Erase All Color From Picture";

// Removes every PAINT record (header 20010) from the list; records taken out
// of the picture (20110) stay. Every other entry moves down unchanged, and
// the indexes that name entries follow them: NumPoints, ItemHead, ItemFirst,
// SymStart, SymEnd and the reference to its Geometric record that each
// Symmetry Item holds. A frame that does not fit the list ends the search:
// it and everything after it are kept. The entries freed at the end are
// (0, 0). Returns the number of entries removed.
int RemovePaintRecords(DrawingList& list, SymState& sym);

// What EraseC works on. `hooks` closes an open record the way a double click
// does and redraws the picture.
struct EraseEnv {
  DrawingList& list;
  SymState& sym;
  ColourState& colour;
  Host& host;
  ListEditHooks& hooks;
};

// Erases all colour from the picture. Unless SilentErase is set it first asks
// kEraseColoursQuestion (OK / Cancel) and stops unless OK. Then it packs
// pending deletions, closes an open record, removes the PAINT records,
// empties the colours in use and, unless SilentErase is set, redraws.
// Returns false when the user declined.
bool EraseC(EraseEnv& e, bool SilentErase);

}  // namespace orn
