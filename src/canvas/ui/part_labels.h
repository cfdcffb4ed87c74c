#pragma once
// The part labels beside the canvas (Picture7): "No Sym" and the parts 1..5
// in their group colours, the marker exx2 on the current part and the caption
// Label8. Pressing a label makes that part current and highlights its copies
// while the button is held.
#include <array>

#include <QFrame>

class QLabel;

namespace orn {

class SymSetupHost;
class ClickLabel;

class PartLabels : public QFrame {
  Q_OBJECT
 public:
  explicit PartLabels(SymSetupHost& host, QWidget* parent = nullptr);

  std::array<ClickLabel*, 6> Label7{};
  ClickLabel* exx2 = nullptr;
  QLabel* Label8 = nullptr;

  // Moves the marker onto part i's label and sets the caption.
  void PutSymState(int i);
  // Shows the labels of the parts that have a base copy in the picture's
  // symmetry block (after loading or accepting), hiding the others.
  void showParts(const std::array<bool, 6>& shown);
  void showPartsFromBlock();

  void Label7_MouseDown(int index);
  void Label7_MouseUp(int index);
  void exx2_MouseDown();
  void exx2_MouseUp();

 private:
  bool redrawRunning() const;

  SymSetupHost& host_;
  // The last press came during a redraw and was ignored.
  bool pressIgnored_ = false;
};

}  // namespace orn
