// Replicating polylines into an 800-copy part, against drawing the same
// segments straight onto the Surface: the difference is what the copy table
// and the mapping cost per drawn segment.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "model/drawing_list.h"
#include "platform/core/surface.h"
#include "symmetry/replication.h"
#include "rosette.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace {

using namespace orn;

constexpr int kCopies = 800;
constexpr int kPoints = 25;
using bench::kCx;
using bench::kCy;

struct Fixture {
  DrawingList list;
  SymState sym;
  std::vector<std::vector<std::pair<float, float>>> polylines;

  explicit Fixture(int count) {
    list.ensureIndex(8 * kCopies + 40);
    list.G0[0] = 20006.0f;
    const std::vector<SymItem> items = bench::RosetteItems(kCopies);
    WriteSymBlock(list, sym, 10, items, 1);
    list.NumPoints = static_cast<std::int16_t>(sym.SymEnd + 2);
    sym.CurPart = 1;
    CheckSymData(sym, list);

    std::mt19937 rng(7);
    // Short strokes wandering about the base cell, steps of a few pixels.
    std::uniform_real_distribution<float> startX(-30, 30), startY(320, 400), step(-6, 6);
    for (int p = 0; p < count; ++p) {
      std::vector<std::pair<float, float>> pts;
      float x = startX(rng), y = startY(rng);
      for (int i = 0; i < kPoints; ++i) {
        pts.push_back({float(kCx + x), float(kCy + y)});
        x = std::clamp(x + step(rng), -40.0f, 40.0f);
        y = std::clamp(y + step(rng), 300.0f, 410.0f);
      }
      polylines.push_back(std::move(pts));
    }
  }
};

void BM_SymmLineReplication(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)));
  Surface canvas(1600, 1000);
  DrawContext ctx;
  ctx.Picture1 = &canvas;
  for (auto _ : state) {
    for (const auto& pl : f.polylines) {
      for (int i = 1; i < kPoints; ++i) {
        SymmLine(f.sym, ctx, pl[i - 1].first, pl[i - 1].second, pl[i].first, pl[i].second, kBlack);
      }
    }
    benchmark::ClobberMemory();
  }
  const double segments = double(f.polylines.size()) * (kPoints - 1) * kCopies;
  state.counters["ns_per_segment"] =
      benchmark::Counter(segments * state.iterations() / 1e9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SymmLineReplication)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same segments, mapped beforehand, drawn with the Surface alone.
void BM_RawSurfaceLines(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)));
  std::vector<int> segs;
  for (const auto& pl : f.polylines) {
    // In the order the replication draws them: each segment into every copy.
    for (int i = 1; i < kPoints; ++i) {
      for (int k = 0; k < kCopies; ++k) {
        UV a, b;
        double x1 = pl[i - 1].first, y1 = pl[i - 1].second, x2 = pl[i].first, y2 = pl[i].second;
        if (k > 0) {
          PointToUV(f.sym, 0, x1, y1, a);
          PointToUV(f.sym, 0, x2, y2, b);
          UVToCopy(f.sym, k, a, x1, y1);
          UVToCopy(f.sym, k, b, x2, y2);
        }
        segs.insert(segs.end(), {toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2)});
      }
    }
  }
  Surface canvas(1600, 1000);
  for (auto _ : state) {
    for (std::size_t i = 0; i < segs.size(); i += 4) {
      canvas.line(segs[i], segs[i + 1], segs[i + 2], segs[i + 3]);
      canvas.plot(segs[i + 2], segs[i + 3]);
    }
    benchmark::ClobberMemory();
  }
  state.counters["ns_per_segment"] = benchmark::Counter(double(segs.size() / 4) * state.iterations() / 1e9,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RawSurfaceLines)->Arg(200)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
