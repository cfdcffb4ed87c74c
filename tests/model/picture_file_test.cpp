// The picture file's bytes: hand-built images against the writer and the
// reader, the three layouts, titles, and files the reader must refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/picture_file.h"
#include "model/picture_test_support.h"

namespace orn {
namespace {

using test::Bytes;

// A new picture on an 800 x 600 canvas in a maximised 1024 x 768 window,
// without title: header, view rows 0-20, end pair.
Bytes NewPictureImage(float numPoints = 0) {
  Bytes b;
  b.fs({1, 0, 0, 0, 2, numPoints, 6, 16777215, 12632256, 0, 0, 0, 20, 1});
  b.zeros(12);                                                // row 0
  b.fs({0, 0, 799, 0, 799, 599, 0, 0, 799, 0, 799, 599});    // row 1: the full picture
  b.zeros(12 * 18);                                           // rows 2-19
  b.fs({1024, 768, 800, 600}).zeros(8);                       // row 20 with the sizes
  return b;
}

TEST(PictureFileBytes, NewEmptyPictureIsExactly1072BytesEndingInTheEndPair) {
  auto ed = test::MakeEditor();
  const std::vector<std::uint8_t> written = EncodePictureFile(CapturePicture(ed->ctx, ed->hooks.sizes));

  Bytes expected = NewPictureImage();
  expected.fs({30000, 0});
  ASSERT_EQ(written.size(), 1072u);
  EXPECT_EQ(written, expected.b);
  // A few values spelled out byte for byte.
  const std::vector<std::uint8_t> white{0xFF, 0xFF, 0x7F, 0x4B}, grey{0xC0, 0xC0, 0x40, 0x4B},
      twenty{0x00, 0x00, 0xA0, 0x41}, end{0x00, 0x60, 0xEA, 0x46, 0, 0, 0, 0};
  EXPECT_TRUE(std::equal(white.begin(), white.end(), written.begin() + 28));
  EXPECT_TRUE(std::equal(grey.begin(), grey.end(), written.begin() + 32));
  EXPECT_TRUE(std::equal(twenty.begin(), twenty.end(), written.begin() + 48));
  EXPECT_TRUE(std::equal(end.begin(), end.end(), written.begin() + 1064));
}

TEST(PictureFileBytes, PolylinePictureAndTitleBlockMatchHandBuiltImages) {
  auto ed = test::MakeEditor();
  ed->append({{20001, 3}, {0, 0}, {20077, 4}, {5, 7}, {15, 7}});
  Bytes image = NewPictureImage(5);
  image.fs({20001, 3, 0, 0, 20077, 4, 5, 7, 15, 7, 30000, 0});
  EXPECT_EQ(EncodePictureFile(CapturePicture(ed->ctx, ed->hooks.sizes)), image.b);
  EXPECT_EQ(image.b.size(), 1112u);

  ed->pic.PictureTitle = "Hi";
  Bytes titled;
  titled.fs({32100, 32100, 72, 105});
  for (int k = 0; k < 38; ++k) titled.f(32);
  titled.b.insert(titled.b.end(), image.b.begin(), image.b.end());
  EXPECT_EQ(EncodePictureFile(CapturePicture(ed->ctx, ed->hooks.sizes)), titled.b);

  // The reader gives back exactly what the image holds.
  const auto read = ParsePictureFile(titled.b, "t.PNT");
  ASSERT_TRUE(read.ok()) << read.error->message;
  EXPECT_EQ(read.value->title, "Hi");
  EXPECT_EQ(read.value->layout, PictureLayout::Full);
  EXPECT_EQ(read.value->views.size(), 21u);
  EXPECT_EQ(read.value->views[20][2], 800.0f);
  EXPECT_EQ(read.value->g0, (std::vector<float>{20001, 0, 20077, 5, 15, 20099}));
  EXPECT_EQ(read.value->g1, (std::vector<float>{3, 0, 4, 7, 7, 0}));
  EXPECT_EQ(EncodePictureFile(*read.value), titled.b);
}

TEST(PictureFileBytes, OlderLayoutsWithoutHeaderOrViewTableAreRead) {
  Bytes noHeader;
  noHeader.fs({20006, 2, 20077, 3, 1, 1, 9, 9, 30000, 0});
  auto a = ParsePictureFile(noHeader.b, "a.PNT");
  ASSERT_TRUE(a.ok()) << a.error->message;
  EXPECT_EQ(a.value->layout, PictureLayout::NoHeader);
  EXPECT_EQ(a.value->g0, (std::vector<float>{20006, 20077, 1, 9, 20099}));

  Bytes shortHeader;
  shortHeader.fs({3, 1, 0, 0, 0, 4, 6, 255, 0, 2, -1, 0});
  shortHeader.fs({20002, 3, 0, 0, 20077, 4, 1, 2, 3, 4, 30000, 0});
  auto b = ParsePictureFile(shortHeader.b, "b.PNT");
  ASSERT_TRUE(b.ok()) << b.error->message;
  EXPECT_EQ(b.value->layout, PictureLayout::NoViewTable);
  EXPECT_TRUE(b.value->views.empty());
  EXPECT_EQ(b.value->header[kHdrLineWidth], 3.0f);
  EXPECT_EQ(b.value->g0.front(), 20002.0f);
  EXPECT_EQ(b.value->endIndex(), 5);
}

TEST(PictureFileBytes, PointAt30000InsideARecordDoesNotEndTheList) {
  Bytes b;
  b.fs({20001, 3, 0, 0, 20077, 4, 30000, 7, 15, 7, 30000, 0});
  const auto r = ParsePictureFile(b.b, "p.PNT");
  ASSERT_TRUE(r.ok()) << r.error->message;
  EXPECT_EQ(r.value->endIndex(), 5);
  EXPECT_EQ(r.value->g0[3], 30000.0f);
}

TEST(PictureFileTitle, CutAt40PaddedWithSpacesAndReadBackTrimmed) {
  PictureFile pf;
  pf.header[kHdrLineWidth] = 1;
  pf.views.resize(21);
  pf.g0 = {20099};
  pf.g1 = {0};
  pf.title = std::string(45, 'x');
  auto read = ParsePictureFile(EncodePictureFile(pf), "t");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value->title, std::string(40, 'x'));

  pf.title = "Caf\xC3\xA9 \xE2\x82\xAC";  // "Café €": both have single-byte codes
  const auto bytes = EncodePictureFile(pf);
  float code = 0;
  std::memcpy(&code, bytes.data() + 8 + 4 * 3, 4);
  EXPECT_EQ(code, 233.0f);
  std::memcpy(&code, bytes.data() + 8 + 4 * 5, 4);
  EXPECT_EQ(code, 128.0f);
  read = ParsePictureFile(bytes, "t");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value->title, pf.title);
}

// A small valid picture with a PAINT record and a symmetry block.
Bytes SmallValidFile() {
  Bytes b;
  b.fs({1, 0, 0, 0, 0, 20, 6, 0, 0, 0, 0, 0, 20, 1});
  b.zeros(12 * 21);
  b.fs({20006, 2, 20077, 5, 0, 0, 10, 0, 10, 10, 0, 10});
  b.fs({20091, -2, 20090, 4, -1, 1, 0, 0, 20077, 7, 0, 0, 10, 0, 5, 5, 0, 100, 20091, 1, 20092, 0});
  b.fs({20010, 2, 20077, 3, 21305, 255, 5, 5});
  b.fs({30000, 0});
  return b;
}

TEST(PictureFileRefusal, EveryTruncationOfAValidFileIsRefused) {
  const Bytes whole = SmallValidFile();
  ASSERT_TRUE(ParsePictureFile(whole.b, "v.PNT").ok());
  for (std::size_t len = 0; len < whole.b.size(); ++len) {
    std::vector<std::uint8_t> cut(whole.b.begin(), whole.b.begin() + static_cast<long>(len));
    const auto r = ParsePictureFile(cut, "v.PNT");
    EXPECT_FALSE(r.ok()) << "length " << len;
  }
}

TEST(PictureFileRefusal, BadCountsIndexesAndNumbersAreRefusedWithAReason) {
  const Bytes good = SmallValidFile();
  auto patched = [&](std::size_t valueIndex, float v) {
    Bytes b = good;
    std::memcpy(b.b.data() + 4 * valueIndex, &v, 4);
    return ParsePictureFile(b.b, "bad.PNT");
  };
  const std::size_t list = 14 + 12 * 21;  // first value of the list
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    std::size_t at;
    float value;
    FileErrorKind kind;
  };
  const Case cases[] = {
      {"view rows past the table", 12, 51, FileErrorKind::BadHeader},
      {"view rows below the base row", 12, 5, FileErrorKind::BadHeader},
      {"seven pages", 13, 7, FileErrorKind::BadHeader},
      {"grid colour 9", 1, 9, FileErrorKind::BadHeader},
      {"background not a colour", 7, -3, FileErrorKind::BadHeader},
      {"NaN in the header", 6, nan, FileErrorKind::NotANumber},
      {"infinity in a view row", 14 + 12 * 3 + 2, inf, FileErrorKind::NotANumber},
      {"NaN as a point", list + 2 * 4, nan, FileErrorKind::NotANumber},
      {"header offset beyond the file", list + 1, 9000, FileErrorKind::Truncated},
      {"header offset of 1", list + 1, 1, FileErrorKind::BadRecord},
      {"Begin Data offset backwards", list + 3, -4, FileErrorKind::BadRecord},
      {"Begin Data missing", list + 2, 5, FileErrorKind::BadRecord},
      {"symmetry item of part 7", list + 2 * 8, -7, FileErrorKind::BadGroup},
      {"a stray point between records", list + 2 * 6, 55, FileErrorKind::BadRecord},
  };
  for (const Case& c : cases) {
    const auto r = patched(c.at, c.value);
    ASSERT_FALSE(r.ok()) << c.what;
    EXPECT_EQ(r.error->kind, c.kind) << c.what;
    EXPECT_NE(r.error->message.find("bad.PNT"), std::string::npos) << c.what;
  }
}

TEST(PictureFileRefusal, TextFilesAndOversizedListsAreRefused) {
  const std::string text = "This is a letter, not a picture. It goes on for a while.\n";
  EXPECT_FALSE(ParsePictureFile(std::vector<std::uint8_t>(text.begin(), text.end()), "x.PNT").ok());

  Bytes title;
  title.fs({32100, 32100, 300});
  title.zeros(39);
  title.fs({20099, 0, 30000, 0});
  const auto t = ParsePictureFile(title.b, "t.PNT");
  ASSERT_FALSE(t.ok());
  EXPECT_FALSE(t.value.has_value());
  EXPECT_EQ(t.error->kind, FileErrorKind::BadTitle);

  Bytes big;  // one Multi Line with more points than the list can index
  big.fs({20002, 2, 20077, 40001});
  big.zeros(2 * 40000);
  big.fs({30000, 0});
  const auto r = ParsePictureFile(big.b, "big.PNT");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->kind, FileErrorKind::TooLong);
}

TEST(PictureFileWrite, OverwritingALongerFileLeavesExactlyTheNewLength) {
  test::ScratchFolder folder;
  const auto path = folder.path("over.PNT");
  test::WriteBytes(path, std::vector<std::uint8_t>(5000, 0xAB));
  const Bytes image = SmallValidFile();
  const auto pf = ParsePictureFile(image.b, "v");
  ASSERT_TRUE(pf.ok());
  ASSERT_FALSE(WritePictureFile(path, *pf.value).has_value());
  EXPECT_EQ(test::ReadBytes(path), image.b);
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.dir()), {}), 1);
}

TEST(PictureFileWrite, AMissingFolderGivesAnErrorNotAFile) {
  test::ScratchFolder folder;
  PictureFile pf;
  pf.views.resize(21);
  pf.g0 = {20099};
  pf.g1 = {0};
  const auto e = WritePictureFile(folder.path("no/such/folder/x.PNT"), pf);
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(e->kind, FileErrorKind::CannotWrite);
  EXPECT_NE(e->message.find("x.PNT"), std::string::npos);
}

}  // namespace
}  // namespace orn
