#include "print/ui/qt_image_writer.h"

#include <QBuffer>
#include <QImageWriter>

#include <span>

#include "platform/core/file_replace.h"
#include "platform/qt_colour.h"

namespace orn {

std::optional<std::string> QtImageWriter::writeBmp(const Surface& source, int x, int y, int w, int h,
                                                   const std::string& path) {
  const QRect area = QRect(x, y, w, h).intersected(QRect(0, 0, source.width(), source.height()));
  if (area.isEmpty()) return NotWrittenText(path);
  const QImage whole = surfaceImage(source);
  const QImage image =
      (area == whole.rect() ? whole : whole.copy(area)).convertToFormat(QImage::Format_RGB888);
  // Encoded in memory, then saved as every file of the program is saved.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(image)) return NotWrittenText(path);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  return ReplaceFile(path, std::span<const std::uint8_t>(data, std::size_t(bytes.size())));
}

}  // namespace orn
