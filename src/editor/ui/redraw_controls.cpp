// The editor window's side of the full redraw: the Redraw button and its
// 500 ms guard, the stop button, and what every redraw shows in the window
// (tool-button colours, the duplicate-shapes button, the part labels, a
// damaged symmetry block), whoever starts the redraw.
#include <QPushButton>
#include <QTimer>

#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/tool_pictograms.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

constexpr int kNoRedrawMs = 500;
constexpr int kStopSignSize = 32;
constexpr std::int64_t kShowCanvasMs = 100;
constexpr Rgb kRedrawButtonIdle = 0xFF8080;

}  // namespace

void RedrawControls::buildRedrawWidgets() {
  DrawAll0 = new ToolButton(kRedrawPictogram, w_.DrawTypePanel);
  DrawAll0->setObjectName("DrawAll(0)");
  DrawAll0->setToolTip("Redraw");
  setRedrawButtonColor(kRedrawButtonIdle);
  QObject::connect(DrawAll0, &ToolButton::pressedTool, &w_,
                   w_.trapped("DrawAll", 0, [this] { DrawAll_Click(0); }));

  NoRedraw = new QTimer(&w_);
  NoRedraw->setObjectName("NoRedraw");
  NoRedraw->setSingleShot(true);
  NoRedraw->setInterval(kNoRedrawMs);

  StopSign = new QPushButton("Stop", w_.formArea());
  StopSign->setObjectName("StopSign");
  StopSign->setToolTip("Stop");
  StopSign->resize(kStopSignSize, kStopSignSize);
  StopSign->hide();
  QObject::connect(StopSign, &QPushButton::clicked, &w_,
                   w_.trapped("StopSign", kNoIndex, [this] { StopSign_Click(w_.editor()); }));
}

void RedrawControls::DrawAll_Click(int Index) { w_.DrawAll(Index); }

std::function<void()> PicEdit::trapped(const char* tag, int index, std::function<void()> command) {
  return [this, tag, index, command = std::move(command)] { errors_.Trap(tag, index, command); };
}

void PicEdit::DrawAll(int index) {
  // An editor on its way out draws nothing more: a redraw lets events run,
  // and the editor's end must not come in the middle of one.
  if (parts_->start.exiting_) return;
  if (tools_ != nullptr) {
    // Through the mouse engine, which keeps track of the open record's
    // traces on the canvas across the redraw.
    tools_->engine().DrawAll(index);
  } else {
    errors_.Trap("DrawAll", [this, index] {
      doc_.redraw(parts_->redraws, index);
    });
  }
  Picture1->update();
}

// ---- EditorControls --------------------------------------------------------------

// A long redraw is seen as it is drawn, ten times a second from its first
// tenth of a second on: showing the whole canvas at every pass of the pump
// would cost more than the drawing, and a short redraw is seen at its end.
void RedrawControls::showCanvas() {
  const std::int64_t now = w_.host().milliseconds();
  if (canvasShownAt_ < 0 || now < canvasShownAt_) {
    canvasShownAt_ = now;
    return;
  }
  if (now - canvasShownAt_ < kShowCanvasMs) return;
  canvasShownAt_ = now;
  w_.Picture1->update();
}

void RedrawControls::progressChanged() { w_.Progress->update(); }

void RedrawControls::setStopSignVisible(bool on) {
  StopSign->setVisible(on);
  if (on) StopSign->raise();
}

void RedrawControls::setToolButtonColor(int tool, Rgb c) {
  if (!w_.hasTools()) return;
  if (ToolButton* b = w_.tools().DrawType(tool)) b->setBackColor(c);
}

void RedrawControls::setRedrawButtonColor(Rgb c) { DrawAll0->setBackColor(c); }

bool RedrawControls::dupButtonVisible() const {
  const ToolButton* b = w_.hasTools() ? w_.tools().DrawType(kToolDuplicate) : nullptr;
  return b != nullptr && !b->isHidden();
}

void RedrawControls::setDupButtonVisible(bool visible) {
  if (!w_.hasTools()) return;
  if (ToolButton* b = w_.tools().DrawType(kToolDuplicate)) b->setVisible(visible);
}

void RedrawControls::reportCorruptSymmetry() {
  w_.host().messageBox(kCorruptSymmetryText, MsgButtons::OK, MsgIcon::None, "");
}

void RedrawControls::PutSymState(int CurPart) {
  if (w_.Picture7 != nullptr) w_.Picture7->PutSymState(CurPart);
}

void RedrawControls::redrawFinished() {
  canvasShownAt_ = -1;
  w_.viewing().afterRedraw();
  w_.layout().afterRedraw();
}

void RedrawControls::startNoRedrawTimer() { NoRedraw->start(); }

bool RedrawControls::noRedrawTimerActive() const { return NoRedraw->isActive(); }

// What the window itself keeps: the menus, show mode, the set-up panel, the
// part labels, the geometry buttons and the canvas's copy.
Surface* RedrawControls::progressStrip() { return &w_.layout().progress(); }
void RedrawControls::MenEnable(bool enable) { w_.MenEnable(enable); }
void RedrawControls::GeoSh() { w_.symmetry().GeoSh(); }
bool RedrawControls::showMode() const { return w_.showMode(); }
bool RedrawControls::setupPanelVisible() const { return w_.symmetry().setupPanelVisible(); }
void RedrawControls::ShowSymme(int region) { w_.symmetry().ShowSymme(region); }
void RedrawControls::SymShowHandles(int mode) { w_.symmetry().SymShowHandles(mode); }
void RedrawControls::CopyToBmap() { w_.CopyToBmap(); }

}  // namespace orn
