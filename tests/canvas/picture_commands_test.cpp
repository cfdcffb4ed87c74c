// The file commands on real files: save and load round trips, refused files,
// the load options, saving over and failing to save, and the recent list.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "canvas/picture_commands.h"
#include "file_commands_fixture.h"
#include "model/picture_test_support.h"
#include "model/record_codes.h"
#include "support/file_size_limit.h"
#include "support/list_builder.h"

namespace orn {
namespace {

using test::Append;
using test::Editor;
using test::MakeEditor;

// Every kind of record, a symmetry block, a title, views and settings that
// differ from a new picture's.
void DrawEverything(Editor& e) {
  Append(e.list, {{20006, 2}, {20077, 5}, {0, 0}, {100, 0}, {100, 100}, {0, 100},           // 0 Geometric
            {20091, -2},                                                                 // 6 block opens
            {20090, 4}, {-3, 1}, {0, 0}, {20077, 7}, {0, 0}, {100, 0}, {50, 50}, {0, 1000},  // 7 base copy
            {20090, 4}, {3, 2}, {0, -1}, {20077, 7}, {100, 0}, {0, 0}, {50, 50}, {100, 1000},
            {20091, 3}, {20092, 0},                                                      // 23 block closes
            {20000, 3}, {0, 0}, {20077, 5}, {1, 1}, {2, 5}, {3, 1},                      // 25 Spline
            {20001, 3}, {-1, 0}, {20077, 4}, {5, 7}, {15, 7},                            // 31 Poly Line
            {20002, 3}, {0, 0}, {20077, 6}, {1, 2}, {3, 4}, {5, 6}, {7, 8},              // 36 Multi Line
            {20003, 2}, {20077, 3}, {50, 50}, {60, 50},                                  // 43 2 Pt Circle
            {20004, 2}, {20077, 4}, {10, 10}, {20, 12}, {15, 30},                        // 47 3 Pt Circle
            {20005, 2}, {20077, 4}, {30, 30}, {40, 35}, {45, 50},                        // 52 Arc
            {20101, 3}, {0, 0}, {20077, 4}, {900, 900}, {950, 900},                      // 57 OUT Poly Line
            {20010, 2}, {20077, 7}, {21305, 255}, {5, 5}, {21412, 65280}, {50, 20},      // 62 PAINT
            {21305, 255}, {70, 70}, {20092, 0}});
  e.pic.PictureTitle = "Rose window";
  e.pic.SplinePolyOn = true;
  e.pic.ZoomFactor = 2.5f;
  e.pic.GalleryBackColor = 0;  // black: written as 1.0
  e.pic.PicKind = 15;
  e.draw.LineWidth = 4;
  e.draw.PicBackColor = 0x00FF00;
  e.editor.GridMode = 1;
  e.editor.YellowBase = true;
  e.editor.ProjPages = 3;
  e.views.rows[2] = ViewRow{400, 0, 799, 0, 799, 599, 0, 0, 799, 0, 799, 599};
  e.views.rows[6] = ViewRow{10, 10, 410, 10, 410, 310, 0, 0, 799, 0, 799, 599};
  SaveScale(e.views, 800, 600);
  SaveScale(e.views, 800, 600);
  e.editor.PicChanged = true;
}

LoadOutcome LoadPath(Editor& e, const std::filesystem::path& p, int option = kLoadNormal) {
  e.file.PicturePath = p.string();
  e.file.LoadOption = option;
  return FileLoadC(e.ctx, 0);
}

SaveOutcome SaveAs(Editor& e, const std::filesystem::path& p) {
  e.file.SaveAsWanted = true;
  e.dialogs.saves.push_back(p.string());
  return FileSaveC(e.ctx);
}

// An editor holding DrawEverything's picture, saved as "all.PNT".
class SavedPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawEverything(*a);
    ASSERT_EQ(SaveAs(*a, folder.path("all.PNT")).status, CommandStatus::Done);
  }
  test::ScratchFolder folder;
  std::unique_ptr<Editor> a = MakeEditor();
};

TEST_F(SavedPicture, LoadsBackIdenticalAndSavesToTheSameBytes) {
  EXPECT_FALSE(a->editor.PicChanged);
  EXPECT_EQ(a->list.G0[a->list.NumPoints], 20099.0f);  // the end marker in memory is untouched

  auto b = MakeEditor();
  const LoadOutcome loaded = LoadPath(*b, folder.path("all.PNT"));
  ASSERT_EQ(loaded.status, CommandStatus::Done) << loaded.error;
  // List, views, settings, title, name and recent list all come back.
  test::Snapshot expected(*a);
  expected.symStart = 6;
  expected.symEnd = 23;
  expected.rows[20] = ViewRow{};  // the stored sizes go to the window and leave the table
  EXPECT_TRUE(test::Snapshot(*b) == expected);
  EXPECT_EQ(b->list.ItemHead, b->list.NumPoints);
  EXPECT_EQ(b->views.ViewDepth, 2);
  EXPECT_EQ(b->views.rows[22], a->views.rows[22]);
  EXPECT_TRUE(loaded.report.hasStoredSizes);
  EXPECT_EQ(loaded.report.storedCanvasWidth, 800.0f);
  EXPECT_EQ(loaded.report.windowState, 2);
  EXPECT_GE(b->hooks.symmetryCalls, 1);
  EXPECT_TRUE(loaded.report.HasBaseGroup);
  EXPECT_TRUE(loaded.report.baseGroup[3]);
  EXPECT_TRUE(loaded.report.tallPartPanel);
  ASSERT_EQ(b->hooks.colours.size(), 2u);
  EXPECT_EQ(b->hooks.colours[0].code, 305);
  EXPECT_EQ(b->hooks.colours[1].rgb, 65280u);

  ASSERT_EQ(SaveAs(*b, folder.path("again.PNT")).status, CommandStatus::Done);
  EXPECT_EQ(test::ReadBytes(folder.path("again.PNT")), test::ReadBytes(folder.path("all.PNT")));
}

TEST_F(SavedPicture, RefusedFilesLeaveTheOpenPictureExactlyAsItWas) {
  Editor* e = a.get();
  const std::vector<std::uint8_t> good = test::ReadBytes(folder.path("all.PNT"));
  const test::Snapshot before(*e);

  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> bad;
  for (std::size_t len : {4ul, 200ul, good.size() - 3})
    bad.push_back({"cut" + std::to_string(len) + ".PNT", {good.begin(), good.begin() + long(len)}});
  std::vector<std::uint8_t> nan = good;  // a NaN point in the list, after the title and 23 view rows
  const float nanValue = std::numeric_limits<float>::quiet_NaN();
  std::memcpy(nan.data() + 4 * (42 + 14 + 12 * 23 + 2 * 3), &nanValue, 4);
  bad.push_back({"nan.PNT", nan});
  const std::string text = "just some words in a text file\n";
  bad.push_back({"words.PNT", {text.begin(), text.end()}});

  for (const auto& [name, bytes] : bad) {
    test::WriteBytes(folder.path(name), bytes);
    const LoadOutcome out = LoadPath(*e, folder.path(name), kLoadEraseColours);
    EXPECT_EQ(out.status, CommandStatus::Failed) << name;
    EXPECT_NE(out.error.find(name), std::string::npos) << name << ": " << out.error;
    EXPECT_TRUE(test::Snapshot(*e) == before) << name;
  }
  EXPECT_EQ(e->hooks.erased, 0);

  // A file that is not a picture by its extension is not even read.
  e->dialogs.opens.push_back(folder.path("notes.txt").string());
  EXPECT_EQ(FileLoadC(e->ctx, 0).status, CommandStatus::Failed);
  EXPECT_TRUE(test::Snapshot(*e) == before);
}

TEST_F(SavedPicture, AFileWithoutSettingsKeepsThoseOfThePictureBeforeItButThePenAndGrid) {
  test::Bytes plain;  // a Poly Line and the end pair, nothing before them
  plain.fs({20001, 3, 0, 0, 20077, 4, 5, 7, 15, 7, 30000, 0});
  test::WriteBytes(folder.path("plain.PNT"), plain.b);
  const test::Snapshot before(*a);
  ASSERT_EQ(LoadPath(*a, folder.path("plain.PNT")).status, CommandStatus::Done);
  EXPECT_EQ(a->list.NumPoints, 5);
  EXPECT_EQ(a->draw.LineWidth, 1);
  EXPECT_EQ(a->editor.GridMode, 0);
  const test::Snapshot after(*a);
  EXPECT_EQ(after.zoom, before.zoom);
  EXPECT_EQ(after.back, before.back);
  EXPECT_EQ(after.gallery, before.gallery);
  EXPECT_EQ(after.kind, before.kind);
  EXPECT_EQ(after.yellow, before.yellow);
  EXPECT_EQ(after.splinePoly, before.splinePoly);
}

TEST_F(SavedPicture, LoadOptionIsBackAtNormalAfterEveryLoadDoneFailedOrCancelled) {
  auto b = MakeEditor();
  ASSERT_EQ(LoadPath(*b, folder.path("all.PNT"), kLoadEraseColours).status, CommandStatus::Done);
  EXPECT_EQ(b->file.LoadOption, kLoadNormal);
  ASSERT_EQ(LoadPath(*b, folder.path("all.PNT")).status, CommandStatus::Done);
  EXPECT_EQ(b->hooks.erased, 1);  // once only

  test::WriteBytes(folder.path("bad.PNT"), {1, 2, 3, 4, 5, 6, 7, 8});
  LoadPath(*b, folder.path("bad.PNT"), kLoadReCreate);
  EXPECT_EQ(b->file.LoadOption, kLoadNormal);
  b->file.LoadOption = kLoadReCreate;
  EXPECT_EQ(FileLoadC(b->ctx, 0).status, CommandStatus::Cancelled);
  EXPECT_EQ(b->file.LoadOption, kLoadNormal);
  EXPECT_TRUE(b->file.PicturePath.empty());

  // Re-create keeps the shapes before the end of the symmetry block.
  ASSERT_EQ(LoadPath(*b, folder.path("all.PNT"), kLoadReCreate).status, CommandStatus::Done);
  EXPECT_EQ(test::LiveEntries(b->list).size(), 27u);
  EXPECT_EQ((std::vector<float>{b->list.G0[23], b->list.G0[24], b->list.G0[25], b->list.G1[25], b->list.G0[26]}),
            (std::vector<float>{20091, 20092, 20091, 1, 20099}));
  EXPECT_EQ(b->editor.GridMode, 0);
  EXPECT_TRUE(b->editor.YellowBase);
  EXPECT_EQ(b->file.LoadOption, kLoadNormal);
  // A re-create of a picture without symmetry loads it whole.
  auto plain = MakeEditor();
  Append(plain->list, {{20001, 3}, {0, 0}, {20077, 4}, {5, 7}, {15, 7}});
  ASSERT_EQ(SaveAs(*plain, folder.path("plain.PNT")).status, CommandStatus::Done);
  ASSERT_EQ(LoadPath(*b, folder.path("plain.PNT"), kLoadReCreate).status, CommandStatus::Done);
  EXPECT_EQ(b->list.NumPoints, 5);
}

TEST(PictureLoad, LowerCaseExtensionLoadsUnderItsRealPathAndSamplesBecomeUnnamed) {
  test::ScratchFolder folder;
  auto e = MakeEditor();
  Append(e->list, {{20001, 3}, {0, 0}, {20077, 4}, {5, 7}, {15, 7}});
  ASSERT_EQ(SaveAs(*e, folder.path("a.pnt")).status, CommandStatus::Done);
  auto b = MakeEditor();
  ASSERT_EQ(LoadPath(*b, folder.path("a.pnt")).status, CommandStatus::Done);
  EXPECT_EQ(b->file.FileName, folder.path("a.pnt").string());

  std::filesystem::create_directories(folder.path("Static"));
  std::filesystem::copy_file(folder.path("a.pnt"), folder.path("Static/ovmod4a.pnt"));
  const LoadOutcome s = LoadPath(*b, folder.path("Static/ovmod4a.pnt"));
  ASSERT_EQ(s.status, CommandStatus::Done);
  EXPECT_TRUE(s.report.sample);
  EXPECT_EQ(s.report.ModelNumber, 4);
  EXPECT_EQ(b->file.FileName, kUnNamed);
  EXPECT_EQ(b->file.RecentFiles[0], folder.path("a.pnt").string());  // samples stay off the list

  // Saving it asks for a name, with none proposed.
  b->dialogs.saves.push_back("");
  EXPECT_EQ(FileSaveC(b->ctx).status, CommandStatus::Cancelled);
  EXPECT_TRUE(b->file.SaveCancelled);
  ASSERT_EQ(b->dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(b->dialogs.saveRequests[0].title, "Save Picture As");
  EXPECT_TRUE(b->dialogs.saveRequests[0].proposedName.empty());
}

TEST(PictureLoad, CancellingTheSavePromptOfLoadOrNewKeepsTheChangedPictureAndNoDropsIt) {
  test::ScratchFolder folder;
  auto e = MakeEditor();
  ASSERT_EQ(SaveAs(*e, folder.path("p.PNT")).status, CommandStatus::Done);
  Append(e->list, {{20001, 3}, {0, 0}, {20077, 4}, {1, 1}, {2, 2}});
  e->editor.PicChanged = true;
  const test::Snapshot before(*e);
  e->host.answers = {MsgResult::Cancel, MsgResult::Cancel, MsgResult::No};
  EXPECT_EQ(FileNew(e->ctx).status, CommandStatus::Cancelled);
  EXPECT_EQ(e->host.boxes.back().text, "Save Changes to " + folder.path("p.PNT").string());
  EXPECT_EQ(LoadPath(*e, folder.path("p.PNT")).status, CommandStatus::Cancelled);
  EXPECT_EQ(e->host.boxes.back().text, "Save Changes to " + folder.path("p.PNT").string());
  EXPECT_EQ(e->host.boxes.back().title, "Symmetry");
  EXPECT_TRUE(test::Snapshot(*e) == before);
  EXPECT_EQ(LoadPath(*e, folder.path("p.PNT")).status, CommandStatus::Done);
  EXPECT_EQ(e->list.NumPoints, 0);
}

using test::FileSizeLimit;

TEST(PictureSave, SavingOverALongerFileLeavesTheNewLengthAndAFailedOrReadOnlySaveKeepsTheOldFile) {
  test::ScratchFolder folder;
  const auto path = folder.path("keep.PNT");
  test::WriteBytes(path, std::vector<std::uint8_t>(9000, 0x55));
  auto e = MakeEditor();
  e->file.FileName = path.string();
  ASSERT_EQ(FileSaveC(e->ctx).status, CommandStatus::Done);
  EXPECT_EQ(std::filesystem::file_size(path), 1072u);
  EXPECT_TRUE(e->dialogs.saveRequests.empty());
  const auto old = test::ReadBytes(path);

  DrawEverything(*e);  // now longer than the limit below
  SaveOutcome out;
  {
    FileSizeLimit limit(1500);
    out = FileSaveC(e->ctx);
  }
  EXPECT_EQ(out.status, CommandStatus::Failed);
  EXPECT_NE(out.error.find("keep.PNT"), std::string::npos) << out.error;
  EXPECT_EQ(test::ReadBytes(path), old);
  EXPECT_TRUE(e->editor.PicChanged);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.dir()), {}), 1);
  EXPECT_EQ(e->file.RecentFiles[0], path.string());  // from the first, good save only

  // A read-only picture is not saved over: refused with the reason.
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  out = FileSaveC(e->ctx);
  EXPECT_EQ(out.status, CommandStatus::Failed);
  EXPECT_NE(out.error.find("read-only"), std::string::npos) << out.error;
  EXPECT_EQ(test::ReadBytes(path), old);
  EXPECT_TRUE(e->editor.PicChanged);
}

TEST(PictureSave, NoNameEndingInStandardColIsWrittenAndColourFilesSaveTheStandardColours) {
  test::ScratchFolder folder;
  auto e = MakeEditor();
  e->file.FileName = folder.path("standard.col").string();
  EXPECT_EQ(FileSaveC(e->ctx).status, CommandStatus::Refused);
  EXPECT_EQ(e->host.boxes.back().text,
            "You are not allowed to save a .COL file named STANDARD.COL.  Use another name.");
  e->file.FileName = folder.path("OLDSTANDARD.COL").string();
  EXPECT_EQ(FileSaveC(e->ctx).status, CommandStatus::Refused);
  for (const char* name : {"STANDARD.COL", "MyStandard.col"})
    EXPECT_EQ(SaveAs(*e, folder.path(name)).status, CommandStatus::Refused) << name;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.dir()), {}), 0);

  std::filesystem::create_directories(folder.path("my.COL"));
  EXPECT_EQ(SaveAs(*e, folder.path("my.COL/x.PNT")).status, CommandStatus::Done);
  EXPECT_EQ(e->hooks.standardColours, 0);
  EXPECT_EQ(SaveAs(*e, folder.path("warm.col")).status, CommandStatus::Done);
  EXPECT_EQ(e->hooks.standardColours, 1);
  auto b = MakeEditor();  // a colour file loads like a picture
  EXPECT_EQ(LoadPath(*b, folder.path("warm.col")).status, CommandStatus::Done);
}

TEST(PictureSave, BitmapAndWallpaperModesSaveABitmapUnderTheirOwnDialog) {
  struct Case { bool wall; const char* answer; const char* title; const char* proposed; };
  for (const Case c : {Case{false, "/pics/rose.bmp", "Save as Bitmap", "rose.BMP"},
                       Case{true, "/pics/tile.BMP", "Save as Wallpaper", ""}}) {
    SCOPED_TRACE(c.title);
    auto e = MakeEditor();
    e->file.FileName = "/pics/rose.PNT";
    e->file.PrintMode = -1;
    e->file.SaveAsWanted = true;
    e->draw.WallMeasure = c.wall;
    e->dialogs.saves.push_back(c.answer);
    const SaveOutcome out = FileSaveC(e->ctx);
    EXPECT_TRUE(out.bitmap);
    EXPECT_EQ(e->hooks.bitmaps, std::vector<std::string>{c.answer});
    // Retried (as after a failure), the same bitmap file again, no dialog.
    EXPECT_TRUE(FileSaveRetry(e->ctx, out).bitmap);
    EXPECT_EQ(e->hooks.bitmaps, (std::vector<std::string>{c.answer, c.answer}));
    ASSERT_EQ(e->dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e->dialogs.saveRequests[0].title, c.title);
    EXPECT_EQ(e->dialogs.saveRequests[0].proposedName, c.proposed);
    EXPECT_EQ(e->file.PrintMode, 0);
    EXPECT_EQ(e->file.FileName, "/pics/rose.PNT");
  }
}

// The dialogs open in the picture's own folder; a picture without one (new,
// or a sample) takes the folder of the newest of the user's pictures whose
// folder is still there, else DialogDir.
TEST(PictureSave, TheDialogsOpenInThePicturesFolderOrTheLastOneTheUserHad) {
  const test::ScratchFolder folder;
  std::filesystem::create_directories(folder.path("mine"));
  std::filesystem::create_directories(folder.path("STATIC"));
  FileState file;
  file.DialogDir = "/start";
  EXPECT_EQ(PictureFolder(file), "/start");
  file.RecentFiles = {{folder.path("gone/a.PNT").string(), folder.path("mine/b.PNT").string(), "", ""}};
  EXPECT_EQ(PictureFolder(file), folder.path("mine").string());
  file.FileName = folder.path("STATIC/OVPP1A.PNT").string();  // a sample's folder is the program's
  EXPECT_EQ(PictureFolder(file), folder.path("mine").string());
  file.FileName = folder.path("x.PNT").string();
  EXPECT_EQ(PictureFolder(file), folder.dir().string());

  // A picture without a name proposes its title for the bitmap.
  file.FileName = kUnNamed;
  EXPECT_EQ(BitmapSaveRequest(file, "Needle", false).proposedName, "Needle.BMP");
  EXPECT_EQ(BitmapSaveRequest(file, "", false).proposedName, "");
  EXPECT_EQ(BitmapSaveRequest(file, "Needle", true).proposedName, "");
}

TEST_F(SavedPicture, NewClearsThePictureAndReopensTheStartPictureUnlessCtrlIsHeld) {
  Editor* e = a.get();
  const test::Snapshot fresh(*MakeEditor());
  e->file.StartPicture = folder.path("all.PNT").string();

  e->host.ctrl = true;
  NewOutcome out = FileNew(e->ctx);
  EXPECT_EQ(out.status, CommandStatus::Done);
  EXPECT_FALSE(out.reopened);
  EXPECT_EQ(e->list.NumPoints, 0);
  EXPECT_EQ(e->list.G0[0], 20099.0f);
  EXPECT_EQ(e->file.FileName, kUnNamed);
  EXPECT_TRUE(e->pic.PictureTitle.empty());
  EXPECT_EQ(e->views.ViewDepth, 0);
  EXPECT_EQ(e->views.rows[1], fresh.rows[1]);
  EXPECT_TRUE(e->hooks.colours.empty());

  e->host.ctrl = false;
  out = FileNew(e->ctx);
  EXPECT_TRUE(out.reopened);
  EXPECT_EQ(out.load.status, CommandStatus::Done);
  EXPECT_EQ(e->list.NumPoints, 71);
}

TEST(RecentFiles, MoveToTopWithoutDuplicatesIgnoringCaseAndDropTheOldest) {
  using Four = std::array<std::string, 4>;
  FileState f;
  for (const char* p : {"/a/1.PNT", "/a/2.PNT", "/a/3.PNT", "/a/4.PNT", "/a/4.PNT", "/a/2.PNT"}) FixFList(f, p);
  EXPECT_EQ(f.RecentFiles, (Four{"/a/2.PNT", "/a/4.PNT", "/a/3.PNT", "/a/1.PNT"}));
  FixFList(f, "/a/5.PNT");
  EXPECT_EQ(f.RecentFiles, (Four{"/a/5.PNT", "/a/2.PNT", "/a/4.PNT", "/a/3.PNT"}));
  FixFList(f, "/x/STATIC/OVROSE1.PNT");  // samples and show mode stay off the list
  f.ShowMode = 1;
  FixFList(f, "/a/6.PNT");
  EXPECT_EQ(f.RecentFiles[0], "/a/5.PNT");

  // Names that differ only in case are one entry, held under the newest spelling.
  FileState c;
  for (const char* p : {"/a/Rose.PNT", "/a/b.PNT", "/A/ROSE.pnt"}) FixFList(c, p);
  EXPECT_EQ(c.RecentFiles, (Four{"/A/ROSE.pnt", "/a/b.PNT", "", ""}));
  FixFList(c, "/a/rose.PNT");
  EXPECT_EQ(c.RecentFiles, (Four{"/a/rose.PNT", "/a/b.PNT", "", ""}));

  EXPECT_EQ(RecentCaption("/home/u/pics/rose.PNT", "/home/u/pics"), "rose.PNT");
  EXPECT_EQ(RecentCaption("/home/u/pics/old/rose.PNT", "/home/u/pics"), "../old/rose.PNT");
  EXPECT_EQ(RecentCaption("/tmp/rose.PNT", "/home/u/pics"), "/tmp/rose.PNT");
  EXPECT_EQ(ModelNumberOf("/d/STATIC/OVX12.PNT"), 2);
  EXPECT_TRUE(WallpaperAllowed(6) && WallpaperAllowed(15));
  EXPECT_FALSE(WallpaperAllowed(7) || WallpaperAllowed(12) || WallpaperAllowed(19));
}

TEST(PictureLoad, ALoadedListKeepsItsSpareEntriesPastTheEndMarker) {
  test::ScratchFolder folder;
  auto e = MakeEditor();
  // One Multi Line whose end marker lands just past the first capacity mark.
  ASSERT_TRUE(e->list.CreateItem(kTypeMultiLine, 1, 0, 0));
  while (e->list.NumPoints < 1004) e->list.AddPoint(float(e->list.NumPoints), 1, kTypeMultiLine);
  ASSERT_TRUE(e->list.closeRecord());
  ASSERT_EQ(SaveAs(*e, folder.path("long.PNT")).status, CommandStatus::Done);

  auto b = MakeEditor();
  ASSERT_EQ(LoadPath(*b, folder.path("long.PNT")).status, CommandStatus::Done);
  ASSERT_EQ(b->list.NumPoints, 1005);
  EXPECT_LE(b->list.NumPoints, b->list.ListCapacity);
  EXPECT_EQ(b->list.size(), b->list.ListCapacity + kSpareEntries + 1);
}

// The largest picture the editor can save: a title of 40 characters, every
// view row, and a drawing list grown until it holds no more. It loads back;
// the same file one byte longer is refused before it is read through.
TEST(PictureLoad, TheLargestPictureTheEditorSavesLoadsAndALongerFileIsRefused) {
  test::ScratchFolder folder;
  auto e = MakeEditor();
  e->pic.PictureTitle = std::string(kTitleLength, 'T');
  while (e->views.lastRow() < kViewLastRow) SaveScale(e->views, 800, 600);
  ASSERT_TRUE(e->list.CreateItem(kTypeMultiLine, 1, 0, 0));
  while (e->list.NumPoints < kMaxIndex - 1) ASSERT_TRUE(e->list.AddPoint(float(e->list.NumPoints % 800), 1, kTypeMultiLine));
  ASSERT_TRUE(e->list.closeRecord());
  ASSERT_EQ(e->list.NumPoints, kMaxIndex);
  ASSERT_EQ(SaveAs(*e, folder.path("full.PNT")).status, CommandStatus::Done);
  std::vector<std::uint8_t> bytes = test::ReadBytes(folder.path("full.PNT"));
  ASSERT_EQ(bytes.size(), kMaxPictureFileBytes);

  auto b = MakeEditor();
  const LoadOutcome full = LoadPath(*b, folder.path("full.PNT"));
  ASSERT_EQ(full.status, CommandStatus::Done) << full.error;
  EXPECT_EQ(b->list.NumPoints, kMaxIndex);

  bytes.push_back(0);
  test::WriteBytes(folder.path("longer.PNT"), bytes);
  const LoadOutcome longer = LoadPath(*b, folder.path("longer.PNT"));
  EXPECT_EQ(longer.status, CommandStatus::Failed);
  EXPECT_EQ(longer.error, "\"longer.PNT\" cannot be loaded: the picture has more entries than the editor can hold.");
  EXPECT_EQ(b->list.NumPoints, kMaxIndex);
}

TEST(PictureLoad, AStoredLineWidthOutsideOneToTwentyTakesTheNearestWidth) {
  auto e = MakeEditor();
  PictureFile pf = CapturePicture(e->ctx, e->hooks.sizes);
  for (auto [stored, want] : {std::pair{0.0f, 1}, {-5.0f, 1}, {7.4f, 7}, {21.0f, 20}, {3e30f, 20}}) {
    pf.header[kHdrLineWidth] = stored;
    LoadReport report;
    ApplyPictureFile(e->ctx, pf, "w.PNT", report);
    EXPECT_EQ(e->draw.LineWidth, want) << stored;
  }
}

using test::Bytes;

// A new picture on an 800 x 600 canvas in a maximised 1024 x 768 window,
// without title: header, view rows 0-20, end pair.
Bytes NewPictureImage(float numPoints = 0) {
  Bytes b;
  b.fs({1, 0, 0, 0, 2, numPoints, 6, 16777215, 12632256, 0, 0, 0, 20, 1}).zeros(12);
  b.fs({0, 0, 799, 0, 799, 599, 0, 0, 799, 0, 799, 599}).zeros(12 * 18);  // row 1: the full picture
  b.fs({1024, 768, 800, 600}).zeros(8);                                   // row 20 with the sizes
  return b;
}

TEST(PictureFileBytes, NewEmptyPictureIsExactly1072BytesEndingInTheEndPair) {
  auto ed = MakeEditor();
  const std::vector<std::uint8_t> written = EncodePictureFile(CapturePicture(ed->ctx, ed->hooks.sizes));
  ASSERT_EQ(written.size(), 1072u);
  EXPECT_EQ(written, NewPictureImage().fs({30000, 0}).b);
  // White and 30000 spelled out byte for byte: little-endian floats.
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin() + 28, written.begin() + 32),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 0x7F, 0x4B}));
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin() + 1064, written.end()),
            (std::vector<std::uint8_t>{0x00, 0x60, 0xEA, 0x46, 0, 0, 0, 0}));
}

TEST(PictureFileBytes, PolylinePictureAndTitleBlockMatchHandBuiltImagesAndReadBack) {
  auto ed = MakeEditor();
  Append(ed->list, {{20001, 3}, {0, 0}, {20077, 4}, {5, 7}, {15, 7}});
  Bytes image = NewPictureImage(5).fs({20001, 3, 0, 0, 20077, 4, 5, 7, 15, 7, 30000, 0});
  EXPECT_EQ(EncodePictureFile(CapturePicture(ed->ctx, ed->hooks.sizes)), image.b);

  ed->pic.PictureTitle = "Hi";
  Bytes titled;
  titled.fs({32100, 32100, 72, 105});
  for (int k = 0; k < 38; ++k) titled.f(32);
  titled.b.insert(titled.b.end(), image.b.begin(), image.b.end());
  EXPECT_EQ(EncodePictureFile(CapturePicture(ed->ctx, ed->hooks.sizes)), titled.b);

  const auto read = ParsePictureFile(titled.b, "t.PNT");
  ASSERT_TRUE(read.ok()) << read.error->message;
  EXPECT_EQ(read.value->title, "Hi");
  EXPECT_EQ(read.value->layout, PictureLayout::Full);
  EXPECT_EQ(read.value->g0, (std::vector<float>{20001, 0, 20077, 5, 15, 20099}));
  EXPECT_EQ(read.value->g1, (std::vector<float>{3, 0, 4, 7, 7, 0}));
  EXPECT_EQ(EncodePictureFile(*read.value), titled.b);
}

}  // namespace
}  // namespace orn
