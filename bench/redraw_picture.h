#pragma once
// The redraw benchmarks' picture with everything a full redraw works on: the
// grid picture of 1,000 polylines (with 200 PAINT records about 30,000 list
// entries), and a host that measures the longest time without an event-pump
// call.
#include <algorithm>
#include <chrono>
#include <vector>

#include "canvas/redraw.h"
#include "grid_picture.h"

namespace orn::bench {

using Clock = std::chrono::steady_clock;

class GapHost : public NullHost {
 public:
  void pumpEvents() override {
    const auto now = Clock::now();
    if (started) maxGap = std::max(maxGap, now - last);
    last = now;
    started = true;
  }
  void reset() { started = false; }
  // The work between begin() and end() counts whole: its start before the
  // first pump and its end after the last, when no event is pumped.
  void begin() {
    last = Clock::now();
    started = true;
  }
  void end() { pumpEvents(); }
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
  Surface canvas{kGridWidth, kGridHeight, kWhite};
  std::vector<Polyline> lines;

  Picture(int lineWidth, int paintRecords) {
    ctx.Picture1 = &canvas;
    // The redraw draws with the drawing context's width; segments drawn
    // straight through the replication with the canvas's.
    ctx.LineWidth = lineWidth;
    canvas.setPenWidth(lineWidth);
    lines = BuildGridPicture(list, sym, 1000, paintRecords);
  }

  RedrawEnv env() { return RedrawEnv{list, sym, ctx, ed, pick, colour, views, host, ui}; }
};

}  // namespace orn::bench
