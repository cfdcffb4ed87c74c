#pragma once
// SymPLoad: the small window shown while a picture file is read, with the
// label "Loading" and a bar in which the loader draws progress boxes.
#include <QWidget>

#include "platform/core/surface.h"

class QLabel;

namespace orn {

class CanvasWidget;

class SymPLoad : public QWidget {
  Q_OBJECT
 public:
  // The bar's scale: boxes are drawn from 0 to a value up to this.
  static constexpr int kBarScale = 160;

  explicit SymPLoad(QWidget* parent = nullptr);

  // Draws the progress box from (0, 0) to (p, 1) of the bar's scale.
  void drawBox(double p, Rgb colour);
  void clearBar();
  const Surface& bar() const { return bar_; }

  QLabel* Label1 = nullptr;
  CanvasWidget* Picture1 = nullptr;

 private:
  Surface bar_;
};

}  // namespace orn
