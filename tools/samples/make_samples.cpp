// Writes every sample picture into a folder, as the program's saver writes
// a picture, and the main menu's preview of each into its "previews" folder,
// as the menu's preview cache keeps them in the program folder. With
// "--look DIR" it also writes each sample as the editor draws it and as the
// main menu shows it, as PPM images, for checking by eye.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "shell/preview_cache.h"
#include "shell/preview_render.h"
#include "shell/sample_preview.h"
#include "tools/samples/catalogue.h"

namespace {

namespace fs = std::filesystem;

void writePpm(const orn::Surface& s, const fs::path& path) {
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
  const fs::path outDir = argv[1];
  fs::path lookDir;
  if (argc >= 4 && std::string(argv[2]) == "--look") lookDir = argv[3];
  fs::create_directories(outDir);
  if (!lookDir.empty()) fs::create_directories(lookDir);
  // The previews are rendered from a copy of each sample in a "STATIC"
  // folder, where the program keeps them and where its loader knows them as
  // samples (a model sample shows its folded solid), by the menu's own cache.
  const fs::path staticDir = outDir / "STATIC";
  fs::create_directories(staticDir);
  orn::PreviewCache previews(outDir / orn::kPreviewFolderName, orn::RenderPreview);
  for (const orn::samples::SampleSpec& spec : orn::samples::Catalogue()) {
    const orn::PictureFile pic = spec.make();
    const fs::path target = outDir / spec.file;
    if (auto e = orn::WritePictureFile(target, pic)) {
      std::cerr << spec.file << ": " << e->message << "\n";
      return 1;
    }
    const fs::path installed = staticDir / spec.file;
    fs::copy_file(target, installed, fs::copy_options::overwrite_existing);
    if (!previews.preview(installed, orn::kMenuPreviewSize, orn::kMenuPreviewSize)) {
      std::cerr << spec.file << ": no preview\n";
      return 1;
    }
    if (lookDir.empty()) continue;
    const std::string stem = target.stem().string();
    if (auto full = orn::RenderPictureFile(pic, target.string())) writePpm(*full, lookDir / (stem + ".ppm"));
    for (auto [size, suffix] : {std::pair{120, "_menu.ppm"}, {360, "_big.ppm"}})
      if (auto small = orn::RenderPreview(installed, size, size)) writePpm(*small, lookDir / (stem + suffix));
  }
  fs::remove_all(staticDir);
  return 0;
}
