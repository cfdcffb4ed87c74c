#pragma once
// Rendering of the circle records and of the Geometric base shapes through
// the replication routines, so that they appear in every copy of the part.
#include <span>

#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

namespace orn {

// Draws the circle record whose points are X/Y[first..last]; tool is its
// type: 3 "2 Pt Circle" (centre and a point on the rim), 4 "3 Pt Circle" or
// 5 "Arc" (three points on the rim; an arc runs from the first to the second
// through the last). Two points give the circle on them as diameter (an arc:
// their chord); so do three points on one line, except for an arc, which
// draws the part of that line that holds its last point: between its ends,
// or outside them.
void Circles(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
             int first, int last, Rgb colour, int tool);

// Circles as the full redraw draws a stored record, whatever the drawing
// state: in every replica of the part, an arc's end pieces lengthened as the
// redraw lengthens them. A pick, an erase and a drag draw a stored circle or
// arc this way, so that they cover exactly the pixels the redraw gave it.
void CirclesAsRedrawn(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
                      int first, int last, Rgb colour, int tool);

// Draws the edges of the Geometric record X/Y[first..last] (its vertices,
// the first repeated at the end, then its centre). During the set-up's
// capture redraw (GeoCapture 1) each edge also becomes a set-up copy
// SymCount of the copy table.
void GeoSegments(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
                 int first, int last, Rgb colour, int type);

}  // namespace orn
