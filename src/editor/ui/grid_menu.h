#pragma once
// GridMenu: the editor window's grid colour and base-shape highlight: the three
// items of "&Grid Color" in the Symmetry menu and "&Yellow Base Shape " in the
// Color menu. The full redraw draws both (canvas/redraw.h).

namespace orn {

class PicEdit;

class GridMenu {
 public:
  explicit GridMenu(PicEdit& w) : w_(w) {}

  // "&Grid Color": the base shapes ahead of the symmetry drawn black, red or
  // not at all; then a full redraw.
  void MenGridBlack_Click();
  void MenGridRed_Click();
  void MenGridOff_Click();
  // "&Yellow Base Shape ": switches the highlight of part 1's base shape,
  // leaving an editing tool first, and redraws.
  void Yellow_Click();

 private:
  PicEdit& w_;
};

}  // namespace orn
