// The drawing options of the "&Options" menu: the snap distance, the line
// width, splines allowed, sound, the drawing cursor and the length by which
// drawn lines are extended.
#include <QAction>
#include <QMenu>

#include <array>
#include <string>

#include "canvas/mouse_engine.h"
#include "canvas/tools.h"
#include "canvas/ui/grav.h"
#include "canvas/ui/line_set.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/tool_buttons.h"
#include "platform/canvas_widget.h"

namespace orn {

namespace {

// The "Extend Lines" items: their captions and the lengths they set.
struct ExtendChoice {
  const char* caption;
  float length;
};
constexpr std::array<ExtendChoice, 5> kExtendChoices{
    {{"0", 0.0f}, {".25", 0.25f}, {".5", 0.5f}, {"1", 1.0f}, {"2", 2.0f}}};

constexpr std::array<int, 3> kPointers{kPointerArrow, kPointerCross, kPointerUpArrow};

}  // namespace

void PicEdit::wireOptionsMenu() {
  auto wire = [this](const std::string& name, const char* tag, int index, std::function<void()> fn) {
    connect(menuItem(name), &QAction::triggered, this, trapped(tag, index, std::move(fn)));
  };
  wire("MenOptionsGravity", "MenOptionsGravity", kNoIndex, [this] { MenOptionsGravity_Click(); });
  wire("MenOptionsLine", "MenOptionsLine", kNoIndex, [this] { MenOptionsLine_Click(); });
  wire("MenOpSpline", "MenOpSplineC", kNoIndex, [this] { MenOpSplineC(); });
  wire("MenOptionSound", "MenOptionSound", kNoIndex, [this] { MenOptionSound_Click(); });
  for (int p : kPointers)
    wire("PickDrawCurse(" + std::to_string(p) + ")", "PickDrawCurse", p, [this, p] { PickDrawCurse_Click(p); });
  for (int i = 0; i < static_cast<int>(kExtendChoices.size()); ++i)
    wire("ExtendV(" + std::to_string(i) + ")", "ExtendV", i, [this, i] { ExtendV_Click(i); });
}

void PicEdit::showOptionStates() {
  showSplineTools();
  setItemChecked("MenOptionSound", editor_.SoundOn);
  setSnapCaption();
  setLineWidthCaption();
}

void PicEdit::setSnapCaption() {
  menuItem("MenOptionsGravity")
      ->setText(QString::fromStdString("&Snap" + NumberText(tools_->engine().ms.SnapSize) + "..."));
}

void PicEdit::MenOptionsGravity_Click() {
  CopyToBmap();
  if (list_.PackFrom > 0) PackBad();
  MouseState& ms = tools_->engine().ms;
  Grav dialog(ms.SnapSize, this);
  if (dialog.exec() != QDialog::Accepted) return;
  ms.SnapSize = dialog.SnapChoice;
  setSnapCaption();
}

void PicEdit::MenOptionsLine_Click() {
  if (list_.PackFrom > 0) PackBad();
  const int w0 = draw_.LineWidth;
  {
    LineSet dialog(draw_.LineWidth, this);
    if (dialog.exec() == QDialog::Accepted) {
      draw_.LineWidth = dialog.value();
      setLineWidthCaption();
    }
  }
  if (draw_.LineWidth != w0) canvas_.setPenWidth(draw_.LineWidth);
  DrawAll(1);
}

// The spline tool, the convert tool and the spline/polyline switch are
// offered exactly while splines are allowed.
void PicEdit::showSplineTools() {
  const bool on = tools_->engine().ms.AllowSplines;
  setItemChecked("MenOpSpline", on);
  for (int tool : {kToolSpline, kToolConvert})
    if (ToolButton* b = tools_->DrawType(tool)) b->setVisible(on);
  tools_->SplinePoly->setVisible(on);
}

void PicEdit::MenOpSplineC() {
  MouseEngine& m = tools_->engine();
  m.ms.AllowSplines = !m.ms.AllowSplines;
  showSplineTools();
  if (!m.ms.AllowSplines && editor_.CurDrawType == kToolSpline) m.DrawType(kToolPolyLine);
}

void PicEdit::MenOptionSound_Click() {
  if (list_.PackFrom > 0) PackBad();
  editor_.SoundOn = !editor_.SoundOn;
  setItemChecked("MenOptionSound", editor_.SoundOn);
}

void PicEdit::PickDrawCurse_Click(int Index) {
  tools_->engine().ms.DrawCursor = Index;
  Picture1->setCanvasCursor(CursorOfPointer(Index));
}

void PicEdit::ExtendV_Click(int Index) {
  errors_.Trap("Extend", Index, [this, Index] {
    if (Index < 0 || Index >= static_cast<int>(kExtendChoices.size())) return;
    const ExtendChoice& c = kExtendChoices[static_cast<std::size_t>(Index)];
    draw_.ExtendLen = c.length;
    menuItem("ExtendLn")->setText(QString("Extend Lines ") + c.caption);
    DrawAll(1);
  });
}

}  // namespace orn
