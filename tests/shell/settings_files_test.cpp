// The two settings files written and read back on disk, their exact text,
// and the defaults every kind of damage falls back to.
#include <gtest/gtest.h>

#include <fstream>

#include "colour/base_colors.h"
#include "platform/core/failing_file_system.h"
#include "support/scratch_folder.h"
#include "shell/ornisk_dat.h"
#include "shell/paint_dat.h"
#include "shell/settings_text.h"

namespace orn {
namespace {

using test::ScratchFolder;

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
void put(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

EditorSettings someSettings() {
  EditorSettings s = DefaultEditorSettings(1, false);
  s.ReservedSetting1 = -5;
  s.LineWidth = 7;
  s.SnapSize = 10;
  s.DatFlag = 0;
  s.PrintQuality = 4;
  s.DrawCursor = kPointerUpArrow;
  s.RecentFiles = {"/home/u/My Pictures/rose, big.PNT", "", "/tmp/a.pnt", ""};
  s.CustomPalette[3] = 0x123456;
  return s;
}

TEST(SettingsFiles, WhicheverCallOfASaveFailsTheOldFileStaysWhole) {
  ScratchFolder folder;
  const auto paint = folder.path("Paint.Dat");
  test::ExpectEveryFailureKeepsTheOldFile(paint, PaintDatText(DefaultEditorSettings(0, false)),
                                          [&](SaveFileSystem& files) {
                                            return !WritePaintDat(paint, someSettings(), files).has_value();
                                          });
  const auto menu = folder.path("Ornisk.Dat");
  MenuSettings m;
  m.LastFolder = "/home/u/Pictures";
  test::ExpectEveryFailureKeepsTheOldFile(menu, "/old\r\n 0 \r\n 0  0 \r\n 0 \r\n/old/Ornisk.Dat\r\n",
                                          [&](SaveFileSystem& files) {
                                            return !WriteOrniskDat(menu, m, files).has_value();
                                          });
}

TEST(PaintDat, WritesTheDefaultFileByteForByte) {
  const std::string t = PaintDatText(DefaultEditorSettings(0, false));
  const std::string b12(12, ' ');
  const std::string expected =
      " 1" + b12 + " 0" + b12 + " 0" + b12 + " 1 \r\n" +
      " 3" + b12 + "-1" + b12 + " 1" + b12 + " 2 \r\n" +
      "\r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n"
      " 8421504 \r\n 16711680 \r\n 65280 \r\n 16776960 \r\n 255 \r\n 16711935 \r\n 65535 \r\n"
      " 16777215 \r\n 2105376 \r\n 8388608 \r\n 32768 \r\n 8421376 \r\n 128 \r\n 8388736 \r\n"
      " 32896 \r\n 12632256 \r\n";
  EXPECT_EQ(t, expected);
}

TEST(PaintDat, EveryFieldSurvivesAWriteAndRead) {
  ScratchFolder dir;
  const EditorSettings s = someSettings();
  ASSERT_FALSE(WritePaintDat(dir.path("Paint.Dat"), s));
  const PaintDatRead r = ReadPaintDat(dir.path("Paint.Dat"), 0, false);
  EXPECT_TRUE(r.fromFile);
  EXPECT_EQ(r.settings, s);
}

TEST(PaintDat, HandEditedSeparatorsAndLoneLineFeedsRead) {
  ScratchFolder dir;
  std::string text = "1,0,1,2\n3 0 0 1\n\n\n\n\n0\n0\n0\n";
  for (int i = 0; i < 16; ++i) text += std::to_string(i) + "\n";
  put(dir.path("Paint.Dat"), text);
  const PaintDatRead r = ReadPaintDat(dir.path("Paint.Dat"), 0, false);
  ASSERT_TRUE(r.fromFile);
  EXPECT_EQ(r.settings.PrintOrientation, 1);
  EXPECT_EQ(r.settings.LineWidth, 2);
  EXPECT_EQ(r.settings.PrintQuality, 1) << "a stored print quality of 0 reads as 1";
  EXPECT_EQ(r.settings.DrawCursor, kPointerArrow);
  EXPECT_EQ(r.settings.CustomPalette[15], 15u);
}

// Each damage gives every default; the print orientation comes from line 1
// when line 1 itself was sound, else it stays as the main menu had it.
TEST(PaintDat, AnyDamageGivesTheDefaults) {
  const std::string good = PaintDatText(someSettings());
  const auto lineStart = [&](int n) {
    std::size_t at = 0;
    for (int i = 1; i < n; ++i) at = good.find("\r\n", at) + 2;
    return at;
  };
  const auto replaceLine = [&](int n, const std::string& with) {
    std::string t = good;
    const std::size_t a = lineStart(n);
    t.replace(a, t.find("\r\n", a) - a, with);
    return t;
  };
  struct Case {
    const char* what;
    std::string text;
    int orientation;
  };
  const std::vector<Case> cases = {
      {"no file", "", 0},
      {"only lines 1 and 2", good.substr(0, lineStart(3)), 1},
      {"snap out of range", replaceLine(2, " 99  0  1  2 "), 1},
      {"unknown cursor", replaceLine(2, " 3  0  1  5 "), 1},
      {"print quality 9", replaceLine(2, " 3  0  9  2 "), 1},
      {"line width 0", replaceLine(1, " 1  0  1  0 "), 0},
      {"orientation 2", replaceLine(1, " 1  0  2  1 "), 0},
      {"beyond 16 bits", replaceLine(1, " 70000  0  1  1 "), 0},
      {"not a number", replaceLine(8, "abc"), 1},
      {"colour not RGB", replaceLine(12, "-5"), 1},
      {"three numbers on line 2", replaceLine(2, " 3  0  1 "), 1},
      {"file cut in the colours", good.substr(0, lineStart(20)), 1},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    if (!c.text.empty()) put(dir.path("Paint.Dat"), c.text);
    const PaintDatRead r = ReadPaintDat(dir.path("Paint.Dat"), 0, false);
    EXPECT_FALSE(r.fromFile) << c.what;
    EditorSettings expected = DefaultEditorSettings(c.orientation, false);
    EXPECT_EQ(r.settings, expected) << c.what;
  }
}

TEST(PaintDat, DefaultBlackCustomColourIsNearBlackUnlessTheDisplayDithers) {
  EXPECT_EQ(DefaultEditorSettings(0, false).CustomPalette[8], 0x202020u);
  EXPECT_EQ(DefaultEditorSettings(0, true).CustomPalette[8], 0u);
}

TEST(PaintDat, AWriteThatCannotHappenSaysWhy) {
  ScratchFolder dir;
  // A folder stands where the file should go: the rename over it fails.
  std::filesystem::create_directories(dir.path("Paint.Dat") / "x");
  const auto error = WritePaintDat(dir.path("Paint.Dat"), someSettings());
  ASSERT_TRUE(error.has_value());
  EXPECT_FALSE(error->empty());
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.dir())) ++entries;
  EXPECT_EQ(entries, 1) << "no temporary file is left behind";
}

TEST(OrniskDat, FiveLinesWrittenAndReadBack) {
  ScratchFolder dir;
  MenuSettings s{"/home/u/Art, old", 1, 1, 3, 1};
  ASSERT_FALSE(WriteOrniskDat(dir.path("Ornisk.Dat"), s));
  EXPECT_EQ(slurp(dir.path("Ornisk.Dat")),
            "/home/u/Art, old\r\n 1 \r\n 1  3 \r\n 1 \r\n" + dir.path("Ornisk.Dat").string() + "\r\n");
  MenuSettings r;
  EXPECT_TRUE(ReadOrniskDat(dir.path("Ornisk.Dat"), r));
  EXPECT_EQ(r.LastFolder, s.LastFolder) << "a comma belongs to the folder";
  EXPECT_EQ(r.StartMode, 1);
  EXPECT_EQ(r.MenuMode, 1);
  EXPECT_EQ(r.MenuArtType, 3);
  EXPECT_EQ(r.PrintOrientation, 1);
}

TEST(OrniskDat, ReadingStopsAtTheFirstFaultKeepingWhatCameBefore) {
  struct Case {
    const char* what;
    std::string text;
    MenuSettings expected;
    bool complete;
  };
  const MenuSettings start{"", 0, 0, 0, 0};
  const std::vector<Case> cases = {
      {"missing", "", start, false},
      {"cut after line 3", "/x\r\n 2 \r\n 1  2 \r\n", {"/x", 0, 1, 2, 0}, false},
      {"bad start mode", "/x\r\nzz\r\n 1  2 \r\n 1 \r\n", {"/x", 0, 0, 0, 0}, false},
      {"orientation out of range", "/x\n 2 \n 5  6 \n 7 \n", {"/x", 2, 5, 6, 0}, true},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    if (!c.text.empty()) put(dir.path("Ornisk.Dat"), c.text);
    MenuSettings r = start;
    EXPECT_EQ(ReadOrniskDat(dir.path("Ornisk.Dat"), r), c.complete) << c.what;
    EXPECT_EQ(r.LastFolder, c.expected.LastFolder) << c.what;
    EXPECT_EQ(r.StartMode, c.expected.StartMode) << c.what;
    EXPECT_EQ(r.MenuMode, c.expected.MenuMode) << c.what;
    EXPECT_EQ(r.MenuArtType, c.expected.MenuArtType) << c.what;
    EXPECT_EQ(r.PrintOrientation, c.expected.PrintOrientation) << c.what;
  }
}

// A name holding a line break would shift every line after it: it is written
// as an empty line, the rest of the file whole; a line holding a lone carriage
// return (written by hand or by an older program) reads as no name.
TEST(SettingsFiles, ANameHoldingALineBreakIsWrittenAndReadAsAnEmptyLine) {
  ScratchFolder dir;
  for (const std::string lineBreak : {"\n", "\r", "\r\n"}) {
    EditorSettings s = someSettings();
    s.RecentFiles[0] = "/a" + lineBreak + "b.PNT";
    ASSERT_FALSE(WritePaintDat(dir.path("Paint.Dat"), s));
    s.RecentFiles[0].clear();
    EXPECT_EQ(slurp(dir.path("Paint.Dat")), PaintDatText(s));
    const MenuSettings m{"/a" + lineBreak + "b", 1, 1, 3, 1};
    EXPECT_EQ(OrniskDatText(m, "/c" + lineBreak + "d/Ornisk.Dat"), "\r\n 1 \r\n 1  3 \r\n 1 \r\n\r\n");
  }
  EditorSettings s = someSettings();
  std::string text = PaintDatText(s);
  text.replace(text.find("rose, big"), 4, "ro\rs");
  put(dir.path("Paint.Dat"), text);
  const PaintDatRead r = ReadPaintDat(dir.path("Paint.Dat"), 0, false);
  s.RecentFiles[0].clear();
  EXPECT_TRUE(r.fromFile);
  EXPECT_EQ(r.settings, s);
  put(dir.path("Ornisk.Dat"), "/a\rb\r\n 1 \r\n 1  3 \r\n 1 \r\n");
  MenuSettings m{"/before", 0, 0, 0, 0};
  EXPECT_TRUE(ReadOrniskDat(dir.path("Ornisk.Dat"), m));
  EXPECT_EQ(m.LastFolder, "");
  EXPECT_EQ(m.MenuArtType, 3);
}

// Paths as long as a settings line can be, in every place a path is kept,
// read back; a line one byte longer is no path of this system, and the file
// gives the defaults.
TEST(SettingsFiles, PathsAsLongAsALineMayBeReadBackAndALongerLineGivesTheDefaults) {
  ScratchFolder dir;
  const std::string longest = "/" + std::string(kMaxSettingsLine - 1, 'p');
  EditorSettings s = someSettings();
  s.RecentFiles = {longest, longest, longest, longest};
  ASSERT_FALSE(WritePaintDat(dir.path("Paint.Dat"), s));
  EXPECT_EQ(ReadPaintDat(dir.path("Paint.Dat"), 0, false).settings, s);
  MenuSettings m{longest, 1, 2, 3, 1};
  ASSERT_FALSE(WriteOrniskDat(dir.path("Ornisk.Dat"), m));
  MenuSettings r;
  EXPECT_TRUE(ReadOrniskDat(dir.path("Ornisk.Dat"), r));
  EXPECT_TRUE(r.LastFolder == longest);

  s.RecentFiles[3] += "p";
  ASSERT_FALSE(WritePaintDat(dir.path("Paint.Dat"), s));
  EXPECT_FALSE(ReadPaintDat(dir.path("Paint.Dat"), 0, false).fromFile);
  m.LastFolder += "p";
  ASSERT_FALSE(WriteOrniskDat(dir.path("Ornisk.Dat"), m));
  MenuSettings refused;
  EXPECT_FALSE(ReadOrniskDat(dir.path("Ornisk.Dat"), refused));
  EXPECT_TRUE(refused.LastFolder.empty());
}

}  // namespace
}  // namespace orn
