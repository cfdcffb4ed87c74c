// View files loaded through the load command: a new unnamed picture that
// keeps nothing of the one it replaces, the message for a view too big for
// the list, and refused files that leave the open picture as it was.
#include <gtest/gtest.h>

#include "canvas/view_load.h"
#include "file_commands_fixture.h"
#include "model/view_file.h"
#include "model/view_file_test.h"

namespace orn {
namespace {

using test::Append;
using test::TwoLineView;
using test::ViewBytes;

LoadOutcome ChooseInLoadPicture(test::Editor& e, const std::filesystem::path& p) {
  e.dialogs.opens.push_back(p.string());
  return FileLoadC(e.ctx, 0);
}

TEST(ViewLoad, AViewBecomesANewUnnamedPictureAndARefusedOneChangesNothing) {
  test::ScratchFolder folder;
  auto e = test::MakeEditor();
  // An open picture with a name, title, pages, a restore view and a symmetry.
  Append(e->list, {{20006, 2}, {20077, 3}, {0, 0}, {100, 0}, {20091, -2}, {20091, 1}, {20092, 0}});
  e->sym.SymStart = 4;
  e->sym.SymEnd = 5;
  e->pic.PictureTitle = "Rose window";
  e->file.FileName = e->file.RecentFiles[0] = "/pictures/ROSE.PNT";
  e->editor.ProjPages = 3;
  e->editor.GridMode = 2;
  e->views.rows[6] = ViewRow{10, 10, 410, 10, 410, 310, 0, 0, 799, 0, 799, 599};
  e->hooks.colours = {{305, 255}};

  test::WriteBytes(folder.path("house.vew"), TwoLineView(true).bytes());
  const LoadOutcome out = ChooseInLoadPicture(*e, folder.path("house.vew"));
  ASSERT_EQ(out.status, CommandStatus::Done) << out.error;
  EXPECT_TRUE(out.report.viewFile);
  EXPECT_EQ(e->list.NumPoints, 7);
  EXPECT_EQ(e->list.ItemHead, 7);
  EXPECT_EQ(e->list.G0[0], 20002.0f);
  EXPECT_EQ(e->hooks.viewCanvasSet.width, 800);
  EXPECT_EQ(e->hooks.viewCanvasSet.height, 400);
  EXPECT_EQ(e->views.rows[1], (ViewRow{0, 0, 799, 0, 799, 399, 0, 0, 799, 0, 799, 399}));
  EXPECT_TRUE(e->views.rowEmpty(6));
  EXPECT_EQ(e->file.FileName, kUnNamed);
  EXPECT_EQ(e->pic.PictureTitle, "");
  EXPECT_EQ(e->editor.ProjPages, 1);
  EXPECT_EQ(e->editor.GridMode, 0);
  EXPECT_EQ(e->sym.SymStart, e->sym.SymEnd);
  EXPECT_TRUE(e->hooks.colours.empty());
  EXPECT_EQ(e->file.RecentFiles[0], "/pictures/ROSE.PNT");  // a view is no recent picture
  EXPECT_TRUE(e->host.boxes.empty());

  const test::Snapshot before(*e);
  ViewBytes flat = TwoLineView(false);
  flat.records[3] = {0, 0, 100, 0};
  flat.records[4] = {};
  test::WriteBytes(folder.path("FLAT.VEW"), flat.bytes());
  test::WriteBytes(folder.path("CUT.VEW"), std::vector<std::uint8_t>(40, 0));
  for (const char* name : {"FLAT.VEW", "CUT.VEW", "MISSING.VEW"}) {
    const LoadOutcome refused = ChooseInLoadPicture(*e, folder.path(name));
    EXPECT_EQ(refused.status, CommandStatus::Failed) << name;
    EXPECT_NE(refused.error.find(name), std::string::npos) << refused.error;
    EXPECT_TRUE(test::Snapshot(*e) == before) << name;
  }
}

TEST(ViewLoad, AViewTooBigForTheListLoadsInPartAndSaysSo) {
  test::ScratchFolder folder;
  ViewBytes big;
  big.rec(0, 0, 0, 0).rec(-9988, 0, 0, 15500);
  for (int k = 0; k < 15500; ++k) big.rec(0, float(k % 100), 100, float(k % 100));
  test::WriteBytes(folder.path("BIG.VEW"), big.rec(0, 100, 0, 100).mark().bytes());
  auto e = test::MakeEditor();
  ASSERT_EQ(ChooseInLoadPicture(*e, folder.path("BIG.VEW")).status, CommandStatus::Done);
  ASSERT_EQ(e->host.boxes.size(), 1u);
  EXPECT_EQ(e->host.boxes[0].text, kViewTooBigText);
  EXPECT_EQ(e->host.boxes[0].title, kViewTooBigTitle);
  EXPECT_EQ(e->list.NumPoints, kViewListLimit - 1);
}

}  // namespace
}  // namespace orn
