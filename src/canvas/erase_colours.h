#pragma once
// Erasing all colour from a picture: every PAINT record leaves the drawing
// list and the records around them move down unchanged. The command that
// asks and redraws is ColourTools::EraseC.
#include "model/drawing_list.h"
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

// Sets every recorded part change (SYMMETRY CHG entry) with a positive part
// to 0; the entry that opens the symmetry block (-2) stays. True when one
// changed.
bool ResetSymmetryChanges(DrawingList& list);

}  // namespace orn
