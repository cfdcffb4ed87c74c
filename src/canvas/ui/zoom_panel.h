#pragma once
// The zoom box's "Fine Tuning" panel (Picture2), shown while the rotatable
// frame is up: the buttons "OK", "Cancel", "Page" (or "Project") and "Set",
// the sideways nudge bar and the three bars that move, turn and scale the
// view in small steps. Every bar rests at 0 and springs back there after
// each step.
#include <QFrame>

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

namespace orn {

class ZoomPanel : public QFrame {
  Q_OBJECT
 public:
  explicit ZoomPanel(QWidget* parent = nullptr);

  QLabel* Text2 = nullptr;  // "Fine Tuning"
  // 0 "OK", 1 "Cancel", 2 "Page" / "Project", 3 "Set".
  std::array<QPushButton*, 4> BoxButton{};
  QScrollBar* HScroll1 = nullptr;
  // 0 moves, 1 turns, 2 scales; Label4(0) "Move" stands by bar 0,
  // Label4(2) "Rotate" by bar 1 and Label4(1) "Scale" by bar 2.
  std::array<QScrollBar*, 3> VScroll1{};
  std::array<QLabel*, 3> Label4{};

 signals:
  void boxButtonClicked(int index);
  void hScrollChanged();
  void vScrollChanged(int index);
};

}  // namespace orn
