#include "symmetry/ui/click_label.h"

#include <QMouseEvent>

namespace orn {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
}

void ClickLabel::setBackColor(Rgb c) {
  back_ = c & 0xFFFFFF;
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(back_ & 0xFF, (back_ >> 8) & 0xFF, (back_ >> 16) & 0xFF));
  setPalette(p);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (onPress) onPress();
  e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  if (onRelease) onRelease();
  if (onClick && rect().contains(e->position().toPoint())) onClick();
  e->accept();
}

}  // namespace orn
