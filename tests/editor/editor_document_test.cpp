// The editor's document driven without a window: a sample loaded, redrawn,
// saved under a new name and read back into a second document.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "canvas/progress.h"
#include "editor/editor_document.h"
#include "support/list_builder.h"
#include "support/scratch_folder.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_host.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 600;
constexpr int kHeight = 480;

// A document as the editor starts it (a new, empty picture), with the
// stand-ins of what a window would show.
struct Document {
  ScriptedHost host;
  ScriptedDialogs dialogs;
  FileHooks hooks;
  EditorControls controls;  // no window: the redraw shows nothing
  EditorDocument doc{host, kWidth, kHeight};

  Document() {
    doc.file().NewInLoad = true;
    doc.newPicture(dialogs, hooks);
    doc.file().NewInLoad = false;
  }
  LoadOutcome load(const fs::path& p) {
    doc.file().PicturePath = p.string();
    return doc.load(dialogs, hooks, 0);
  }
  SaveOutcome saveAs(const fs::path& p) {
    doc.file().SaveAsWanted = true;
    dialogs.saves.push_back(p.string());
    return doc.save(dialogs, hooks);
  }
  int drawnPixels() {
    int n = 0;
    const Surface& c = doc.canvas();
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) n += c.point(x, y) != doc.draw().PicBackColor;
    return n;
  }
};

TEST(EditorDocument, ASampleLoadsRedrawsSavesUnderANewNameAndReadsBackAsTheSamePicture) {
  ScratchFolder folder;
  Document a;
  ASSERT_EQ(a.load(fs::path(ORNIVALE_DATA_DIR) / "OVRO1A.PNT").status, CommandStatus::Done);
  a.doc.redraw(a.controls, 1);
  ASSERT_GT(a.drawnPixels(), 1000) << "the rosette is drawn on the document's own canvas";

  const fs::path copy = folder.path("COPY.PNT");
  ASSERT_EQ(a.saveAs(copy).status, CommandStatus::Done);
  EXPECT_EQ(a.doc.file().FileName, copy.string());
  EXPECT_FALSE(a.doc.editor().PicChanged);

  Document b;
  ASSERT_EQ(b.load(copy).status, CommandStatus::Done);
  b.doc.redraw(b.controls, 1);
  EXPECT_EQ(LiveEntries(b.doc.list()), LiveEntries(a.doc.list()));
  EXPECT_EQ(b.doc.sym().SymStart, a.doc.sym().SymStart);
  EXPECT_EQ(b.doc.sym().SymEnd, a.doc.sym().SymEnd);
  EXPECT_TRUE(b.doc.canvas() == a.doc.canvas()) << "the picture read back redraws pixel for pixel";
}

TEST(EditorDocument, NewAfterALoadLeavesAnEmptyPictureThatRedrawsToAPlainCanvas) {
  Document d;
  ASSERT_EQ(d.load(fs::path(ORNIVALE_DATA_DIR) / "OVRO1A.PNT").status, CommandStatus::Done);
  d.doc.redraw(d.controls, 1);
  ASSERT_GT(d.drawnPixels(), 0);
  d.doc.editor().PicChanged = false;

  ASSERT_EQ(d.doc.newPicture(d.dialogs, d.hooks).status, CommandStatus::Done);
  d.doc.redraw(d.controls, 1);
  EXPECT_EQ(d.doc.file().FileName, kUnNamed);
  EXPECT_EQ(d.drawnPixels(), 0);
  EXPECT_TRUE(d.host.boxes.empty()) << "an unchanged picture is not offered for saving";
}

}  // namespace
}  // namespace orn::test
