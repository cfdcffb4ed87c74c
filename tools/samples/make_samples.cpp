// Writes every sample picture into a folder, as the program's saver writes
// a picture. With "--look DIR" it also writes each sample as the editor draws
// it and as the main menu shows it, as PPM images, for checking by eye.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "shell/preview_render.h"
#include "shell/sample_preview.h"
#include "tools/samples/catalogue.h"

namespace {

void writePpm(const orn::Surface& s, const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << s.width() << " " << s.height() << "\n255\n";
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) {
      const orn::Rgb c = s.row(y)[x];
      const char px[3] = {char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF)};
      out.write(px, 3);
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: make_samples OUTDIR [--look DIR]\n";
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  std::filesystem::path lookDir;
  if (argc >= 4 && std::string(argv[2]) == "--look") lookDir = argv[3];
  std::filesystem::create_directories(outDir);
  if (!lookDir.empty()) std::filesystem::create_directories(lookDir);
  for (const orn::samples::SampleSpec& spec : orn::samples::Catalogue()) {
    const orn::PictureFile pic = spec.make();
    const std::filesystem::path target = outDir / spec.file;
    if (auto e = orn::WritePictureFile(target, pic)) {
      std::cerr << spec.file << ": " << e->message << "\n";
      return 1;
    }
    if (lookDir.empty()) continue;
    const std::string stem = target.stem().string();
    if (auto full = orn::RenderPictureFile(pic, target.string())) writePpm(*full, lookDir / (stem + ".ppm"));
    // As the installed sample, whose folder tells a model sample.
    const std::filesystem::path installed = lookDir / "STATIC" / spec.file;
    std::filesystem::create_directories(installed.parent_path());
    std::filesystem::copy_file(target, installed, std::filesystem::copy_options::overwrite_existing);
    for (auto [size, suffix] : {std::pair{120, "_menu.ppm"}, {360, "_big.ppm"}})
      if (auto small = orn::RenderPreview(installed, size, size)) writePpm(*small, lookDir / (stem + suffix));
  }
  return 0;
}
