#pragma once
// Conversions from the program's colour values (red in the low byte) and
// surfaces to Qt's.
#include <QColor>
#include <QImage>
#include <QString>

#include "platform/core/surface.h"

namespace orn {

inline QColor toQColor(Rgb c) {
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline Rgb fromQColor(const QColor& c) {
  return Rgb(c.red()) | Rgb(c.green()) << 8 | Rgb(c.blue()) << 16;
}

// A view of a surface's pixels as an image (no copy: valid while the
// surface is alive and unchanged in size).
inline QImage surfaceImage(const Surface& s) {
  return QImage(reinterpret_cast<const uchar*>(s.pixels()), s.width(), s.height(), s.width() * 4,
                QImage::Format_RGBX8888);
}

// A style sheet that paints a widget's background in `c`, followed by `extra`.
inline QString colourStyle(Rgb c, const QString& extra = QString()) {
  QString sheet = QString("background-color: %1;").arg(toQColor(c).name());
  if (!extra.isEmpty()) sheet += ' ' + extra;
  return sheet;
}

// A copy of a surface as a Qt image, pixel for pixel.
inline QImage toQImage(const Surface& s) {
  return QImage(reinterpret_cast<const uchar*>(s.pixels()), s.width(), s.height(), s.width() * 4,
                QImage::Format_RGBX8888)
      .copy();
}

// A copy of a surface in the format Qt's pixmaps use on the screen: handed
// over with std::move, QPixmap::fromImage keeps it without converting it
// again. One pass, for the many small pictures a window shows at once.
inline QImage toScreenImage(const Surface& s) {
  QImage image(s.width(), s.height(), QImage::Format_RGB32);
  for (int y = 0; y < s.height(); ++y) {
    const Rgb* from = s.pixels() + std::size_t(y) * std::size_t(s.width());
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < s.width(); ++x)
      to[x] = 0xFF000000u | (from[x] & 0xFFu) << 16 | (from[x] & 0xFF00u) | (from[x] >> 16 & 0xFFu);
  }
  return image;
}

}  // namespace orn
