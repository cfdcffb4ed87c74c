#include "canvas/ui/sym_setup_host.h"

#include "canvas/zoom_views.h"
#include "symmetry/sym_table.h"

namespace orn {

void SymSetupHost::ZoomBack() {
  const Surface& c = canvas();
  if (StepBackView(views(), list(), c.width(), c.height())) InvalidateSymTables(sym());
  DrawAll(1);
}

}  // namespace orn
