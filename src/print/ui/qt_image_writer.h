#pragma once
// Bitmap files encoded by Qt's image writer: 24-bit Windows bitmaps, saved
// through ReplaceFile, so that an existing file is never lost to a failed
// write and a file the user may not write is refused.
#include "print/bitmap_export.h"

namespace orn {

class QtImageWriter : public ImageWriter {
 public:
  using ImageWriter::writeBmp;
  std::optional<std::string> writeBmp(const Surface& source, int x, int y, int w, int h,
                                      const std::string& path) override;
};

}  // namespace orn
