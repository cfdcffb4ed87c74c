#include "colour/ui/colour_cells.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace orn {

namespace {

int cellEdge(int k, double unit) { return static_cast<int>(std::floor(k * unit)); }

}  // namespace

ColourCells::ColourCells(QWidget* parent) : CanvasWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setSurface(&surface_);
  onMouseDown = [this](int b, int s, int x, int y) {
    if (onPress) onPress(b, s, float(x / ux_), float(y / uy_));
  };
  onMouseMove = [this](int b, int s, int x, int y) {
    if (b != 0 && onDrag) onDrag(b, s, float(x / ux_), float(y / uy_));
  };
}

void ColourCells::startGrid(double cols, double rows, Rgb back) {
  const qreal dpr = devicePixelRatioF();
  const int w = std::max(int(std::lround(width() * dpr)), 1);
  const int h = std::max(int(std::lround(height() * dpr)), 1);
  if (surface_.width() != w || surface_.height() != h) surface_.resize(w, h);
  surface_.setBackColor(back);
  surface_.clear();
  // The last cell's outline stays inside the surface.
  ux_ = (w - 1) / std::max(cols, 1e-6);
  uy_ = (h - 1) / std::max(rows, 1e-6);
  update();
}

void ColourCells::drawCell(int c, int r, Rgb fill) {
  const int x1 = cellEdge(c, ux_), x2 = cellEdge(c + 1, ux_);
  const int y1 = cellEdge(r, uy_), y2 = cellEdge(r + 1, uy_);
  surface_.fillBox(x1, y1, x2, y2, fill);
  surface_.setPenColor(kBlack);
  surface_.box(x1, y1, x2, y2);
  update(QRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1));
}

void ColourCells::drawRing(int c, int r, Rgb colour) {
  const int radius = std::max(2, int(std::lround(0.05 * ux_)));
  surface_.setPenColor(colour);
  surface_.circle(int(std::lround((c + 0.5) * ux_)), int(std::lround((r + 0.5) * uy_)), radius);
}

void ColourCells::resizeEvent(QResizeEvent* e) {
  CanvasWidget::resizeEvent(e);
  redraw();
}

}  // namespace orn
