#pragma once
// Reading and rebuilding the standard colours file "Standard.Clr" of the
// program folder.
#include <filesystem>

#include "colour/colour_state.h"

namespace orn {

class Host;
struct DrawingList;

// Reads the folder's "Standard.Clr" into `state.ColorTable` (with the
// near-black rule). A missing, short or long file gives the built-in table
// instead, and the first such fall-back of the run is reported once through
// the host's message box. True when the file was read.
bool ReadStandardColors(ColourState& state, const std::filesystem::path& folder, Host& host);

// Takes the fills of a colour-chart picture into the colour table: each
// fill's seed point names a cell of the chart, its colour entry the colour.
// Cells that no fill names keep their colours; a later fill of a cell wins.
void RebuildColorTableFromChart(const DrawingList& list, ColourTable& table);

// Rebuilds the table from the chart picture in `list`, writes it to the
// folder's "Standard.Clr" and says so. Throws std::runtime_error when the
// file cannot be written or there is no folder (empty `dataFolder`); the
// table in memory keeps the chart's colours.
void SaveStandardColors(const DrawingList& list, ColourState& state,
                        const std::filesystem::path& dataFolder, Host& host);

}  // namespace orn
