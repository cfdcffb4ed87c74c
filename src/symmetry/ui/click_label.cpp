#include "symmetry/ui/click_label.h"

#include <QMouseEvent>

#include "platform/qt_colour.h"

namespace orn {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
}

void ClickLabel::setBackColor(Rgb c) {
  back_ = c & 0xFFFFFF;
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(back_));
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
