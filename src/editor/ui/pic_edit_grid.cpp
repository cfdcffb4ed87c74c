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
  w.menuItem("MenGridBlack")->setChecked(mode == kGridBlack);
  w.menuItem("MenGridRed")->setChecked(mode == kGridRed);
  w.menuItem("MenGridOff")->setChecked(mode == kGridHidden);
  w.DrawAll(1);
}

}  // namespace

void PicEdit::MenGridBlack_Click() {
  errors_.Trap("MenGridBlack", [this] { SetGridMode(*this, kGridBlack); });
}

void PicEdit::MenGridRed_Click() {
  errors_.Trap("MenGridRed", [this] { SetGridMode(*this, kGridRed); });
}

void PicEdit::MenGridOff_Click() {
  errors_.Trap("MenGridOff", [this] { SetGridMode(*this, kGridHidden); });
}

void PicEdit::Yellow_Click() {
  errors_.Trap("Yellow", [this] {
    editor_.YellowBase = !editor_.YellowBase;
    menuItem("Yellow")->setChecked(editor_.YellowBase);
    // The redraw wipes an editing tool's marks: leave the tool first, for
    // the paint tool when it edits colour handles, else for Poly Line.
    const int tool = editor_.CurDrawType;
    if (tool > kEditToolBoundary) {
      editor_.FinishingTool = true;
      const bool colourHandles = tool == kToolAdjustColorHandles || tool == kToolDeleteColorHandle;
      selectTool(colourHandles ? kToolPaint : kToolPolyLine);
      editor_.FinishingTool = false;
    }
    DrawAll(1);
  });
}

}  // namespace orn
