// The editor settings file at the ends of its ranges: the thinnest and the
// widest pen, no snap and the widest, the lowest and highest print quality,
// every cursor, all four recent files and the first and last custom colour
// survive a write and a read; one step past an end gives the defaults.
#include <gtest/gtest.h>

#include <fstream>

#include "shell/paint_dat.h"
#include "support/scratch_folder.h"

namespace orn {
namespace {

using test::ScratchFolder;

TEST(PaintDatEnds, EveryValueAtEitherEndOfItsRangeSurvivesAWriteAndRead) {
  const struct {
    int lineWidth, snap, quality, cursor;
  } ends[] = {
      {1, 0, 1, kPointerArrow},
      {20, 10, 4, kPointerCross},
      {20, 0, 4, kPointerUpArrow},
  };
  for (const auto& e : ends) {
    SCOPED_TRACE(::testing::Message() << "pen " << e.lineWidth << ", snap " << e.snap << ", quality " << e.quality);
    ScratchFolder dir;
    EditorSettings s = DefaultEditorSettings(1, false);
    s.LineWidth = e.lineWidth;
    s.SnapSize = e.snap;
    s.PrintQuality = e.quality;
    s.DrawCursor = e.cursor;
    s.RecentFiles = {"/pictures/newest.PNT", "/pictures/b.PNT", "/pictures/c.PNT", "/pictures/oldest.PNT"};
    s.CustomPalette.front() = 0x010203;
    s.CustomPalette.back() = 0xFFFFFE;
    ASSERT_FALSE(WritePaintDat(dir.path("Paint.Dat"), s));
    const PaintDatRead r = ReadPaintDat(dir.path("Paint.Dat"), 0, false);
    ASSERT_TRUE(r.fromFile);
    EXPECT_EQ(r.settings, s);
    EXPECT_EQ(r.settings.RecentFiles[3], "/pictures/oldest.PNT");
    EXPECT_EQ(r.settings.CustomPalette[15], 0xFFFFFEu);
  }
}

TEST(PaintDatEnds, OneStepPastAnEndGivesTheDefaults) {
  const EditorSettings defaults = DefaultEditorSettings(0, false);
  const struct {
    const char* what;
    const char* line1;
    const char* line2;
  } cases[] = {
      {"pen 21", " 1  0  0  21 ", " 3 -1  1  2 "},
      {"snap 11", " 1  0  0  1 ", " 11 -1  1  2 "},
      {"snap -1", " 1  0  0  1 ", " -1 -1  1  2 "},
      {"quality 5", " 1  0  0  1 ", " 3 -1  5  2 "},
      {"quality -1", " 1  0  0  1 ", " 3 -1 -1  2 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder dir;
    std::string text = std::string(c.line1) + "\r\n" + c.line2 + "\r\n\r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n";
    for (int i = 0; i < 16; ++i) text += " 255 \r\n";
    std::ofstream(dir.path("Paint.Dat"), std::ios::binary) << text;
    const PaintDatRead r = ReadPaintDat(dir.path("Paint.Dat"), 0, false);
    EXPECT_FALSE(r.fromFile);
    EXPECT_EQ(r.settings, defaults);
  }
}

}  // namespace
}  // namespace orn
