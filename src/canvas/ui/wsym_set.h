#pragma once
// The dialog "Set Working Symmetry": how many replicas of the current part
// lines are drawn into while drawing (None, 1 .. n - 1, All).
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace orn {

class SymSetupHost;

class WSymSet : public QDialog {
  Q_OBJECT
 public:
  // PartCopies: the replicas of the current part; value: WorkingSym now.
  WSymSet(int PartCopies, int value, QWidget* parent = nullptr);

  QScrollBar* VScroll1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* Command1 = nullptr;  // "OK"
  QPushButton* Command2 = nullptr;  // "Cancel"
  QPushButton* Command3 = nullptr;  // "All"
  QPushButton* Command4 = nullptr;  // "None"
  QPlainTextEdit* Text1 = nullptr;

  // The value OK hands back.
  int value() const;

 private:
  void ShowWorkSym();
  int PartCopies_;
};

// The menu item "Working Symmetry...": beeps when the current part has no
// replicas; otherwise shows the dialog, stores the value on OK, and redraws
void SymWorking_Click(SymSetupHost& host, QWidget* parent);

}  // namespace orn
