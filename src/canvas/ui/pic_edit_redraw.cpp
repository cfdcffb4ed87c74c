// The editor window's side of the full redraw: the Redraw button and its
// 500 ms guard, the stop button, and what every redraw shows in the window
// (tool-button colours, the duplicate-shapes button, the part labels, a
// damaged symmetry block), whoever starts the redraw.
#include <QPushButton>
#include <QTimer>

#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/tool_buttons.h"
#include "canvas/ui/tool_pictograms.h"
#include "platform/canvas_widget.h"
#include "symmetry/sym_table.h"
#include "symmetry/ui/part_labels.h"

namespace orn {

namespace {

constexpr int kNoRedrawMs = 500;
constexpr int kStopSignSize = 32;
constexpr std::int64_t kShowCanvasMs = 100;
constexpr Rgb kRedrawButtonIdle = 0xFF8080;

}  // namespace

void PicEdit::buildRedrawWidgets() {
  DrawAll0 = new ToolButton(kRedrawPictogram, DrawTypePanel);
  DrawAll0->setObjectName("DrawAll(0)");
  DrawAll0->setToolTip("Redraw");
  setRedrawButtonColor(kRedrawButtonIdle);
  connect(DrawAll0, &ToolButton::pressedTool, this, trapped("DrawAll", 0, [this] { DrawAll_Click(0); }));

  NoRedraw = new QTimer(this);
  NoRedraw->setObjectName("NoRedraw");
  NoRedraw->setSingleShot(true);
  NoRedraw->setInterval(kNoRedrawMs);

  StopSign = new QPushButton("Stop", inner_);
  StopSign->setObjectName("StopSign");
  StopSign->setToolTip("Stop");
  StopSign->resize(kStopSignSize, kStopSignSize);
  StopSign->hide();
  connect(StopSign, &QPushButton::clicked, this, trapped("StopSign", kNoIndex, [this] { StopSign_Click(editor_); }));
}

void PicEdit::DrawAll_Click(int Index) { DrawAll(Index); }

std::function<void()> PicEdit::trapped(const char* tag, int index, std::function<void()> command) {
  return [this, tag, index, command = std::move(command)] { errors_.Trap(tag, index, command); };
}

void PicEdit::Trap(const char* tag, int index, const std::function<void()>& command) {
  errors_.Trap(tag, index, command);
}

void PicEdit::DrawAll(int index) {
  // An editor on its way out draws nothing more: a redraw lets events run,
  // and the editor's end must not come in the middle of one.
  if (exiting_) return;
  if (tools_ != nullptr) {
    // Through the mouse engine, which keeps track of the open record's
    // traces on the canvas across the redraw.
    tools_->engine().DrawAll(index);
  } else {
    errors_.Trap("DrawAll", [this, index] {
      RedrawEnv env{list_, sym_, draw_, editor_, pick_, colour_, views_, host_, *this};
      orn::DrawAll(env, index);
    });
  }
  Picture1->update();
}

// ---- EditorControls --------------------------------------------------------------

// A long redraw is seen as it is drawn, ten times a second from its first
// tenth of a second on: showing the whole canvas at every pass of the pump
// would cost more than the drawing, and a short redraw is seen at its end.
void PicEdit::showCanvas() {
  const std::int64_t now = host_.milliseconds();
  if (canvasShownAt_ < 0 || now < canvasShownAt_) {
    canvasShownAt_ = now;
    return;
  }
  if (now - canvasShownAt_ < kShowCanvasMs) return;
  canvasShownAt_ = now;
  Picture1->update();
}

void PicEdit::progressChanged() { Progress->update(); }

void PicEdit::setStopSignVisible(bool on) {
  StopSign->setVisible(on);
  if (on) StopSign->raise();
}

void PicEdit::setToolButtonColor(int tool, Rgb c) {
  if (tools_ == nullptr) return;
  if (ToolButton* b = tools_->DrawType(tool)) b->setBackColor(c);
}

void PicEdit::setRedrawButtonColor(Rgb c) { DrawAll0->setBackColor(c); }

bool PicEdit::dupButtonVisible() const {
  const ToolButton* b = tools_ ? tools_->DrawType(kToolDuplicate) : nullptr;
  return b != nullptr && !b->isHidden();
}

void PicEdit::setDupButtonVisible(bool visible) {
  if (tools_ == nullptr) return;
  if (ToolButton* b = tools_->DrawType(kToolDuplicate)) b->setVisible(visible);
}

void PicEdit::reportCorruptSymmetry() {
  host_.messageBox(kCorruptSymmetryText, MsgButtons::OK, MsgIcon::None, "");
}

void PicEdit::PutSymState(int CurPart) {
  if (Picture7 != nullptr) Picture7->PutSymState(CurPart);
}

void PicEdit::redrawFinished() {
  canvasShownAt_ = -1;
  afterRedraw();
  if (!resizeAfterRedraw_) return;
  // The resize that came during the redraw is laid out from the event loop,
  // once, after the redraw has returned to its caller.
  resizeAfterRedraw_ = false;
  layoutTimer_->start();
}

void PicEdit::startNoRedrawTimer() { NoRedraw->start(); }

bool PicEdit::noRedrawTimerActive() const { return NoRedraw->isActive(); }

}  // namespace orn
