// Recolouring a large picture: a one-way colour swap, an exchange of two
// colours in use and one step of the colour wheel, on a picture of about
// 30,000 entries (890 rings of 25 points) with 2,000 fills inside the rings,
// in a part of 24 copies at 1600 x 1000, High Speed Repaint on. Beside each time, its ratio to a High Speed Repaint
// of the same picture (a full redraw), measured on the same canvas first.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "canvas/colour_tools.h"
#include "canvas/redraw.h"
#include "colour/colour_wheel.h"
#include "grid_picture.h"

namespace {

using namespace orn;
using Clock = std::chrono::steady_clock;

constexpr int kRings = 890;
constexpr int kPaintRecords = 2000 / bench::kFillsPerRecord;

// The fills take the twelve pure wheel hues in turn.
std::pair<float, float> WheelColour(std::mt19937&) {
  static int k = 0;
  const int hue = kFirstWheelHue + k++ % 12;
  return {float(kColorEntryBase + MakeColorCode(4, hue)), float(BuiltInColorTable()(4, hue))};
}

struct Editor : ColourUi {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  EditorState ed;
  PickState pick;
  ColourState colour;
  ViewTable views;
  NullHost host;
  EditorControls controls;
  Surface canvas{bench::kGridWidth, bench::kGridHeight, kWhite};
  ColourTools tools{ColourEnv{colour, ed, ctx, list, sym, host, *this}};

  Editor() {
    ctx.Picture1 = &canvas;
    bench::BuildRingPicture(list, sym, kRings, kPaintRecords, WheelColour);
    PaintOrder_Click(ctx);  // High Speed Repaint
    // Red and green in use, the strip one column of ten.
    colour.ColorsInUse = {{408, colour.ColorTable(4, 8)}, {412, colour.ColorTable(4, 12)}};
    colour.InUseCount = 2;
    colour.InUse = InUseGridFor(200, 2);
    DrawAll(1);
  }

  void DrawAll(int Index) override {
    RedrawEnv e{list, sym, ctx, ed, pick, colour, views, host, controls};
    orn::DrawAll(e, Index);
  }
  void DrawType(int tool) override { ed.CurDrawType = tool; }

  // The mean time of a High Speed Repaint.
  double repaintSeconds() {
    constexpr int kRuns = 3;
    const auto t0 = Clock::now();
    for (int k = 0; k < kRuns; ++k) DrawAll(1);
    return std::chrono::duration<double>(Clock::now() - t0).count() / kRuns;
  }

  // Arms a swap with the current colour and clicks swatch `index`.
  void swapOnto(int index) {
    ed.ColorMode = kColorSwapArmed;
    tools.CinUse_MouseDown(1, 0, 0.5f, index - 0.5f);
  }
};

// Times `op` in every iteration and reports its mean as a ratio to a repaint.
template <class Op>
void runTimed(benchmark::State& state, Editor& e, Op op) {
  const double repaint = e.repaintSeconds();
  double spent = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    op();
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    spent += s;
    state.SetIterationTime(s);
  }
  state.counters["entries"] = e.list.NumPoints;
  state.counters["repaint_ms"] = repaint * 1000;
  state.counters["ratio_to_repaint"] = spent / double(state.iterations()) / repaint;
}

void BM_HighSpeedRepaint(benchmark::State& state) {
  Editor e;
  runTimed(state, e, [&] { e.DrawAll(1); });
}

// Red becomes yellow, then yellow red again: every iteration one one-way swap.
void BM_OneWaySwap(benchmark::State& state) {
  Editor e;
  const Rgb red = e.colour.ColorTable(4, 8), yellow = e.colour.ColorTable(4, 10);
  bool toYellow = true;
  runTimed(state, e, [&] {
    e.colour.CurrentColor = toYellow ? yellow : red;
    e.colour.CurrentCode = toYellow ? 410 : 408;
    e.colour.SwapIndex = 0;
    e.swapOnto(1);
    toYellow = !toYellow;
  });
}

// Red and green trade places: the current colour picked from the strip.
void BM_Exchange(benchmark::State& state) {
  Editor e;
  runTimed(state, e, [&] {
    e.tools.CinUse_MouseDown(1, 0, 0.5f, 0.5f);
    e.swapOnto(2);
  });
}

// One step round the wheel in every iteration.
void BM_WheelStep(benchmark::State& state) {
  Editor e;
  e.tools.ToggleColorWheel();
  runTimed(state, e, [&] {
    const WheelSpot s = WheelSpots[static_cast<std::size_t>(2 * ((e.colour.WheelStep + 1) % kWheelSteps))];
    e.tools.WheelMD(1, 0, s.x, s.y);
  });
}

}  // namespace

BENCHMARK(BM_HighSpeedRepaint)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneWaySwap)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Exchange)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelStep)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
