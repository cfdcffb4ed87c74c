#pragma once
// The canvas's mouse engine: what a press, a move, a release and a double
// click on the canvas do to the drawing list and to the canvas.
//
// P1MD takes a press: the right button steps back through the list, any
// other button draws with the current tool (CurDrawType) or edits with one of
// the editing tools. P1MM follows the mouse: the open record's moving end
// point and its rubber band, freehand polylines, paint drags and the drags
// of the editing tools. P1DBL closes the open record; Picture1_MouseUp ends
// a drag and the held step back.
//
// The engine is plain C++. What only the editor window can do (cursor,
// tool buttons, menus, timers, the other modes that take the canvas's
// presses) it asks through MouseUi. Every tool's branch lives in its own
// file (tool_draw, tool_paint, tool_step_back, tool_edit, tool_drag,
// tool_convert); tool selection is in tools.cpp, snapping in snap.cpp.
#include <functional>
#include <optional>
#include <string>

#include "canvas/redraw.h"
#include "canvas/stroke_traces.h"
#include "model/list_edit.h"
#include "symmetry/polygon_shape.h"

namespace orn {

// Mouse pointers of the canvas, numbered as the drawing-cursor option
// stores them.
constexpr int kPointerArrow = 1;
constexpr int kPointerCross = 2;
constexpr int kPointerUpArrow = 10;

// "No colour handle chosen".
constexpr int kNoHandle = -1;
// SplitPickState when no line record is picked.
constexpr int kNoPickRecord = -999;

// What the engine asks of the editor window. The defaults suit a window
// without these parts.
class MouseUi {
 public:
  virtual ~MouseUi() = default;

  // The canvas surface was drawn on: show it.
  virtual void canvasChanged() {}
  // The canvas's mouse pointer (kPointerArrow, kPointerCross, kPointerUpArrow).
  virtual void setCanvasPointer(int /*pointer*/) {}
  // Moves the mouse pointer onto the canvas point (x, y).
  virtual void LocateCursor(int /*x*/, int /*y*/) {}
  // The step-back repeat was started or stopped (EditorState::UndoPolyRunning).
  virtual void undoPolyChanged(bool /*running*/) {}

  // Presses are ignored while a picture is being loaded.
  virtual bool loading() const { return false; }
  // Leaves the editor (a press in show mode).
  virtual void ExitC() {}
  // The initial-symmetry panel is up: presses are ignored.
  virtual bool symInitialMode() const { return false; }
  // The zoom box owns the canvas's mouse: Kind 0 press, 1 move, 2 release.
  virtual bool zoomBoxMode() const { return false; }
  virtual void CalcBoxDrag(int /*Kind*/, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
  // A press during the symmetry set-up (SymState::GeoCapture > 0), and the
  // set-up's repeat of its last press for a double click.
  virtual void SymTestHandle(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
  virtual void repeatSetupPress() {}

  // Menus and panels.
  virtual void setEditsymEnabled(bool /*enabled*/) {}
  virtual void SymUpdateMenus(bool /*hasBlock*/) {}
  virtual void hidePartPanel() {}
  virtual void clearHasBaseGroup() {}
  // The tool buttons shown or hidden, and the panels beside them.
  virtual void setToolButtonVisible(int /*tool*/, bool /*visible*/) {}
  virtual bool toolButtonVisible(int /*tool*/) const { return true; }
  virtual bool colourWheelShown() const { return false; }
  virtual void setWheelPanelVisible(bool /*visible*/) {}
  virtual void setPolygonButtonVisible(bool /*visible*/) {}
  // The swatch that shows the colour handle chosen with Delete Color Handle.
  virtual void showKillColor(bool /*visible*/, Rgb /*colour*/) {}
  virtual Rgb killColor() const { return 0; }
  // The current colour or the colours in use changed.
  virtual void currentColourChanged() {}
  virtual void colorsInUseChanged() {}
  // The spline/polyline switch's colour (&H80FFFF off, 255 on).
  virtual void setSplinePolyColour(Rgb /*colour*/) {}
  // The hidden debug label that shows the mouse position.
  virtual void setDebugLabel(const std::string& /*text*/) {}
  // Runs a command that reports its own failures under `tag` (the full
  // redraw under "DrawAll"); without a window it simply runs.
  virtual void Trap(const char* /*tag*/, const std::function<void()>& command) { command(); }
};

// The engine's own state: the last press, the pick state of the editing
// tools beyond PickState, and the drawing options it reads.
struct MouseState {
  // The last press, as pressed (before snapping).
  int MouseButton = 0;
  int MouseShift = 0;
  float MouseX = 0.0f;
  float MouseY = 0.0f;

  // Manhattan step of freehand polylines; 10000 after a step back.
  int NearDist = 10000;
  // A Spline-tool stroke is being drawn as a Poly Line.
  bool SplineSwitched = false;

  // Point finding: the first entry of the hit's pair (Multi Line, PAINT),
  // where the next search starts, and the editing tools' picks.
  int HitPair = 0;
  int SearchFrom = 0;
  int SplitPickState = kNoPickRecord;
  int ColorHandle = kNoHandle;
  // A drag of tool 75, 77 or 79 is under way.
  bool MouseBusy = false;

  // Options: snap distance (0 = none, 1..10), splines allowed, the drawing
  // cursor, the debug position label.
  int SnapSize = 0;
  bool AllowSplines = true;
  int DrawCursor = kPointerCross;
  bool DebugTrack = false;
};

// The state the engine works on, owned by the editor.
struct MouseEnv {
  DrawingList& list;
  SymState& sym;
  DrawContext& ctx;
  EditorState& ed;
  PickState& pick;
  ColourState& colour;
  const ViewTable& views;
  Host& host;
  EditorControls& controls;
  MouseUi& ui;
  // The spline/polyline switch, stored with the picture.
  bool& SplinePolyOn;
  // The polygon the Geometric tool builds.
  const PolyShape& polyShape;
};

// The engine works on the editor's state through the references of its
// MouseEnv, under the same names.
class MouseEngine : private MouseEnv {
 public:
  explicit MouseEngine(const MouseEnv& env);

  MouseState ms;

  // ---- canvas events ----
  void P1MD(int Button, int Shift, float X, float Y);
  void P1MM(int Button, int Shift, float X, float Y);
  void P1DBL();
  void Picture1_MouseUp(int Button, int Shift, float X, float Y);
  // One tick of the held step back.
  void UndoPoly_Tick();

  // ---- tool selection ----
  // A press on a tool button; ignored while a redraw runs.
  void DrawType_MouseDown(int Index);
  void DrawType(int Index);
  void SetDrawButtons(bool Show);

  // ---- conversions ----
  void PolySplineSwap(int Index);
  void SplinePoly_Click();

  // ---- list commands that redraw through the canvas ----
  bool MarkC();
  bool UndoToMarkC();
  // The canvas side of list editing (SplitRun's pieces, closing, redraw).
  ListEditHooks& listHooks() { return hooks_; }

  // ---- services for the tools (also used by tests) ----
  void FindPoint(float x, float y);
  // Snaps (x, y) onto a stored point within SnapSize, leaving out entry
  // Skip (and the entries skipLo..skipHi when given). With Flag 0 a snap
  // also moves the mouse-move target there (P1MM); otherwise Flag is set to
  // 0 to tell the caller. Returns true on a snap.
  bool GravFind(float& x, float& y, int Skip, int& Flag, int skipLo = -1, int skipHi = -1);
  void DrawAll(int Index);

 private:
  class Hooks : public ListEditHooks {
   public:
    explicit Hooks(MouseEngine& m) : m_(m) {}
    void erasePointBox(float x, float y) override;
    void plotPiece(const DrawingList& list, int from, int to) override;
    void setDrawCursor() override;
    void closeOpenRecord(DrawingList& list) override;
    void drawAll() override;

   private:
    MouseEngine& m_;
  };

  RedrawEnv redrawEnv();
  CanvasDrawing drawing();
  Surface* canvas() { return ctx.Picture1; }
  void penMode(PenMode m);
  bool roomFor(int entries) const;
  void dropOpenRecord();
  void writeEndAt(int at);

  // tool_draw.cpp
  void drawClick(float X, float Y);
  void splineClick(float X, float Y);
  void lineClick(float X, float Y);
  void fixNewestSegment(int tool);
  void circleClick(float X, float Y);
  void geometricClick(float X, float Y);
  void rubberBand(int Button, float X, float Y);
  void drawBand(int tool);
  // The same figure in a colour and pen of the caller's choice.
  void drawBandIn(int tool, Rgb colour, PenMode mode);
  bool openRecordOf(int tool) const;
  bool openRecord(int type, int nParams, float X, float Y, int extra);
  void buildPolygon();
  // Draws the finished figure and sets its length; true when the picture
  // must be redrawn to show it exactly.
  bool closeFigure(int type);

  // tool_step_back.cpp
  void StepBack();
  bool stepBackClosedList(int& T);
  void stepBackFigure();
  // The last fill was taken back by filling its regions in the background
  // colour: true when the canvas now shows what a redraw shows.
  bool fillTakenBackExactly();

  // tool_step_back.cpp: the open record's figure as a full redraw draws it
  // (`asDrawn`: with the replicas the working symmetry allows while
  // drawing), on a mask of the canvas's size (null: nothing to draw on); and
  // the open record brought to the canvas exactly as that figure.
  std::optional<Surface> recordMask(int head, int first, int last, bool asDrawn);
  // For as long as it lives, the drawing routines draw on a mask instead of
  // the canvas, as a full redraw draws: every copy (with `asDrawn`, those
  // the working symmetry allows while drawing), lines lengthened, nothing
  // printed.
  class OnMask {
   public:
    OnMask(DrawContext& ctx, Surface& mask, bool asDrawn);
    ~OnMask() { ctx_ = saved_; }
    OnMask(const OnMask&) = delete;
    OnMask& operator=(const OnMask&) = delete;

   private:
    DrawContext& ctx_;
    const DrawContext saved_;
  };
  bool showRecordExactly(int head, int first, int last);
  // The canvas as a redraw shows the list without the open record: known
  // (made by a redraw off the canvas when it is not), and shown.
  bool knowCanvasWithoutOpenRecord();
  bool showCanvasWithoutOpenRecord();
  // The open record of a line tool with its rubber band, as drawing shows it.
  void showStrokeWithBand(int head, int first, int tool);
  StrokeTraces traces_;

  // tool_paint.cpp
  void paintClick(float X, float Y);
  void paintDrag(int Button, float X, float Y);
  void UseColor();

  // tool_edit.cpp
  void editPress(int Button, float X, float Y);
  void pickLogic(int Button, float X, float Y);
  void drawHit(Rgb Colour, int Button);
  void actOnPick(int Button);
  void deleteHitRecord();
  void clearPicks();
  void CancelPick();
  void eraseBox(float x, float y);

  // tool_drag.cpp
  void dragPress(float X, float Y);
  void dragStep(float X, float Y);
  void dragRelease(int Button, int Shift, float X, float Y);
  void dragFigure(Rgb c);
  // The lines the dragged point moves, black on `hinge_`, as a redraw
  // draws them; with `neighbours` the chain's segments on either side of
  // them too, else those are left out of the mask.
  void drawHinge(bool neighbours);
  // Turns the canvas's pixels under the moving lines over with the XOR pen
  // in the background colour, each pixel once.
  void flipHinge();
  Surface hinge_;

  Hooks hooks_;
};

}  // namespace orn
