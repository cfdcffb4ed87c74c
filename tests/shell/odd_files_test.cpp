// A name that is no ordinary file (a FIFO, a folder) where a picture, a view,
// a colour file, a settings file or a stored preview is read: every reader
// refuses it at once, or gives its defaults, and never opens a FIFO, whose
// reader would wait for a writer for ever. A file longer than any of its
// format is refused the same way, however long, having been read no further.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string_view>

#include "colour/colour_table.h"
#include "model/file_util.h"
#include "model/picture_file.h"
#include "model/view_file.h"
#include "model/view_file_test.h"
#include "shell/ornisk_dat.h"
#include "shell/paint_dat.h"
#include "shell/preview_cache.h"
#include "shell/sample_pictures.h"
#include "shell/settings_text.h"
#include "shell/slide_show.h"
#include "support/scratch_folder.h"
#include "support/watched_fifo.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

struct Reader {
  const char* what;
  const char* name;
  // True when the reader refused the file or gave its defaults.
  std::function<bool(const fs::path&)> refuses;
};

const Reader kReaders[] = {
    {"picture", "ROSE.PNT",
     [](const fs::path& p) {
       const FileResult<PictureFile> r = ReadPictureFile(p);
       // The refusal a damaged file gets, naming the file.
       return !r.ok() && r.error->message.find("\"ROSE.PNT\" cannot be loaded: ") == 0;
     }},
    {"colour chart", "CHART.COL", [](const fs::path& p) { return !ReadPictureFile(p).ok(); }},
    {"view", "CUBE.VEW", [](const fs::path& p) { return !ReadViewFile(p).ok(); }},
    {"standard colours", "Standard.Clr", [](const fs::path& p) { return !ReadColorTableFile(p).has_value(); }},
    {"menu settings", "Ornisk.Dat",
     [](const fs::path& p) {
       MenuSettings s;
       return !ReadOrniskDat(p, s) && s.LastFolder.empty() && s.StartMode == 0;
     }},
    {"editor settings", "Paint.Dat",
     [](const fs::path& p) {
       const PaintDatRead r = ReadPaintDat(p, 1, false);
       return !r.fromFile && r.settings == DefaultEditorSettings(1, false);
     }},
    {"picture title", "TITLED.PNT", [](const fs::path& p) { return !PictureFileTitle(p).has_value(); }},
    {"stored preview", "OVRO1A.prv", [](const fs::path& p) { return !ReadPreviewFile(p).has_value(); }},
    {"file check", "HANDED.PNT", [](const fs::path& p) { return !FileExists(p.string()); }},
};

TEST(OddFiles, AFifoIsRefusedOrGivesTheDefaultsWithoutEverBeingOpenedForReading) {
  for (const Reader& r : kReaders) {
    ScratchFolder dir;
    WatchedFifo fifo(dir.path(r.name));
    ASSERT_TRUE(fifo.made()) << r.what;
    EXPECT_TRUE(r.refuses(fifo.path())) << r.what;
    EXPECT_FALSE(fifo.openedForReading()) << r.what;
  }
}

TEST(OddFiles, AFolderIsRefusedOrGivesTheDefaults) {
  for (const Reader& r : kReaders) {
    ScratchFolder dir;
    fs::create_directory(dir.path(r.name));
    EXPECT_TRUE(r.refuses(dir.path(r.name))) << r.what;
  }
}

const Reader& ReaderOf(std::string_view what) {
  return *std::find_if(std::begin(kReaders), std::end(kReaders), [&](const Reader& r) { return r.what == what; });
}

// A sound file of each format whose files have a largest size, and a file of
// the format just past that size: for most the sound one with bytes after
// its end, for a view more lines than any view file holds.
struct Bounded {
  const char* what;
  std::function<void(const fs::path&)> writeSound;
  std::function<void(const fs::path&)> writeTooLong;
};

// The file made longer by zeros, up to one byte more than `longest`.
void GrowPast(const fs::path& p, std::size_t longest) { fs::resize_file(p, longest + 1); }

void WriteText(const fs::path& p, const std::string& text) { WriteBytes(p, {text.begin(), text.end()}); }

const Bounded kBounded[] = {
    {"picture", [](const fs::path& p) { SaveLinePicture(p); },
     [](const fs::path& p) {
       SaveLinePicture(p);
       GrowPast(p, kMaxPictureFileBytes);
     }},
    {"colour chart", [](const fs::path& p) { SaveLinePicture(p); },
     [](const fs::path& p) {
       SaveLinePicture(p);
       GrowPast(p, kMaxPictureFileBytes);
     }},
    {"view", [](const fs::path& p) { WriteBytes(p, ViewOfLines(2).bytes()); },
     [](const fs::path& p) { WriteBytes(p, ViewOfLines(kMaxEntries + 1).bytes()); }},
    {"standard colours",
     [](const fs::path& p) {
       const StandardColorsBytes b = EncodeColorTable(BuiltInColorTable());
       WriteBytes(p, {b.begin(), b.end()});
     },
     [](const fs::path& p) {
       const StandardColorsBytes b = EncodeColorTable(BuiltInColorTable());
       WriteBytes(p, {b.begin(), b.end()});
       GrowPast(p, kStandardColorsFileSize);
     }},
    {"menu settings", [](const fs::path& p) { WriteText(p, OrniskDatText(MenuSettings{"/home/u"}, p.string())); },
     [](const fs::path& p) {
       WriteText(p, OrniskDatText(MenuSettings{"/home/u"}, p.string()));
       GrowPast(p, 5 * (kMaxSettingsLine + 2));
     }},
    {"editor settings", [](const fs::path& p) { WriteText(p, PaintDatText(DefaultEditorSettings(0, false))); },
     [](const fs::path& p) {
       WriteText(p, PaintDatText(DefaultEditorSettings(0, false)));
       GrowPast(p, 25 * (kMaxSettingsLine + 2));
     }},
    {"stored preview", [](const fs::path& p) { WritePreviewFile(p, Surface(120, 120, 0x123456)); },
     [](const fs::path& p) {
       WritePreviewFile(p, Surface(120, 120, 0x123456));
       GrowPast(p, 10 + 3 * 120 * 120);
     }},
};

TEST(OddFiles, AFileLongerThanAnyOfItsFormatIsRefusedOrGivesTheDefaults) {
  for (const Bounded& b : kBounded) {
    const Reader& r = ReaderOf(b.what);
    ScratchFolder dir;
    const fs::path p = dir.path(r.name);
    b.writeSound(p);
    EXPECT_FALSE(r.refuses(p)) << r.what;
    b.writeTooLong(p);
    EXPECT_TRUE(r.refuses(p)) << r.what;
  }
}

// A terabyte on the file's length, none of it on the disk: each reader takes
// only as much as its format can hold, refuses the rest, and returns at once.
TEST(OddFiles, ATerabyteLongFileIsReadNoFurtherThanItsFormatGoes) {
  constexpr std::uintmax_t kTerabyte = std::uintmax_t(1) << 40;
  for (const Bounded& b : kBounded) {
    const Reader& r = ReaderOf(b.what);
    ScratchFolder dir;
    const fs::path p = dir.path(r.name);
    b.writeSound(p);
    fs::resize_file(p, kTerabyte);
    EXPECT_TRUE(r.refuses(p)) << r.what;
  }
  // The readers that take only the start of a file read it as ever.
  ScratchFolder dir;
  SaveLinePicture(dir.path("TITLED.PNT"), kWhite, "Rose");
  fs::resize_file(dir.path("TITLED.PNT"), kTerabyte);
  EXPECT_EQ(PictureFileTitle(dir.path("TITLED.PNT")), "Rose");
  EXPECT_TRUE(FileExists(dir.path("TITLED.PNT").string()));
}

}  // namespace
}  // namespace orn::test
