#pragma once
// What keeps long or repeated canvas work under the user's control: the
// progress strip of a redraw, the stop button, and the step-back repeat while
// the right button is held on the canvas.
//
// The editor window implements EditorControls for the widgets a redraw
// touches; the core never sees a widget.
#include <functional>

#include "canvas/editor_state.h"
#include "platform/core/surface.h"

namespace orn {

class EditorControls {
 public:
  virtual ~EditorControls() = default;

  // The canvas was drawn on: the window shows it as it is now at the next
  // pass of the event pump (a long redraw is seen as it is drawn).
  virtual void showCanvas() {}
  // The progress strip, one surface pixel per screen pixel (null: none).
  virtual Surface* progressStrip() { return nullptr; }
  // The strip's surface was drawn on and should be shown again.
  virtual void progressChanged() {}

  virtual void setStopSignVisible(bool) {}
  // Enables or disables the editor's top menus.
  virtual void MenEnable(bool) {}
  // Back colours of a tool button and of the Redraw button.
  virtual void setToolButtonColor(int /*tool*/, Rgb) {}
  virtual void setRedrawButtonColor(Rgb) {}
  // Redraws the polygon number on the geometric tool's button.
  virtual void GeoSh() {}
  // The duplicate-shapes tool button.
  virtual bool dupButtonVisible() const { return false; }
  virtual void setDupButtonVisible(bool) {}
  // The editor is in show mode ("Switch to Show Mode" is checked).
  virtual bool showMode() const { return false; }
  // The symmetry set-up panel is shown.
  virtual bool setupPanelVisible() const { return false; }
  // The base-shape highlight of the symmetry parts, and the set-up handles.
  virtual void ShowSymme(int /*region*/) {}
  virtual void SymShowHandles(int /*mode*/) {}
  // The symmetry block is damaged (shown once per damaged block).
  virtual void reportCorruptSymmetry() {}
  // The copy table was checked and part `CurPart` is current: the part
  // labels mark it and the menus follow it.
  virtual void PutSymState(int /*CurPart*/) {}
  // A full redraw has ended (the canvas is complete and no walk runs).
  virtual void redrawFinished() {}
  // Copies the canvas into its off-screen copy.
  virtual void CopyToBmap() {}
  // The 500 ms guard after a redraw during which the Redraw button is ignored.
  virtual void startNoRedrawTimer() {}
  virtual bool noRedrawTimerActive() const { return false; }
};

// Grows the redraw's progress bar: Mode -1 counts Count of ProgressTotal
// items, any other Mode the list index Count of NumPoints entries. The bar
// only grows; the redraw clears it.
void ShowProgress(const EditorState& ed, EditorControls& ui, int Mode, int Count, int NumPoints);
// The frame of the full bar and the clearing of the strip, around a redraw.
void FrameProgress(EditorControls& ui, Rgb colour);
void ClearProgress(EditorControls& ui);

// The stop button: asks a running redraw to stop at its next record.
void StopSign_Click(EditorState& ed);

// The step-back repeat. A right-button step back starts it; every release
// on the canvas and the step back that removes the record stop it.
void StartUndoPoly(EditorState& ed, double secondsSinceMidnight);
void StopUndoPoly(EditorState& ed);
// One tick of the repeat: sets the next interval (300 ms during the first
// second after the press, 30 ms after it) and takes back one more point.
void UndoPoly_Timer(EditorState& ed, double secondsSinceMidnight, const std::function<void()>& stepBack);

}  // namespace orn
