#include "colour/ui/current_color_box.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace orn {

CurrentColorBox::CurrentColorBox(QWidget* parent) : CanvasWidget(parent) {
  setObjectName("Picture4");
  setToolTip("Current Color");
  setFocusPolicy(Qt::NoFocus);
  setSurface(&surface_);
  onMouseDown = [this](int, int, int, int) {
    if (onClick) onClick();
  };
}

void CurrentColorBox::setColour(Rgb c) {
  colour_ = c & 0xFFFFFF;
  fill();
}

void CurrentColorBox::fill() {
  const qreal dpr = devicePixelRatioF();
  const int w = std::max(int(std::lround(width() * dpr)), 1);
  const int h = std::max(int(std::lround(height() * dpr)), 1);
  if (surface_.width() != w || surface_.height() != h) surface_.resize(w, h);
  surface_.setBackColor(colour_);
  surface_.clear();
  surface_.setPenColor(kBlack);
  surface_.box(0, 0, w - 1, h - 1);
  update();
}

void CurrentColorBox::resizeEvent(QResizeEvent* e) {
  CanvasWidget::resizeEvent(e);
  fill();
}

}  // namespace orn
