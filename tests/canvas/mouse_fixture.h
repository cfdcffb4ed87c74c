#pragma once
// The mouse engine on a real canvas Surface: a Scene (drawing list,
// symmetry, canvas) with the engine and a window stand-in that records what
// the engine asked of it.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "canvas/mouse_engine.h"
#include "canvas/tools.h"
#include "model/record_codes.h"
#include "redraw_fixture.h"

namespace orn::test {

class RecordingMouseUi : public MouseUi {
 public:
  void canvasChanged() override { ++changes; }
  void setCanvasPointer(int p) override { pointer = p; }
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
  void colorsInUseChanged() override { ++inUseChanges; }

  int changes = 0;
  int pointer = 0;
  std::vector<std::pair<int, int>> located;
  bool undoPoly = false;
  int exits = 0;
  bool editsym = true;
  std::map<int, bool> visible;
  bool killShown = false;
  Rgb kill = 0;
  int inUseChanges = 0;
};

// A host whose message boxes give a set answer.
class AnswerHost : public PumpHost {
 public:
  MsgResult messageBox(const std::string& text, MsgButtons, MsgIcon, const std::string&) override {
    asked.push_back(text);
    return messageBoxAnswer;
  }
  MsgResult messageBoxAnswer = MsgResult::Yes;
  std::vector<std::string> asked;
};

struct MouseScene : Scene {
  AnswerHost host;  // in place of the scene's own
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
  // A double click: press, release, double click, release.
  void dbl(float x, float y) {
    click(x, y);
    m.P1DBL();
    release(x, y);
  }
  // What a full redraw of the same picture shows; the canvas is left as it was.
  Surface redrawn() {
    const Surface before = canvas;
    m.DrawAll(1);
    Surface after = canvas;
    canvas = before;
    return after;
  }
  // Pixels where two surfaces differ, for messages.
  static std::string diff(const Surface& a, const Surface& b) {
    std::string out;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.point(x, y) != b.point(x, y) && n++ < 12)
          out.append("(").append(std::to_string(x)).append(",").append(std::to_string(y))
              .append(":").append(std::to_string(a.point(x, y))).append("/")
              .append(std::to_string(b.point(x, y))).append(") ");
    return std::to_string(n) + " differ " + out;
  }
  std::vector<std::pair<float, float>> entries(int from, int to) const {
    std::vector<std::pair<float, float>> out;
    for (int i = from; i <= to; ++i) out.emplace_back(list.G0[i], list.G1[i]);
    return out;
  }
  // Pixels of the colour inside the rectangle.
  int count(Rgb c, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (canvas.point(x, y) == std::int64_t(c)) ++n;
    return n;
  }
  // The list's frames reach the end marker at NumPoints without a flaw.
  bool wellFormed() const {
    if (list.NumPoints < 0 || list.NumPoints >= list.size()) return false;
    FrameWalker walk(list, 0);
    Frame f;
    Frame lastFrame;
    while (walk.next(f)) {
      if (f.kind == FrameKind::Malformed) return false;
      lastFrame = f;
    }
    return lastFrame.kind == FrameKind::End ||
           (list.recordOpen() && lastFrame.kind == FrameKind::Record && lastFrame.last == list.NumPoints);
  }
};

}  // namespace orn::test
