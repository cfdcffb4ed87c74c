#pragma once
// A label that reports presses, releases and clicks: the coloured squares of
// the symmetry panels.
#include <functional>

#include <QLabel>

#include "platform/core/surface.h"

namespace orn {

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

  std::function<void()> onPress;
  std::function<void()> onRelease;
  std::function<void()> onClick;

  void setBackColor(Rgb c);
  Rgb backColor() const { return back_; }

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Rgb back_ = 0xFFFFFF;
};

}  // namespace orn
