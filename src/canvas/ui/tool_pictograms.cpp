#include "canvas/ui/tool_pictograms.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

#include "canvas/tools.h"

namespace orn {

namespace {

constexpr double kPi = 3.14159265358979;
const QColor kInk(20, 20, 20);
const QColor kPaint(215, 40, 40);
const QColor kCross(200, 0, 0);

// The pictogram is drawn on a 20 x 20 grid, scaled into the box.
QPointF at(const QRectF& b, double x, double y) {
  return {b.left() + x * b.width() / 20.0, b.top() + y * b.height() / 20.0};
}

void dot(QPainter& p, QPointF c, double r = 1.6) {
  p.save();
  p.setBrush(kInk);
  p.setPen(Qt::NoPen);
  p.drawEllipse(c, r, r);
  p.restore();
}

void polyline(QPainter& p, const QRectF& b, std::initializer_list<QPointF> grid, bool dots) {
  QPolygonF poly;
  for (QPointF g : grid) poly << at(b, g.x(), g.y());
  p.drawPolyline(poly);
  if (dots)
    for (QPointF q : poly) dot(p, q);
}

void cross(QPainter& p, const QRectF& b, double cx, double cy, double r) {
  p.save();
  p.setPen(QPen(kCross, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(at(b, cx - r, cy - r), at(b, cx + r, cy + r));
  p.drawLine(at(b, cx - r, cy + r), at(b, cx + r, cy - r));
  p.restore();
}

// Four short arrows out of a point: something is dragged.
void dragArrows(QPainter& p, const QRectF& b, double cx, double cy) {
  const double r = 5.0, h = 1.6;
  for (int k = 0; k < 4; ++k) {
    const double dx = k == 0 ? 1 : k == 1 ? -1 : 0, dy = k == 2 ? 1 : k == 3 ? -1 : 0;
    const QPointF tip = at(b, cx + r * dx, cy + r * dy);
    p.drawLine(at(b, cx + 2.5 * dx, cy + 2.5 * dy), tip);
    p.drawLine(tip, at(b, cx + (r - h) * dx - h * dy, cy + (r - h) * dy - h * dx));
    p.drawLine(tip, at(b, cx + (r - h) * dx + h * dy, cy + (r - h) * dy + h * dx));
  }
}

void handle(QPainter& p, const QRectF& b, double cx, double cy) {
  p.save();
  p.setBrush(kPaint);
  p.drawEllipse(at(b, cx, cy), b.width() * 0.13, b.height() * 0.13);
  p.restore();
}

void sCurve(QPainter& p, const QRectF& b, double dy) {
  QPainterPath path(at(b, 2, 15 + dy));
  path.cubicTo(at(b, 6, 0 + dy), at(b, 14, 22 + dy), at(b, 18, 5 + dy));
  p.drawPath(path);
}

void polygon(QPainter& p, const QRectF& b, const QString& caption) {
  bool ok = false;
  int n = caption.trimmed().toInt(&ok);
  if (!ok || n < 3) n = 4;
  const int corners = std::min(n, 12);
  QPolygonF poly;
  for (int k = 0; k < corners; ++k) {
    const double a = -kPi / 2 + kPi / corners + 2 * kPi * k / corners;
    poly << at(b, 10 + 8.5 * std::cos(a), 10.5 + 8.5 * std::sin(a));
  }
  p.drawPolygon(poly);
  QFont f = p.font();
  f.setPixelSize(std::max(7, int(b.height() * 0.42)));
  f.setBold(true);
  p.setFont(f);
  p.drawText(b.adjusted(0, 1, 0, 1), Qt::AlignCenter, QString::number(n));
}

void bucket(QPainter& p, const QRectF& b) {
  // A tipped bucket pouring a drop of paint into a region.
  p.save();
  p.setBrush(kPaint);
  p.drawRect(QRectF(at(b, 2, 12), at(b, 18, 18)));
  p.restore();
  QPolygonF pail;
  for (QPointF g : {QPointF(4, 3), QPointF(12, 1), QPointF(14, 7), QPointF(7, 10)}) pail << at(b, g.x(), g.y());
  p.drawPolygon(pail);
  p.save();
  p.setBrush(kPaint);
  p.setPen(Qt::NoPen);
  p.drawEllipse(at(b, 15.5, 9.5), b.width() * 0.07, b.height() * 0.09);
  p.restore();
}

void circularArrow(QPainter& p, const QRectF& b) {
  const QRectF ring(at(b, 4, 4), at(b, 16, 16));
  p.drawArc(ring, 100 * 16, 290 * 16);
  const QPointF tip = at(b, 10 + 6 * std::cos(100 * kPi / 180), 10 - 6 * std::sin(100 * kPi / 180));
  p.drawLine(tip, tip + QPointF(b.width() * 0.16, -b.height() * 0.06));
  p.drawLine(tip, tip + QPointF(b.width() * 0.11, b.height() * 0.14));
}

}  // namespace

void DrawToolPictogram(QPainter& p, int tool, const QRectF& box, const QString& caption) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const QRectF& b = box;
  switch (tool) {
    case kToolSpline:
      sCurve(p, b, 0);
      dot(p, at(b, 2, 15));
      dot(p, at(b, 18, 5));
      break;
    case kToolPolyLine:
      polyline(p, b, {{2, 16}, {7, 4}, {13, 14}, {18, 4}}, true);
      break;
    case kToolMultiLine:
      polyline(p, b, {{2, 6}, {12, 3}}, true);
      polyline(p, b, {{6, 11}, {18, 9}}, true);
      polyline(p, b, {{3, 17}, {15, 16}}, true);
      break;
    case kToolCircle2:
      p.drawEllipse(QRectF(at(b, 2.5, 2.5), at(b, 17.5, 17.5)));
      p.drawLine(at(b, 10, 10), at(b, 17.5, 10));
      dot(p, at(b, 10, 10));
      dot(p, at(b, 17.5, 10));
      break;
    case kToolCircle3:
      p.drawEllipse(QRectF(at(b, 2.5, 2.5), at(b, 17.5, 17.5)));
      dot(p, at(b, 10, 2.5));
      dot(p, at(b, 3.5, 13.8));
      dot(p, at(b, 16.5, 13.8));
      break;
    case kToolArc:
      p.drawArc(QRectF(at(b, 2.5, 4), at(b, 17.5, 19)), 20 * 16, 140 * 16);
      dot(p, at(b, 17, 9));
      dot(p, at(b, 10, 4));
      dot(p, at(b, 3, 9));
      break;
    case kToolGeometric:
      polygon(p, b, caption);
      break;
    case kToolPaint:
      bucket(p, b);
      break;
    case kToolAdjustPoints:
      polyline(p, b, {{2, 17}, {9, 9}, {18, 15}}, false);
      p.drawRect(QRectF(at(b, 7.5, 7.5), at(b, 10.5, 10.5)));
      dragArrows(p, b, 9, 9);
      break;
    case kToolEraseLines:
      polyline(p, b, {{2, 15}, {18, 5}}, true);
      cross(p, b, 10, 10, 4);
      break;
    case kToolAdjustColorHandles:
      handle(p, b, 10, 10);
      dragArrows(p, b, 10, 10);
      break;
    case kToolDeleteColorHandle:
      handle(p, b, 8, 10);
      cross(p, b, 14, 14, 3);
      break;
    case kToolDuplicate:
      p.drawRect(QRectF(at(b, 2, 2), at(b, 12, 12)));
      p.drawRect(QRectF(at(b, 8, 8), at(b, 18, 18)));
      break;
    case kToolConvert:
      sCurve(p, b, -3);
      polyline(p, b, {{2, 18}, {8, 12}, {13, 18}, {18, 13}}, false);
      break;
    case kRedrawPictogram:
      circularArrow(p, b);
      break;
    default:
      break;
  }
  p.restore();
}

}  // namespace orn
