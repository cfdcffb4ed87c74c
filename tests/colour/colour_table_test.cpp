// The standard colour table, its file, the fall-back to the built-in table
// and the rebuild from a colour-chart picture.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "colour/colour_codes.h"
#include "colour/colour_model.h"
#include "colour/standard_colors.h"
#include "model/drawing_list.h"
#include "platform/core/host.h"

namespace orn {
namespace {

namespace fs = std::filesystem;

// A host that records the message boxes it is asked to show.
class RecordingHost : public NullHost {
 public:
  MsgResult messageBox(const std::string& text, MsgButtons b, MsgIcon i, const std::string& t) override {
    messages.push_back(text);
    return NullHost::messageBox(text, b, i, t);
  }
  std::vector<std::string> messages;
};

class TempFolder {
 public:
  TempFolder() {
    path_ = fs::temp_directory_path() /
            ("orn_colour_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

std::vector<char> fileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& p, const std::vector<char>& bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(BuiltInColorTable, KeepsTheRulesOfTheTable) {
  const ColourTable& t = BuiltInColorTable();
  for (int hue = 0; hue < 8; hue += 2) {
    for (int shade = 0; shade < 8; ++shade) EXPECT_EQ(t(shade, hue), t(shade, hue + 1)) << hue;
  }
  // No fill colour is the black border at which fills stop.
  for (int hue = 0; hue < kHueCount; ++hue) {
    for (int shade = 0; shade < 8; ++shade) EXPECT_NE(t(shade, hue), 0u) << hue << "," << shade;
  }
  // Hues 8-19 go round the hue circle in steps of 30 degrees, in every shade.
  for (int k = 0; k < 12; ++k) {
    for (int shade = 0; shade < 8; ++shade) {
      const RgbParts p = SplitRGB(t(shade, 8 + k));
      const float h = RGBToHLS(p.R, p.G, p.B).H;
      float diff = std::fabs(h - 30.0f * k);
      if (diff > 180.0f) diff = 360.0f - diff;
      EXPECT_LT(diff, 1.5f) << "hue " << 8 + k << " shade " << shade;
    }
    // Shade 4 is the pure hue that the wheel shows.
    const RgbParts p = SplitRGB(t(4, 8 + k));
    EXPECT_NEAR(RGBToHLS(p.R, p.G, p.B).S, 1.0f, 1e-6);
  }
}

TEST(StandardColorsFile, RoundTripsEveryCellInTheDocumentedLayout) {
  TempFolder dir;
  ColourTable t = BuiltInColorTable();
  t.set(8, 20, 0x123456);           // shade 8 is carried through the file
  t.cells[3][5] = -1;                // any 32-bit value survives
  const fs::path file = dir.path() / kStandardColorsFileName;
  ASSERT_TRUE(WriteColorTableFile(file, t));

  const std::vector<char> bytes = fileBytes(file);
  ASSERT_EQ(bytes.size(), 756u);
  // Hue 12, shade 5 lies at 36 x 12 + 4 x 5, little-endian.
  const auto cell = [&](int hue, int shade) {
    const std::size_t o = 36 * hue + 4 * shade;
    return std::uint32_t(std::uint8_t(bytes[o])) | std::uint32_t(std::uint8_t(bytes[o + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[o + 2])) << 16 | std::uint32_t(std::uint8_t(bytes[o + 3])) << 24;
  };
  EXPECT_EQ(cell(12, 5), 0x00CC00u);
  EXPECT_EQ(cell(20, 8), 0x123456u);
  EXPECT_EQ(cell(3, 5), 0xFFFFFFFFu);

  const std::optional<ColourTable> back = ReadColorTableFile(file);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, t);
  EXPECT_FALSE(fs::exists(dir.path() / "Standard.Clr.tmp"));
}

TEST(StandardColorsFile, ReadingTurnsExactBlackInShadeZeroIntoTheNearBlack) {
  TempFolder dir;
  ColourTable t = BuiltInColorTable();
  t.set(0, 6, 0);
  t.set(5, 3, 0);  // only shade 0 is substituted
  ASSERT_TRUE(WriteColorTableFile(dir.path() / kStandardColorsFileName, t));

  RecordingHost host;
  ColourState state;
  EXPECT_TRUE(ReadStandardColors(state, dir.path(), host));
  EXPECT_EQ(state.ColorTable(0, 6), kNearBlack);
  EXPECT_EQ(state.ColorTable(5, 3), 0u);
  EXPECT_TRUE(host.messages.empty());

  ColourState dithered;
  dithered.DitheredDisplay = true;
  EXPECT_TRUE(ReadStandardColors(dithered, dir.path(), host));
  EXPECT_EQ(dithered.ColorTable(0, 6), 0u);
}

TEST(StandardColorsFile, AMissingShortOrLongFileFallsBackToTheBuiltInTableAndSaysSoOnce) {
  TempFolder dir;
  RecordingHost host;
  ColourState state;
  state.ColorTable = ColourTable{};  // all black until read

  EXPECT_FALSE(ReadStandardColors(state, dir.path(), host));  // missing
  EXPECT_EQ(state.ColorTable, BuiltInColorTable());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("Standard.Clr"), std::string::npos);

  // A short file must not give a table padded with black, and is not reported again.
  const fs::path file = dir.path() / kStandardColorsFileName;
  std::vector<char> bytes(755, '\x11');
  writeBytes(file, bytes);
  state.ColorTable = ColourTable{};
  EXPECT_FALSE(ReadStandardColors(state, dir.path(), host));
  EXPECT_EQ(state.ColorTable, BuiltInColorTable());

  bytes.assign(757, '\x11');
  writeBytes(file, bytes);
  EXPECT_FALSE(ReadStandardColors(state, dir.path(), host));
  EXPECT_EQ(host.messages.size(), 1u);

  // A sound file is read whatever the case of its name on disk.
  fs::remove(file);
  ColourTable mine = BuiltInColorTable();
  mine.set(2, 9, 0x010203);
  ASSERT_TRUE(WriteColorTableFile(dir.path() / "STANDARD.CLR", mine));
  EXPECT_TRUE(ReadStandardColors(state, dir.path(), host));
  EXPECT_EQ(state.ColorTable(2, 9), 0x010203u);
}

TEST(StandardColorsFile, TheShippedFileHoldsTheBuiltInTable) {
  const fs::path shipped = fs::path(ORNIVALE_SOURCE_DIR) / "data" / kStandardColorsFileName;
  // ORNIVALE_WRITE_STANDARD_CLR=1 regenerates the shipped file from the table.
  if (const char* w = std::getenv("ORNIVALE_WRITE_STANDARD_CLR"); w != nullptr && *w == '1') {
    ASSERT_TRUE(WriteColorTableFile(shipped, BuiltInColorTable()));
  }
  const std::optional<ColourTable> t = ReadColorTableFile(shipped);
  ASSERT_TRUE(t.has_value()) << shipped;
  EXPECT_EQ(*t, BuiltInColorTable());
}

// A chart fill: a colour entry and its seed point.
void addFill(DrawingList& list, int& at, float x, float y, int code, Rgb colour) {
  list.G0[at] = float(kColorEntryBase + code);
  list.G1[at] = float(colour);
  list.G0[at + 1] = x;
  list.G1[at + 1] = y;
  at += 2;
}

TEST(ColorChart, FillsWriteTheCellsTheirSeedsNameAndNothingElse) {
  DrawingList list;
  int at = 2;
  addFill(list, at, 39.0f, 29.0f, 999, 0x000011);      // column 0, row 0: hues 0 and 1, shade 0
  addFill(list, at, 231.6f, 143.1f, 999, 0x000022);    // column 10, row 6: hue 13, shade 1
  addFill(list, at, 93.28f, 123.25f, 999, 0x000033);   // column 3, row 5: hue 20, shade 3
  addFill(list, at, 350.16f, 282.05f, 999, 0x000044);  // column 16, row 13: hue 19, shade 7
  addFill(list, at, 269.12f, 240.35f, 999, 0x000055);  // column 12, row 11: hue 17, shade 3
  addFill(list, at, 20.0f, 29.0f, 999, 0x000066);      // column -1: nothing
  addFill(list, at, 39.0f, 10.0f, 999, 0x000077);      // row -1: nothing
  addFill(list, at, 192.08f, 29.0f, 999, 0x000088);    // column 8: nothing
  addFill(list, at, 211.84f, 103.4f, 999, 0x000099);   // gap row 4: nothing
  addFill(list, at, 365.92f, 29.0f, 999, 0x0000AA);    // column 17: nothing
  addFill(list, at, 231.6f, 143.1f, 999, 0x0000BB);    // the same cell again: the later wins
  list.NumPoints = static_cast<std::int16_t>(at);

  ColourTable t = BuiltInColorTable();
  RebuildColorTableFromChart(list, t);
  ColourTable expected = BuiltInColorTable();
  expected.set(0, 0, 0x11);
  expected.set(0, 1, 0x11);
  expected.set(1, 13, 0xBB);
  expected.set(3, 20, 0x33);
  expected.set(7, 19, 0x44);
  expected.set(3, 17, 0x55);
  EXPECT_EQ(t, expected);
}

TEST(SaveStandardColors, WritesTheRebuiltTableAndSaysSoOnlyAfterSuccess) {
  TempFolder dir;
  DrawingList list;
  int at = 2;
  addFill(list, at, 39.0f, 29.0f, 999, 0x0000FE);
  list.NumPoints = static_cast<std::int16_t>(at);

  RecordingHost host;
  ColourState state;
  SaveStandardColors(list, state, dir.path(), host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "New Standard Colors have been saved.");
  ColourState reread;
  ASSERT_TRUE(ReadStandardColors(reread, dir.path(), host));
  EXPECT_EQ(reread.ColorTable(0, 1), 0x0000FEu);

  // A folder that cannot be written: the failure reaches the caller, no
  // success is announced, and the table in memory keeps the chart's colours.
  RecordingHost quiet;
  EXPECT_THROW(SaveStandardColors(list, state, dir.path() / "no" / "such", quiet), std::runtime_error);
  EXPECT_TRUE(quiet.messages.empty());
  EXPECT_EQ(state.ColorTable(0, 0), 0x0000FEu);
}

}  // namespace
}  // namespace orn
