#include "editor/ui/zoom_control.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/zoom_panel.h"
#include "canvas/zoom_views.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

constexpr const char* kSizeBoxHelp =
    "Click on the center of the zoom, then move the mouse up and down to adjust the size of the "
    "zoom box and click again.  (Press right mouse button to cancel zoom)";
constexpr const char* kFrameHelp =
    "Drag red frame and center handles to adjust green frame to desired position and size.  Drag "
    "with right mouse button to rotate.  When you are satisfied click OK to see the selected view.";
constexpr const char* kFineTuneHelp =
    "Use the Fine Tuning controls to perfect your view, then click OK.)";
constexpr Rgb kHelpBack = 0x00FFFF;

}  // namespace

ZoomControl::ZoomControl(PicEdit& w) : QObject(&w), w_(w) {
  Picture2 = new ZoomPanel(w.formArea());
  Picture2->move(0, 0);
  Picture2->hide();
  connect(Picture2, &ZoomPanel::boxButtonClicked, this, [this](int i) { ButtonBox(i); });
  connect(Picture2, &ZoomPanel::hScrollChanged, this, [this] { HScroll1_Change(); });
  connect(Picture2, &ZoomPanel::vScrollChanged, this, [this](int i) { VScroll1_Change(i); });
}

int ZoomControl::canvasW() const { return w_.canvasSurface().width(); }
int ZoomControl::canvasH() const { return w_.canvasSurface().height(); }

bool ZoomControl::LocateCursor(int x, int y) { return w_.Picture1->placePointer(x, y); }

void ZoomControl::updateViewItems() {
  if (QAction* back = w_.menus().menuItem("ZoomS(0)")) back->setVisible(w_.views().ViewDepth > 0);
  w_.menus().setItemEnabled("ZoomS(1)", ZoomRowUsable(w_.views(), kRestoreRow));
}

void ZoomControl::finishEditTool() {
  EditorState& ed = w_.editor();
  if (ed.CurDrawType > kEditToolBoundary) {
    const int tool = ed.CurDrawType == kToolAdjustColorHandles || ed.CurDrawType == kToolDeleteColorHandle
                         ? kToolPaint
                         : kToolPolyLine;
    ed.FinishingTool = true;
    w_.tools().engine().DrawType(tool);
    ed.FinishingTool = false;
  }
  if (w_.list().PackFrom > 0) PackBad(w_.list());
}

// ---- the Zoom menu ------------------------------------------------------------------

void ZoomControl::ZoomC(int Index) {
  w_.errors().Trap("ZoomC", Index, [this, Index] {
    finishEditTool();
    zoomTo(ZoomRow(Index, w_.sym().CurPart));
  });
}

void ZoomControl::zoomTo(int row) {
  ViewTable& v = w_.views();
  // A view that was never stored (or stores no size) is never applied.
  if (!ZoomRowUsable(v, row)) {
    w_.host().beep();
    return;
  }
  if (PushForZoom(v, canvasW(), canvasH())) rememberPush();
  updateViewItems();
  w_.editor().ProjectView = row == kProjectRowView;
  showStoredView(row, ViewCanvas::FillWindow);
  w_.DrawAll(1);
}

// Every stored view keeps the canvas it was made for in its target columns.
// The canvas takes that size and the view is applied. A view from the menu
// is then fitted to the window, the picture rescaled with the canvas: it is
// shown in its own shape, as large as the window allows (the project view
// as tall as its stack of pages, a page as its page). A view of the way
// back keeps that canvas while it fits the window, so the screen is as it
// was, also where the canvas did not fill the window; in a window that has
// become too small for it the canvas is fitted in its shape.
void ZoomControl::showStoredView(int row, ViewCanvas canvas, bool dropRow) {
  ViewTable& v = w_.views();
  w_.Picture1->hide();
  w_.layout().PrintInitDone = false;
  const int rowW = RowCanvasWidth(v, row), rowH = RowCanvasHeight(v, row);
  w_.viewing().sizeCanvas(rowW, rowH);
  w_.layout().PageAspect = canvas == ViewCanvas::AsItWas ? kAspectFromCanvas : double(rowH) / double(rowW);
  if (TransformView(v, w_.list(), row, CanvasRect{0, canvasW(), 0, canvasH()}))
    InvalidateSymTables(w_.sym());
  // A row of the history that has been shown is dropped before the layout
  // pushes its own row above it.
  if (dropRow) v.ViewDepth -= 1;
  EditorState& ed = w_.editor();
  ed.FinishingTool = true;
  w_.layout().FormRSZ();
  ed.FinishingTool = false;
  w_.Picture1->show();
}

void ZoomControl::ZoomSC(int Index) {
  w_.errors().Trap("ZoomSC", Index, [this, Index] {
    finishEditTool();
    switch (Index) {
      case 0:
        stepBack();
        break;
      case 1:
        if (!ZoomRowUsable(w_.views(), kRestoreRow)) {
          w_.host().beep();
          return;
        }
        showStoredView(kRestoreRow, ViewCanvas::AsItWas);
        w_.DrawAll(1);
        break;
      case 2:
        setZoom();
        break;
      default:
        break;
    }
  });
}

void ZoomControl::backFromSetup() { stepBack(ViewCanvas::FillWindow); }

void ZoomControl::stepBack(ViewCanvas canvas) {
  ViewTable& v = w_.views();
  if (v.ViewDepth >= 1) {
    const int row = v.lastRow();
    if (ZoomRowUsable(v, row)) {
      showStoredView(row, canvas, true);
      restorePushed(row);
    } else {
      v.ViewDepth -= 1;
    }
    w_.DrawAll(1);
  }
  updateViewItems();
}

// "Set &Zoom": the click-and-size box, or with Ctrl held (or a stop pending)
// the rotatable frame with its panel.
void ZoomControl::setZoom() {
  EditorState& ed = w_.editor();
  SaveScale(w_.views(), canvasW(), canvasH());
  rememberPush();
  box_.ZoomBoxMode = true;
  w_.file().ZoomBoxMode = true;
  box_.BoxChanged = false;
  box_.GrabHandle = 0;
  w_.symHost().SetDrawButtons(false);
  w_.MenEnable(false);
  w_.Picture7->hide();
  if (ed.ColorToolsOn) {
    // The paint panel goes, and comes back when the mode ends.
    w_.ToggleColorTools();
    ed.ColorToolsOn = true;
  }
  w_.viewing().setRedrawButtonVisible(false);
  const bool frame = w_.host().ctrlKeyDown() || ed.StopFlag != 0;
  box_.ZoomBoxKind = frame ? kBoxFrame : kBoxClickWait;
  if (frame) {
    CalcBox(box_, canvasW(), canvasH());
    showBox(true);
    Picture2->BoxButton[2]->setText(ed.ProjPages > 1 ? "Project" : "Page");
    Picture2->show();
    Picture2->raise();
  } else {
    w_.menus().setItemEnabled("HelpP", false);
  }
  w_.Text1->setStyleSheet(colourStyle(kHelpBack));
  w_.Text1->setText(frame ? kFrameHelp : kSizeBoxHelp);
  w_.Text1->setEnabled(true);
  w_.Text1->show();
}

void ZoomControl::showBox(bool on) {
  ShowRotBox(box_, w_.canvasSurface(), on, w_.draw().LineWidth);
  w_.Picture1->update();
}

// The box is taken off before the redraw (which may be refused) and put
// back, reset to the whole canvas, after it.
void ZoomControl::redrawWithBox() {
  showBox(false);
  box_.ZoomBoxMode = false;
  w_.DrawAll(1);
  box_.ZoomBoxMode = true;
  w_.MenEnable(false);
  CalcBox(box_, canvasW(), canvasH());
  showBox(true);
  box_.BoxChanged = false;
}

void ZoomControl::afterRedraw() {
  box_.BoxDrawn = false;
  if (!box_.ZoomBoxMode) return;
  // The redraw brings the menus back at its end; the mode keeps them away.
  w_.MenEnable(false);
  if (box_.ZoomBoxKind == kBoxClickWait) return;
  const BoxPoint& corner = box_.BoxRef[2];
  if (corner.x != float(canvasW() - 1) || corner.y != float(canvasH() - 1)) {
    // The canvas changed size under the box: it starts again from the whole canvas.
    showBox(false);
    CalcBox(box_, canvasW(), canvasH());
    box_.BoxChanged = false;
  }
  showBox(true);
}

void ZoomControl::rememberPush() {
  const ViewTable& v = w_.views();
  // Rows at or above the new one were dropped since they were pushed.
  while (!pushed_.empty() && pushed_.back().row >= v.lastRow()) pushed_.pop_back();
  pushed_.push_back(RememberPushedView(v, w_.list()));
}

void ZoomControl::restorePushed(int row) {
  while (!pushed_.empty() && pushed_.back().row > row) pushed_.pop_back();
  if (pushed_.empty() || pushed_.back().row != row) return;
  RestorePushedView(pushed_.back(), w_.views(), w_.list());
  // Back drops the row; Cancel keeps it, and may bring it back again.
  if (w_.views().lastRow() < row) pushed_.pop_back();
}

// ---- the box ---------------------------------------------------------------------

void ZoomControl::CalcBoxDrag(int Kind, int Button, int /*Shift*/, float X, float Y) {
  const BoxAction a = orn::CalcBoxDrag(box_, BoxCanvas{w_.canvasSurface(), w_.draw().LineWidth},
                                       *this, Kind, Button, X, Y);
  w_.Picture1->update();
  switch (a) {
    case BoxAction::Started:
      w_.Picture1->setCanvasCursor(CursorOfPointer(w_.tools().engine().ms.DrawCursor));
      break;
    case BoxAction::Cancel:
    case BoxAction::Apply:
      w_.viewing().setRedrawButtonVisible(true);
      w_.menus().setItemEnabled("HelpP", true);
      ButtonBox(a == BoxAction::Apply ? 0 : 1);
      break;
    case BoxAction::None:
      break;
  }
}

void ZoomControl::ButtonBox(int Index) {
  w_.errors().Trap("ButtonBox", Index, [this, Index] { buttonBoxSteps(Index); });
}

void ZoomControl::buttonBoxSteps(int Index) {
  if (!box_.ZoomBoxMode) return;
  switch (Index) {
    case 0:
      applyBox();
      break;
    case 1:
      cancelBox();
      break;
    case 2:
      // The page or project view, with the box put back over it afterwards.
      showBox(false);
      box_.ZoomBoxMode = false;
      zoomTo(w_.editor().ProjPages > 1 ? kProjectRowView : kFullPictureRow);
      box_.ZoomBoxMode = true;
      w_.MenEnable(false);
      CalcBox(box_, canvasW(), canvasH());
      showBox(true);
      box_.BoxChanged = false;
      break;
    case 3:
      if (box_.BoxChanged) applyBox();
      if (!box_.ZoomBoxMode) return;
      StoreRestoreView(w_.views(), canvasW(), canvasH());
      if (QAction* restore = w_.menus().menuItem("ZoomS(1)")) restore->setVisible(true);
      updateViewItems();
      break;
    default:
      break;
  }
}

void ZoomControl::applyBox() {
  if (box_.BoxChanged) {
    if (ApplyBoxView(w_.views(), w_.list(), box_, canvasW(), canvasH())) InvalidateSymTables(w_.sym());
    redrawWithBox();
    if (box_.ZoomBoxKind <= kBoxFrame) {
      w_.Text1->setText(kFineTuneHelp);
      return;
    }
  }
  showBox(false);
  endBoxMode();
}

void ZoomControl::cancelBox() {
  if (box_.BoxChanged) {
    // Back to the whole canvas; a following "OK" applies that.
    showBox(false);
    CalcBox(box_, canvasW(), canvasH());
    showBox(true);
    return;
  }
  // Back to the view pushed when the mode began; the history keeps it.
  showBox(false);
  box_.ZoomBoxMode = false;
  ViewTable& v = w_.views();
  if (ZoomRowUsable(v, v.lastRow())) {
    showStoredView(v.lastRow(), ViewCanvas::AsItWas);
    restorePushed(v.lastRow());
  }
  w_.DrawAll(1);
  endBoxMode();
}

void ZoomControl::endBoxMode() {
  EditorState& ed = w_.editor();
  w_.Text1->hide();
  w_.Picture1->setCanvasCursor(CanvasCursor::Arrow);
  box_.ZoomBoxMode = false;
  w_.file().ZoomBoxMode = false;
  Picture2->hide();
  w_.viewing().setRedrawButtonVisible(true);
  w_.menus().setItemEnabled("HelpP", true);
  if (ed.ColorToolsOn) {
    ed.ColorToolsOn = false;
    w_.ToggleColorTools();
  }
  w_.MenEnable(true);
  w_.symHost().SetDrawButtons(true);
  if (ed.PaintOnlyMode == 0) w_.viewing().showPartLabels();
  updateViewItems();
}

// ---- the fine-tuning bars -------------------------------------------------------------

// One step of a bar: the bar springs back to 0 at once (also when the step
// only applies a dragged frame), and `apply` changes the view by the value.
void ZoomControl::barStep(QScrollBar* bar, const std::function<bool(int)>& apply) {
  const int value = bar->value();
  {
    const QSignalBlocker block(bar);
    bar->setValue(0);
  }
  if (!box_.ZoomBoxMode) return;
  if (box_.BoxChanged) {
    ButtonBox(0);
    return;
  }
  if (value == 0) return;
  if (apply(value)) InvalidateSymTables(w_.sym());
  redrawWithBox();
}

void ZoomControl::HScroll1_Change() {
  w_.errors().Trap("HScroll1", [this] {
    barStep(Picture2->HScroll1,
            [this](int value) { return NudgeView(w_.views(), w_.list(), value, canvasW(), canvasH()); });
  });
}

void ZoomControl::VScroll1_Change(int Index) {
  if (Index < 0 || Index > 2) return;
  w_.errors().Trap("VScroll1C", Index, [this, Index] {
    barStep(Picture2->VScroll1[static_cast<std::size_t>(Index)], [this, Index](int value) {
      return FineTuneView(w_.views(), w_.list(), Index, value, canvasW(), canvasH());
    });
  });
}

}  // namespace orn
