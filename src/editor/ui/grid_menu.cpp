// The editor window's grid colour and base-shape highlight: the three items
// of "&Grid Color" in the Symmetry menu and "&Yellow Base Shape " in the
// Color menu. The full redraw draws both (canvas/redraw.h).
#include <QAction>

#include "canvas/editor_state.h"
#include "editor/ui/pic_edit.h"

namespace orn {

namespace {

constexpr int kGridBlack = 0;
constexpr int kGridRed = 1;
constexpr int kGridHidden = 2;

// Exactly one of the three items bears the check mark.
void SetGridMode(PicEdit& w, int mode) {
  w.editor().GridMode = mode;
  w.menus().menuItem("MenGridBlack")->setChecked(mode == kGridBlack);
  w.menus().menuItem("MenGridRed")->setChecked(mode == kGridRed);
  w.menus().menuItem("MenGridOff")->setChecked(mode == kGridHidden);
  w.DrawAll(1);
}

}  // namespace

void GridMenu::MenGridBlack_Click() {
  w_.errors().Trap("MenGridBlack", [this] { SetGridMode(w_, kGridBlack); });
}

void GridMenu::MenGridRed_Click() {
  w_.errors().Trap("MenGridRed", [this] { SetGridMode(w_, kGridRed); });
}

void GridMenu::MenGridOff_Click() {
  w_.errors().Trap("MenGridOff", [this] { SetGridMode(w_, kGridHidden); });
}

void GridMenu::Yellow_Click() {
  w_.errors().Trap("Yellow", [this] {
    w_.editor().YellowBase = !w_.editor().YellowBase;
    w_.menus().menuItem("Yellow")->setChecked(w_.editor().YellowBase);
    // The redraw wipes an editing tool's marks: leave the tool first, for
    // the paint tool when it edits colour handles, else for Poly Line.
    const int tool = w_.editor().CurDrawType;
    if (tool > kEditToolBoundary) {
      w_.editor().FinishingTool = true;
      const bool colourHandles = tool == kToolAdjustColorHandles || tool == kToolDeleteColorHandle;
      w_.symHost().selectTool(colourHandles ? kToolPaint : kToolPolyLine);
      w_.editor().FinishingTool = false;
    }
    w_.DrawAll(1);
  });
}

}  // namespace orn
