#pragma once
// Whole rows of pixels turned into bits and bits into pixels, 64 pixels to a
// word, for the flood fill's row pass. Each has a plain form and forms for
// wider vector units; the processor's widest is found once and used for the
// rest of the run. All forms give the same bits and the same pixels.
#include <cstddef>
#include <cstdint>

#include "platform/core/surface.h"

namespace orn::raster {

// Wider units were tried: with AVX-512 the row pass ran slower than with
// AVX2, its memory being the limit and the processor's clock lower.
enum class VectorUnit { Plain, Sse2, Avx2 };

// The widest unit this processor has.
VectorUnit bestVectorUnit();

// Whether this processor can run `unit` (Plain always).
bool canRun(VectorUnit unit);

// The size in bytes of the processor's last-level cache, or 0 where the
// system does not tell it.
std::size_t lastLevelCacheBytes();

// A row to paint: the pixels whose bit in `painted` is set take `fill`. The
// open bits (set where the pixel is not of the border colour) and whether
// every border pixel of the row is exactly `border` (nothing in its top
// byte) tell which other pixels' values are known without reading them.
struct PaintRow {
  Rgb* line;
  int width;
  const std::uint64_t* painted;
  const std::uint64_t* open;
  Rgb fill;
  Rgb border;
  bool exactBorder;
};

struct RowKernels {
  // One bit per pixel of a row: set where the pixel's colour (its low 24
  // bits) is not `c`. Bits past the row's end are clear. Returns whether no
  // pixel of the row has anything in its top byte, so that every pixel of
  // colour c is exactly c.
  bool (*openBits)(const Rgb* line, int width, Rgb c, std::uint64_t* bits);
  // Paints the row: the painted pixels take `fill`, the others keep their
  // values. Cache lines whose every pixel's new value is known are written
  // without being read; with `stream`, past the caches (for images larger
  // than them).
  void (*paintBits)(const PaintRow& row, bool stream);
};

// The kernels of `unit`, which must be one this processor can run.
RowKernels rowKernels(VectorUnit unit);

}  // namespace orn::raster
