#pragma once
// The editor-wide flags and small values that the canvas, its tools and the
// full redraw share. The editor owns one EditorState and passes it by
// reference; each function takes only the state it needs.
#include <cstdint>
#include <functional>

namespace orn {

// Tool codes (CurDrawType) that the redraw and the paint replay test.
constexpr int kToolSpline = 0;
constexpr int kToolPolyLine = 1;
constexpr int kToolMultiLine = 2;
constexpr int kToolGeometric = 6;
constexpr int kToolPaint = 10;
// Tools above this code edit existing shapes.
constexpr int kEditToolBoundary = 74;
constexpr int kToolAdjustColorHandles = 77;
constexpr int kToolDeleteColorHandle = 78;
constexpr int kToolDuplicate = 79;

// ColorMode values.
constexpr int kColorIdle = 0;
constexpr int kColorPicked = 1;
constexpr int kColorSwapArmed = 2;
constexpr int kColorSwapApplying = 3;
constexpr int kColorWheelApplying = 4;
constexpr int kColorRefillAll = 8;

// The stop request's "True".
constexpr int kStopRequested = -1;

// The colour action state: an int that tells a watcher each time it changes,
// so that what shows the state (the red frame of an armed swap) follows every
// path that changes it. Copies take the value, never the watcher.
class ColorModeValue {
 public:
  ColorModeValue(int v = kColorIdle) : v_(v) {}
  ColorModeValue(const ColorModeValue& o) : v_(o.v_) {}
  ColorModeValue& operator=(const ColorModeValue& o) { return *this = o.v_; }
  ColorModeValue& operator=(int v) {
    if (v == v_) return *this;
    v_ = v;
    if (watch) watch(v_);
    return *this;
  }
  operator int() const { return v_; }

  std::function<void(int)> watch;

 private:
  int v_;
};

struct EditorState {
  // Stop request of the stop button (True = -1); cleared at the start and
  // at the end of every full redraw.
  int StopFlag = 0;
  // Stop request of other long operations; cleared by the redraw.
  bool StopReq = false;

  // The colour action under way: 0 idle, 1 picked, 2 swap armed, 3 swap
  // being applied, 4 wheel turn being applied, 8 all fills repainted.
  ColorModeValue ColorMode = kColorIdle;

  // The drawing routines pump events and honour the stop only while set.
  bool AllowDoEvents = false;
  // A full redraw is walking the list: input that would change the list or
  // start another redraw is ignored.
  bool DrawBusy = false;
  // A full redraw is running (from entry to exit); leaving the editor waits.
  bool Redrawing = false;
  // A command is finishing an edit tool; redraw requests are dropped.
  bool FinishingTool = false;
  // Set by every redraw that passes its guards.
  bool SkipSplineRedraw = false;

  // The current tool.
  int CurDrawType = kToolPolyLine;

  // The Erase Lines tool has its second pick: the run between the picks
  // (HitIndex and SplitPick2 of the pick state) is drawn red.
  bool SecondPick = false;

  // Which handle dots are on the canvas: 0 none, else the tool they are for.
  int DotsMode = 0;

  // The spline setting of the editor start. Nothing reads it: a curve cuts
  // each interval into as many pieces as the interval's size needs.
  int SplineSteps = 12;

  // The progress strip of a redraw.
  std::int32_t ProgressColor = 0x80FFFF;
  int ProgressTotal = 0;
  int ProgressCount = 0;

  // Colour of the Geometric base shapes ahead of the symmetry block: 0
  // black, 1 red, 2 hidden.
  int GridMode = 0;
  // The base-shape highlight is switched on.
  bool YellowBase = false;
  // The symmetry set-up panel is redrawing (the canvas is not cleared).
  bool SymSetupDraw = false;
  // The enlarged memory bitmap is being drawn.
  bool BigBitmapMode = false;
  // Every SYMMETRY CHG value met by a redraw is reset to 0 first.
  bool DebugSymChg = false;
  // The paint panel is shown; fills are painted only while it is.
  bool ColorToolsOn = true;
  // The geometry buttons are shown.
  bool ShowGeoNumbers = false;
  // A print preview of the enlarged bitmap is showing.
  int PreviewFlag = 0;
  // Paint-only mode of the editor.
  int PaintOnlyMode = 0;
  // The picture has changed since it was last saved.
  bool PicChanged = false;

  // "S&ound On": the user's sound switch (nothing else depends on it).
  bool SoundOn = true;

  // Project pages: lines between the pages are drawn in the project view.
  bool ProjectView = false;
  int ProjPages = 1;

  // The step-back repeat while the right button is held: the press time in
  // whole seconds since midnight (0 = no repeat), whether the timer runs and
  // its interval, which only its own tick changes.
  long PressTime = 0;
  bool UndoPolyRunning = false;
  int UndoPolyInterval = 60;
};

}  // namespace orn
