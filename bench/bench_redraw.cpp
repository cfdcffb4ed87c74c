// The full redraw of a large picture: 1,000 polylines of 25 points in a
// part of 24 copies on a 1600 x 1000 canvas, with and without 200 PAINT
// records of 5 fills, High Speed Repaint off and on. Beside each time, the
// longest time without an event-pump call, from the redraw's start to its
// end (how long a stop click waits), and the same segments drawn straight
// through the line replication.
#include <benchmark/benchmark.h>

#include <chrono>

#include "canvas/plot_lines.h"
#include "redraw_picture.h"
#include "symmetry/replication.h"
#include "symmetry/sym_table.h"

namespace {

using namespace orn;
using bench::Clock;
using bench::Picture;

void runRedraw(benchmark::State& state, int paintRecords, bool highSpeed) {
  Picture p(static_cast<int>(state.range(0)), paintRecords);
  if (highSpeed) PaintOrder_Click(p.ctx);
  RedrawEnv e = p.env();
  Clock::duration worst{};
  for (auto _ : state) {
    p.host.maxGap = {};
    p.host.begin();
    DrawAll(e, 1);
    p.host.end();
    worst = std::max(worst, p.host.maxGap);
  }
  state.counters["entries"] = p.list.NumPoints;
  state.counters["max_pump_gap_ms"] = std::chrono::duration<double, std::milli>(worst).count();
}

void BM_DrawAll_Lines(benchmark::State& s) { runRedraw(s, 0, false); }
void BM_DrawAll_Fills(benchmark::State& s) { runRedraw(s, 200, false); }
void BM_DrawAll_Fills_HighSpeed(benchmark::State& s) { runRedraw(s, 200, true); }

// The same segments through the line replication alone, in the same part.
void BM_Replication_SameSegments(benchmark::State& state) {
  Picture p(static_cast<int>(state.range(0)), 0);
  p.sym.CurPart = 1;
  CheckSymData(p.sym, p.list);
  p.ctx.ExtendLast = -1;
  for (auto _ : state) {
    p.canvas.clear();
    for (const auto& pts : p.lines) {
      for (std::size_t i = 1; i < pts.size(); ++i) {
        p.ctx.ExtendFirst = (i != 1 && i != pts.size() - 1) ? 1 : 0;
        SymmLine(p.sym, p.ctx, pts[i - 1].first, pts[i - 1].second, pts[i].first, pts[i].second, 0);
      }
    }
  }
}

}  // namespace

BENCHMARK(BM_DrawAll_Lines)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Replication_SameSegments)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawAll_Fills)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawAll_Fills_HighSpeed)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
