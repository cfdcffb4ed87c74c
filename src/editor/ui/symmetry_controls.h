#pragma once
// SymmetryControls: the editor window's symmetry set-up ("&Setup Symmetry",
// "&Working Symmetry...", the polygon button), the part labels' place, and the
// canvas presses the set-up's handles take.

namespace orn {

class PicEdit;

class SymmetryControls {
 public:
  explicit SymmetryControls(PicEdit& w) : w_(w) {}

  // "&Setup Symmetry" is offered: the drawing starts with base shapes.
  void setEditsymEnabled(bool enabled);
  // "&Setup Symmetry", "&Working Symmetry..." and the polygon button.
  void Editsym_Click();
  void SymWorking_Click();
  void Picture13_Click();
  // A canvas press or double click during the set-up goes to its handles;
  // true when the set-up took it.
  bool routeSetupPress(int Button, int Shift, float X, float Y);
  bool routeSetupDoubleClick();
  void SymTestHandle(int Button, int Shift, float X, float Y);
  void repeatSetupPress();
  void buildSymmetryWidgets();
  void wireSymmetryMenu();
  void placePartLabels();
  // The part labels and symmetry menus for the picture now in the list.
  void refreshSymmetryControls();
  bool setupOffered() const;
  // What the redraw asks: the set-up is up (from its start to OK or Cancel),
  // the symmetry shown for a region, the set-up's handles, the number on the
  // Geometric tool's button.
  bool setupPanelVisible() const;
  void ShowSymme(int region);
  void SymShowHandles(int mode);
  void GeoSh();

 private:
  PicEdit& w_;
};

}  // namespace orn
