#pragma once
// OptionsMenu: the editor window's "&Options" menu: gravity (snap), line
// width, splines, sound, the drawing cursor and the extended lines, and the
// check marks that show the switches as the settings stand.

namespace orn {

class PicEdit;

class OptionsMenu {
 public:
  explicit OptionsMenu(PicEdit& w) : w_(w) {}

  // The "&Options" menu's drawing options.
  void MenOptionsGravity_Click();
  void MenOptionsLine_Click();
  void MenOpSplineC();
  void MenOptionSound_Click();
  void PickDrawCurse_Click(int Index);
  void ExtendV_Click(int Index);
  // "&Snap n..." for the snap distance in force.
  void setSnapCaption();
  // The check marks of the switches, as the settings stand.
  void showOptionStates();
  // The spline tools and their menu check, as AllowSplines stands.
  void showSplineTools();
  void wireOptionsMenu();

 private:
  PicEdit& w_;
};

}  // namespace orn
