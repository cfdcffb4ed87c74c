#pragma once
// A whole picture built the way the editor stores one: a square Geometric
// base shape, a symmetry block of eight copies (each edge of the square once
// plain and once mirrored), then a polyline, a circle and a fill inside the
// circle, all in the base cell below the square's centre.
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "canvas/redraw.h"
#include "colour/colour_codes.h"
#include "model/record_codes.h"
#include "support/list_builder.h"
#include "support/scripted_host.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace orn::test {

struct EndToEndPicture {
  static constexpr int kCanvasWidth = 600;
  static constexpr int kCanvasHeight = 480;
  static constexpr float kCx = 300.0f, kCy = 240.0f;  // centre of the square
  static constexpr float kHalf = 100.0f;              // half its side
  static constexpr Rgb kFill = 0x2050E0;              // stored as R in the low byte
  static constexpr int kCopies = 8;

  // The polyline's points and the fill's seed, in the base cell.
  std::vector<std::pair<float, float>> stroke{{220, 335}, {270, 320}, {285, 290}};
  std::pair<float, float> seed{255, 300};
  int fillAt = 0;  // the index of the fill's PAINT record

  DrawingList list;
  SymState sym;

  EndToEndPicture() {
    addSquare();
    addSymmetry();
    AddShape(list, kTypePolyLine, stroke);
    AddShape(list, kTypeCircle2, {{255, 300}, {265, 300}});  // around the seed
    fillAt = AddPaint(list, {{kFill, seed}});
  }

  // The copy table of the block with its part selected, for mapping points.
  static SymState copyTable(const DrawingList& list) {
    SymState s;
    for (int i = 0; i <= list.NumPoints; ++i) {
      if (list.G0[i] != float(kCodeSymmetryChg)) continue;
      if (list.G1[i] == -2.0f) s.SymStart = i;
      else if (s.SymEnd == 0) s.SymEnd = i;
    }
    s.CurPart = 1;
    CheckSymData(s, list);
    return s;
  }

  // The point (x, y) of the base cell in every copy of the part.
  static std::vector<std::pair<double, double>> images(const SymState& s, float x, float y) {
    std::vector<std::pair<double, double>> out;
    UV uv;
    if (!PointToUV(s, s.BaseCopy, x, y, uv)) return out;
    for (int k = s.BaseCopy; k <= s.LastCopy; ++k) {
      double mx = 0, my = 0;
      if (UVToCopy(s, k, uv, mx, my)) out.push_back({mx, my});
    }
    return out;
  }

  // A full redraw of `list` onto a fresh white canvas of the picture's size.
  static Surface redrawn(const DrawingList& source) {
    DrawingList list = source;
    Surface canvas(kCanvasWidth, kCanvasHeight, kWhite);
    SymState s;
    s.SymTablesValid = false;
    const SymState table = copyTable(list);
    s.SymStart = table.SymStart;
    s.SymEnd = table.SymEnd;
    DrawContext ctx;
    ctx.Picture1 = &canvas;
    EditorState ed;
    PickState pick;
    ColourState colour;
    ViewTable views;
    ScriptedHost host;
    EditorControls ui;
    RedrawEnv env{list, s, ctx, ed, pick, colour, views, host, ui};
    DrawAll(env, 1);
    return canvas;
  }

 private:
  void addSquare() {
    const float l = kCx - kHalf, r = kCx + kHalf, t = kCy - kHalf, b = kCy + kHalf;
    AddShape(list, kTypeGeometric, {{l, b}, {r, b}, {r, t}, {l, t}, {l, b}, {kCx, kCy}});
  }

  // The edge triangles of the square, each the one before turned a quarter
  // about the centre, starting with the bottom edge; the apex stands ten
  // times as far from the edge's middle as the centre does.
  SymItem edgeItem(int quarter, bool mirrored, int copy) const {
    auto turn = [&](float dx, float dy) {
      for (int q = 0; q < quarter; ++q) {
        const float t = dx;
        dx = dy;
        dy = -t;
      }
      return std::pair<float, float>{kCx + dx, kCy + dy};
    };
    SymItem it;
    it.group = copy == 0 ? -1 : 1;
    it.copyNumber = copy + 1;
    it.RefGeo = 0;
    it.reflect = mirrored ? -1.0f : 0.0f;
    std::tie(it.P0x, it.P0y) = turn(-kHalf, kHalf);
    std::tie(it.P1x, it.P1y) = turn(kHalf, kHalf);
    std::tie(it.P2x, it.P2y) = turn(0.0f, kHalf - 10.0f * kHalf);
    std::tie(it.handleX, it.handleY) = turn(0.0f, kHalf / 2);
    return it;
  }

  void addSymmetry() {
    std::vector<SymItem> items;
    for (int c = 0; c < kCopies; ++c) items.push_back(edgeItem(c / 2, c % 2 == 1, c));
    AppendSymBlock(list, sym, items);
  }
};

}  // namespace orn::test
