#pragma once
// WindowLayout: where the editor window puts its canvas and panels. It fits
// the canvas to the window's size and shape (PageAspect), places the panels
// beside and below it, keeps the progress strip's surface and lays the window
// out once a run of resizes has stopped.
#include <QSize>

#include "platform/core/surface.h"

class QTimer;

namespace orn {

class PicEdit;

class WindowLayout {
 public:
  explicit WindowLayout(PicEdit& w);

  // Lays the window out for its size, rescales the picture with the canvas
  // and redraws; during a redraw, once the redraw has ended.
  void FormRSZ();
  // Lays out once the resizes that come now have stopped.
  void schedule();
  // A resize that came during a redraw is laid out now.
  void afterRedraw();
  // Fits the canvas to the window as FormRSZ does, from a canvas of
  // fromW x fromH (the size the picture's points are laid out for), and
  // rescales the picture with it; the canvas is sized once, fitted.
  void fitCanvas(int fromW, int fromH);
  void resizeCanvas(int w, int h);
  // The panels beside the canvas follow its right edge; the palette's row,
  // the progress strip and the part labels share the bottom strip.
  void placeColourPanel();
  // The tool column, the help box, the stop button and the Special menu's
  // widgets, then the panels; the window's least size follows them.
  void placeBottomStrip();
  // The least inner size at which every control stands clear of the others.
  QSize leastInnerSize() const;
  Surface& progress() { return progress_; }

  // Wanted canvas height / width; kAspectFromCanvas takes it from the canvas.
  double PageAspect = 0.8;
  bool RedrawPending = false;
  bool FitOnResize = false;
  // Printing must lay its pages out anew.
  bool PrintInitDone = false;
  // The canvas's top left corner in the window's inner area.
  int canvasLeft;
  int canvasTop;

 private:
  void formRszSteps();
  // Where the palette's row starts beside a progress strip of that width.
  int paletteLeft(int progressWidth) const;
  void placeProgress();

  PicEdit& w_;
  Surface progress_;
  QTimer* timer_ = nullptr;
  bool resizeAfterRedraw_ = false;
};

}  // namespace orn
