// Zooming the 30,000-entry picture: a zoom in onto the middle quarter of the
// canvas (the zoom box at half size) and the step back from it, each timed
// with the redraw that follows it, against a plain full redraw of the same
// picture run in the same iterations. "vs_full_redraw" is that ratio;
// "view_change_ms" the rewriting of the list and the views alone.
#include <benchmark/benchmark.h>

#include <chrono>

#include "canvas/zoom_views.h"
#include "redraw_picture.h"
#include "symmetry/sym_table.h"

namespace {

using namespace orn;
using bench::Clock;
using bench::Picture;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

ZoomBoxState HalfSizeBox() {
  ZoomBoxState b;
  CalcBox(b, bench::kGridWidth, bench::kGridHeight);
  b.ViewInvScale = 0.5f;
  GeoRotate(b);
  return b;
}

void runZoom(benchmark::State& state, bool stepBack) {
  Picture p(1, 200);
  RedrawEnv e = p.env();
  const ZoomBoxState box = HalfSizeBox();
  const int w = bench::kGridWidth, h = bench::kGridHeight;
  auto zoomIn = [&] {
    SaveScale(p.views, w, h);
    ApplyBoxView(p.views, p.list, box, w, h);
    InvalidateSymTables(p.sym);
  };
  auto back = [&] {
    StepBackView(p.views, p.list, w, h);
    InvalidateSymTables(p.sym);
  };
  double plain = 0, change = 0, view = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    DrawAll(e, 1);
    plain += seconds(Clock::now() - t0);
    if (stepBack) zoomIn();
    t0 = Clock::now();
    if (stepBack) {
      back();
    } else {
      zoomIn();
    }
    const auto t1 = Clock::now();
    DrawAll(e, 1);
    const auto t2 = Clock::now();
    if (!stepBack) back();
    view += seconds(t1 - t0);
    change += seconds(t2 - t0);
    state.SetIterationTime(seconds(t2 - t0));
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["entries"] = p.list.NumPoints;
  state.counters["vs_full_redraw"] = change / plain;
  state.counters["view_change_ms"] = 1000 * view / n;
  state.counters["full_redraw_ms"] = 1000 * plain / n;
}

void BM_ZoomIn(benchmark::State& s) { runZoom(s, false); }
void BM_ZoomBack(benchmark::State& s) { runZoom(s, true); }

}  // namespace

BENCHMARK(BM_ZoomIn)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomBack)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
