#pragma once
// The tools of the canvas: their codes (CurDrawType, the index of their
// button) and the colours of their buttons. Selecting a tool is
// MouseEngine::DrawType; showing the tool buttons MouseEngine::SetDrawButtons.
#include <array>

#include "canvas/editor_state.h"
#include "platform/core/surface.h"

namespace orn {

// Drawing tools 0-6 are the record types; the paint tool is 10.
constexpr int kToolCircle2 = 3;
constexpr int kToolCircle3 = 4;
constexpr int kToolArc = 5;
// Editing tools (above kEditToolBoundary).
constexpr int kToolAdjustPoints = 75;
constexpr int kToolEraseLines = 76;
constexpr int kToolConvert = 80;

// Every tool, in the order of the tool buttons.
constexpr std::array<int, 14> kAllTools = {0, 1, 2, 3, 4, 5, 6, 10, 75, 76, 77, 78, 79, 80};

// Button colours: a drawing tool, an editing tool, the selected tool, and a
// record picked for conversion.
constexpr Rgb kToolButtonDrawing = 0x80FFFF;
constexpr Rgb kToolButtonEditing = 0x80FF80;
constexpr Rgb kToolButtonSelected = 0xFFFFFF;
constexpr Rgb kToolButtonPicked = 0x80C0FF;

// The colour of a tool's button while another tool is selected.
constexpr Rgb ToolButtonIdleColour(int tool) {
  return (tool == kToolAdjustPoints || tool == kToolEraseLines || tool == kToolAdjustColorHandles ||
          tool == kToolDeleteColorHandle || tool == kToolConvert)
             ? kToolButtonEditing
             : kToolButtonDrawing;
}

// The spline/polyline switch: red while strokes of the Spline tool are
// drawn as polylines, else the drawing tools' colour.
constexpr Rgb SplinePolyColour(bool on) { return on ? 0x0000FF : kToolButtonDrawing; }

// The tooltip of a tool's button: the tool's name.
const char* ToolTipText(int tool);

}  // namespace orn
