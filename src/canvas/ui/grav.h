#pragma once
// The dialog "Set Snap": the distance within which a new or moved point
// snaps onto a stored point, 0 (no snapping) to 10 canvas pixels, with a
// preview of that reach around a point.
#include <QDialog>

#include <array>

#include "platform/core/surface.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace orn {

class CanvasWidget;

class Grav : public QDialog {
  Q_OBJECT
 public:
  // snapSize: the distance in force; the dialog starts on it.
  explicit Grav(int snapSize, QWidget* parent = nullptr);

  std::array<QRadioButton*, 11> op{};
  CanvasWidget* Picture1 = nullptr;
  QPushButton* Command1 = nullptr;  // "OK"
  QPushButton* Command2 = nullptr;  // "Cancel"

  // The distance chosen; OK hands it back.
  int SnapChoice = 0;

 private:
  void op_Click(int Index);
  void Form_Paint();

  Surface preview_;
};

}  // namespace orn
