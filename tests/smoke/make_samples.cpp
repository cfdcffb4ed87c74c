// Writes a small picture, with the program's own saver, under every sample
// name the main menu can open, into the folder given on the command line.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>

#include "canvas/picture_commands.h"
#include "model/picture_file.h"
#include "shell/app_state.h"
#include "shell/hand_over.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  std::set<std::string> names;
  for (int art = orn::kArtPattern; art <= orn::kArtModel; ++art)
    for (int mode = orn::kStartDisplay; mode <= orn::kStartRedraw; ++mode)
      for (int i = 0; i < 17; ++i)
        if (auto h = orn::SampleHandOver(art, i, mode, folder)) names.insert(h->PicturePath);
  int n = 0;
  for (const std::string& path : names) {
    // A star with 3 + n % 6 points, a different one for each sample.
    orn::PictureFile p;
    p.header[orn::kHdrPicBackColor] = float(0xFFFFFF);
    p.views.resize(orn::kViewBaseRow + 1);
    const int tips = 3 + n++ % 6;
    const int points = 2 * tips + 1;
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
    if (auto e = orn::WritePictureFile(path, p)) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), e->message.c_str());
      return 1;
    }
  }
  std::printf("%zu samples written\n", names.size());
  return 0;
}
