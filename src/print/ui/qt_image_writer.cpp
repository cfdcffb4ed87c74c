#include "print/ui/qt_image_writer.h"

#include <QImageWriter>
#include <QSaveFile>

#include "platform/qt_colour.h"

namespace orn {

std::optional<std::string> QtImageWriter::writeBmp(const Surface& source, int x, int y, int w, int h,
                                                   const std::string& path) {
  const QRect area = QRect(x, y, w, h).intersected(QRect(0, 0, source.width(), source.height()));
  if (area.isEmpty()) return NotWrittenText(path);
  const QImage whole = surfaceImage(source);
  const QImage image =
      (area == whole.rect() ? whole : whole.copy(area)).convertToFormat(QImage::Format_RGB888);
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return NotWrittenText(path);
  QImageWriter writer(&file, "bmp");
  if (!writer.write(image) || !file.commit()) return NotWrittenText(path);
  return std::nullopt;
}

}  // namespace orn
