// The editor window's views: the "&Zoom" menu and the zoom box, the picture
// shape and the project pages of the "&Options" menu, and the views the
// symmetry set-up stores and steps back from.
#include <QAction>
#include <QLabel>
#include <QToolButton>

#include <string>

#include "canvas/ui/pic_edit.h"
#include "canvas/ui/tool_buttons.h"
#include "canvas/ui/project_pages.h"
#include "canvas/ui/zoom_control.h"
#include "canvas/ui/zoom_panel.h"
#include "canvas/zoom_views.h"
#include "platform/canvas_widget.h"
#include "symmetry/setup_state.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/part_labels.h"

namespace orn {

void PicEdit::buildViewWidgets() {
  zoom_ = new ZoomControl(*this);
  pages_ = new ProjectPages(*this);
}

void PicEdit::wireZoomMenu() {
  auto wire = [this](const std::string& name, const char* tag, int index, std::function<void()> fn) {
    connect(menuItem(name), &QAction::triggered, this, trapped(tag, index, std::move(fn)));
  };
  wire("ZoomSS(2)", "ZoomSC", 2, [this] { zoom_->ZoomSC(2); });
  wire("ZoomS(0)", "ZoomSC", 0, [this] { zoom_->ZoomSC(0); });
  wire("ZoomS(1)", "ZoomSC", 1, [this] { zoom_->ZoomSC(1); });
  for (int i = 0; i <= 7; ++i) wire("Zoom(" + std::to_string(i) + ")", "ZoomC", i, [this, i] { zoom_->ZoomC(i); });
  for (int i = 0; i <= 4; ++i)
    wire("MenPageShape(" + std::to_string(i) + ")", "MenPgShape", i, [this, i] { pages_->MenPageShape_Click(i); });
  wire("MenProjPages", "MenProjPgs", kNoIndex, [this] { pages_->MenProjPages_Click(); });
}

void PicEdit::sizeCanvas(int w, int h) {
  resizeCanvas(w, h);
  placeColourPanel();
}

void PicEdit::showPartLabels() {
  bool anyPart = false;
  for (int g = 1; g <= kMaxGroups; ++g)
    anyPart = anyPart || Picture7->Label7[static_cast<std::size_t>(g)]->isVisibleTo(Picture7);
  Picture7->setVisible(anyPart && !showMode() && editor_.PaintOnlyMode == 0);
}

void PicEdit::setRedrawButtonVisible(bool visible) {
  if (DrawAll0 != nullptr) DrawAll0->setVisible(visible);
}

void PicEdit::ZoomBack() {
  SymSetupHost::ZoomBack();
  zoom_->updateViewItems();
}

void PicEdit::CalcItemView(int part, int header) {
  orn::CalcItemView(views_, list_, part, header, canvas_.width(), canvas_.height());
}

void PicEdit::afterRedraw() {
  zoom_->afterRedraw();
  // The project-pages panel keeps the menus away until it closes.
  if (pages_->panelOpen()) MenEnable(false);
}

}  // namespace orn
