#pragma once
// What the symmetry set-up panel, the part labels and the symmetry dialogs
// ask of the editor window. The editor answers it; the defaults do the work
// in the core where no window is needed.
#include <functional>
#include <string>

#include "canvas/editor_state.h"
#include "canvas/view_table.h"
#include "model/drawing_list.h"
#include "model/list_edit.h"
#include "platform/core/host.h"
#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

class QLabel;

namespace orn {

// The index of a command that is not one of a control array.
inline constexpr int kNotAnArray = -1;

class SymSetupHost {
 public:
  virtual ~SymSetupHost() = default;

  // ---- the editor's state ----
  virtual DrawingList& list() = 0;
  virtual SymState& sym() = 0;
  virtual EditorState& editor() = 0;
  virtual DrawContext& draw() = 0;
  virtual ViewTable& views() = 0;
  virtual Surface& canvas() = 0;  // Picture1
  virtual Host& host() = 0;
  // The help box Text1 (may be null).
  virtual QLabel* helpBox() = 0;

  // ---- the editor's commands ----
  // The canvas surface was drawn on: show it (and refresh its copy).
  virtual void canvasChanged() = 0;
  // The full redraw.
  virtual void DrawAll(int index) = 0;
  // Packs pending deletions.
  virtual void PackBad() { orn::PackBad(list()); }
  // Closes the open record as a double click does (MouseButton 1, P1DBL).
  virtual void closeOpenRecord() { list().closeRecord(); }
  // Selects a drawing tool (DrawType).
  virtual void selectTool(int /*tool*/) {}
  virtual void ToggleColorTools() {}
  virtual void MenEnable(bool /*enable*/) {}
  virtual void SetDrawButtons(bool /*enable*/) {}
  // Enables the symmetry menus when the picture has a symmetry block.
  virtual void SymUpdateMenus() {}
  // The "Working Symmetry..." item follows the part choice.
  virtual void setSymWorkingEnabled(bool /*enable*/) {}
  // The "Yellow Base Shape" item is checked.
  virtual bool yellowChecked() const { return false; }
  // Stores the view of a part's reference shape (row part + 7).
  virtual void CalcItemView(int /*part*/, int /*header*/) {}
  // The zoom menu's "Back": the newest view of the history, then a redraw.
  virtual void ZoomBack();
  // Help topic of a window.
  virtual void showHelp(int /*topic*/) {}
  // Runs a command that reports its own failures under `tag`, with `index`
  // as the report's index (kNotAnArray: none); without a window it simply
  // runs.
  virtual void Trap(const char* /*tag*/, int /*index*/, const std::function<void()>& command) { command(); }
};

}  // namespace orn
