#pragma once
// The flood fill's inner workings, for Surface::floodFill and its tests only.
#include <cstddef>

#include "platform/core/filled_bits.h"
#include "platform/core/raster_rows.h"
#include "platform/core/surface.h"

namespace orn::detail {

// How far a border fill goes span by span before it finishes row by row.
struct BorderFillLimits {
  // Spans the span fill may take before handing over to the row pass. The
  // default depends on the image size (see defaultBorderFillLimits).
  std::size_t spans;
  // Most runs the row pass may keep a label for; with more it gives up and
  // the span fill finishes the job.
  std::size_t runs;
  // Spans the span fill may take in all on a sparse region: one whose spans,
  // when `spans` ran out, are few beside the rectangle they reached (see
  // fillToBorder). 0: none beyond `spans`.
  std::size_t sparseSpans = 0;
  // The vector unit the row pass reads and paints its rows with.
  raster::VectorUnit unit = raster::bestVectorUnit();
  // Images of at least this many pixels have their rows painted past the
  // caches (see RowKernels::paintBits).
  std::size_t streamPixels = ~std::size_t(0);
};

BorderFillLimits defaultBorderFillLimits(int width, int height);

// Fills the 4-connected pixels around (x, y) that are not of colour `c` with
// `fill`, for fill != c, on a width x height image, and sets their bits in
// `covered`. Returns false and changes nothing when the seed is outside or on
// the border colour. `covered` may hold the bits of earlier fills up to the
// same border: of other regions, or of this one if none of its pixels has
// the fill colour.
bool fillToBorder(Rgb* px, int width, int height, int x, int y, Rgb c, Rgb fill,
                  BorderFillLimits limits, FilledBits& covered);

}  // namespace orn::detail
