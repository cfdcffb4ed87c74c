#pragma once
// Bitmap files written by Qt's image writer: 24-bit Windows bitmaps, each
// written in full beside its place and then put in place, so that an
// existing file is never lost to a failed write.
#include "print/bitmap_export.h"

namespace orn {

class QtImageWriter : public ImageWriter {
 public:
  using ImageWriter::writeBmp;
  std::optional<std::string> writeBmp(const Surface& source, int x, int y, int w, int h,
                                      const std::string& path) override;
};

}  // namespace orn
