#pragma once
// Picture12: the colour wheel's panel, shown in place of the drawing tools
// while the wheel is shown. Its label says what the wheel does; "Draw"
// closes it and keeps the colours, "Reset" turns them back to where they
// were when the wheel was shown.
#include <QFrame>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace orn {

class WheelPanel : public QFrame {
  Q_OBJECT
 public:
  explicit WheelPanel(QWidget* parent);
  QLabel* Label21 = nullptr;
  std::array<QPushButton*, 2> RotOK{};
  std::function<void(int Index)> onRotOK;
};

}  // namespace orn
