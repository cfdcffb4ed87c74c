#pragma once
// Small pictures saved by the program's own saver, for the tests that need
// sample files: one Poly Line from (10, 10) to (110, 60).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/picture_file.h"
#include "platform/core/surface.h"

namespace orn::test {

inline void SaveLinePicture(const std::filesystem::path& file, Rgb back = kWhite,
                            const std::string& title = {}) {
  PictureFile p;
  p.title = title;
  p.header[kHdrPicBackColor] = float(back);
  p.views.resize(kViewBaseRow + 1);
  p.g0 = {20001, 0, 20077, 10, 110, 20099};
  p.g1 = {3, 0, 4, 10, 60, 0};
  ASSERT_FALSE(WritePictureFile(file, p));
}

}  // namespace orn::test
