// The editor window's layout: the canvas fitted to the window, the panels
// around it, and the layout that waits for a redraw or a run of resizes.
#include "editor/ui/window_layout.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "canvas/redraw.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/zoom_panel.h"
#include "colour/ui/colour_panel.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/project_pages.h"
#include "editor/ui/zoom_control.h"
#include "platform/canvas_widget.h"
#include "symmetry/setup_handles.h"

namespace orn {

namespace {

// The bottom strip: the help box above the progress strip, and right of them
// the palette's row. In a narrow window the progress strip narrows down to
// its least width to leave the row its room.
constexpr int kHelpBoxHeight = 36;
constexpr int kProgressWidth = 200;
constexpr int kLeastProgressWidth = 64;
constexpr int kProgressHeight = 10;
constexpr int kPaletteGap = 12;

}  // namespace

WindowLayout::WindowLayout(PicEdit& w)
    : canvasLeft(kCanvasLeft), canvasTop(kCanvasTop), w_(w), progress_(kProgressWidth, kProgressHeight, kWhite) {
  timer_ = new QTimer(&w_);
  timer_->setSingleShot(true);
  timer_->setInterval(0);
  QObject::connect(timer_, &QTimer::timeout, &w_, [this] { FormRSZ(); });
}

void WindowLayout::schedule() { timer_->start(); }

void WindowLayout::afterRedraw() {
  if (!resizeAfterRedraw_) return;
  // The resize that came during the redraw is laid out from the event loop,
  // once, after the redraw has returned to its caller.
  resizeAfterRedraw_ = false;
  timer_->start();
}

void WindowLayout::resizeCanvas(int w, int h) {
  Surface& canvas = w_.canvasSurface();
  canvas.setBackColor(w_.draw().PicBackColor);
  canvas.resize(w, h);
  w_.Picture1->setGeometry(canvasLeft, canvasTop, w, h);
  w_.Picture1->update();
}

void WindowLayout::placeColourPanel() {
  w_.colours().placeColourTools(paletteLeft(kProgressWidth), paletteLeft(kLeastProgressWidth));
  placeProgress();
  w_.symmetry().placePartLabels();
}

int WindowLayout::paletteLeft(int progressWidth) const {
  // Right of the progress strip, and of the Special menu's numbers and stamp
  // buttons while they are shown (the help box stands right of them).
  return std::max(kCanvasLeft + progressWidth, w_.special().helpBoxLeft()) + kPaletteGap;
}

// The progress strip takes the room left of the palette's row, up to its
// full width.
void WindowLayout::placeProgress() {
  const int top = std::max(w_.formArea()->height() - kFreeHeight, 0);
  const int width =
      std::clamp(w_.colours().Picture3->x() - kPaletteGap - kCanvasLeft, kLeastProgressWidth, kProgressWidth);
  if (progress_.width() != width) {
    progress_.resize(width, kProgressHeight);
    w_.Progress->update();
  }
  w_.Progress->setGeometry(kCanvasLeft, top + kHelpBoxHeight + 10, width, kProgressHeight);
}

QSize WindowLayout::leastInnerSize() const {
  // Across: the tool column, the narrowest progress strip, the palette's row
  // and the part labels.
  const int width =
      paletteLeft(kLeastProgressWidth) + ColourPanel::rowWidth() + kColourPanelGap + w_.Picture7->width();
  // Down: the tool column's buttons and every panel that stands in the
  // column in their place, above the bottom strip.
  int column = 0;
  for (const QWidget* b : w_.DrawTypePanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    column = std::max(column, b->geometry().bottom() + 1);
  for (const QWidget* panel : {static_cast<QWidget*>(w_.zoom().Picture2), static_cast<QWidget*>(w_.Picture5),
                               static_cast<QWidget*>(w_.pages().Picture6),
                               static_cast<QWidget*>(w_.colours().Picture12)})
    column = std::max(column, panel->geometry().bottom() + 1);
  return {width, column + kFreeHeight};
}

void WindowLayout::placeBottomStrip() {
  QWidget* area = w_.formArea();
  const int fh = area->height();
  const int top = std::max(fh - kFreeHeight, 0);
  w_.DrawTypePanel->setGeometry(0, 0, kCanvasLeft, top);
  const int helpLeft = w_.special().helpBoxLeft();
  w_.Text1->setGeometry(helpLeft, top + 4, std::max(area->width() - kFreeWidth - (helpLeft - kCanvasLeft), 1),
                        kHelpBoxHeight);
  // The stop button stands below the tool column, left of the help box and
  // the progress strip, where it hides nothing during a redraw.
  QPushButton* stop = w_.redraws().StopSign;
  stop->move((kCanvasLeft - stop->width()) / 2, top + (kFreeHeight - stop->height()) / 2);
  w_.special().placeSpecialWidgets(top);
  placeColourPanel();
  // The window never becomes smaller than its controls need side by side.
  w_.formArea()->setMinimumSize(leastInnerSize());
}

void WindowLayout::FormRSZ() {
  timer_->stop();
  if (RedrawRunning(w_.editor())) {
    // The list must not be rescaled under the walk: lay out when it ends.
    resizeAfterRedraw_ = true;
    return;
  }
  w_.errors().Trap("FormRSZ", [this] { formRszSteps(); });
}

void WindowLayout::formRszSteps() {
  if (w_.isMinimized()) {
    RedrawPending = true;
    return;
  }
  if (RedrawPending) {
    // Restored from an icon: the canvas keeps its size, which is all a
    // pending FitOnResize asks.
    RedrawPending = false;
    FitOnResize = false;
    w_.Picture1->show();
    w_.DrawAll(1);
    return;
  }
  if (FitOnResize) {
    FitOnResize = false;
    return;
  }
  Surface& canvas = w_.canvasSurface();
  canvas.clear();
  fitCanvas(canvas.width(), canvas.height());
  w_.DrawAll(1);
}

void WindowLayout::fitCanvas(int fromW, int fromH) {
  const int fw = w_.formArea()->width();
  const int fh = w_.formArea()->height();
  const CanvasFit fit = FitCanvas(fw, fh, PageAspect, fromW, fromH);
  PageAspect = fit.pageAspect;
  PrintInitDone = false;
  if (w_.showMode()) {
    const CanvasPlace at = PlaceCanvas(fw, fh, fit.width, fit.height, true);
    canvasLeft = at.left;
    canvasTop = at.top;
  }
  resizeCanvas(fit.width, fit.height);
  placeBottomStrip();
  // The picture keeps its place relative to the canvas. Pending deletions
  // are packed first, so a marked point is never moved. An open symmetry
  // set-up's copies move with the base shapes they were taken from.
  if (const auto map = RescaleToCanvas(w_.views(), w_.list(), fromW, fit.width, fit.height)) {
    SymState& sym = w_.sym();
    sym.SymTablesValid = false;
    if (sym.GeoCapture != 0) MoveSetupCopies(sym, [&map](float& x, float& y) { map->apply(x, y); });
  }
  w_.Picture1->show();
}

}  // namespace orn
