#include "symmetry/ui/sym_setup_host.h"

#include "symmetry/sym_table.h"

namespace orn {

void SymSetupHost::ZoomBack() {
  ViewTable& v = views();
  if (v.ViewDepth < 1) {
    DrawAll(1);
    return;
  }
  const Surface& c = canvas();
  TransformView(v, list(), v.lastRow(), CanvasRect{0, c.width(), 0, c.height()});
  InvalidateSymTables(sym());
  DrawAll(1);
  v.ViewDepth -= 1;
}

}  // namespace orn
