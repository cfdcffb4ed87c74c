#pragma once
// A picture under every sample name the main menu can open, written with
// the program's own saver: stars of a few points each, or with `extraPoints`
// more points for heavier pictures. Used by the window smoke test and the
// start-up benchmark.
#include <cmath>
#include <optional>
#include <set>
#include <string>

#include "canvas/picture_commands.h"
#include "model/picture_file.h"
#include "shell/app_state.h"
#include "shell/hand_over.h"

namespace orn::test {

// Writes the samples into `folder`; an error text when one cannot be written.
inline std::optional<std::string> WriteSampleSet(const std::string& folder, int extraPoints = 0) {
  std::set<std::string> names;
  for (int art = kArtPattern; art <= kArtModel; ++art)
    for (int mode = kStartDisplay; mode <= kStartRedraw; ++mode)
      for (int i = 0; i < 17; ++i)
        if (auto h = SampleHandOver(art, i, mode, folder + "/")) names.insert(h->PicturePath);
  int n = 0;
  for (const std::string& path : names) {
    // A star with 3 + n % 6 tips, a different one for each sample.
    PictureFile p;
    p.header[kHdrPicBackColor] = float(0xFFFFFF);
    p.views.resize(kViewBaseRow + 1);
    const int tips = 3 + n++ % 6;
    const int points = 2 * tips + 1 + extraPoints;
    p.g0 = {20001, 0, 20077};
    p.g1 = {3, 0, float(3 + points - 1)};
    for (int k = 0; k < points; ++k) {
      const double a = k * 3.1415926535 / tips;
      const double r = k % 2 ? 40 : 100;
      p.g0.push_back(float(200 + r * std::cos(a)));
      p.g1.push_back(float(200 + r * std::sin(a)));
    }
    p.g0.push_back(20099);
    p.g1.push_back(0);
    if (auto e = WritePictureFile(path, p)) return path + ": " + e->message;
  }
  return std::nullopt;
}

}  // namespace orn::test
