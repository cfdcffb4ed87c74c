#pragma once
// Listings of the editor's tables for checking pictures and the program: the
// drawing list with the name of every record code, the view table and the
// copy table. Each listing is a list of text lines whose columns are
// character positions, as a printer with a fixed-pitch font places them;
// the editor prints them or writes them to a file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "canvas/view_table.h"
#include "model/drawing_list.h"
#include "symmetry/sym_state.h"

namespace orn {

using Listing = std::vector<std::string>;

// The file the drawing-list listing is written to, in the program folder.
constexpr const char* kDumpFileName = "dumper.prt";

// The printed listing of the drawing list (the Special menu's "&Dump Picture
// Data"): a line per named record entry (name, then the pair), the plain
// entries behind the symmetry block with their index, each symmetry item
// with its group, copy, reference shape and orientation, the copy table of
// every part after its base copy, and the markers "<G" (NumPoints), "<B"
// (ItemHead), "<S" (ItemFirst), "<SymStart" and "<SymEnd".
Listing DumpList(const DrawingList& list, const SymState& sym);

// The same list as written to a file: every entry with its pair first and
// its name after it.
Listing DumpListForFile(const DrawingList& list, const SymState& sym);

// Writes DumpListForFile into `folder` as "dumper.prt", replacing an older
// one. An error text when it cannot be written.
std::optional<std::string> DumpToFile(const std::filesystem::path& folder, const DrawingList& list,
                                      const SymState& sym);

// The view rows 1 .. ViewBase + ViewDepth, two lines of six values each.
Listing DumpPageTable(const ViewTable& views);

// The copies 1 .. SymCount of the copy table, fields 0 to 11 on two lines.
Listing DumpSymTable(const SymState& sym);

}  // namespace orn
