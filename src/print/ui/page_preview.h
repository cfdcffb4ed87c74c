#pragma once
// The page preview of the page-layout dialog: the page (pg) inside its frame
// label (Label3, " Drag image or handles "), the image rectangle (bm) showing
// a thumbnail of the canvas, its four corner handles, and the rubber band
// (p1) that follows a drag. It paints what the dialog's layout holds and
// hands the mouse to it.
#include <QImage>
#include <QWidget>

#include <functional>

#include "print/page_layout.h"

namespace orn {

class PagePreview : public QWidget {
  Q_OBJECT
 public:
  PagePreview(PageLayout& layout, QWidget* parent = nullptr);

  // The thumbnail of the canvas shown in the image rectangle.
  void setThumbnail(const QImage& thumb) { thumb_ = thumb; }
  // Sizes the widget to the frame around the page and repaints.
  void ShowImage();
  // Where the page's top-left corner lies in the widget.
  QPoint pageOrigin() const { return {kFrameExtraWidth / 2, kFrameExtraHeight - kFrameExtraWidth / 2}; }

  // Called after a press, drag step or release changed the layout.
  std::function<void()> onChanged;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QPointF toPage(const QPointF& p) const { return p - QPointF(pageOrigin()); }
  PageLayout& layout_;
  QImage thumb_;
};

}  // namespace orn
