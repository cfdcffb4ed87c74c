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
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
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

void OptionsMenu::wireOptionsMenu() {
  auto wire = [this](const std::string& name, const char* tag, int index, std::function<void()> fn) {
    QObject::connect(w_.menus().menuItem(name), &QAction::triggered, &w_,
                     w_.trapped(tag, index, std::move(fn)));
  };
  wire("MenOptionsGravity", "MenOptionsGravity", kNoIndex, [this] { MenOptionsGravity_Click(); });
  wire("MenOptionsLine", "MenOptionsLine", kNoIndex, [this] { MenOptionsLine_Click(); });
  wire("MenOpSpline", "MenOpSplineC", kNoIndex, [this] { MenOpSplineC(); });
  wire("MenOptionSound", "MenOptionSound", kNoIndex, [this] { MenOptionSound_Click(); });
  for (int p : kPointers)
    wire("PickDrawCurse(" + std::to_string(p) + ")", "PickDrawCurse", p,
         [this, p] { PickDrawCurse_Click(p); });
  for (int i = 0; i < static_cast<int>(kExtendChoices.size()); ++i)
    wire("ExtendV(" + std::to_string(i) + ")", "ExtendV", i, [this, i] { ExtendV_Click(i); });
}

void OptionsMenu::showOptionStates() {
  showSplineTools();
  w_.menus().setItemChecked("MenOptionSound", w_.editor().SoundOn);
  setSnapCaption();
  w_.files().setLineWidthCaption();
}

void OptionsMenu::setSnapCaption() {
  w_.menus().menuItem("MenOptionsGravity")
      ->setText(QString::fromStdString("&Snap" + NumberText(w_.tools().engine().ms.SnapSize) + "..."));
}

void OptionsMenu::MenOptionsGravity_Click() {
  w_.CopyToBmap();
  if (w_.list().PackFrom > 0) w_.symHost().PackBad();
  MouseState& ms = w_.tools().engine().ms;
  Grav dialog(ms.SnapSize, &w_);
  if (dialog.exec() != QDialog::Accepted) return;
  ms.SnapSize = dialog.SnapChoice;
  setSnapCaption();
}

void OptionsMenu::MenOptionsLine_Click() {
  if (w_.list().PackFrom > 0) w_.symHost().PackBad();
  const int w0 = w_.draw().LineWidth;
  {
    LineSet dialog(w_.draw().LineWidth, &w_);
    if (dialog.exec() == QDialog::Accepted) {
      w_.draw().LineWidth = dialog.value();
      w_.files().setLineWidthCaption();
    }
  }
  if (w_.draw().LineWidth != w0) w_.canvasSurface().setPenWidth(w_.draw().LineWidth);
  w_.DrawAll(1);
}

// The spline tool, the convert tool and the spline/polyline switch are
// offered exactly while splines are allowed.
void OptionsMenu::showSplineTools() {
  const bool on = w_.tools().engine().ms.AllowSplines;
  w_.menus().setItemChecked("MenOpSpline", on);
  for (int tool : {kToolSpline, kToolConvert})
    if (ToolButton* b = w_.tools().DrawType(tool)) b->setVisible(on);
  w_.tools().SplinePoly->setVisible(on);
}

void OptionsMenu::MenOpSplineC() {
  MouseEngine& m = w_.tools().engine();
  m.ms.AllowSplines = !m.ms.AllowSplines;
  showSplineTools();
  if (!m.ms.AllowSplines && w_.editor().CurDrawType == kToolSpline) m.DrawType(kToolPolyLine);
}

void OptionsMenu::MenOptionSound_Click() {
  if (w_.list().PackFrom > 0) w_.symHost().PackBad();
  w_.editor().SoundOn = !w_.editor().SoundOn;
  w_.menus().setItemChecked("MenOptionSound", w_.editor().SoundOn);
}

void OptionsMenu::PickDrawCurse_Click(int Index) {
  w_.tools().engine().ms.DrawCursor = Index;
  w_.Picture1->setCanvasCursor(CursorOfPointer(Index));
}

void OptionsMenu::ExtendV_Click(int Index) {
  w_.errors().Trap("Extend", Index, [this, Index] {
    if (Index < 0 || Index >= static_cast<int>(kExtendChoices.size())) return;
    const ExtendChoice& c = kExtendChoices[static_cast<std::size_t>(Index)];
    w_.draw().ExtendLen = c.length;
    w_.menus().menuItem("ExtendLn")->setText(QString("Extend Lines ") + c.caption);
    w_.DrawAll(1);
  });
}

}  // namespace orn
