#pragma once
// The state that the canvas's drawing routines reach: the symmetry tables
// and drawing context the replication draws through, the editor's flags and
// the editing tools' picks, the host's event pump and Ctrl key, and the
// editor's controls for the progress strip.
#include "canvas/editor_state.h"
#include "canvas/progress.h"
#include "model/list_edit.h"
#include "platform/core/host.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

namespace orn {

struct CanvasDrawing {
  SymState& sym;
  DrawContext& ctx;
  EditorState& ed;
  PickState& pick;
  Host& host;
  EditorControls& ui;
};

// While a redraw allows it and no colour action runs, lets pending events
// run; true when the user has asked the drawing to stop (Ctrl held or the
// stop button). Without the permission it does nothing and returns false.
bool PumpAndTestStop(CanvasDrawing& d);

}  // namespace orn
