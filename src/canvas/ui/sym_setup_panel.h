#pragma once
// The symmetry set-up panel (Picture5): the group choices Label9(0..5) with
// their marker exx, the initial-part swatch Label11, and the buttons
// "Initial", "Clear", "Base", "OK", "Cancel" and "Help". While it is up every
// press on the canvas goes to SymTestHandle.
#include <array>

#include <QFrame>

#include "symmetry/setup_state.h"

class QLabel;
class QPushButton;

namespace orn {

class ClickLabel;
class PartLabels;
class SymSetupHost;

class SymSetupPanel : public QFrame {
  Q_OBJECT
 public:
  SymSetupPanel(SymSetupHost& host, PartLabels& parts, QWidget* parent = nullptr);

  SetupState& setup() { return setup_; }

  // ---- controls ----
  QLabel* Label10 = nullptr;
  std::array<ClickLabel*, 6> Label9{};
  ClickLabel* exx = nullptr;
  ClickLabel* Label11 = nullptr;
  QPushButton* SymInitial = nullptr;
  QPushButton* SymClear = nullptr;
  QPushButton* Command1 = nullptr;  // "Base"
  std::array<QPushButton*, 2> SymOK{};  // "OK", "Cancel"
  QPushButton* Command3 = nullptr;  // "Help"

  // ---- commands ----
  // "Setup Symmetry": enters the set-up.
  void Editsym_Click();
  // "OK" (0) and "Cancel" (1).
  void SymOK_Click(int Index);
  void Label9_Click(int Index);
  void SymClear_Click();
  void SymInitialC();
  void Command1_Click();
  void PutSymType(int i);

  // A press on the canvas while the set-up is up, and the double click that
  // repeats it.
  void SymTestHandle(int Button, int Shift, float X, float Y);
  void repeatLastHandle();

 private:
  void setHelpText(const char* text, int group);
  void leaveSetup();

  SymSetupHost& host_;
  PartLabels& parts_;
  SetupState setup_;
};

}  // namespace orn
