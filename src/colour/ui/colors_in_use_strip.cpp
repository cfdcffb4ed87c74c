#include "colour/ui/colors_in_use_strip.h"

#include "colour/palette.h"

namespace orn {

namespace {

// Each swatch is one unit; the grid is 2 % larger, a margin right and below.
constexpr double kMargin = 1.02;

}  // namespace

ColorsInUseStrip::ColorsInUseStrip(ColourState& colour, Rgb back, QWidget* parent)
    : ColourCells(parent), colour_(colour), back_(back) {
  setObjectName("CinUse");
  setToolTip("Colors in Use");
}

void ColorsInUseStrip::swatch(int i) {
  const int cols = colour_.InUse.cols;
  drawCell((i - 1) % cols, (i - 1) / cols, colour_.ColorsInUse[static_cast<std::size_t>(i - 1)].rgb);
}

void ColorsInUseStrip::ShowCInUse(int Index) {
  const InUseGrid& g = colour_.InUse;
  if (Index >= 1 && Index <= colour_.InUseCount && Index <= g.cols * g.rows &&
      surface_.height() > 0) {
    swatch(Index);
    return;
  }
  colour_.InUse = InUseGridFor(height(), colour_.InUseCount);
  startGrid(colour_.InUse.cols * kMargin, colour_.InUse.rows * kMargin, back_);
  for (int i = 1; i <= colour_.InUseCount; ++i) swatch(i);
}

}  // namespace orn
