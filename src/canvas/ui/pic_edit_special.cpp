// The editor's hidden "S&pecial" menu: the hot spot that shows or hides it,
// and its items. Only "&Geometry Buttons" is offered so far; the other items
// stay present and grey.
#include <QAction>
#include <QPushButton>

#include "canvas/ui/pic_edit.h"
#include "canvas/ui/tool_buttons.h"
#include "symmetry/ui/click_label.h"

namespace orn {

namespace {

constexpr int kLabel6Size = 9;
constexpr int kGeometryButtons = 1;
constexpr int kShowAllOptions = 7;

}  // namespace

void PicEdit::buildSpecialWidgets() {
  Label6 = new ClickLabel(QString(), inner_);
  Label6->setObjectName("Label6");
  Label6->setAutoFillBackground(false);
  Label6->resize(kLabel6Size, kLabel6Size);
  Label6->onClick = [this] { Label6_Click(); };
}

void PicEdit::wireSpecialMenu() {
  QAction* geometry = menuItem("DebugX(1)");
  geometry->setProperty("ornBuilt", true);
  geometry->setEnabled(true);
  connect(geometry, &QAction::triggered, this, [this] { DebugX_Click(kGeometryButtons); });
  QAction* all = menuItem("DebugX(7)");
  all->setProperty("ornBuilt", true);
  all->setEnabled(true);
  connect(all, &QAction::triggered, this, [this] { DebugX_Click(kShowAllOptions); });
}

void PicEdit::Label6_Click() {
  if (!host_.ctrlKeyDown()) return;
  QAction* menu = menuItem("DebugXX");
  menu->setVisible(!menu->isVisible());
}

void PicEdit::DebugX_Click(int Index) { DebugXC(Index); }

void PicEdit::DebugXC(int Index) {
  errors_.Trap("DebugXC", Index, [this, Index] {
    if (Index == kShowAllOptions) {
      // The advanced items of the "&Options" menu: marks, picture shape,
      // project pages.
      MenusAllOptions(!menuItem("MenPageSh")->isVisible());
      return;
    }
    if (Index != kGeometryButtons) return;
    // The geometry buttons: the Geometric tool and the polygon button come
    // and go together; the duplicate tool goes with them.
    editor_.ShowGeoNumbers = !editor_.ShowGeoNumbers;
    const bool geo = editor_.ShowGeoNumbers;
    setItemChecked("DebugX(1)", geo);
    if (tools_ != nullptr) {
      if (ToolButton* b = tools_->DrawType(kToolGeometric)) b->setVisible(geo);
      ToolButton* dup = tools_->DrawType(kToolDuplicate);
      if (!geo && dup != nullptr && !dup->isHidden()) dup->hide();
    }
    Picture13->setVisible(geo);
  });
}

}  // namespace orn
