// The full redraw as the canvas grows. The same picture is redrawn on a
// canvas 1, 2 and 3 times as wide and as high (everything in it scaled with
// the canvas, as a larger window or a zoom shows it), beside anchors measured
// in the same run: writing every pixel of a canvas that size once, and
// drawing the picture's lines alone (the redraw with the paint panel hidden).
// Counters: the canvas's millions of pixels and the time per pixel.
//
// The pictures are samples the build makes: "Gem" (a wallpaper pattern whose
// regions are all painted), "Twelve" (a rose) and "Snap" (a pattern with many
// copies, whose seeds fall by the dozen into one region).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "canvas/redraw.h"
#include "canvas/view_table.h"
#include "model/picture_file.h"
#include "shell/sample_preview.h"

namespace {

using namespace orn;

// A sample loaded as the editor loads it, on a canvas `scale` times its
// stored size.
struct ScaledPicture {
  OffscreenEditor e;
  PickState pick;
  ColourState colour;
  EditorControls ui;
  Surface canvas;

  ScaledPicture(const std::string& name, int scale) {
    const auto path = std::filesystem::path(ORNIVALE_DATA_DIR) / name;
    const auto pf = ReadPictureFile(path);
    if (!pf.ok()) throw std::runtime_error("no sample " + path.string());
    LoadReport report;
    e.load(*pf.value, path.string(), report);
    const int w = int(std::lround(report.storedCanvasWidth)), h = int(std::lround(report.storedCanvasHeight));
    canvas = Surface(w * scale, h * scale, e.draw.PicBackColor);
    canvas.setPenWidth(e.draw.LineWidth);
    e.draw.Picture1 = &canvas;
    if (scale != 1) RescaleToCanvas(e.views, e.list, w, canvas.width(), canvas.height());
    e.sym.SymTablesValid = false;
  }
  RedrawEnv env() { return RedrawEnv{e.list, e.sym, e.draw, e.editor, pick, colour, e.views, e.host, ui}; }
  double megapixels() const { return double(canvas.width()) * canvas.height() / 1e6; }
};

// Runs `work` as the benchmark's body and gives the time per canvas pixel
// beside it.
template <class Work>
void perPixel(benchmark::State& state, const Surface& canvas, Work work) {
  std::chrono::duration<double, std::nano> total{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    work();
    total += std::chrono::steady_clock::now() - start;
  }
  const double pixels = double(canvas.width()) * canvas.height();
  state.counters["mpixels"] = pixels / 1e6;
  state.counters["ns_per_pixel"] = total.count() / double(state.iterations()) / pixels;
}

void redraw(benchmark::State& state, const char* sample, bool fills) {
  ScaledPicture p(sample, int(state.range(0)));
  p.e.editor.ColorToolsOn = fills;
  RedrawEnv env = p.env();
  perPixel(state, p.canvas, [&] { DrawAll(env, 1); });
}

void BM_Gem_Redraw(benchmark::State& s) { redraw(s, "OVPP3A.PNT", true); }
void BM_Gem_LinesOnly(benchmark::State& s) { redraw(s, "OVPP3A.PNT", false); }
void BM_Twelve_Redraw(benchmark::State& s) { redraw(s, "OVRO3A.PNT", true); }
void BM_Twelve_LinesOnly(benchmark::State& s) { redraw(s, "OVRO3A.PNT", false); }
void BM_Snap_Redraw(benchmark::State& s) { redraw(s, "OVPP6A.PNT", true); }
void BM_Snap_LinesOnly(benchmark::State& s) { redraw(s, "OVPP6A.PNT", false); }

// The floor: every pixel of the Gem's canvas at that scale written once.
void BM_Gem_WriteEveryPixel(benchmark::State& state) {
  ScaledPicture p("OVPP3A.PNT", int(state.range(0)));
  perPixel(state, p.canvas, [&] {
    p.canvas.clear();
    benchmark::ClobberMemory();
  });
}

}  // namespace

BENCHMARK(BM_Gem_WriteEveryPixel)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gem_LinesOnly)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gem_Redraw)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Twelve_LinesOnly)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Twelve_Redraw)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snap_LinesOnly)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snap_Redraw)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
