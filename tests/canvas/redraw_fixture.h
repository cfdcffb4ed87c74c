#pragma once
// A small editor for the redraw tests: a drawing list, symmetry tables, a
// real canvas Surface, a host whose event pump a test can hook, and controls
// that record what the redraw did to the window.
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "canvas/redraw.h"
#include "model/list_edit.h"
#include "model/record_codes.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace orn::test {

class PumpHost : public NullHost {
 public:
  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  bool ctrlKeyDown() const override { return ctrl; }
  std::function<void()> onPump;
  int pumps = 0;
  bool ctrl = false;
};

class RecordingControls : public EditorControls {
 public:
  Surface* progressStrip() override { return &strip; }
  void setStopSignVisible(bool v) override { stopVisible = v; }
  void MenEnable(bool on) override { menusOn = on; }
  bool dupButtonVisible() const override { return dupVisible; }
  void setDupButtonVisible(bool v) override { dupVisible = v; }
  void CopyToBmap() override { ++copies; }
  void startNoRedrawTimer() override { ++noRedrawStarts; }
  bool noRedrawTimerActive() const override { return noRedraw; }

  Surface strip{101, 5, kWhite};
  bool stopVisible = false;
  bool menusOn = true;
  bool dupVisible = false;
  bool noRedraw = false;
  int copies = 0;
  int noRedrawStarts = 0;
};

using Pt = std::pair<float, float>;

struct Scene {
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 160;

  DrawingList list;
  SymState sym;
  DrawContext ctx;
  EditorState ed;
  PickState pick;
  ColourState colour;
  ViewTable views;
  PumpHost host;
  RecordingControls ui;
  Surface canvas{kWidth, kHeight, kWhite};

  Scene() {
    ctx.Picture1 = &canvas;
    ctx.ExtendLen = 0.0f;
  }

  RedrawEnv env() { return RedrawEnv{list, sym, ctx, ed, pick, colour, views, host, ui}; }
  CanvasDrawing drawing() { return CanvasDrawing{sym, ctx, ed, pick, host, ui}; }

  // A closed record of the given type through the given points; returns its header.
  int addShape(int type, std::initializer_list<Pt> pts) {
    const int nParams = type <= kTypeMultiLine ? 1 : 0;
    auto it = pts.begin();
    list.CreateItem(type, nParams, it->first, it->second);
    const int head = list.ItemHead;
    for (++it; it != pts.end(); ++it) list.AddPoint(it->first, it->second, kToolPaint);
    list.closeRecord();
    return head;
  }

  // A PAINT record with fills (code, colour, seed); returns its header.
  int addPaint(std::initializer_list<std::pair<Rgb, Pt>> fills) {
    bool open = false;
    for (const auto& [colourRgb, seed] : fills) {
      if (!open) {
        list.CreateItem(kTypePaint, 0, seed.first, seed.second);
        list.G0[list.ItemFirst] = float(kColorEntryBase + kOffTableCode);
        list.G1[list.ItemFirst] = float(colourRgb);
        open = true;
      } else {
        list.AddPoint(float(kColorEntryBase + kOffTableCode), float(colourRgb), kToolPaint);
      }
      list.AddPoint(seed.first, seed.second, kToolPaint);
    }
    const int head = list.ItemHead;
    list.closeRecord();
    return head;
  }

  // A single entry (symmetry change or Mark) in place of the end marker.
  void addSingle(float code, float value) {
    const int at = list.NumPoints;
    list.ensureIndex(at + 1);
    list.G0[at] = code;
    list.G1[at] = value;
    list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(at + 1);
    list.G0[at + 1] = float(kCodeEnd);
    list.G1[at + 1] = 0.0f;
  }

  // A base rectangle (0,0)-(119,159) and a symmetry block with one part of
  // two copies: the base cell and its translate 120 pixels to the right.
  void addTranslationSymmetry() {
    const int geo = addShape(kTypeGeometric, {{0, 0}, {119, 0}, {119, 159}, {0, 159}, {0, 0}, {60, 80}});
    SymItem base;
    base.group = -1;
    base.RefGeo = geo;
    base.P0x = 0, base.P0y = 0, base.P1x = 119, base.P1y = 0, base.P2x = 0, base.P2y = 159;
    base.handleX = 30, base.handleY = 30;
    SymItem copy = base;
    copy.group = 1;
    copy.copyNumber = 2;
    copy.P0x += 120, copy.P1x += 120, copy.P2x += 120, copy.handleX += 120;
    const int at = list.NumPoints;
    list.ensureIndex(at + SymBlockLength(2) + 1);
    WriteSymBlock(list, sym, at, {base, copy}, 1);
    const int end = at + SymBlockLength(2);
    list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
    list.G0[end] = float(kCodeEnd);
    list.G1[end] = 0.0f;
  }
};

}  // namespace orn::test
