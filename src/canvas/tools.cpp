// Tool selection: the tool buttons and what changes when the tool changes.
#include "canvas/tools.h"

#include "canvas/mouse_engine.h"
#include "canvas/paint_replay.h"

namespace orn {

const char* ToolTipText(int tool) {
  switch (tool) {
    case 0: return "Draw Spline";
    case 1: return "Draw Polyline";
    case 2: return "Draw Lines";
    case 3: return "Draw C-R Circle";
    case 4: return "Draw 3pt Circle";
    case 5: return "Draw Arc";
    case 6: return "Draw Geometric Shape";
    case 10: return "Repaint";
    case 75: return "Adjust Points";
    case 76: return "Erase Lines";
    case 77: return "Adjust Color Handles";
    case 78: return "Delete Color Handle";
    case 79: return "Duplicate Shapes";
    case 80: return "Spline/Line Convert";
    default: return "";
  }
}

namespace {

bool isEditTool(int tool) { return tool > kEditToolBoundary; }

}  // namespace

void MouseEngine::DrawType_MouseDown(int Index) {
  if (ed.DrawBusy || RedrawRunning(ed)) return;
  DrawType(Index);
}

void MouseEngine::DrawType(int Index) {
  // A pending Erase Lines or convert pick is given up.
  if (pick.SplitPick1 != 0) CancelPick();
  if (list.PackFrom > 0) PackBad(list);

  const int old = ed.CurDrawType;
  bool redrew = false;
  if (Index == old) {
    if (isEditTool(old)) {
      DrawAll(1);
      redrew = true;
    } else if (old == kToolPaint) {
      // The fills are replayed over the picture without clearing it.
      ed.ColorMode = kColorRefillAll;
      DrawAll(1);
      ed.ColorMode = kColorIdle;
      colour.SwapIndex = 0;
      return;
    } else {
      return;
    }
  }
  // Nothing to edit on an empty picture.
  if (isEditTool(Index) && list.NumPoints == 0) return;

  if (old == kToolDeleteColorHandle) {
    ui.showKillColor(false, 0);
    ms.ColorHandle = kNoHandle;
  }
  if (list.recordOpen()) {
    ms.MouseButton = 1;
    P1DBL();
  }

  // The old button loses its mark.
  controls.setToolButtonColor(old, ToolButtonIdleColour(old));
  if (ToolButtonIdleColour(old) == kToolButtonEditing) {
    // The convert tool may have marked these.
    controls.setToolButtonColor(kToolSpline, kToolButtonDrawing);
    controls.setToolButtonColor(kToolPolyLine, kToolButtonDrawing);
  }
  if (old == kToolGeometric) controls.GeoSh();

  ed.CurDrawType = Index;
  if (isEditTool(old) && Index < kEditToolBoundary) {
    DrawAll(1);
    redrew = true;
  }

  RedrawEnv e = redrawEnv();
  switch (Index) {
    case kToolPaint:
      if (ed.DotsMode != 0) {
        ed.DotsMode = 0;
        DrawAll(1);
      }
      break;
    case kToolAdjustPoints:
    case kToolEraseLines:
    case kToolConvert:
      if (Index == kToolEraseLines) ms.ColorHandle = kNoHandle;
      if (ed.DotsMode != kToolAdjustPoints && ed.DotsMode != kToolEraseLines) {
        if (ed.DotsMode == 0 || ed.DotsMode == kToolDuplicate) {
          DoDots(e, 0);
        } else {
          // Colour-handle dots are on the canvas: only a redraw removes them.
          ed.DotsMode = kToolAdjustPoints;
          if (!redrew) DrawAll(1);
        }
      }
      break;
    case kToolAdjustColorHandles:
    case kToolDeleteColorHandle:
      if (ed.DotsMode != kToolAdjustColorHandles && ed.DotsMode != kToolDeleteColorHandle) {
        if (ed.DotsMode == 0) {
          DoDots(e, 0);
        } else {
          ed.DotsMode = kToolAdjustColorHandles;
          if (!redrew) DrawAll(1);
        }
      }
      break;
    case kToolDuplicate:
      DoDots(e, 0);
      break;
    default:
      break;
  }
  controls.setToolButtonColor(Index, kToolButtonSelected);
  if (Index == kToolGeometric) controls.GeoSh();
  ui.canvasChanged();
}

void MouseEngine::SetDrawButtons(bool Show) {
  if (ui.colourWheelShown()) {
    ui.setWheelPanelVisible(Show);
    return;
  }
  if (ms.AllowSplines) ui.setToolButtonVisible(kToolSpline, Show);
  for (int t = kToolPolyLine; t <= kToolArc; ++t) ui.setToolButtonVisible(t, Show);
  if (ed.PaintOnlyMode == 0) {
    const bool geo = Show && ed.ShowGeoNumbers;
    ui.setPolygonButtonVisible(geo);
    ui.setToolButtonVisible(kToolGeometric, geo);
    ui.setToolButtonVisible(kToolDuplicate, geo);
  }
  ui.setToolButtonVisible(kToolAdjustPoints, Show);
  ui.setToolButtonVisible(kToolEraseLines, Show);
  if (ms.AllowSplines) ui.setToolButtonVisible(kToolConvert, Show);
}

}  // namespace orn
