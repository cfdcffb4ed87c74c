#pragma once
// ViewControls: the editor window's views: the "&Zoom" menu and the zoom box,
// the picture shape and the project pages of the "&Options" menu, the canvas
// sized for a stored view, and what follows every full redraw.

namespace orn {

class PicEdit;
class ProjectPages;
class ZoomControl;

class ViewControls {
 public:
  explicit ViewControls(PicEdit& w) : w_(w) {}

  // Sizes the canvas for a stored view; the layout that follows fits it to
  // the window and rescales the picture with it.
  void sizeCanvas(int w, int h);
  // The part labels, when the picture has parts and the editor draws.
  void showPartLabels();
  // The Redraw button, put away while a panel owns the canvas.
  void setRedrawButtonVisible(bool visible);
  void buildViewWidgets();
  void wireZoomMenu();
  // After every full redraw that ran: the panels that own the canvas keep
  // the menus away, and the zoom box goes back over the picture.
  void afterRedraw();

  ZoomControl* zoom_ = nullptr;
  ProjectPages* pages_ = nullptr;

 private:
  PicEdit& w_;
};

}  // namespace orn
