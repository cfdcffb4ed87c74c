#pragma once
// The full redraw: the picture replayed from the drawing list onto the
// canvas, shapes first and fills after them, with the progress strip and the
// stop button.
#include <functional>
#include <optional>

#include "canvas/canvas_drawing.h"
#include "canvas/view_table.h"
#include "colour/colour_state.h"
#include "model/drawing_list.h"

namespace orn {

// Everything a full redraw reads or changes.
struct RedrawEnv {
  DrawingList& list;
  SymState& sym;
  DrawContext& ctx;
  EditorState& ed;
  PickState& pick;
  ColourState& colour;
  const ViewTable& views;
  Host& host;
  EditorControls& ui;

  CanvasDrawing drawing() { return CanvasDrawing{sym, ctx, ed, pick, host, ui}; }
};

// Colours of the progress bar in the drawing pass and in the paint pass.
constexpr Rgb kProgressDrawColor = 0x80FFFF;
constexpr Rgb kProgressPaintColor = 0x80FF80;

// Redraws the whole picture. Index 0 is the Redraw button: it cancels a
// pending colour action and is ignored for 500 ms after a redraw ends; every
// other caller passes 1. A redraw is never re-entered: a request while one
// runs is ignored. The stop button and the Ctrl key end an ordinary redraw
// (ColorMode 0) at its next record; a redraw that applies a colour swap, a
// wheel turn or a repaint of all fills runs to its end. With ColorMode above
// 2 the canvas is not cleared and only the fills are replayed.
void DrawAll(RedrawEnv& e, int Index);

// The picture as a full redraw of the list's entries before `end` shows it,
// drawn on a canvas of its own of the canvas's size: the same walk, parts,
// base-shape highlight, page lines and fills, from copies of the editor's
// state, so that nothing of the editor, its canvas or its window changes and
// no event runs meanwhile. Empty when there is no canvas.
std::optional<Surface> RedrawnPicture(RedrawEnv& e, int end);

// Visits the fills of the list (each colour entry of a PAINT record with its
// seed after it) in the order a redraw makes them, each with the copy table
// of the part in force where it stands: a copy of `sym` follows the list's
// part changes from part 0, as a redraw does. Removed fills are passed over.
void ForEachFillAsRedrawn(const DrawingList& list, const SymState& sym,
                          const std::function<void(const SymState& sym, int colourEntry)>& fill);

// True while a redraw walks the list: canvas presses, the Redraw command and
// anything else that changes the list must be ignored.
inline bool RedrawRunning(const EditorState& ed) { return ed.DrawBusy || ed.Redrawing; }

// The "High Speed Repaint" menu item: turns the replay of fills from the
// newest to the oldest on or off. Returns the new check mark. Nothing is
// redrawn.
bool PaintOrder_Click(DrawContext& ctx);

}  // namespace orn
