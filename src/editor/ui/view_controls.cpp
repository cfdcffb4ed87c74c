// The editor window's views: the "&Zoom" menu and the zoom box, the picture
// shape and the project pages of the "&Options" menu, and the views the
// symmetry set-up stores and steps back from.
#include <QAction>
#include <QLabel>
#include <QToolButton>

#include <string>

#include "canvas/ui/part_labels.h"
#include "canvas/ui/zoom_panel.h"
#include "canvas/zoom_views.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/project_pages.h"
#include "editor/ui/tool_buttons.h"
#include "editor/ui/zoom_control.h"
#include "platform/canvas_widget.h"
#include "symmetry/setup_state.h"
#include "symmetry/ui/click_label.h"

namespace orn {

void ViewControls::buildViewWidgets() {
  zoom_ = new ZoomControl(w_);
  pages_ = new ProjectPages(w_);
}

void ViewControls::wireZoomMenu() {
  auto wire = [this](const std::string& name, const char* tag, int index, std::function<void()> fn) {
    QObject::connect(w_.menus().menuItem(name), &QAction::triggered, &w_,
                     w_.trapped(tag, index, std::move(fn)));
  };
  wire("ZoomSS(2)", "ZoomSC", 2, [this] { zoom_->ZoomSC(2); });
  wire("ZoomS(0)", "ZoomSC", 0, [this] { zoom_->ZoomSC(0); });
  wire("ZoomS(1)", "ZoomSC", 1, [this] { zoom_->ZoomSC(1); });
  for (int i = 0; i <= 7; ++i)
    wire("Zoom(" + std::to_string(i) + ")", "ZoomC", i, [this, i] { zoom_->ZoomC(i); });
  for (int i = 0; i <= 4; ++i)
    wire("MenPageShape(" + std::to_string(i) + ")", "MenPgShape", i,
         [this, i] { pages_->MenPageShape_Click(i); });
  wire("MenProjPages", "MenProjPgs", kNoIndex, [this] { pages_->MenProjPages_Click(); });
}

void ViewControls::sizeCanvas(int w, int h) {
  w_.layout().resizeCanvas(w, h);
  w_.layout().placeColourPanel();
}

void ViewControls::showPartLabels() {
  bool anyPart = false;
  for (int g = 1; g <= kMaxGroups; ++g)
    anyPart = anyPart || w_.Picture7->Label7[static_cast<std::size_t>(g)]->isVisibleTo(w_.Picture7);
  w_.Picture7->setVisible(anyPart && !w_.showMode() && w_.editor().PaintOnlyMode == 0);
}

void ViewControls::setRedrawButtonVisible(bool visible) {
  if (w_.redraws().DrawAll0 != nullptr) w_.redraws().DrawAll0->setVisible(visible);
}

void PicEdit::ZoomBack() { zoom().backFromSetup(); }

void PicEdit::CalcItemView(int part, int header) {
  orn::CalcItemView(views(), list(), part, header, canvasSurface().width(), canvasSurface().height());
}

void ViewControls::afterRedraw() {
  zoom_->afterRedraw();
  // The project-pages panel keeps the menus away until it closes.
  if (pages_->panelOpen()) w_.MenEnable(false);
}

}  // namespace orn
