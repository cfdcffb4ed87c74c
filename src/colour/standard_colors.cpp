#include "colour/standard_colors.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/drawing_list.h"
#include "platform/core/app_folder.h"
#include "platform/core/host.h"

namespace orn {

bool ReadStandardColors(ColourState& state, const std::filesystem::path& folder, Host& host) {
  // The file may be spelt in another case on disk.
  const std::optional<std::filesystem::path> path = findNoCase(folder, kStandardColorsFileName);
  std::optional<ColourTable> table;
  if (path) table = ReadColorTableFile(*path);
  const bool fromFile = table.has_value();
  if (!fromFile) {
    table = BuiltInColorTable();
    if (!state.StandardColorsWarned) {
      state.StandardColorsWarned = true;
      host.messageBox("The standard colours file \"Standard.Clr\" is missing or damaged.  "
                      "The built-in standard colours are used instead.",
                      MsgButtons::OK, MsgIcon::Exclamation, "Standard Colors");
    }
  }
  SubstituteNearBlack(*table, state.DitheredDisplay);
  state.ColorTable = *table;
  return fromFile;
}

namespace {

// The chart cell of a seed point, in whole cells counted down and right. A
// seed far off the chart (a coordinate no cell number could hold) lies in
// no cell; it is turned into a number only when it is near.
int chartCell(double v, double origin, double size) {
  const double cell = std::floor((v - origin) / size);
  return cell >= -1.0 && cell <= 100.0 ? static_cast<int>(cell) : -1;
}
int chartColumn(double x) { return chartCell(x, 29.0, 19.76); }
int chartRow(double y) { return chartCell(y, 19.0, 19.85); }

void takeChartCell(ColourTable& table, int column, int row, Rgb colour) {
  if (column >= 0 && column <= 7) {
    // Left block: the paired hues 0-7, and hue 20 in row 5.
    const int shade = column;
    if (row >= 0 && row <= 3) {
      table.set(shade, 2 * row, colour);
      table.set(shade, 2 * row + 1, colour);
    } else if (row == 5) {
      table.set(shade, 20, colour);
    }
  } else if (column >= 9 && column <= 16) {
    // Right block: the wheel hues in three bands of four rows.
    const int shade = column - 9;
    if (row >= 0 && row <= 3) {
      table.set(shade, row + 8, colour);
    } else if (row >= 5 && row <= 8) {
      table.set(shade, row + 7, colour);
    } else if (row >= 10 && row <= 13) {
      table.set(shade, row + 6, colour);
    }
  }
}

}  // namespace

void RebuildColorTableFromChart(const DrawingList& list, ColourTable& table) {
  const int last = std::min<int>(list.NumPoints, static_cast<int>(list.G0.size()) - 2);
  for (int i = 0; i <= last; ++i) {
    if (list.G0[i] < 21000.0f) continue;
    const int column = chartColumn(list.G0[i + 1]);
    const int row = chartRow(list.G1[i + 1]);
    const auto colour = static_cast<Rgb>(std::llrint(double(list.G1[i]))) & 0xFFFFFF;
    takeChartCell(table, column, row, colour);
  }
}

void SaveStandardColors(const DrawingList& list, ColourState& state,
                        const std::filesystem::path& dataFolder, Host& host) {
  RebuildColorTableFromChart(list, state.ColorTable);
  if (dataFolder.empty())
    throw std::runtime_error("The standard colours cannot be saved: Ornivale has no folder to keep them in.");
  // Replace the file under the spelling it already has on disk.
  const std::filesystem::path path =
      findNoCase(dataFolder, kStandardColorsFileName).value_or(dataFolder / kStandardColorsFileName);
  std::string why;
  if (!WriteColorTableFile(path, state.ColorTable, &why)) throw std::runtime_error(why);
  host.messageBox("New Standard Colors have been saved.", MsgButtons::OK, MsgIcon::None, "");
}

}  // namespace orn
