// The standard colours file, its fall-back to the built-in table and the
// rebuild of the table from a colour-chart picture.
#include <gtest/gtest.h>


#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "colour/colour_codes.h"
#include "colour/colour_model.h"
#include "colour/standard_colors.h"
#include "model/drawing_list.h"
#include "platform/core/failing_file_system.h"
#include "platform/core/host.h"
#include "support/scratch_folder.h"
#include "support/scripted_host.h"

namespace orn {
namespace {

namespace fs = std::filesystem;

struct ColourFileTest : ::testing::Test {
  test::ScratchFolder scratch;
  fs::path dir = scratch.dir();
  fs::path file = dir / kStandardColorsFileName;
  test::ScriptedHost host;
  ColourState state;
  void writeJunk(std::size_t size) { std::ofstream(file, std::ios::binary) << std::string(size, '\x11'); }
};

TEST(StandardColorsFile, TheShippedFileHoldsTheBuiltInTableWhichKeepsTheRules) {
  const fs::path shipped = fs::path(ORNIVALE_SOURCE_DIR) / "data" / kStandardColorsFileName;
  // ORNIVALE_WRITE_STANDARD_CLR=1 regenerates the shipped file from the table.
  if (const char* w = std::getenv("ORNIVALE_WRITE_STANDARD_CLR"); w != nullptr && *w == '1') {
    ASSERT_TRUE(WriteColorTableFile(shipped, BuiltInColorTable()));
  }
  const std::optional<ColourTable> read = ReadColorTableFile(shipped);
  ASSERT_TRUE(read.has_value()) << shipped;
  EXPECT_EQ(*read, BuiltInColorTable());

  const ColourTable& t = *read;
  for (int shade = 0; shade < 8; ++shade) {
    for (int hue = 0; hue < 8; hue += 2) EXPECT_EQ(t(shade, hue), t(shade, hue + 1)) << hue;
    // No fill colour is the black border at which fills stop.
    for (int hue = 0; hue < kHueCount; ++hue) EXPECT_NE(t(shade, hue), 0u) << hue << "," << shade;
    // Hues 8-19 go round the hue circle in steps of 30 degrees; shade 4 is the pure hue.
    for (int k = 0; k < 12; ++k) {
      const RgbParts p = SplitRGB(t(shade, 8 + k));
      const Hls hls = RGBToHLS(p.R, p.G, p.B);
      const float diff = std::fabs(hls.H - 30.0f * k);
      EXPECT_LT(std::min(diff, 360.0f - diff), 1.5f) << "hue " << 8 + k << " shade " << shade;
      if (shade == 4) {
        EXPECT_NEAR(hls.S, 1.0f, 1e-6);
      }
    }
  }
}

TEST_F(ColourFileTest, RoundTripsEveryCellInTheDocumentedLayoutAndLiftsBlackInShadeZero) {
  ColourTable t = BuiltInColorTable();
  t.set(8, 20, 0x123456);  // shade 8 is carried through the file
  t.cells[3][5] = -1;       // any 32-bit value survives
  t.set(0, 6, 0);
  t.set(5, 10, 0);
  ASSERT_TRUE(WriteColorTableFile(file, t));

  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(bytes.size(), 756u);
  // Hue h, shade s lies at 36 h + 4 s, little-endian.
  const auto cell = [&](int hue, int shade) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = v << 8 | std::uint8_t(bytes[36 * hue + 4 * shade + k]);
    return v;
  };
  EXPECT_EQ(cell(12, 5), 0x00CC00u);
  EXPECT_EQ(cell(20, 8), 0x123456u);
  EXPECT_EQ(cell(3, 5), 0xFFFFFFFFu);
  EXPECT_EQ(ReadColorTableFile(file), t);
  // Nothing but the file is left in the folder (failed writes: below).
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);

  // Reading for display turns exact black in shade 0 (only) into the near black,
  // unless the display is dithered.
  EXPECT_TRUE(ReadStandardColors(state, dir, host));
  EXPECT_EQ(state.ColorTable(0, 6), kNearBlack);
  EXPECT_EQ(state.ColorTable(5, 10), 0u);
  EXPECT_TRUE(host.texts().empty());
  state.DitheredDisplay = true;
  EXPECT_TRUE(ReadStandardColors(state, dir, host));
  EXPECT_EQ(state.ColorTable(0, 6), 0u);
}

TEST_F(ColourFileTest, WhicheverCallOfASaveFailsTheOldFileStaysWhole) {
  const std::string old = std::string(kStandardColorsFileSize, '\x11');
  test::ExpectEveryFailureKeepsTheOldFile(file, old, [&](SaveFileSystem& files) {
    std::string why;
    const bool ok = WriteColorTableFile(file, BuiltInColorTable(), &why, files);
    if (!ok) {
      EXPECT_NE(why.find("Standard.Clr"), std::string::npos) << why;
    }
    return ok;
  });
}

TEST_F(ColourFileTest, AMissingShortOrLongFileFallsBackToTheBuiltInTableAndSaysSoOnce) {
  state.ColorTable = ColourTable{};  // all black until read
  EXPECT_FALSE(ReadStandardColors(state, dir, host));
  EXPECT_EQ(state.ColorTable, BuiltInColorTable());
  ASSERT_EQ(host.texts().size(), 1u);
  EXPECT_NE(host.texts()[0].find("Standard.Clr"), std::string::npos);

  // A short file must not give a table padded with black, and is not reported again.
  for (std::size_t size : {755u, 757u}) {
    writeJunk(size);
    state.ColorTable = ColourTable{};
    EXPECT_FALSE(ReadStandardColors(state, dir, host)) << size;
    EXPECT_EQ(state.ColorTable, BuiltInColorTable()) << size;
  }
  EXPECT_EQ(host.texts().size(), 1u);

  // A sound file is read whatever the case of its name on disk.
  fs::remove(file);
  ColourTable mine = BuiltInColorTable();
  mine.set(2, 9, 0x010203);
  ASSERT_TRUE(WriteColorTableFile(dir / "STANDARD.CLR", mine));
  EXPECT_TRUE(ReadStandardColors(state, dir, host));
  EXPECT_EQ(state.ColorTable(2, 9), 0x010203u);
}

TEST_F(ColourFileTest, SavingAChartWritesTheCellsItsFillSeedsNameAndSaysSoOnlyAfterSuccess) {
  // Seed points by chart column and row, and the cell each names (shade -1: none).
  const struct {
    float x, y;
    int shade, hue;
  } fills[] = {
      {39.0f, 29.0f, 0, 0},       // column 0, row 0: hues 0 and 1
      {231.6f, 143.1f, 1, 13},    // column 10, row 6
      {93.28f, 123.25f, 3, 20},   // column 3, row 5
      {350.16f, 282.05f, 7, 19},  // column 16, row 13
      {269.12f, 240.35f, 3, 17},  // column 12, row 11
      {20.0f, 29.0f, -1, 0},      // column -1
      {39.0f, 10.0f, -1, 0},      // row -1
      {192.08f, 29.0f, -1, 0},    // column 8
      {211.84f, 103.4f, -1, 0},   // gap row 4
      {365.92f, 29.0f, -1, 0},    // column 17
      {3e30f, 29.0f, -1, 0},      // far past every column: no cell, no overflow
      {39.0f, -3e30f, -1, 0},     // far above every row
      {231.6f, 143.1f, 1, 13},    // the same cell again: the later wins
  };
  DrawingList list;
  ColourTable expected = BuiltInColorTable();
  int at = 2;
  for (const auto& f : fills) {
    const Rgb colour = Rgb(0x11 * (at / 2));
    list.G0[at] = float(kColorEntryBase + 999);
    list.G1[at] = float(colour);
    list.G0[at + 1] = f.x;
    list.G1[at + 1] = f.y;
    at += 2;
    if (f.shade >= 0) expected.set(f.shade, f.hue, colour);
  }
  list.NumPoints = static_cast<std::int16_t>(at);
  expected.set(0, 1, expected(0, 0));

  SaveStandardColors(list, state, dir, host);
  EXPECT_EQ(state.ColorTable, expected);
  EXPECT_EQ(ReadColorTableFile(file), expected);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"New Standard Colors have been saved."});

  // A folder that cannot be written: the failure reaches the caller, no
  // success is announced, and the table in memory keeps the chart's colours.
  test::ScriptedHost quiet;
  EXPECT_THROW(SaveStandardColors(list, state, dir / "no" / "such", quiet), std::runtime_error);
  EXPECT_TRUE(quiet.texts().empty());
  EXPECT_EQ(state.ColorTable, expected);
}

}  // namespace
}  // namespace orn
