#pragma once
// The large picture of the drawing and printing benchmarks: 1,000 polylines
// of 25 points in a part of 24 copies (6 x 4 translated cells) on a 1600 x
// 1000 canvas, optionally with PAINT records of 5 fills each; about 30,000
// list entries. The host records the longest gap between two event-pump
// calls.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "canvas/redraw.h"
#include "colour/colour_codes.h"
#include "model/record_codes.h"
#include "../tests/print/lattice.h"

namespace orn::bench {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1600, kHeight = 1000;
constexpr int kCols = 6, kRows = 4;  // 24 copies
constexpr float kCellW = kWidth / float(kCols), kCellH = kHeight / float(kRows);

class GapHost : public NullHost {
 public:
  void pumpEvents() override {
    const auto now = Clock::now();
    if (started) maxGap = std::max(maxGap, now - last);
    last = now;
    started = true;
  }
  void reset() { started = false; }
  Clock::time_point last{};
  Clock::duration maxGap{};
  bool started = false;
};

struct Picture {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  EditorState ed;
  PickState pick;
  ColourState colour;
  ViewTable views;
  GapHost host;
  EditorControls ui;
  Surface canvas{kWidth, kHeight, kWhite};
  std::vector<std::vector<std::pair<float, float>>> lines;

  Picture(int lineWidth, int paintRecords) {
    ctx.Picture1 = &canvas;
    canvas.setPenWidth(lineWidth);
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> ux(2, kCellW - 2), uy(2, kCellH - 2);

    test::AddLattice(list, sym, kCols, kRows, kCellW, kCellH, 20, 20);

    for (int k = 0; k < 1000; ++k) {
      std::vector<std::pair<float, float>> pts;
      for (int i = 0; i < 25; ++i) pts.emplace_back(std::round(ux(rng)), std::round(uy(rng)));
      list.CreateItem(kTypePolyLine, 1, pts[0].first, pts[0].second);
      for (int i = 1; i < 25; ++i) list.AddPoint(pts[i].first, pts[i].second, kToolPaint);
      list.closeRecord();
      lines.push_back(pts);
    }
    std::uniform_int_distribution<int> colours(0, 0xFFFFFE);
    for (int k = 0; k < paintRecords; ++k) {
      list.CreateItem(kTypePaint, 0, 0, 0);
      for (int f = 0; f < 5; ++f) {
        const float x = std::round(ux(rng)), y = std::round(uy(rng));
        const float code = float(kColorEntryBase + kOffTableCode), rgbv = float(colours(rng) | 0x010101);
        if (f == 0) {
          list.G0[list.ItemFirst] = code;
          list.G1[list.ItemFirst] = rgbv;
        } else {
          list.AddPoint(code, rgbv, kToolPaint);
        }
        list.AddPoint(x, y, kToolPaint);
      }
      list.closeRecord();
    }
  }

  RedrawEnv env() { return RedrawEnv{list, sym, ctx, ed, pick, colour, views, host, ui}; }
};

}  // namespace orn::bench
