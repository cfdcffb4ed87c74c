#pragma once
// The pictograms on the tool buttons: small drawings of what each tool does,
// painted by the program itself over the button's own back colour.
#include <QRectF>
#include <QString>

class QPainter;

namespace orn {

// The Redraw button's pictogram (it has no tool code of its own).
constexpr int kRedrawPictogram = -2;

// Draws the pictogram of `tool` into `box`. The Geometric tool's shows a
// polygon of as many corners as `caption` says, with that number in it.
void DrawToolPictogram(QPainter& p, int tool, const QRectF& box, const QString& caption);

}  // namespace orn
