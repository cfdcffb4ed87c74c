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

FileResult<ViewImport> Import(const ViewBytes& v, int spaceW = 800, int spaceH = 600) {
  const auto read = ParseViewFile(v.bytes(), "v.VEW");
  if (!read.ok()) return {std::nullopt, read.error};
  return ImportView(*read.value, spaceW, spaceH, "v.VEW");
}

void ExpectEntries(const ViewImport& got, const std::vector<std::pair<float, float>>& want) {
  ASSERT_EQ(got.g0.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got.g0[i], want[i].first, 1e-3) << i;
    EXPECT_NEAR(got.g1[i], want[i].second, 1e-3) << i;
  }
}

TEST(ViewFile, OldFormatRealsDecodeFromTheirFourBytes) {
  struct Case {
    std::uint8_t b0, b1, b2, b3;
    float want;
  };
  for (const Case& c : {Case{0, 0, 0, 129, 1.0f}, {0, 0, 128, 129, -1.0f}, {0, 0, 0, 0, 0.0f},
                        {0xFF, 0xFF, 0x7F, 0, 0.0f}, {0, 0, 0x48, 0x87, 100.0f}, {0, 0x10, 0x9C, 0x8E, -9988.0f},
                        {0, 0, 0, 0x82, 2.0f}, {0, 0, 0, 1, 0.0f}, {0x33, 0x33, 0x13, 0x80, 0.575f}})
    EXPECT_EQ(MBFToSingle(c.b3, c.b2, c.b1, c.b0), c.want) << int(c.b3) << " " << int(c.b2);
}

// Scaled by the width into an 800 x 400 canvas (the view is half as high as
// wide): the left edge lands at 4, the right at 794, centred in the height.
TEST(ViewFile, BothNumberFormatsImportToTheSameMultiLineRecord) {
  for (bool oldFormat : {false, true}) {
    SCOPED_TRACE(oldFormat);
    const auto got = Import(TwoLineView(oldFormat));
    ASSERT_TRUE(got.ok()) << got.error->message;
    EXPECT_EQ(got.value->width, 800);
    EXPECT_EQ(got.value->height, 400);
    EXPECT_DOUBLE_EQ(got.value->aspect, 0.5);
    EXPECT_FALSE(got.value->tooBig);
    ExpectEntries(*got.value, {{20002, 2}, {20077, 5}, {4, 1.5f}, {794, 1.5f}, {794, 1.5f}, {794, 396.5f},
                               {20092, 0}, {20099, 0}});
  }
}

// Without an extent the lines give it, widened by a twentieth on each side;
// a record marked as no line adds neither points nor extent; without the
// header marker the extent is record 1.
TEST(ViewFile, TheExtentComesFromRecordOneOrTheLinesWhenItIsEmpty) {
  for (bool oldFormat : {false, true}) {
    SCOPED_TRACE(oldFormat);
    ViewBytes computed;
    computed.oldFormat = oldFormat;
    computed.rec(0, 0, 0, 0).rec(-9978, 0, 0, 3).rec(10, 20, 110, 20).rec(-55555.55f, 5000, -5000, 0);
    computed.rec(110, 20, 110, 120).rec(0, 0.00005f, 0, 7).rec(0, 0, oldFormat ? 0.0f : 501.0f, 0);
    const auto a = Import(computed, 800, 800);
    ASSERT_TRUE(a.ok()) << a.error->message;
    // Extent 5..115 x 15..125: square, so the canvas is 800 x 800.
    EXPECT_EQ(a.value->width, 800);
    EXPECT_EQ(a.value->height, 800);
    const float s = 790.0f / 110.0f;
    ExpectEntries(*a.value, {{20002, 2}, {20077, 5}, {4 + 5 * s, 4 + 5 * s}, {4 + 105 * s, 4 + 5 * s},
                             {4 + 105 * s, 4 + 5 * s}, {4 + 105 * s, 4 + 105 * s}, {20092, 0}, {20099, 0}});
  }

  ViewBytes noHeader;
  noHeader.rec(0, 200, 0, 100).rec(1, 0, 0, 1).rec(50, 50, 150, 50).rec(0, 0, 501, 0);
  const auto b = Import(noHeader);
  ASSERT_TRUE(b.ok()) << b.error->message;
  ExpectEntries(*b.value, {{20002, 2}, {20077, 3}, {4 + 50 * 3.95f, 1.5f + 50 * 3.95f},
                           {4 + 150 * 3.95f, 1.5f + 50 * 3.95f}, {20092, 0}, {20099, 0}});
}

TEST(ViewFile, ATallViewKeepsTheHeightAndAWideOneTheWidth) {
  ViewBytes tall;
  tall.rec(0, 0, 0, 0).rec(-9988, 0, 0, 1).rec(0, 0, 100, 300).rec(0, 100, 0, 300).rec(0, 0, 501, 0);
  const auto t = Import(tall, 800, 600);
  ASSERT_TRUE(t.ok());
  EXPECT_EQ(t.value->width, 200);
  EXPECT_EQ(t.value->height, 600);
  const auto w = Import(TwoLineView(false), 900, 600);
  ASSERT_TRUE(w.ok());
  EXPECT_EQ(w.value->width, 900);
  EXPECT_EQ(w.value->height, 450);
}

// Only whole lines are taken while the list has room; the rest are left out
// and reported.
TEST(ViewFile, AViewTooBigForTheListKeepsWholeLinesAndSaysSo) {
  const int lines = 16000;
  ViewBytes big;
  big.rec(0, 0, 0, 0).rec(-9988, 0, 0, float(lines));
  for (int k = 0; k < lines; ++k) big.rec(0, float(k), 100, float(k));
  big.rec(0, 100, 0, float(lines)).rec(0, 0, 501, 0);
  const auto got = Import(big);
  ASSERT_TRUE(got.ok()) << got.error->message;
  const ViewImport& v = *got.value;
  EXPECT_TRUE(v.tooBig);
  const int end = int(v.g0.size()) - 1;
  EXPECT_LE(end, kViewListLimit);
  EXPECT_GT(end, kViewListLimit - 2);
  EXPECT_EQ(v.g1[1], float(end - 2));
  EXPECT_EQ((end - 2 - 1) % 2, 0);  // an even number of points: whole lines
  EXPECT_EQ(v.g0[end - 1], 20092.0f);
  EXPECT_EQ(v.g0[end], 20099.0f);
}

TEST(ViewFile, DamagedViewFilesAreRefusedWithAReason) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  auto twoLines = [] { return TwoLineView(false); };
  struct Case {
    const char* what;
    ViewBytes file;
    const char* reason;
  };
  std::vector<Case> cases;
  {
    ViewBytes v;
    v.rec(0, 100, 0, 50).rec(0, 0, 501, 0);
    cases.push_back({"two records", v, "too short"});
  }
  {
    ViewBytes v = twoLines();
    v.records[1][3] = 4;  // the extent would be record 7 of 6
    cases.push_back({"more lines than records", v, "ends before its last line"});
  }
  {
    ViewBytes v = twoLines();
    v.records[1][3] = -1;
    cases.push_back({"negative count", v, "count of lines"});
  }
  {
    ViewBytes v = twoLines();
    v.records[3][2] = nan;
    cases.push_back({"not a number", v, "not a number"});
  }
  {
    ViewBytes v = twoLines();
    v.records[2][0] = v.records[3][0] = -55555.55f;
    cases.push_back({"no lines", v, "no lines"});
  }
  {
    ViewBytes v = twoLines();
    v.records[3] = {0, 0, 100, 0};  // both lines on y = 0, no extent given
    v.records[4] = {0, 0, 0, 0};
    cases.push_back({"no height", v, "no width or no height"});
  }
  {
    ViewBytes v = twoLines();
    v.records[3] = {100, 0, 1e9f, 50};
    cases.push_back({"far outside", v, "far outside"});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto got = Import(c.file);
    ASSERT_FALSE(got.ok());
    EXPECT_NE(got.error->message.find("\"v.VEW\""), std::string::npos);
    EXPECT_NE(got.error->message.find(c.reason), std::string::npos) << got.error->message;
  }
}

}  // namespace
}  // namespace orn
