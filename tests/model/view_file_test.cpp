// View files: both number formats, the extent rules, the canvas fit, the
// list the import makes, and the files it refuses.
#include <gtest/gtest.h>

#include <limits>

#include "model/view_file.h"
#include "model/view_file_test.h"

namespace orn {
namespace {

using test::TwoLineView;
using test::ViewBytes;
using test::ViewOfLines;

FileResult<ViewImport> Import(const ViewBytes& v, int spaceW = 800, int spaceH = 600) {
  const auto read = ParseViewFile(v.bytes(), "v.VEW");
  if (!read.ok()) return {std::nullopt, read.error};
  return ImportView(*read.value, spaceW, spaceH, "v.VEW");
}

// The entries between the Begin Data entry and the Mark.
std::vector<float> Points(const ViewImport& v) { return {v.g0.begin() + 2, v.g0.end() - 2}; }

TEST(ViewFile, OldFormatRealsDecodeFromTheirFourBytes) {
  struct Case {
    std::uint8_t b0, b1, b2, b3;
    float want;
  };
  for (const Case& c : {Case{0, 0, 0, 129, 1.0f}, {0, 0, 128, 129, -1.0f}, {0xFF, 0xFF, 0x7F, 0, 0.0f},
                        {0, 0, 0x48, 0x87, 100.0f}, {0, 0x10, 0x9C, 0x8E, -9988.0f}, {0, 0, 0, 1, 0.0f},
                        {0x33, 0x33, 0x13, 0x80, 0.575f}})
    EXPECT_EQ(MBFToSingle(c.b3, c.b2, c.b1, c.b0), c.want) << int(c.b3) << " " << int(c.b2);
}

// Scaled by the width into an 800 x 400 canvas (the view is half as high as
// wide): the left edge lands at 4, the right at 794, centred in the height.
// A taller space keeps the width, a lower one the height.
TEST(ViewFile, BothNumberFormatsImportToTheSameMultiLineRecordOnACanvasOfTheViewsShape) {
  for (bool oldFormat : {false, true}) {
    const auto got = Import(TwoLineView(oldFormat));
    ASSERT_TRUE(got.ok()) << got.error->message;
    const ViewImport& v = *got.value;
    EXPECT_EQ(v.width, 800);
    EXPECT_EQ(v.height, 400);
    EXPECT_FALSE(v.tooBig);
    const std::vector<float> g0{20002, 20077, 4, 794, 794, 794, 20092, 20099};
    const std::vector<float> g1{2, 5, 1.5f, 1.5f, 1.5f, 396.5f, 0, 0};
    ASSERT_EQ(v.g0.size(), g0.size());
    for (std::size_t i = 0; i < g0.size(); ++i) {
      EXPECT_NEAR(v.g0[i], g0[i], 1e-3) << oldFormat << " " << i;
      EXPECT_NEAR(v.g1[i], g1[i], 1e-3) << oldFormat << " " << i;
    }
  }
  const auto lower = Import(TwoLineView(false), 900, 300);
  EXPECT_EQ(lower.value->width, 600);
  EXPECT_EQ(lower.value->height, 300);
}

// Without an extent the lines give it, widened by a twentieth on each side;
// a record marked as no line adds neither points nor extent; without the
// header marker the extent is record 1.
TEST(ViewFile, TheExtentComesFromRecordOneOrFromTheLinesWhenItIsEmpty) {
  for (bool oldFormat : {false, true}) {
    ViewBytes v;
    v.oldFormat = oldFormat;
    v.rec(0, 0, 0, 0).rec(-9978, 0, 0, 3).rec(10, 20, 110, 20).rec(-55555.55f, 5000, -5000, 0);
    v.rec(110, 20, 110, 120).rec(0, 0.00005f, 0, 7).mark();
    const auto got = Import(v, 800, 800);
    ASSERT_TRUE(got.ok()) << got.error->message;
    const float s = 790.0f / 110.0f;  // extent 5..115 x 15..125
    EXPECT_EQ(got.value->height, 800);
    const std::vector<float> want{4 + 5 * s, 4 + 105 * s, 4 + 105 * s, 4 + 105 * s};
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(Points(*got.value)[i], want[i], 1e-3);
  }
  ViewBytes noHeader;
  noHeader.rec(0, 200, 0, 100).rec(1, 0, 0, 1).rec(50, 50, 150, 50).mark();
  const auto got = Import(noHeader);
  ASSERT_TRUE(got.ok());
  EXPECT_NEAR(got.value->g1[2], 1.5f + 50 * 3.95f, 1e-3);
  EXPECT_EQ(Points(*got.value).size(), 2u);
}

// The longest view file read holds as many lines as the list has entries;
// one line more and the file is refused.
TEST(ViewFile, AViewTooBigForTheListKeepsWholeLinesAndSaysSo) {
  const ViewBytes big = ViewOfLines(kMaxEntries);
  ASSERT_EQ(big.bytes().size(), kViewMaxFileBytes);
  const auto got = Import(big);
  ASSERT_TRUE(got.ok()) << got.error->message;
  const ViewImport& v = *got.value;
  EXPECT_TRUE(v.tooBig);
  const int end = int(v.g0.size()) - 1;
  EXPECT_EQ(end, kViewListLimit - 1);  // room for no further whole line
  EXPECT_EQ(Points(v).size() % 2, 0u);
  EXPECT_EQ(v.g0[end], 20099.0f);

  const auto longer = Import(ViewOfLines(kMaxEntries + 1));
  ASSERT_FALSE(longer.ok());
  EXPECT_EQ(longer.error->message, "\"v.VEW\" cannot be loaded as a view: it holds more lines than the editor can hold.");
}

TEST(ViewFile, DamagedViewFilesAreRefusedWithAReason) {
  struct Case {
    int record, value;
    float set;
    const char* reason;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const Case& c : {Case{1, 3, 4, "ends before its last line"},  // the extent would be record 7 of 6
                        {1, 3, -1, "count of lines"},
                        {3, 2, nan, "not a number"},
                        {3, 0, -55555.55f, "no lines"},              // with line 1 taken out below
                        {3, 3, 0, "no width or no height"},          // both lines on y = 0, no extent
                        {3, 2, 1e9f, "far outside"}}) {
    ViewBytes v = TwoLineView(false);
    v.records[std::size_t(c.record)][std::size_t(c.value)] = c.set;
    if (c.set == -55555.55f) v.records[2][0] = c.set;
    if (c.set == 0) v.records[4] = {};
    const auto got = Import(v);
    ASSERT_FALSE(got.ok()) << c.reason;
    EXPECT_NE(got.error->message.find("\"v.VEW\""), std::string::npos);
    EXPECT_NE(got.error->message.find(c.reason), std::string::npos) << got.error->message;
  }
  ViewBytes shortFile;
  EXPECT_FALSE(Import(shortFile.rec(0, 100, 0, 50).mark()).ok());
}

}  // namespace
}  // namespace orn
