#pragma once
// The replication routines: every segment, circle, arc and flood fill of a
// picture is drawn through them, in the base cell and in the replicas of the
// current picture part (copies BaseCopy + 1 .. LastCopy), on the canvas, on
// the enlarged memory bitmap or, while printing, on the printer.
//
// They never report errors and never stop their caller: a copy whose
// triangle is degenerate or whose mapped points are not finite is passed over.
#include <functional>
#include <span>

#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

namespace orn {

// The segment (x1, y1)-(x2, y2) in the colour, in the base cell and in the
// first WorkingSym replicas. In measuring mode (WallMeasure) nothing is drawn
// and WallLeft..WallBottom receive the nearest translate of the segment.
void SymmLine(SymState& sym, DrawContext& ctx, float x1, float y1, float x2, float y2, Rgb colour);

// Record type of an arc; any other type is a full circle.
constexpr int kArcType = 5;

// A full circle around (x, y) of radius r, or (type 5) the arc through the
// record's points: its ends at X/Y[i1] and X/Y[i1 + 1], a point on it at
// X/Y[i2]. Replicas get the mapped centre and the radius scaled by their base
// edge's length; an arc drawn as segments is replicated by SymmLine.
void SymmCircle(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
                float x, float y, float r, Rgb colour, int type, int i1, int i2);

// Flood fill from the seed (x, y) up to `border` (FillType::Border) in the
// base cell and at the seed's image in every replica of the part. Sets
// FillFailed when the fill in the base cell fails.
void SymmPaint(const SymState& sym, DrawContext& ctx, Rgb colour, float x, float y, Rgb border,
               FillType type);

// The seed pixels of such a fill, in the order it fills them: the seed
// itself (`base`), then its image in every replica of the current part;
// those off the canvas are left out.
void ForEachFillSeed(const SymState& sym, const Surface& canvas, float x, float y,
                     const std::function<void(int x, int y, bool base)>& seed);

// One arc around c from A to B, the way that passes C (counter-clockwise
// canvas angles), whatever its radius: as short segments through SymmLine
// (ArcLines), as the full redraw draws it; a rubber band (the canvas in the
// XOR pen) with the canvas's arc, its start marked red when it runs
// counter-clockwise.
void ArcAngles(SymState& sym, DrawContext& ctx, double cx, double cy, double ax, double ay,
               double bx, double by, double px, double py, double R, Rgb colour);

// The arc around c of radius R counter-clockwise from angle s to angle e
// (radians, canvas angles), as short segments through SymmLine. e = s + 2*pi
// is a full circle.
void ArcLines(SymState& sym, DrawContext& ctx, double cx, double cy, double R, double s, double e,
              Rgb colour);

}  // namespace orn
