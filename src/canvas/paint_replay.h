#pragma once
// Replaying the fills of a PAINT record, with the recolouring of a colour
// swap or a wheel turn applied on the way, and the handle dots that the
// paint and editing tools show on the canvas.
#include "canvas/canvas_drawing.h"
#include "colour/colour_state.h"
#include "model/drawing_list.h"

namespace orn {

struct RedrawEnv;

// Fills the pairs (colour entry, seed) of a PAINT record from index First
// (a colour entry) up to Last in every copy, or from the last to the first
// while the High Speed Repaint replay runs. With Erase nonzero every fill is
// made in the background colour and the list is left alone; otherwise a wheel
// turn (ColorMode 4) or a pending swap rewrites the colour entries first.
// Removed fills are skipped. Inside an ordinary redraw events are pumped
// every 10th pair and a stop request ends the replay.
void PaintRecord(CanvasDrawing& d, DrawingList& list, ColourState& colour, int First, int Last,
                 int Erase);

// Some fill a redraw makes (the paint panel shown) comes out black or in
// the background colour: its pixels do not tell it from a line or from the
// bare canvas.
bool FillsLikeInkOrBackground(const DrawingList& list, const EditorState& ed, const DrawContext& ctx);

// Closes a record left open by another tool, then marks on the canvas the
// points the current tool works on: the seeds of the fills (colour handles)
// for the paint tool and the colour-handle tools, the points of the shapes
// for the other editing tools. Every caller passes Mode 0.
void DoDots(RedrawEnv& e, int Mode);

}  // namespace orn
