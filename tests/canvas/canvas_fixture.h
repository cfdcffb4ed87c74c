#pragma once
// A small editor on a real canvas Surface: drawing list, symmetry tables,
// the scripted host, controls that record what was asked of the window, and
// the mouse engine.
#include <map>
#include <utility>
#include <vector>

#include "canvas/mouse_engine.h"
#include "canvas/plot_lines.h"
#include "canvas/redraw.h"
#include "canvas/spline.h"
#include "canvas/tools.h"
#include "model/list_edit.h"
#include "model/record_codes.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"
#include "support/list_builder.h"
#include "support/scripted_host.h"

namespace orn::test {

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
  void PutSymState(int part) override { markedPart = part; }
  void setToolButtonColor(int tool, Rgb c) override { toolColours[tool] = c; }
  void setRedrawButtonColor(Rgb c) override { redrawColour = c; }
  void GeoSh() override { ++geoSh; }

  Surface strip{101, 5, kWhite};
  bool stopVisible = false, menusOn = true, dupVisible = false, noRedraw = false;
  int copies = 0, noRedrawStarts = 0, handles = 0;
  int markedPart = -1;  // the part label last marked; -1 before any
  std::map<int, Rgb> toolColours;  // each tool button's last back colour
  Rgb redrawColour = 0;
  int geoSh = 0;  // refreshes of the Geometric button's number
};

class RecordingMouseUi : public MouseUi {
 public:
  void canvasChanged() override {}
  void setCanvasPointer(int) override {}
  void LocateCursor(int x, int y) override { located.emplace_back(x, y); }
  void undoPolyChanged(bool on) override { undoPoly = on; }
  void ExitC() override { ++exits; }
  void setEditsymEnabled(bool on) override { editsym = on; }
  void SymUpdateMenus(bool on) override { symMenus.push_back(on); }
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
  std::vector<bool> symMenus;  // each update of the symmetry menus
  Rgb kill = 0;
};

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
  ScriptedHost host;
  RecordingControls ui;
  Surface canvas{kWidth, kHeight, kWhite};

  Scene() : Scene(kWidth, kHeight) {}
  Scene(int width, int height) : canvas(width, height, kWhite) {
    ctx.Picture1 = &canvas;
    ctx.ExtendLen = 0.0f;
  }

  RedrawEnv env() { return RedrawEnv{list, sym, ctx, ed, pick, colour, views, host, ui}; }
  CanvasDrawing drawing() { return CanvasDrawing{sym, ctx, ed, pick, host, ui}; }
  bool black(int x, int y) const { return canvas.point(x, y) == kBlack; }
};

// A copy of the scene's editor state drawing on a canvas of its own, which
// starts as `canvas`; the scene is not touched.
inline void CopyScene(const Scene& s, Scene& copy, const Surface& canvas) {
  copy.list = s.list;
  copy.sym = s.sym;
  copy.ctx = s.ctx;
  copy.ed = s.ed;
  copy.pick = s.pick;
  copy.colour = s.colour;
  copy.views = s.views;
  copy.canvas = canvas;
  copy.canvas.setPenWidth(s.canvas.penWidth());
  copy.ctx.Picture1 = &copy.canvas;
}

// A fresh full redraw of the scene's list on a canvas of its own, from a
// copy of the editor's state; the scene is not touched.
inline Surface FreshRedraw(const Scene& s) {
  Scene fresh;
  CopyScene(s, fresh, Surface(s.canvas.width(), s.canvas.height(), s.ctx.PicBackColor));
  RedrawEnv e = fresh.env();
  DrawAll(e, 1);
  return fresh.canvas;
}

// The scene's canvas with the rubber band of its open line or spline record
// drawn once more with the XOR pen, as the next move takes it off.
inline Surface BandTakenOff(const Scene& s) {
  Scene copy;
  CopyScene(s, copy, s.canvas);
  CanvasDrawing d = copy.drawing();
  const DrawingList& l = copy.list;
  const int type = headerType(l.G0[l.ItemHead]);
  copy.canvas.setPenMode(PenMode::Xor);
  if (type == kTypeSpline) {
    SplineDraw(d, l, l.ItemFirst, l.NumPoints, copy.ctx.PicBackColor, 4);
  } else {
    PlotLines(d, l, l.ItemFirst, l.NumPoints, copy.ctx.PicBackColor, 4, type);
  }
  return copy.canvas;
}

// A fresh full redraw of the scene's list without the moving point of its
// open record.
inline Surface RedrawnWithoutMovingPoint(const Scene& s) {
  Scene shorter;
  CopyScene(s, shorter, s.canvas);
  shorter.list.DelLastPt();
  return FreshRedraw(shorter);
}

struct MouseScene : Scene {
  RecordingMouseUi mui;
  bool splinePolyOn = false;
  PolyShape polyShape;  // a square
  MouseEngine m{MouseEnv{list, sym, ctx, ed, pick, colour, views, host, ui, mui, splinePolyOn, polyShape}};

  MouseScene() { ed.ColorToolsOn = true; }
  MouseScene(int width, int height) : Scene(width, height) { ed.ColorToolsOn = true; }

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
  // What a fresh full redraw of the same picture shows, made on a copy of
  // the editor's state: the canvas and the engine are left as they were.
  Surface redrawn() const { return FreshRedraw(*this); }
};

// The canvas equals a fresh full redraw of the picture, pixel for pixel.
#define EXPECT_SAME_AS_REDRAW(s) EXPECT_TRUE((s).canvas == (s).redrawn())

}  // namespace orn::test
