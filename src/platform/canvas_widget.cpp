#include "platform/canvas_widget.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <bit>
#include <cmath>

#include "platform/qt_colour.h"

namespace orn {

static_assert(std::endian::native == std::endian::little,
              "the canvas shows surface pixels as RGBX bytes");

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // moves without a button feed the rubber bands
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::ArrowCursor);
}

void CanvasWidget::setSurface(const Surface* surface) {
  surface_ = surface;
  updateGeometry();
  update();
}

void CanvasWidget::setCanvasCursor(CanvasCursor c) {
  cursor_ = c;
  switch (c) {
    case CanvasCursor::Arrow: setCursor(Qt::ArrowCursor); break;
    case CanvasCursor::Cross: setCursor(Qt::CrossCursor); break;
    case CanvasCursor::UpArrow: setCursor(Qt::UpArrowCursor); break;
    case CanvasCursor::Hourglass: setCursor(Qt::WaitCursor); break;
  }
}

bool CanvasWidget::placePointer(int x, int y) {
  const qreal dpr = devicePixelRatioF();
  const QPoint at = mapToGlobal(QPointF(x / dpr, y / dpr).toPoint());
  QCursor::setPos(screen(), at);
  return QCursor::pos(screen()) == at;
}

QSize CanvasWidget::sizeHint() const {
  if (!surface_ || surface_->empty()) return {0, 0};
  const qreal dpr = devicePixelRatioF();
  return {int(std::ceil(surface_->width() / dpr)), int(std::ceil(surface_->height() / dpr))};
}

int CanvasWidget::buttonCode(Qt::MouseButtons b) {
  return (b.testFlag(Qt::LeftButton) ? 1 : 0) | (b.testFlag(Qt::RightButton) ? 2 : 0) |
         (b.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int CanvasWidget::shiftCode(Qt::KeyboardModifiers m) {
  return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
         (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

void CanvasWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect all = rect();
  if (!surface_ || surface_->empty()) {
    p.fillRect(e->rect(), palette().window());
    return;
  }
  // The pixels hold red in the low byte, which on a little-endian machine is
  // the byte order R, G, B, unused: the RGBX8888 layout. No copy is made.
  QImage img = surfaceImage(*surface_);
  const qreal dpr = devicePixelRatioF();
  img.setDevicePixelRatio(dpr);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(QPointF(0, 0), img);
  // The part of the widget the surface does not cover.
  const QRectF covered(0, 0, surface_->width() / dpr, surface_->height() / dpr);
  const QRegion rest = QRegion(all) - QRegion(covered.toAlignedRect());
  for (const QRect& r : rest) p.fillRect(r, palette().window());
}

void CanvasWidget::deliver(const MouseHandler& h, int button, QMouseEvent* e) {
  if (!h) return;
  // Surface pixel under the pointer: device pixels, whole numbers.
  const qreal dpr = devicePixelRatioF();
  const QPointF pos = e->position() * dpr;
  h(button, shiftCode(e->modifiers()), int(std::floor(pos.x())), int(std::floor(pos.y())));
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) { deliver(onMouseDown, buttonCode(e->button()), e); }

void CanvasWidget::mouseMoveEvent(QMouseEvent* e) { deliver(onMouseMove, buttonCode(e->buttons()), e); }

void CanvasWidget::mouseReleaseEvent(QMouseEvent* e) { deliver(onMouseUp, buttonCode(e->button()), e); }

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // Qt's default turns a double click into a second press; report it once,
  // as a double click only.
  deliver(onDoubleClick, buttonCode(e->button()), e);
}

}  // namespace orn
