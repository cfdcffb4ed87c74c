#include "canvas/canvas_drawing.h"

namespace orn {

bool PumpAndTestStop(CanvasDrawing& d) {
  if (!d.ed.AllowDoEvents || d.ed.ColorMode != kColorIdle) return false;
  d.ui.showCanvas();
  d.host.pumpEvents();
  return d.host.ctrlKeyDown() || d.ed.StopFlag != 0;
}

}  // namespace orn
