#pragma once
// Picture4, "Current Color": a box filled with the current colour. A click on
// it arms a colour swap after a pick, and disarms an armed one.
#include <functional>

#include "platform/canvas_widget.h"
#include "platform/core/surface.h"

namespace orn {

class CurrentColorBox : public CanvasWidget {
  Q_OBJECT
 public:
  explicit CurrentColorBox(QWidget* parent);
  void setColour(Rgb c);
  Rgb colour() const { return colour_; }
  std::function<void()> onClick;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void fill();

  Surface surface_;
  Rgb colour_ = 0;
};

}  // namespace orn
