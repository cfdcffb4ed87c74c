// A name that is no ordinary file (a FIFO, a folder) where a picture, a view,
// a colour file, a settings file or a stored preview is read: every reader
// refuses it at once, or gives its defaults, and never opens a FIFO, whose
// reader would wait for a writer for ever.
#include <gtest/gtest.h>

#include <functional>

#include "colour/colour_table.h"
#include "model/file_util.h"
#include "model/picture_file.h"
#include "model/view_file.h"
#include "shell/ornisk_dat.h"
#include "shell/paint_dat.h"
#include "shell/preview_cache.h"
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

}  // namespace
}  // namespace orn::test
