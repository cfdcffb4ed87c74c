// Every sample redrawn in full, on its canvas and on the enlarged bitmap that
// printing and the bitmap export draw, gives the pixels pinned for it. A
// redraw passes over the fills that would change nothing (a seed in a
// region already covered in its colour, as the copies' seeds often are); the
// pins were taken with every fill made, so a fill passed over that would
// have changed a pixel shows here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "canvas/redraw.h"
#include "print/enlarged_bitmap.h"
#include "tools/sample_fixture.h"
#include "tools/samples/catalogue.h"

namespace orn::test {
namespace {

struct RedrawSums {
  std::uint64_t canvas = 0;
  std::uint64_t bitmap = 0;
  bool operator==(const RedrawSums&) const = default;
};

std::uint64_t PixelSum(const Surface& s) {
  return Checksum(s.pixels(), std::size_t(s.width()) * std::size_t(s.height()) * sizeof(Rgb));
}

// The sample loaded as the editor loads it and redrawn with its fills on a
// canvas of its stored size, then on the enlarged bitmap at twice that size.
RedrawSums Redraw(const std::string& file) {
  LoadedSample l;
  if (!l.load(BuiltSample(file))) return {};
  Surface canvas(int(std::lround(l.report.storedCanvasWidth)), int(std::lround(l.report.storedCanvasHeight)),
                 l.draw.PicBackColor);
  canvas.setPenWidth(l.draw.LineWidth);
  l.draw.Picture1 = &canvas;
  l.editor.ColorToolsOn = true;
  PickState pick;
  ColourState colour;
  EditorControls ui;
  RedrawEnv env{l.list, l.sym, l.draw, l.editor, pick, colour, l.views, l.host, ui};
  DrawAll(env, 1);
  RedrawSums sums;
  sums.canvas = PixelSum(canvas);
  Surface bitmap;
  DrawEnlarged(env, bitmap, 2);
  sums.bitmap = PixelSum(bitmap);
  return sums;
}

const std::map<std::string, RedrawSums> kPinnedRedraws = {
  {"OVPP1A.PNT", {0xb7f91611348c0c82ull, 0x3f976c550d16e6e0ull}},
  {"OVPP2A.PNT", {0xf5573991c433b9adull, 0xf0ba00669b79bcf1ull}},
  {"OVPP3A.PNT", {0xc68c041e82108015ull, 0x27b1d7ea4fa9c6a7ull}},
  {"OVPP4A.PNT", {0x9a821bf25361fed1ull, 0xd2a41114e65354e5ull}},
  {"OVPP5A.PNT", {0x506bae9fd6014288ull, 0x0b289fe4daf0e000ull}},
  {"OVPP6A.PNT", {0x11a86c3837896555ull, 0x40c9b11f34323645ull}},
  {"OVRO1A.PNT", {0xdc339690f929b1afull, 0x9535dd49fe7a9a56ull}},
  {"OVRO2A.PNT", {0x849bba08f2263293ull, 0xfe95d5148741c0a9ull}},
  {"OVRO3A.PNT", {0x491dc266cf950dc8ull, 0x7e2610c97878219cull}},
  {"OVRO4A.PNT", {0x3156c9d2e0f03ff0ull, 0xc8f15aab6977b5f8ull}},
  {"OVRO5A.PNT", {0xa21e02ea73da2503ull, 0xc0a48cba2cd203a2ull}},
  {"OVRO6A.PNT", {0x2f4352790d3e528cull, 0x32567b2aabe74d4cull}},
  {"OVTE1A.PNT", {0xd429d40a65d4257cull, 0xc9a00cd357779c99ull}},
  {"OVTE2A.PNT", {0x6d501e72024a6d90ull, 0x5afdba1a2366fd50ull}},
  {"OVTE3A.PNT", {0xa4dc0e4812c5b93cull, 0x2615890bcbc1ce06ull}},
  {"OVTE4A.PNT", {0x19afad207c688e13ull, 0x569bdba8033489fdull}},
  {"OVTE5A.PNT", {0x39d0962c108c8395ull, 0xc55bfd397bed78b8ull}},
  {"OVTE6A.PNT", {0xc1a6177d1a679799ull, 0x97952852f8cbfd05ull}},
  {"OVMOD4A.PNT", {0x6ab26dd356564bbcull, 0x3fb18d7138bcc70bull}},
  {"OVMOD4D.PNT", {0xd4efbb1e58ce6d65ull, 0xdfb890e2ead32475ull}},
  {"OVMOD3A.PNT", {0x2c908c55a67f44aaull, 0x94b06b5a4520e1cfull}},
  {"OVMOD3D.PNT", {0x08d89aa11c8dd0b5ull, 0x1a98e8b67a661075ull}},
  {"OVMOD6A.PNT", {0xeb8a8b66d105bb4dull, 0x4c362fa7d672f209ull}},
  {"OVMOD6D.PNT", {0xa32651360cbe6d25ull, 0x41556ecceb4a7d95ull}},
  {"OVMOD5A.PNT", {0x330b26464cda12b1ull, 0x4506468dca1fcd40ull}},
  {"OVMOD5D.PNT", {0x82f2080bc6fcf4acull, 0x9b81a90afc6c9965ull}},
  {"OVMOD7A.PNT", {0x30508276c8b6ca62ull, 0x960701b6944e8238ull}},
  {"OVMOD7D.PNT", {0xdb39d7a1abe7f90cull, 0xc28cc218b0f293e5ull}},
  {"OVMOD2A.PNT", {0x44b53dec01dac48aull, 0x53c6933e0581d498ull}},
  {"OVMOD2D.PNT", {0x203acf22692fc1fcull, 0x3868c7238f4f551cull}},
  {"OVMOD1A.PNT", {0x0c6c08a8594176ddull, 0x215fd640bf0629caull}},
  {"OVMOD1D.PNT", {0x2f118bd454867475ull, 0x89782db79ee6c09cull}},
  {"OVXOWL4.PNT", {0x53fab4986f0f0d37ull, 0x8bdc23797c77babeull}},
  {"OVXDIAL6.PNT", {0x94a30d5fe590c2a5ull, 0xf8d73ccac52d8d65ull}},
  {"OVXPENG3.PNT", {0xb825fc16107355d1ull, 0x7bac190b53a091a9ull}},
  {"OVXMERC7.PNT", {0x88b668d18a82f980ull, 0xe1a8b69dffb632c1ull}},
  {"OVXSTAR5.PNT", {0x5535917e35d904d2ull, 0xc47c6f8a978aceb3ull}},
  {"OVXZEBR5.PNT", {0x74c7bec4f6d5ea45ull, 0xbf896e5dece2f84cull}},
  {"OVXHART1.PNT", {0xfe1eadb8c5dca831ull, 0x54383e5e5bba30c3ull}},
};

TEST(SampleRedraws, EachGivesThePixelsPinnedForItOnTheCanvasAndTheEnlargedBitmap) {
  std::set<std::string> made;
  for (const samples::SampleSpec& s : samples::Catalogue()) {
    made.insert(s.file);
    const RedrawSums sums = Redraw(s.file);
    const auto pin = kPinnedRedraws.find(s.file);
    char line[96];
    std::snprintf(line, sizeof line, "{\"%s\", {0x%016llxull, 0x%016llxull}},", s.file.c_str(),
                  static_cast<unsigned long long>(sums.canvas), static_cast<unsigned long long>(sums.bitmap));
    EXPECT_TRUE(pin != kPinnedRedraws.end() && pin->second == sums)
        << s.file << " redraws to other pixels than those pinned for it:\n  " << line;
  }
  for (const auto& [file, sums] : kPinnedRedraws) EXPECT_TRUE(made.count(file)) << file << " is pinned but not made";
}

}  // namespace
}  // namespace orn::test
