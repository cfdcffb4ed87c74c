// The symmetry panels' host: the window's document, canvas and parts.
#include "editor/ui/window_sym_host.h"

#include <QAction>
#include <QPushButton>

#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"

namespace orn {

DrawingList& WindowSymHost::list() { return w_.list(); }
SymState& WindowSymHost::sym() { return w_.sym(); }
EditorState& WindowSymHost::editor() { return w_.editor(); }
DrawContext& WindowSymHost::draw() { return w_.draw(); }
ViewTable& WindowSymHost::views() { return w_.views(); }
Surface& WindowSymHost::canvas() { return w_.canvasSurface(); }
Host& WindowSymHost::host() { return w_.host(); }
QLabel* WindowSymHost::helpBox() { return w_.Text1; }

void WindowSymHost::canvasChanged() {
  w_.CopyToBmap();
  w_.Picture1->update();
}

void WindowSymHost::DrawAll(int index) { w_.DrawAll(index); }

// The open record is finished as a double click finishes it (the moving end
// point dropped, a figure closed by its own rules).
void WindowSymHost::closeOpenRecord() {
  if (w_.hasTools()) w_.tools().engine().listHooks().closeOpenRecord(list());
  if (list().recordOpen()) list().closeRecord();
}

void WindowSymHost::selectTool(int tool) {
  if (w_.hasTools()) {
    w_.tools().engine().DrawType(tool);
  } else {
    editor().CurDrawType = tool;
  }
}

void WindowSymHost::ToggleColorTools() { w_.ToggleColorTools(); }
void WindowSymHost::MenEnable(bool enable) { w_.MenEnable(enable); }

void WindowSymHost::SetDrawButtons(bool enable) {
  if (w_.hasTools()) w_.tools().engine().SetDrawButtons(enable);
  w_.Picture13->setVisible(enable && editor().ShowGeoNumbers && editor().PaintOnlyMode == 0);
}

void WindowSymHost::SymUpdateMenus() { w_.SymUpdateMenus(); }

void WindowSymHost::setSymWorkingEnabled(bool enable) { w_.menus().setItemEnabled("SymWorking", enable); }

bool WindowSymHost::yellowChecked() const {
  const QAction* a = w_.menus().menuItem("Yellow");
  return a != nullptr && a->isChecked();
}

void WindowSymHost::CalcItemView(int part, int header) { w_.CalcItemView(part, header); }
void WindowSymHost::ZoomBack() { w_.ZoomBack(); }
// The set-up is a panel of the editor window: its help is the editor's.
void WindowSymHost::showHelp(int topic) { w_.showHelp(topic, w_); }

void WindowSymHost::Trap(const char* tag, int index, const std::function<void()>& command) {
  w_.errors().Trap(tag, index, command);
}

}  // namespace orn
