// The fuzz targets run over their seed corpora and over every input that
// once made one of them fail, so that what the fuzzer found stays found.
//
// The seeds are our own files, sound and damaged, in tests/fuzz/corpus/
// <target>/; inputs that made a target fail are kept in tests/fuzz/
// regressions/<target>/. ORNIVALE_WRITE_FUZZ_SEEDS=1 writes the seeds anew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <limits>
#include <map>

#include "fuzz/fuzz_support.h"
#include "model/view_file_test.h"
#include "shell/ornisk_dat.h"
#include "shell/paint_dat.h"

namespace orn::fuzz {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

const fs::path kFuzzDir = fs::path(ORNIVALE_SOURCE_DIR) / "tests" / "fuzz";

std::vector<std::uint8_t> ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::uint8_t> Text(const std::string& s) { return {s.begin(), s.end()}; }

// A small picture: a square base shape with a block of two copies, a line
// and a fill, in the full layout.
Bytes SmallPicture() {
  Bytes b;
  b.fs({1, 0, 0, 0, 0, 20, 6, 0, 0, 0, 0, 0, 20, 1}).zeros(12 * 21);
  b.fs({20006, 2, 20077, 5, 0, 0, 100, 0, 100, 100, 0, 100});
  b.fs({20091, -2, 20090, 4, -1, 1, 0, 0, 20077, 7, 0, 0, 100, 0, 0, 100, 50, 50});
  b.fs({20090, 4, 1, 2, 0, 0, 20077, 7, 100, 0, 200, 0, 100, 100, 150, 50, 20091, 1, 20092, 0});
  b.fs({20001, 3, 0, 0, 20077, 4, 10, 10, 90, 40});
  b.fs({20010, 2, 20077, 3, 21308, 255, 5, 5, 30000, 0});
  return b;
}

// Changes the value at `at` (in floats from the start).
std::vector<std::uint8_t> With(Bytes b, std::size_t at, float v) {
  std::memcpy(b.b.data() + 4 * at, &v, 4);
  return b.b;
}

std::map<std::string, std::vector<std::uint8_t>> PictureSeeds() {
  std::map<std::string, std::vector<std::uint8_t>> seeds;
  for (const auto& e : fs::directory_iterator(kFuzzDir / "bases")) seeds[e.path().filename().string()] = ReadAll(e);
  const Bytes small = SmallPicture();
  const std::size_t list = 14 + 12 * 21;
  seeds["small.PNT"] = small.b;
  Bytes titled;
  titled.fs({32100, 32100, 82, 111, 115, 101});
  for (int k = 0; k < 36; ++k) titled.f(32);
  titled.b.insert(titled.b.end(), small.b.begin(), small.b.end());
  seeds["titled.PNT"] = titled.b;
  seeds["no_header.PNT"] = Bytes().fs({20006, 2, 20077, 3, 1, 1, 9, 9, 30000, 0}).b;
  seeds["short_header.PNT"] = Bytes().fs({3, 1, 0, 0, 0, 4, 6, 255, 0, 2, -1, 0, 20001, 3, 0, 0, 20077, 4, 1, 2, 3, 4, 30000, 0}).b;
  seeds["damaged_truncated.PNT"] = {small.b.begin(), small.b.end() - 24};
  seeds["damaged_offset.PNT"] = With(small, list + 1, 9000);
  seeds["damaged_nan.PNT"] = With(small, list + 8, std::numeric_limits<float>::quiet_NaN());
  seeds["damaged_colour_code.PNT"] = With(small, small.b.size() / 4 - 6, 21000.0f + 3e9f);
  seeds["damaged_view_rows.PNT"] = With(small, 12, 51);
  seeds["damaged_group.PNT"] = With(small, list + 16, -7);
  return seeds;
}

std::map<std::string, std::vector<std::uint8_t>> ColourSeeds() {
  const std::vector<std::uint8_t> standard = ReadAll(fs::path(ORNIVALE_SOURCE_DIR) / "data" / "Standard.Clr");
  return {{"Standard.Clr", standard},
          {"black_cells.Clr", std::vector<std::uint8_t>(756, 0)},
          {"damaged_short.Clr", {standard.begin(), standard.end() - 1}},
          {"damaged_long.Clr", [&] {
             auto b = standard;
             b.push_back(0);
             return b;
           }()}};
}

std::map<std::string, std::vector<std::uint8_t>> ViewSeeds() {
  test::ViewBytes noHeader;
  noHeader.rec(0, 100, 0, 50).rec(0, 0, 0, 1).rec(0, 0, 100, 50).mark();
  test::ViewBytes skipped = test::TwoLineView(false);
  skipped.records[2][0] = -55555.55f;
  const auto ieee = test::TwoLineView(false).bytes();
  return {{"two_lines.VEW", ieee},
          {"two_lines_old_reals.VEW", test::TwoLineView(true).bytes()},
          {"no_header.VEW", noHeader.bytes()},
          {"skipped_line.VEW", skipped.bytes()},
          {"damaged_truncated.VEW", {ieee.begin(), ieee.end() - 20}},
          {"damaged_count.VEW", With(Bytes{ieee}, 7, 900)}};
}

std::map<std::string, std::vector<std::uint8_t>> OrniskSeeds() {
  MenuSettings s;
  s.LastFolder = "/home/u/Pictures";
  s.StartMode = 2;
  s.MenuMode = 1;
  s.MenuArtType = 3;
  s.PrintOrientation = 1;
  const std::string good = OrniskDatText(s, "/home/u/.local/share/ornivale/Ornisk.Dat");
  return {{"Ornisk.Dat", Text(good)},
          {"lf_only.Dat", Text("/tmp\n 1 \n 0  2 \n 0 \n")},
          {"damaged_numbers.Dat", Text("/tmp\r\n x \r\n 1, 2 \r\n 9 \r\n")},
          {"damaged_short.Dat", Text("/tmp\r\n 1 \r\n")}};
}

std::map<std::string, std::vector<std::uint8_t>> PaintSeeds() {
  EditorSettings s = DefaultEditorSettings(0, false);
  s.RecentFiles = {"/home/u/ROSE.PNT", "/home/u/a b/STAR.PNT", "", ""};
  s.LineWidth = 3;
  s.SnapSize = 10;
  const std::string good = PaintDatText(s);
  std::string bad = good;
  bad.replace(bad.find(" 3 "), 3, "99 ");
  return {{"Paint.Dat", Text(good)},
          {"damaged_line_width.Dat", Text(bad)},
          {"damaged_short.Dat", Text(good.substr(0, good.size() / 2))},
          {"empty.Dat", {}}};
}

std::map<std::string, std::vector<std::uint8_t>> MutationSeeds() {
  return {{"none", {0}},
          {"rosette_code", {0, 1, 0, 5, 0, 8, 3, 6, 40, 80}},
          {"tessellation_remove", {1, 2, 2, 30, 0, 2, 1, 20, 100, 60}},
          {"net_copy", {2, 1, 5, 10, 0, 8, 60, 0, 1, 0, 20, 20}},
          {"drawing_colour", {3, 2, 1, 40, 0, 25, 0, 52, 0, 2, 200, 0, 1, 50, 70}}};
}

void WriteSeeds() {
  const std::map<std::string, std::map<std::string, std::vector<std::uint8_t>>> all = {
      {"picture_file", PictureSeeds()}, {"colour_file", ColourSeeds()}, {"view_file", ViewSeeds()},
      {"ornisk_dat", OrniskSeeds()},     {"paint_dat", PaintSeeds()},     {"list_mutation", MutationSeeds()}};
  for (const auto& [target, seeds] : all) {
    const fs::path dir = kFuzzDir / "corpus" / target;
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& [name, bytes] : seeds) {
      std::ofstream(dir / name, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
  }
}

class FuzzReplay : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzReplay, EverySeedAndEveryInputThatOnceFailedRunsCleanly) {
  if (const char* w = std::getenv("ORNIVALE_WRITE_FUZZ_SEEDS"); w != nullptr && *w == '1') {
    static const bool written = (WriteSeeds(), true);
    (void)written;
  }
  const Target& t = GetParam();
  int seeds = 0;
  for (const char* folder : {"corpus", "regressions"}) {
    const fs::path dir = kFuzzDir / folder / t.name;
    if (!fs::exists(dir)) continue;
    for (const auto& e : fs::directory_iterator(dir)) {
      SCOPED_TRACE(e.path().string());
      t.run(ReadAll(e.path()));
      seeds += std::string(folder) == "corpus";
    }
  }
  EXPECT_GE(seeds, 3) << "the seed corpus of " << t.name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace orn::fuzz
