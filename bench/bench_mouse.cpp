// One mouse move with a rubber band in an 800-copy part on a 1600 x 1000
// canvas, over a picture of about 30,000 list entries: the XOR rubber band
// of the open record is erased and drawn again in the base cell and in every
// replica. Every tool that shows a rubber band: Spline, Poly Line, Multi
// Line, the 2 Pt and 3 Pt Circle, the Arc and the Geometric tool (polygon).
// Then a whole spline stroke, drawn and closed, on a picture of about 30,000
// entries in a part of 24 copies, beside one full redraw of that picture:
// closing takes the stroke's traces off and draws the curve, it does not
// redraw the picture.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "canvas/mouse_engine.h"
#include "canvas/tools.h"
#include "model/record_codes.h"
#include "rosette.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace {

using namespace orn;

constexpr int kCopies = 800;
// Polylines that make the list about 30,000 entries long beside the symmetry
// block of 800 copies.
constexpr int kBandPolylines = 880;
using bench::kCx;
using bench::kCy;

struct Editor {
  Editor(int copies, int polylines);
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  EditorState ed;
  PickState pick;
  ColourState colour;
  ViewTable views;
  NullHost host;
  // Counts the full redraws (each ends by copying the canvas).
  struct Controls : EditorControls {
    int redraws = 0;
    void CopyToBmap() override { ++redraws; }
  } controls;
  MouseUi ui;
  bool splinePolyOn = false;
  PolyShape poly;
  Surface canvas{1600, 1000, kWhite};
  MouseEngine m{MouseEnv{list, sym, ctx, ed, pick, colour, views, host, controls, ui, splinePolyOn, poly}};

};

Editor::Editor(int copies, int polylines) {
    ctx.Picture1 = &canvas;
    const std::vector<SymItem> items = bench::RosetteItems(copies);
    // The base shape the part refers to, then the symmetry block.
    list.CreateItem(6, 0, 740, 920);
    for (auto [x, y] : {std::pair{860.f, 920.f}, {800.f, 80.f}, {740.f, 920.f}, {800.f, 700.f}})
      list.AddPoint(x, y, 6);
    list.closeRecord();
    const int at = list.NumPoints;
    list.ensureIndex(at + SymBlockLength(kCopies) + 10);
    WriteSymBlock(list, sym, at, items, 1);
    const int end = at + SymBlockLength(copies);
    list.G0[end] = 20099.0f;
    list.G1[end] = 0.0f;
    list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
    sym.CurPart = 1;
    CheckSymData(sym, list);
    // Zigzag polylines of 23 points in the base cell, below the strokes.
    for (int k = 0; k < polylines; ++k) {
      const float y = float(kCy + 100 + (k % 200));
      list.CreateItem(kTypePolyLine, 1, 760, y);
      for (int i = 1; i < 23; ++i) list.AddPoint(760.0f + 4 * i, y + float(i % 2) * 3, kToolPaint);
      list.closeRecord();
    }
    if (polylines > 0) m.DrawAll(1);
}

void RubberBand(benchmark::State& state, int tool) {
  Editor e(kCopies, kBandPolylines);
  e.m.DrawType(tool);
  // An open record in the base cell, near the rim of the rosette: the clicks
  // each tool takes before its last point moves.
  const float y0 = float(kCy + 380);
  using Clicks = std::vector<std::pair<float, float>>;
  Clicks clicks;
  switch (tool) {
    case kToolCircle2:
    case kToolGeometric:
      clicks = {{790, y0}};
      break;
    case kToolCircle3:
    case kToolArc:
      clicks = {{790, y0}, {810, y0}};
      break;
    default:
      clicks = {{780, y0}, {800, y0 - 20}, {815, y0}};
      break;
  }
  for (auto [x, y] : clicks) {
    e.m.P1MM(0, 0, x, y);
    e.m.P1MD(1, 0, x, y);
    e.m.Picture1_MouseUp(1, 0, x, y);
  }
  int i = 0;
  for (auto _ : state) {
    const float x = 795.0f + float(i % 20);
    const float y = y0 - 10.0f - float((i * 7) % 15);
    e.m.P1MM(0, 0, x, y);
    ++i;
  }
  state.counters["copies"] = e.sym.LastCopy - e.sym.BaseCopy + 1;
  state.counters["entries"] = e.list.NumPoints;
  // The band is really drawn: black pixels in the base cell and in a replica.
  long black = 0;
  for (int k = 0; k < e.canvas.width() * e.canvas.height(); ++k) black += e.canvas.pixels()[k] == 0;
  state.counters["black_px"] = double(black);
}

// A spline of six clicks with moves between them, closed by a double click.
void BM_SplineStrokeClosed(benchmark::State& state) {
  Editor e(24, 1290);
  e.m.DrawType(kToolSpline);
  const float y0 = float(kCy + 380);
  const int base = e.list.NumPoints;
  int timedRedraws = 0;
  for (auto _ : state) {
    const int redraws = e.controls.redraws;
    for (int i = 0; i < 6; ++i) {
      const float x = 780.0f + 7 * i, y = y0 - float((i * 13) % 40);
      e.m.P1MM(0, 0, x - 3, y + 2);
      e.m.P1MM(0, 0, x, y);
      e.m.P1MD(1, 0, x, y);
      e.m.Picture1_MouseUp(1, 0, x, y);
    }
    e.m.P1DBL();
    timedRedraws += e.controls.redraws - redraws;
    state.PauseTiming();
    // The stroke goes again, so that every round starts alike.
    for (int k = 0; k < 20 && e.list.NumPoints > base; ++k) {
      e.m.P1MD(2, 0, 1, 1);
      e.m.Picture1_MouseUp(2, 0, 1, 1);
    }
    state.ResumeTiming();
  }
  state.counters["entries"] = base;
  state.counters["redraws_per_stroke"] = double(timedRedraws) / double(state.iterations());
}

void BM_RedrawOfTheSamePicture(benchmark::State& state) {
  Editor e(24, 1290);
  for (auto _ : state) e.m.DrawAll(1);
  state.counters["entries"] = e.list.NumPoints;
}

void BM_MoveSpline(benchmark::State& s) { RubberBand(s, kToolSpline); }
void BM_MovePolyline(benchmark::State& s) { RubberBand(s, kToolPolyLine); }
void BM_MoveMultiLine(benchmark::State& s) { RubberBand(s, kToolMultiLine); }
void BM_MoveCircle2(benchmark::State& s) { RubberBand(s, kToolCircle2); }
void BM_MoveCircle3(benchmark::State& s) { RubberBand(s, kToolCircle3); }
void BM_MoveArc(benchmark::State& s) { RubberBand(s, kToolArc); }
void BM_MovePolygon(benchmark::State& s) { RubberBand(s, kToolGeometric); }

BENCHMARK(BM_MoveSpline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MovePolyline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveMultiLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveCircle2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveCircle3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveArc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MovePolygon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplineStrokeClosed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawOfTheSamePicture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
