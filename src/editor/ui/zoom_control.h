#pragma once
// The editor's views: the "&Zoom" menu (the stored views of the full
// picture, the pages, the project and the symmetry parts, "&Back" through
// the history, "&Restore" and "Set &Zoom"), and the zoom-box mode that "Set
// &Zoom" opens, with its "Fine Tuning" panel.
//
// While the zoom-box mode is on the canvas's mouse events come here instead
// of going to the drawing tools, the tools and menus are put away, and the
// box is drawn over the picture with the exclusive-or pen.
#include <QObject>

#include <functional>
#include <vector>

class QScrollBar;

#include "canvas/zoom_box.h"
#include "canvas/zoom_views.h"

namespace orn {

class PicEdit;
class ZoomPanel;

class ZoomControl : public QObject, private BoxPointer {
  Q_OBJECT
 public:
  explicit ZoomControl(PicEdit& w);

  ZoomBoxState& box() { return box_; }
  bool zoomBoxMode() const { return box_.ZoomBoxMode; }
  ZoomPanel* Picture2 = nullptr;

  // The "&Zoom" menu: Zoom(Index) shows a stored view (0 the selected
  // symmetry part, 1 the full picture or page 1, 2-6 the pages, 7 the
  // project); ZoomS(0) "&Back", ZoomS(1) "&Restore", ZoomSS(2) "Set &Zoom".
  void ZoomC(int Index);
  void ZoomSC(int Index);

  // A canvas mouse event in the zoom-box mode: Kind 0 press, 1 move, 2 release.
  void CalcBoxDrag(int Kind, int Button, int Shift, float X, float Y);
  // The panel's buttons: 0 "OK", 1 "Cancel", 2 "Page"/"Project", 3 "Set".
  void ButtonBox(int Index);
  void HScroll1_Change();
  void VScroll1_Change(int Index);

  // "&Back" is offered exactly while the history holds a view, "&Restore"
  // exactly while a stored view is there to return to.
  void updateViewItems();
  // The symmetry set-up's OK and Cancel: back to the view the set-up pushed
  // as it opened, fitted to the window as it is now, so that a window
  // resized during the set-up keeps its new size.
  void backFromSetup();
  // After every full redraw that ran (it cleared the canvas, box and all):
  // in the zoom-box mode the menus stay away and the box is put back.
  void afterRedraw();

 private:
  // BoxPointer
  bool LocateCursor(int x, int y) override;

  void zoomTo(int row);
  // How a stored view's canvas meets the window: a view chosen from the menu
  // fills the window in its own shape; the way back (Back, Restore, Cancel)
  // brings the canvas back at the size it had, laid out anew only when the
  // window has become too small for it.
  enum class ViewCanvas { FillWindow, AsItWas };
  // Shows stored view `row` at the canvas size it was made for, then lays
  // the window out as `canvas` says; `dropRow` drops the row from the
  // history once it is applied. No redraw.
  void showStoredView(int row, ViewCanvas canvas, bool dropRow = false);
  void stepBack(ViewCanvas canvas = ViewCanvas::AsItWas);
  void setZoom();
  void buttonBoxSteps(int Index);
  void applyBox();
  void cancelBox();
  void endBoxMode();
  // Leaves an editing tool for a drawing tool and packs pending deletions.
  void finishEditTool();
  // A redraw that keeps the zoom-box mode, its menus and the box.
  void redrawWithBox();
  void showBox(bool on);
  void barStep(QScrollBar* bar, const std::function<bool(int)>& apply);
  int canvasW() const;
  int canvasH() const;

  // The picture as it was at each push onto the history by the zoom
  // commands, oldest first; Back and Cancel bring it back exactly.
  void rememberPush();
  void restorePushed(int row);

  PicEdit& w_;
  ZoomBoxState box_;
  std::vector<PushedView> pushed_;
};

}  // namespace orn
