#pragma once
// The widget that shows a Surface, one surface pixel per device pixel, and
// reports the mouse in surface pixels.
//
// Mouse reports carry the button (1 left, 2 right, 4 middle; for a move, the
// sum of the buttons held), the shift state (1 Shift, 2 Ctrl, 4 Alt, summed)
// and the position as whole surface pixels. A double click arrives as press,
// release, double click, release: the second press of the pair is not
// reported as a press.
#include <functional>

#include <QWidget>

#include "platform/core/surface.h"

namespace orn {

enum class CanvasCursor { Arrow, Cross, UpArrow, Hourglass };

class CanvasWidget : public QWidget {
  Q_OBJECT
 public:
  using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

  explicit CanvasWidget(QWidget* parent = nullptr);

  // The surface shown (not owned; may be null). Call update() after drawing.
  void setSurface(const Surface* surface);
  const Surface* surface() const { return surface_; }

  void setCanvasCursor(CanvasCursor c);
  CanvasCursor canvasCursor() const { return cursor_; }

  // Moves the mouse pointer onto the surface pixel (x, y). Returns whether
  // the pointer stands there now: some desktops do not let a program move
  // the pointer.
  bool placePointer(int x, int y);

  MouseHandler onMouseDown;
  MouseHandler onMouseMove;
  MouseHandler onMouseUp;
  MouseHandler onDoubleClick;

  // The surface's size in this widget's logical pixels.
  QSize sizeHint() const override;

  // Codes of the button and shift state in the editor's numbering.
  static int buttonCode(Qt::MouseButtons b);
  static int shiftCode(Qt::KeyboardModifiers m);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void deliver(const MouseHandler& h, int button, QMouseEvent* e);

  const Surface* surface_ = nullptr;
  CanvasCursor cursor_ = CanvasCursor::Arrow;
};

}  // namespace orn
