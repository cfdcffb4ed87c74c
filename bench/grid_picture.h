#pragma once
// The pictures of the redraw and colour benchmarks: on a 1600 x 1000 canvas
// a part of 24 copies (a 6 x 4 grid of cells) and, in the base cell, either
// random polylines of 25 points with fills at random seeds (most of which
// land on a line once the lines cover the cell), or closed rings of 25
// points in rows with fills inside them; the fills come as PAINT records of
// 5 fills each, whose colour entries `fillColour` gives.
#include <cmath>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "canvas/tools.h"
#include "colour/colour_codes.h"
#include "model/drawing_list.h"
#include "model/record_codes.h"
#include "symmetry/sym_records.h"

namespace orn::bench {

constexpr int kGridWidth = 1600, kGridHeight = 1000;
constexpr int kGridCols = 6, kGridRows = 4;  // 24 copies
constexpr float kCellW = kGridWidth / float(kGridCols), kCellH = kGridHeight / float(kGridRows);
constexpr int kFillsPerRecord = 5;

// A fill's colour entry: 21000 + code, and the RGB colour.
using FillColour = std::function<std::pair<float, float>(std::mt19937&)>;

// Random colours off the table, as the redraw benchmark paints.
inline std::pair<float, float> RandomColour(std::mt19937& rng) {
  std::uniform_int_distribution<int> colours(0, 0xFFFFFE);
  return {float(kColorEntryBase + kOffTableCode), float(colours(rng) | 0x010101)};
}

using Polyline = std::vector<std::pair<float, float>>;

// The base shape and the symmetry block of the 24 copies.
inline void AddGridSymmetry(DrawingList& list, SymState& sym) {
  list.CreateItem(kTypeGeometric, 0, 0, 0);
  for (auto [x, y] : {std::pair{kCellW, 0.f}, {kCellW, kCellH}, {0.f, kCellH}, {0.f, 0.f},
                      {kCellW / 2, kCellH / 2}}) {
    list.AddPoint(x, y, kToolPaint);
  }
  list.closeRecord();
  std::vector<SymItem> items;
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) {
      SymItem it;
      it.group = items.empty() ? -1 : 1;
      it.RefGeo = 0;
      const float dx = c * kCellW, dy = r * kCellH;
      it.P0x = dx, it.P0y = dy, it.P1x = dx + kCellW, it.P1y = dy, it.P2x = dx, it.P2y = dy + kCellH;
      it.handleX = dx + 20, it.handleY = dy + 20;
      items.push_back(it);
    }
  }
  const int at = list.NumPoints;
  list.ensureIndex(at + SymBlockLength(int(items.size())) + 1);
  WriteSymBlock(list, sym, at, items, 1);
  const int end = at + SymBlockLength(int(items.size()));
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  list.G0[end] = float(kCodeEnd);
  list.G1[end] = 0;
}

// Appends a PAINT record of kFillsPerRecord fills with seeds from `seed`.
template <class Seed>
void AddPaintRecord(DrawingList& list, std::mt19937& rng, Seed seed, const FillColour& fillColour) {
  list.CreateItem(kTypePaint, 0, 0, 0);
  for (int f = 0; f < kFillsPerRecord; ++f) {
    const auto [x, y] = seed();
    const auto [code, rgbv] = fillColour(rng);
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

inline std::vector<Polyline> BuildGridPicture(DrawingList& list, SymState& sym, int lineCount,
                                              int paintRecords, const FillColour& fillColour = RandomColour) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> ux(2, kCellW - 2), uy(2, kCellH - 2);
  AddGridSymmetry(list, sym);
  std::vector<Polyline> lines;
  for (int k = 0; k < lineCount; ++k) {
    Polyline pts;
    for (int i = 0; i < 25; ++i) pts.emplace_back(std::round(ux(rng)), std::round(uy(rng)));
    list.CreateItem(kTypePolyLine, 1, pts[0].first, pts[0].second);
    for (int i = 1; i < 25; ++i) list.AddPoint(pts[i].first, pts[i].second, kToolPaint);
    list.closeRecord();
    lines.push_back(pts);
  }
  for (int k = 0; k < paintRecords; ++k) {
    AddPaintRecord(list, rng, [&] {
      const float x = std::round(ux(rng));
      return std::pair{x, std::round(uy(rng))};
    }, fillColour);
  }
  return lines;
}

// `ringCount` closed rings of radius 3.5 (24 sides, 25 points) in rows across
// the base cell, and `paintRecords` PAINT records whose fills each paint the
// inside of a ring chosen at random.
inline void BuildRingPicture(DrawingList& list, SymState& sym, int ringCount, int paintRecords,
                             const FillColour& fillColour) {
  std::mt19937 rng(7);
  AddGridSymmetry(list, sym);
  const int perRow = int(std::ceil(std::sqrt(double(ringCount))));
  const float dx = (kCellW - 8) / perRow, dy = (kCellH - 8) / perRow;
  std::vector<std::pair<float, float>> centres;
  for (int k = 0; k < ringCount; ++k) {
    const float cx = std::round(6 + (k % perRow + 0.5f) * dx), cy = std::round(6 + (k / perRow + 0.5f) * dy);
    centres.emplace_back(cx, cy);
    for (int i = 0; i <= 24; ++i) {
      const double a = 2 * 3.1415926535 * i / 24;
      const float x = float(cx + 3.5 * std::cos(a)), y = float(cy + 3.5 * std::sin(a));
      if (i == 0) {
        list.CreateItem(kTypePolyLine, 1, x, y);
      } else {
        list.AddPoint(x, y, kToolPaint);
      }
    }
    list.closeRecord();
  }
  std::uniform_int_distribution<int> pick(0, ringCount - 1);
  for (int k = 0; k < paintRecords; ++k)
    AddPaintRecord(list, rng, [&] { return centres[static_cast<std::size_t>(pick(rng))]; }, fillColour);
}

}  // namespace orn::bench
