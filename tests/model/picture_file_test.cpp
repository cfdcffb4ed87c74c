// The picture file's bytes: hand-built images against the writer and the
// reader, the three layouts, titles, and files the reader must refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/picture_file.h"
#include "model/picture_test_support.h"
#include "platform/core/failing_file_system.h"

namespace orn {
namespace {

using test::Bytes;

TEST(PictureFileBytes, OlderLayoutsAreReadAndAPointAt30000DoesNotEndTheList) {
  Bytes noHeader;
  noHeader.fs({20006, 2, 20077, 3, 1, 1, 9, 9, 30000, 0});
  auto a = ParsePictureFile(noHeader.b, "a.PNT");
  ASSERT_TRUE(a.ok()) << a.error->message;
  EXPECT_EQ(a.value->layout, PictureLayout::NoHeader);
  EXPECT_EQ(a.value->g0, (std::vector<float>{20006, 20077, 1, 9, 20099}));

  Bytes shortHeader;
  shortHeader.fs({3, 1, 0, 0, 0, 4, 6, 255, 0, 2, -1, 0, 20002, 3, 0, 0, 20077, 4, 30000, 2, 3, 4, 30000, 0});
  auto b = ParsePictureFile(shortHeader.b, "b.PNT");
  ASSERT_TRUE(b.ok()) << b.error->message;
  EXPECT_EQ(b.value->layout, PictureLayout::NoViewTable);
  EXPECT_TRUE(b.value->views.empty());
  EXPECT_EQ(b.value->header[kHdrLineWidth], 3.0f);
  EXPECT_EQ(b.value->g0, (std::vector<float>{20002, 0, 20077, 30000, 3, 20099}));
}

TEST(PictureFileTitle, CutAt40PaddedWithSpacesAndReadBackTrimmedInSingleByteCodes) {
  PictureFile pf;
  pf.header[kHdrLineWidth] = 1;
  pf.views.resize(21);
  pf.g0 = {20099};
  pf.g1 = {0};
  pf.title = std::string(45, 'x');
  EXPECT_EQ(ParsePictureFile(EncodePictureFile(pf), "t").value.value().title, std::string(40, 'x'));

  pf.title = "Caf\xC3\xA9 \xE2\x82\xAC";  // "Café €": both have single-byte codes
  const auto bytes = EncodePictureFile(pf);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 20, bytes.begin() + 32), Bytes().fs({233, 32, 128}).b);
  EXPECT_EQ(ParsePictureFile(bytes, "t").value.value().title, pf.title);
}

// A small valid picture with a PAINT record and a symmetry block.
Bytes SmallValidFile() {
  Bytes b;
  b.fs({1, 0, 0, 0, 0, 20, 6, 0, 0, 0, 0, 0, 20, 1}).zeros(12 * 21);
  b.fs({20006, 2, 20077, 5, 0, 0, 10, 0, 10, 10, 0, 10});
  b.fs({20091, -2, 20090, 4, -1, 1, 0, 0, 20077, 7, 0, 0, 10, 0, 5, 5, 0, 100, 20091, 1, 20092, 0});
  b.fs({20010, 2, 20077, 3, 21305, 255, 5, 5, 30000, 0});
  return b;
}

TEST(PictureFileBytes, WhicheverCallOfASaveFailsTheOldPictureFileStaysWhole) {
  test::ScratchFolder folder;
  const auto path = folder.path("OLD.PNT");
  const PictureFile pf = ParsePictureFile(SmallValidFile().b, "new.PNT").value.value();
  test::ExpectEveryFailureKeepsTheOldFile(path, "an older picture", [&](SaveFileSystem& files) {
    return !WritePictureFile(path, pf, files).has_value();
  });
}

TEST(PictureFileRefusal, EveryTruncationOfAValidFileIsRefusedAsShort) {
  const Bytes whole = SmallValidFile();
  ASSERT_TRUE(ParsePictureFile(whole.b, "v.PNT").ok());
  for (std::size_t len = 0; len < whole.b.size(); ++len) {
    const auto r = ParsePictureFile({whole.b.begin(), whole.b.begin() + long(len)}, "v.PNT");
    ASSERT_FALSE(r.ok()) << len;
    EXPECT_EQ(r.error->kind, FileErrorKind::Truncated) << len;
    EXPECT_NE(r.error->message.find("ends before the end of the picture"), std::string::npos) << len;
  }
}

TEST(PictureFileRefusal, BadCountsIndexesNumbersAndColoursAreRefusedSayingWhatIsWrong) {
  const std::size_t list = 14 + 12 * 21;  // first value of the list
  const std::size_t paint = list + 2 * 17;  // the PAINT record's header
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* what;
    std::size_t at;
    float value;
    FileErrorKind kind;
    const char* says;  // a part of the message
  };
  const Case cases[] = {
      {"view rows past the table", 12, 51, FileErrorKind::BadHeader, "view rows"},
      {"view rows below the base row", 12, 5, FileErrorKind::BadHeader, "view rows"},
      {"more view rows than stored", 12, 50, FileErrorKind::BadHeader, "view rows"},
      {"seven pages", 13, 7, FileErrorKind::BadHeader, "parts"},
      {"grid colour 9", 1, 9, FileErrorKind::BadHeader, "grid"},
      {"background not a colour", 7, -3, FileErrorKind::BadHeader, "background"},
      {"NaN in the header", 6, nan, FileErrorKind::NotANumber, "header"},
      {"infinity in a view row", 14 + 12 * 3 + 2, std::numeric_limits<float>::infinity(),
       FileErrorKind::NotANumber, "view row"},
      {"NaN as a point", list + 2 * 4, nan, FileErrorKind::NotANumber, "entry 4"},
      {"header offset beyond the file", list + 1, 9000, FileErrorKind::BadRecord, "runs past the end"},
      {"last entry beyond the file", list + 3, 9000, FileErrorKind::BadRecord, "runs past the end"},
      {"header offset of 1", list + 1, 1, FileErrorKind::BadRecord, "entry 0"},
      {"Begin Data offset backwards", list + 3, -4, FileErrorKind::BadRecord, "entry 0"},
      {"Begin Data missing", list + 2, 5, FileErrorKind::BadRecord, "Begin Data"},
      {"a record without points", paint + 3, 1, FileErrorKind::BadRecord, "entry 17 holds no points"},
      {"symmetry item of part 7", list + 2 * 8, -7, FileErrorKind::BadGroup, "part 7"},
      {"a stray point between records", list + 2 * 6, 55, FileErrorKind::BadRecord, "entry 6"},
      {"colour code beyond any integer", paint + 4, 21000.0f + 3e9f, FileErrorKind::BadColour, "colour code"},
      {"colour code past 16 bits", paint + 4, 21000.0f + 65536.0f * 2, FileErrorKind::BadColour, "colour code"},
      {"fractional colour code", paint + 4, 21305.5f, FileErrorKind::BadColour, "colour code"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes b = SmallValidFile();
    std::memcpy(b.b.data() + 4 * c.at, &c.value, 4);
    const auto r = ParsePictureFile(b.b, "bad.PNT");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->kind, c.kind);
    EXPECT_NE(r.error->message.find("bad.PNT"), std::string::npos);
    EXPECT_NE(r.error->message.find(c.says), std::string::npos) << r.error->message;
    // Every one of these files is whole: none may be called short.
    EXPECT_EQ(r.error->message.find("file ends before"), std::string::npos) << r.error->message;
  }

  Bytes title;
  title.fs({32100, 32100, 300}).zeros(39).fs({20099, 0, 30000, 0});
  const auto t = ParsePictureFile(title.b, "t.PNT");
  ASSERT_FALSE(t.ok());
  EXPECT_FALSE(t.value.has_value());
  EXPECT_EQ(t.error->kind, FileErrorKind::BadTitle);
  Bytes big;  // one Multi Line with more points than the list can index
  big.fs({20002, 2, 20077, 40001}).zeros(2 * 40000).fs({30000, 0});
  const auto r = ParsePictureFile(big.b, "big.PNT");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->kind, FileErrorKind::TooLong);
}

}  // namespace
}  // namespace orn
