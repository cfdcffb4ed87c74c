// The fill's row kernels in every vector width this processor has, against
// their plain form on random rows: the same bits from the same pixels, and
// the same pixels after painting, whether lines are streamed or not.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/core/raster_rows.h"

namespace orn {
namespace {

using raster::VectorUnit;

constexpr VectorUnit kUnits[] = {VectorUnit::Sse2, VectorUnit::Avx2};
constexpr Rgb kBorder = 0x102030;

// A row of pixels at `offset` into a buffer aligned to a cache line, so that
// its lines start anywhere: border pixels, some with their top byte set when
// `dirty`, and other colours, in runs of random lengths.
struct Row {
  std::vector<Rgb> buffer;
  Rgb* line;
  int width;
};

Row randomRow(std::mt19937& rng, bool dirty) {
  Row r;
  r.width = 1 + int(rng() % 300);
  const int offset = rng() % 4 == 0 ? 16 * int(rng() % 2) : int(rng() % 32);
  r.buffer.assign(std::size_t(r.width + offset + 16), 0);
  auto* aligned = reinterpret_cast<Rgb*>((reinterpret_cast<std::uintptr_t>(r.buffer.data()) + 63) & ~std::uintptr_t(63));
  r.line = aligned + offset;
  const int density = int(rng() % 100);
  for (int x = 0; x < r.width;) {
    const int run = 1 + int(rng() % 20);
    const bool border = int(rng() % 100) < density;
    for (int i = 0; i < run && x < r.width; ++i, ++x) {
      Rgb p = border ? kBorder : Rgb(rng() & 0xFFFFFF);
      if (dirty && rng() % 9 == 0) p |= 0x5A000000;
      r.line[x] = p;
    }
  }
  return r;
}

TEST(SurfaceRows, EveryVectorUnitReadsAndPaintsRowsAsThePlainKernels) {
  const raster::RowKernels plain = raster::rowKernels(VectorUnit::Plain);
  std::mt19937 rng(31);
  int streamedRows = 0;
  for (VectorUnit unit : kUnits) {
    if (!raster::canRun(unit)) continue;
    const raster::RowKernels k = raster::rowKernels(unit);
    for (int i = 0; i < 3000; ++i) {
      Row row = randomRow(rng, i % 3 == 0);
      const int words = (row.width + 63) / 64;
      std::vector<std::uint64_t> want(std::size_t(words) + 1, 0), got(want);
      const bool exact = plain.openBits(row.line, row.width, kBorder, want.data());
      ASSERT_EQ(k.openBits(row.line, row.width, kBorder, got.data()), exact) << "unit " << int(unit) << " row " << i;
      ASSERT_EQ(got, want) << "unit " << int(unit) << " row " << i;
      // Paint all the open pixels, or a random part of them.
      std::vector<std::uint64_t> painted(want);
      if (i % 2 == 1)
        for (auto& w : painted) w &= std::uint64_t(rng()) << 32 | rng();
      const std::vector<Rgb> before(row.buffer);
      const raster::PaintRow paint{row.line, row.width, painted.data(), want.data(), 0xABCDEF, kBorder, exact};
      plain.paintBits(paint, false);
      const std::vector<Rgb> expected(row.buffer);  // nothing beside the row changes either
      for (const bool stream : {false, true}) {
        row.buffer = before;
        k.paintBits(paint, stream);
        ASSERT_EQ(row.buffer, expected) << "unit " << int(unit) << " row " << i << (stream ? " streamed" : "");
      }
      // Lines the streaming writes whole: the row starts on a line, has a
      // whole word, and every pixel is painted or an exact border pixel.
      streamedRows += exact && i % 2 == 0 && row.width >= 64 &&
                      (reinterpret_cast<std::uintptr_t>(row.line) & 63) == 0;
    }
  }
  EXPECT_GT(streamedRows, 100);  // rows with whole lines to stream were met
}

}  // namespace
}  // namespace orn
