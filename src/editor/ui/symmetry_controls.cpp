// The editor window's symmetry: the set-up panel and the part labels in its
// layout, the "&Symmetry" menu, the polygon button beside the tools, the
// canvas presses that go to the set-up's handles, and the highlights a redraw
// asks for.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "canvas/redraw.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/wsym_set.h"
#include "colour/ui/current_color_box.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "symmetry/parts_select.h"
#include "symmetry/setup_handles.h"
#include "symmetry/setup_state.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"

namespace orn {

namespace {

// The set-up panel stands over the tool column, whose buttons it hides.
constexpr int kSetupPanelLeft = 0;
constexpr int kSetupPanelTop = 56;
// The part labels sit in the bottom strip, this far below its top edge.
constexpr int kPartLabelsDrop = 4;

}  // namespace

void SymmetryControls::buildSymmetryWidgets() {
  w_.Picture7 = new PartLabels(w_.symHost(), w_.formArea());
  w_.Picture7->hide();
  w_.Picture5 = new SymSetupPanel(w_.symHost(), *w_.Picture7, w_.formArea());
  w_.Picture5->move(kSetupPanelLeft, kSetupPanelTop);
  w_.Picture5->hide();

  w_.Picture13 = new QPushButton(QString::fromUtf8("\u2B21"), w_.DrawTypePanel);
  w_.Picture13->setObjectName("Picture13");
  // Placed in the tool column with the tool buttons; shown with the geometry
  // buttons only.
  w_.Picture13->hide();
  QObject::connect(w_.Picture13, &QPushButton::clicked, &w_, [this] { Picture13_Click(); });
}

void SymmetryControls::wireSymmetryMenu() {
  QObject::connect(w_.menus().menuItem("Editsym"), &QAction::triggered, &w_, [this] { Editsym_Click(); });
  QObject::connect(w_.menus().menuItem("SymWorking"), &QAction::triggered, &w_,
                   [this] { SymWorking_Click(); });
  QObject::connect(w_.menus().menuItem("MenGridBlack"), &QAction::triggered, &w_,
                   [this] { w_.grid().MenGridBlack_Click(); });
  QObject::connect(w_.menus().menuItem("MenGridRed"), &QAction::triggered, &w_,
                   [this] { w_.grid().MenGridRed_Click(); });
  QObject::connect(w_.menus().menuItem("MenGridOff"), &QAction::triggered, &w_,
                   [this] { w_.grid().MenGridOff_Click(); });
  QObject::connect(w_.menus().menuItem("Yellow"), &QAction::triggered, &w_,
                   [this] { w_.grid().Yellow_Click(); });
}

// At the right end of the bottom strip, under the canvas's right end and the
// colours in use beside it; right of the progress strip and of the palette
// and custom colours where a narrow canvas leaves them no room, as far as
// the window reaches.
void SymmetryControls::placePartLabels() {
  if (w_.Picture7 == nullptr) return;
  const int top = std::max(w_.formArea()->height() - kFreeHeight, 0) + kPartLabelsDrop;
  const int left = std::min(std::max({w_.colours().Picture4->geometry().right() + 1 - w_.Picture7->width(),
                                      w_.Progress->geometry().right() + kColourPanelGap,
                                      w_.colours().Picture11->geometry().right() + kColourPanelGap}),
                            w_.formArea()->width() - w_.Picture7->width());
  w_.Picture7->move(left, top);
}

// ---- menus ---------------------------------------------------------------------

void SymmetryControls::Editsym_Click() {
  w_.errors().Trap("EditSym", [this] { w_.Picture5->Editsym_Click(); });
}

void SymmetryControls::SymWorking_Click() {
  w_.errors().Trap("SymWork", [this] { orn::SymWorking_Click(w_.symHost(), &w_); });
}

void SymmetryControls::Picture13_Click() {
  if (w_.file().ZoomBoxMode) return;
  w_.errors().Trap("Picture13", [this] {
    {
      GetPoly dialog(w_.polyShape(), &w_);
      dialog.exec();
    }
    w_.symHost().selectTool(kToolGeometric);
    w_.DrawAll(1);
    GeoSh();
  });
}

bool SymmetryControls::setupOffered() const {
  const QAction* a = w_.menus().menuItem("Editsym");
  return a != nullptr && a->isEnabled();
}

void PicEdit::SymUpdateMenus() {
  const bool block = sym().SymStart != sym().SymEnd;
  parts_->menus.setItemEnabled("Yellow", block);
  parts_->menus.setItemEnabled("Zoom(0)", block);
  parts_->menus.setItemVisible("Zoom(0)", block);
  parts_->menus.setItemEnabled("MenSym", block || parts_->symmetry.setupOffered());
}

void SymmetryControls::setEditsymEnabled(bool enabled) {
  w_.menus().setItemEnabled("Editsym", enabled);
  // While the menus are greyed out they stay so; MenEnable brings the
  // symmetry menu back with the others.
  const QAction* file = w_.menus().menuItem("MenFile");
  if (file != nullptr && file->isEnabled()) w_.SymUpdateMenus();
}

void SymmetryControls::refreshSymmetryControls() {
  w_.Picture7->showPartsFromBlock();
  w_.viewing().showPartLabels();
  w_.SymUpdateMenus();
}

// ---- the canvas during the set-up --------------------------------------------------

bool SymmetryControls::routeSetupPress(int Button, int Shift, float X, float Y) {
  if (w_.sym().GeoCapture == 0) return false;
  // Neither a redraw walking the list nor the initial-part choice takes a
  // press; the set-up keeps the canvas all the same.
  if (RedrawRunning(w_.editor()) || w_.Picture5->setup().SymInitialMode) return true;
  w_.editor().PicChanged = true;
  SymTestHandle(Button, Shift, X, Y);
  return true;
}

bool SymmetryControls::routeSetupDoubleClick() {
  if (w_.sym().GeoCapture == 0) return false;
  if (RedrawRunning(w_.editor()) || w_.Picture5->setup().SymInitialMode) return true;
  repeatSetupPress();
  return true;
}

void SymmetryControls::SymTestHandle(int Button, int Shift, float X, float Y) {
  w_.errors().Trap("SymTestHandle", [&] { w_.Picture5->SymTestHandle(Button, Shift, X, Y); });
}

void SymmetryControls::repeatSetupPress() {
  w_.errors().Trap("SymTestHandle", [this] { w_.Picture5->repeatLastHandle(); });
}

// ---- what the redraw asks of the set-up --------------------------------------------

// The set-up counts as up also while the panel steps aside for the "Base"
// click.
bool SymmetryControls::setupPanelVisible() const {
  return w_.sym().GeoCapture != 0 || (w_.Picture5 != nullptr && w_.Picture5->isVisibleTo(w_.formArea()));
}

void SymmetryControls::ShowSymme(int region) { orn::ShowSymme(w_.sym(), w_.draw(), w_.list(), region); }

void SymmetryControls::SymShowHandles(int mode) {
  orn::SymShowHandles(w_.sym(), w_.canvasSurface(), mode, w_.editor().SymSetupDraw);
}

void SymmetryControls::GeoSh() {
  w_.errors().Trap("GeoSh", [this] {
    auto* button = w_.DrawTypePanel->findChild<QAbstractButton*>("DrawType(6)");
    orn::GeoSh(button, w_.polyShape(), w_.editor().ShowGeoNumbers);
  });
}

}  // namespace orn
