#include "print/ui/page_preview.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace orn {

namespace {

QRectF toQRect(const PreviewRect& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

PagePreview::PagePreview(PageLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout) {
  setObjectName("Label3");
  setMouseTracking(false);
}

void PagePreview::ShowImage() {
  const PreviewRect f = layout_.frame();
  setFixedSize(int(std::ceil(f.width)), int(std::ceil(f.height)));
  update();
}

void PagePreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The frame with its caption.
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rect().adjusted(0, 6, -1, -1));
  const QString caption = " Drag image or handles ";
  QRect text = p.fontMetrics().boundingRect(caption);
  text.moveTo(8, 0);
  p.fillRect(text, palette().window());
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption);

  // The page; everything on it is clipped to it.
  p.translate(pageOrigin());
  const QRectF page = toQRect(layout_.page());
  p.fillRect(page, Qt::white);
  p.setPen(Qt::black);
  p.drawRect(page);
  p.setClipRect(page.adjusted(0, 0, 1, 1));
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  if (layout_.dragging()) {
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(toQRect(layout_.p1()));
    return;
  }
  p.drawImage(toQRect(layout_.bm()), thumb_);
  p.setClipping(false);
  for (const PreviewPoint& h : layout_.handles()) {
    p.fillRect(QRectF(h.x, h.y, kHandleSize, kHandleSize), Qt::black);
  }
}

void PagePreview::mousePressEvent(QMouseEvent* e) {
  const QPointF at = toPage(e->position());
  layout_.pg_MouseDown(at.x(), at.y());
  update();
  if (onChanged) onChanged();
}

void PagePreview::mouseMoveEvent(QMouseEvent* e) {
  const QPointF at = toPage(e->position());
  layout_.pg_MouseMove(e->buttons() != Qt::NoButton, at.x(), at.y());
  update();
  if (onChanged) onChanged();
}

void PagePreview::mouseReleaseEvent(QMouseEvent*) {
  layout_.pg_MouseUp();
  update();
  if (onChanged) onChanged();
}

}  // namespace orn
