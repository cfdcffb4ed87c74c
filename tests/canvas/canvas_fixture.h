#pragma once
// A small editor on a real canvas Surface: drawing list, symmetry tables,
// a host whose event pump and message boxes a test can steer, controls that
// record what was asked of the window, and the mouse engine.
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "canvas/mouse_engine.h"
#include "canvas/redraw.h"
#include "canvas/tools.h"
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
  MsgResult messageBox(const std::string& text, MsgButtons b, MsgIcon i, const std::string& title) override {
    asked.push_back({text, title});
    buttons = b;
    icon = i;
    if (!answers.empty()) {
      const MsgResult a = answers.front();
      answers.pop_front();
      return a;
    }
    return answer ? *answer : NullHost::messageBox(text, b, i, title);
  }
  std::function<void()> onPump;
  int pumps = 0;
  bool ctrl = false;
  std::deque<MsgResult> answers;    // answered first, one per box
  std::optional<MsgResult> answer;  // then this; unset: the usual default answer
  std::vector<std::pair<std::string, std::string>> asked;
  MsgButtons buttons{};
  MsgIcon icon{};
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
  void SymShowHandles(int) override { ++handles; }

  Surface strip{101, 5, kWhite};
  bool stopVisible = false, menusOn = true, dupVisible = false, noRedraw = false;
  int copies = 0, noRedrawStarts = 0, handles = 0;
};

class RecordingMouseUi : public MouseUi {
 public:
  void canvasChanged() override {}
  void setCanvasPointer(int) override {}
  void LocateCursor(int x, int y) override { located.emplace_back(x, y); }
  void undoPolyChanged(bool on) override { undoPoly = on; }
  void ExitC() override { ++exits; }
  void setEditsymEnabled(bool on) override { editsym = on; }
  void setToolButtonVisible(int tool, bool v) override { visible[tool] = v; }
  bool toolButtonVisible(int tool) const override { return visible.count(tool) ? visible.at(tool) : true; }
  void showKillColor(bool v, Rgb c) override {
    killShown = v;
    kill = c;
  }
  Rgb killColor() const override { return kill; }
  void colorsInUseChanged() override {}

  std::vector<std::pair<int, int>> located;
  bool undoPoly = false, editsym = true, killShown = false;
  int exits = 0;
  std::map<int, bool> visible;
  Rgb kill = 0;
};

using Pt = std::pair<float, float>;
using Entries = std::vector<std::pair<float, float>>;

inline Entries entriesOf(const DrawingList& list, int from, int to) {
  Entries out;
  for (int i = from; i <= to; ++i) out.emplace_back(list.G0[i], list.G1[i]);
  return out;
}

// A list of raw entries followed by the end marker.
inline DrawingList ListOf(std::initializer_list<std::pair<float, float>> entries) {
  DrawingList list;
  int i = 0;
  for (auto [a, b] : entries) {
    list.ensureIndex(i);
    list.G0[i] = a;
    list.G1[i++] = b;
  }
  list.ensureIndex(i);
  list.G0[i] = float(kCodeEnd);
  list.G1[i] = 0;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(i);
  return list;
}

// The list's frames reach the end marker at NumPoints without a flaw.
inline bool wellFormed(const DrawingList& list) {
  if (list.NumPoints < 0 || list.NumPoints >= list.size()) return false;
  FrameWalker walk(list, 0);
  Frame f, lastFrame;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Malformed || (f.kind == FrameKind::Record && f.last < f.first)) return false;
    lastFrame = f;
  }
  return lastFrame.kind == FrameKind::End ||
         (list.recordOpen() && lastFrame.kind == FrameKind::Record && lastFrame.last == list.NumPoints);
}

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
  bool black(int x, int y) const { return canvas.point(x, y) == kBlack; }

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

  // A PAINT record with fills (colour, seed); returns its header.
  int addPaint(const std::vector<std::pair<Rgb, Pt>>& fills) {
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

struct MouseScene : Scene {
  RecordingMouseUi mui;
  bool splinePolyOn = false;
  PolyShape polyShape;  // a square
  MouseEngine m{MouseEnv{list, sym, ctx, ed, pick, colour, views, host, ui, mui, splinePolyOn, polyShape}};

  MouseScene() { ed.ColorToolsOn = true; }

  void tool(int t) { m.DrawType(t); }
  void move(float x, float y, int buttons = 0) { m.P1MM(buttons, 0, x, y); }
  void press(float x, float y, int button = 1) { m.P1MD(button, 0, x, y); }
  void release(float x, float y, int button = 1) { m.Picture1_MouseUp(button, 0, x, y); }
  // A click as the window delivers it: the mouse comes, presses, lets go.
  void click(float x, float y, int button = 1) {
    move(x, y);
    press(x, y, button);
    release(x, y, button);
  }
  void dbl(float x, float y) {
    click(x, y);
    m.P1DBL();
    release(x, y);
  }
  void drag(float x0, float y0, float x1, float y1) {
    move(x0, y0);
    press(x0, y0);
    move((x0 + x1) / 2, (y0 + y1) / 2, 1);
    move(x1, y1, 1);
    release(x1, y1);
  }
  Entries entries(int from, int to) const { return entriesOf(list, from, to); }
  // What a full redraw of the same picture shows; the canvas is left as it was.
  Surface redrawn() {
    const Surface before = canvas;
    m.DrawAll(1);
    Surface after = canvas;
    canvas = before;
    return after;
  }
};

// The canvas equals a fresh full redraw of the picture, pixel for pixel.
#define EXPECT_SAME_AS_REDRAW(s) EXPECT_TRUE((s).canvas == (s).redrawn())

}  // namespace orn::test
